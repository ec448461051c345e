#include "platform/core/Paths.h"
#include "platform/core/WrappingInt.h"

#include <gtest/gtest.h>

#include <climits>

TEST(Paths, FileNameAndExtensionTakeOnlyTheLastComponent)
{
    EXPECT_EQ(ExtractFileName("/a/b.c/name"), "name");
    EXPECT_EQ(ExtractFileName("plain"), "plain");
    EXPECT_EQ(ExtractFileExt("/a/b.c/name"), "");
    EXPECT_EQ(ExtractFileExt("/a/10.WAV"), ".WAV");
}

TEST(Paths, ExecutableDirectoryEndsWithSlashAndExists)
{
    std::string dir = ExecutableDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_TRUE(DirectoryExists(dir));
    EXPECT_FALSE(DirectoryExists(""));
    EXPECT_FALSE(FileExists(dir));
}

TEST(WrappingInt, WrapsAtBothEnds)
{
    EXPECT_EQ(WrappingAdd(INT32_MAX, 1), INT32_MIN);
    EXPECT_EQ(WrappingSub(INT32_MIN, 1), INT32_MAX);
    EXPECT_EQ(WrappingAdd(-3, 1), -2);
}
