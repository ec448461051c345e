#include "RecordingView.h"
#include "lesson/CourseFolder.h"

#include <gtest/gtest.h>

TEST(CourseFolder, DescriptorDefaultsWhenMissing)
{
    TTempDir dir;
    TCourseDescriptor descriptor = ReadCourseDescriptor(dir.Path());
    EXPECT_EQ(descriptor.wordCount, 0);
    EXPECT_EQ(descriptor.courseName, "Please select a book.");
}

TEST(CourseFolder, DescriptorReadsCountAndName)
{
    TTempDir dir;
    dir.Write("index.ini", "[set]\nMaxLength=0x1A\nCourse=\n");
    TCourseDescriptor descriptor = ReadCourseDescriptor(dir.Path());
    EXPECT_EQ(descriptor.wordCount, 26);
    EXPECT_EQ(descriptor.courseName, "") << "an empty value is not the default";
    dir.Write("index.ini", "[set]\nMaxLength=12a\n");
    EXPECT_EQ(ReadCourseDescriptor(dir.Path()).wordCount, 0);
}

TEST(CourseFolder, WordFilesCarryNoLeadingZeros)
{
    EXPECT_EQ(WordFilePath("/c", 10, ".jpg"), "/c/10.jpg");
    EXPECT_EQ(WordFilePath("/c", -1, ".wav"), "/c/-1.wav");
    EXPECT_EQ(WordFilePath("", 0, ".jpg"), "/0.jpg");
}

TEST(CourseFolder, WordLoadsPictureNoteSoundInOrder)
{
    TTempDir dir;
    std::string folder = MakeCourse(dir, "course", 10);
    TRecordingView view;
    LoadWord(view, folder, 10);
    EXPECT_EQ(view.log, (std::vector<std::string> {"picture 10.jpg", "note 10.txt", "sound 10.wav"}));
    EXPECT_EQ(view.picture, "picture 10");
    EXPECT_EQ(view.note, "note 10");
}
