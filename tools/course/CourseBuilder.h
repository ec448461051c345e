#pragma once

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>

// What to build: a course folder from a word list.
struct TCourseBuild {
    std::string listPath;
    std::string outDir;
    std::string courseName; // empty: the list's file name without its extension
    bool force = false; // replace a course already in outDir
};

// The course cannot be built or written; the text says why.
class TCourseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Called after each word with the words done and the words in all.
using TBuildProgress = std::function<void(std::size_t done, std::size_t total)>;

// Reads and checks the whole list and every recording before anything is written, then
// writes N.jpg, N.txt and N.wav for each word and index.ini last, each file under a
// temporary name first. Throws TWordListError for a bad list, TCourseError otherwise.
// Needs a QGuiApplication for the cards. Returns the number of words.
std::size_t BuildCourse(const TCourseBuild& build, const TBuildProgress& progress = {});

// Whether the folder already holds a course: an index.ini or numbered word files.
bool HoldsCourse(const std::string& folder);

// The note file's text: pinyin, meaning and note, each line ending in CR LF.
std::string NoteText(const std::string& pinyin, const std::string& meaning, const std::string& note);
