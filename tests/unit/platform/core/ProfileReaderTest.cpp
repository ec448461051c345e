#include "platform/core/ProfileReader.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

std::string Read(const TTempDir& dir, const std::string& ini, const std::string& key,
                 const std::string& section = "set")
{
    dir.Write("index.ini", ini);
    return GetPrivateProfileString(section, key, "<default>", dir.File("index.ini"));
}

} // namespace

TEST(ProfileReader, MissingFileSectionOrKeyGiveTheDefault)
{
    TTempDir dir;
    EXPECT_EQ(GetPrivateProfileString("set", "Course", "<default>", dir.File("none.ini")), "<default>");
    EXPECT_EQ(GetPrivateProfileString("set", "Course", "<default>", dir.Path()), "<default>");
    EXPECT_EQ(Read(dir, "[other]\nCourse=x\n", "Course"), "<default>");
    EXPECT_EQ(Read(dir, "[set]\nMaxLength=3\n", "Course"), "<default>");
    EXPECT_EQ(Read(dir, "Course=outside\n[set]\n", "Course"), "<default>");
}

TEST(ProfileReader, EmptyValueIsNotTheDefault)
{
    TTempDir dir;
    EXPECT_EQ(Read(dir, "[set]\nCourse=\n", "Course"), "");
    EXPECT_EQ(Read(dir, "[set]\nCourse =   \n", "Course"), "");
}

TEST(ProfileReader, NamesIgnoreCaseAndBlanks)
{
    TTempDir dir;
    EXPECT_EQ(Read(dir, "[ SET ]\n  course  =  Lesson one  \n", "Course"), "Lesson one");
    EXPECT_EQ(Read(dir, "[Set]\r\nMAXLENGTH=12\r\n", "MaxLength"), "12");
    EXPECT_EQ(Read(dir, "\xEF\xBB\xBF[set]\rCourse=bom\r", "Course"), "bom");
}

TEST(ProfileReader, QuotesCommentsAndFirstMatch)
{
    TTempDir dir;
    EXPECT_EQ(Read(dir, "[set]\nCourse=\"  padded  \"\n", "Course"), "  padded  ");
    EXPECT_EQ(Read(dir, "[set]\nCourse='single'\n", "Course"), "single");
    EXPECT_EQ(Read(dir, "[set]\nCourse=\"unmatched'\n", "Course"), "\"unmatched'");
    EXPECT_EQ(Read(dir, "[set]\n;Course=commented\nCourse=real\n", "Course"), "real");
    EXPECT_EQ(Read(dir, "[set]\nCourse=first\nCourse=second\n[set]\nCourse=third\n", "Course"), "first");
    EXPECT_EQ(Read(dir, "[set]\nnoequals\nCourse=a=b\n", "Course"), "a=b");
}

TEST(ProfileReader, ValuesAreCutAndHugeLinesCostNoMemory)
{
    TTempDir dir;
    std::string longValue(5000, 'v');
    EXPECT_EQ(Read(dir, "[set]\nCourse=" + longValue + "\n", "Course"), std::string(kProfileValueMax, 'v'));
    std::string hugeLine(3 * 1024 * 1024, 'x');
    EXPECT_EQ(Read(dir, "[set]\n" + hugeLine + "\nCourse=after\n", "Course"), "after");
}

TEST(ProfileReader, ChineseTextPassesThroughAsBytes)
{
    TTempDir dir;
    EXPECT_EQ(Read(dir, "[set]\nCourse=第一课 你好\n", "Course"), "第一课 你好");
}
