#pragma once

#include <cstdint>
#include <string>

class TLessonView;

// What index.ini says of a course: its word count (words are numbered 1..count) and
// its name.
struct TCourseDescriptor {
    int32_t wordCount = 0;
    std::string courseName;
};

// Reads folder/index.ini. Never fails: a missing file, section or key gives 0 and
// "Please select a book.".
TCourseDescriptor ReadCourseDescriptor(const std::string& folder);

// folder + "/" + N in decimal (no leading zeros, "-" for negatives) + extension.
std::string WordFilePath(const std::string& folder, int32_t wordNumber, const char* extension);

// Shows word N: picture, then note, then sound. The first step that fails raises its
// error and the later steps do not happen.
void LoadWord(TLessonView& view, const std::string& folder, int32_t wordNumber);
