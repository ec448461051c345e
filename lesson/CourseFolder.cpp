#include "lesson/CourseFolder.h"

#include "lesson/TLessonView.h"
#include "platform/core/ProfileReader.h"
#include "platform/core/StrToInt.h"

namespace {

constexpr const char* kSection = "set";
constexpr const char* kNoCourseName = "Please select a book.";

} // namespace

TCourseDescriptor ReadCourseDescriptor(const std::string& folder)
{
    std::string path = folder + "/index.ini";
    TCourseDescriptor descriptor;
    descriptor.wordCount = StrToIntDef(GetPrivateProfileString(kSection, "MaxLength", "", path), 0);
    descriptor.courseName = GetPrivateProfileString(kSection, "Course", kNoCourseName, path);
    return descriptor;
}

std::string WordFilePath(const std::string& folder, int32_t wordNumber, const char* extension)
{
    return folder + "/" + std::to_string(wordNumber) + extension;
}

void LoadWord(TLessonView& view, const std::string& folder, int32_t wordNumber)
{
    view.LoadPicture(WordFilePath(folder, wordNumber, ".jpg"));
    view.LoadNote(WordFilePath(folder, wordNumber, ".txt"));
    view.PlaySound(WordFilePath(folder, wordNumber, ".wav"));
}
