#include "platform/core/Exceptions.h"
#include "platform/core/FileBytes.h"
#include "platform/core/NoteText.h"
#include "platform/core/ProfileReader.h"
#include "support/TempDir.h"
#include "support/UnwrittenFifo.h"

#include <gtest/gtest.h>

TEST(NoteText, EveryLineBreakBecomesCrLf)
{
    EXPECT_EQ(NormaliseNoteText("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(NormaliseNoteText("\r\r\n\n"), "\r\n\r\n\r\n");
    EXPECT_EQ(NormaliseNoteText("end\r"), "end\r\n");
    EXPECT_EQ(NormaliseNoteText("ni\xE4\xBD\xA0hao\n"), "ni\xE4\xBD\xA0hao\r\n");
}

TEST(NoteText, TextEndsAtTheFirstNul)
{
    using namespace std::string_literals;
    EXPECT_EQ(NormaliseNoteText("shown\nhere\0hidden\n"s), "shown\r\nhere");
}

TEST(NoteText, LongLinesBreakForDisplayBetweenCharacters)
{
    struct TRow {
        const char* text;
        std::size_t maxLine;
        const char* shown;
    };
    const TRow rows[] = {
        {"abcdef", 4, "abcd\r\nef"},
        {"abcd", 4, "abcd"},
        {"", 4, ""},
        {"ab\r\ncdefgh\nij\r", 3, "ab\r\ncde\r\nfgh\nij\r"},
        {"\xE4\xBD\xA0\xE5\xA5\xBD", 4, "\xE4\xBD\xA0\r\n\xE5\xA5\xBD"},
        {"a\xF0\x9F\x98\x80\xF0\x9F\x98\x80", 4, "a\r\n\xF0\x9F\x98\x80\r\n\xF0\x9F\x98\x80"},
        {"\x80\x80\x80\x80\x80", 2, "\x80\x80\r\n\x80\x80\r\n\x80"},
    };
    for (const TRow& row : rows)
        EXPECT_EQ(BreakLongLines(row.text, row.maxLine), row.shown) << row.text << " at " << row.maxLine;
}

TEST(NoteText, LeadingLinesStopBeforeTheLineEndThatEndsThem)
{
    EXPECT_EQ(LeadingLines("a\r\nb\nc\rd", 3), "a\r\nb\nc");
    EXPECT_EQ(LeadingLines("a\r\nb\r\n", 2), "a\r\nb");
    EXPECT_EQ(LeadingLines("\r\n\r\n\r\n", 1), "");
    EXPECT_EQ(LeadingLines("a\r\nb", 2), "a\r\nb");
    EXPECT_EQ(LeadingLines("a\r\nb\r\n", 3), "a\r\nb\r\n");
}

TEST(NoteText, UnixAndWindowsNotesShowTheSameLines)
{
    TTempDir dir;
    dir.Write("unix.txt", "ni hao\nhello\n");
    dir.Write("dos.txt", "ni hao\r\nhello\r\n");
    EXPECT_EQ(LoadNoteFile(dir.File("unix.txt")), LoadNoteFile(dir.File("dos.txt")));
}

TEST(NoteText, NotesBeyondCapacityAreRefused)
{
    TTempDir dir;
    dir.Write("big.txt", std::string(kMemoCapacity + 1, 'a'));
    dir.Write("fits.txt", std::string(kMemoCapacity, 'a'));
    dir.Write("grows.txt", std::string(kMemoCapacity / 2 + 1, '\n'));
    try {
        LoadNoteFile(dir.File("big.txt"));
        FAIL() << "no error";
    } catch (const EOutOfResources& error) {
        EXPECT_STREQ(error.what(), "Text exceeds memo capacity");
    }
    EXPECT_EQ(LoadNoteFile(dir.File("fits.txt")).size(), kMemoCapacity);
    EXPECT_THROW(LoadNoteFile(dir.File("grows.txt")), EOutOfResources);
}

TEST(FileBytes, OpenErrorsNameTheFullPathAndTheReason)
{
    TTempDir dir;
    std::string missing = dir.File("missing.txt");
    try {
        ReadFileBytes(missing);
        FAIL() << "no error";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(error.Message(), "Cannot open file \"" + missing + "\". No such file or directory");
    }
    EXPECT_THROW(ReadFileBytes(dir.Path()), EFOpenError);
}

TEST(FileBytes, RelativePathsAreExpandedInMessages)
{
    try {
        ReadFileBytes("no-such-dir/0.jpg");
        FAIL() << "no error";
    } catch (const EFOpenError& error) {
        EXPECT_NE(error.Message().find(ExpandFileName("no-such-dir/0.jpg")), std::string::npos);
        EXPECT_EQ(error.Message().find("\"no-such-dir"), std::string::npos);
    }
}

TEST(FileBytes, OnlyRegularFilesAreReadAndNothingWaitsOnAPipe)
{
    TTempDir dir;
    TUnwrittenFifo pipe(dir.File("1.txt"));
    const std::string refused = "Cannot open file \"" + pipe.Path() + "\". No such device or address";
    try {
        ReadFileBytes(pipe.Path());
        FAIL() << "a named pipe was read";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(error.Message(), refused);
    }
    EXPECT_THROW(LoadNoteFile(pipe.Path()), EFOpenError);
    EXPECT_EQ(GetPrivateProfileString("set", "Course", "<default>", pipe.Path()), "<default>");
    EXPECT_EQ(pipe.Rescues(), 0) << "a reader waited for a writer";
    // A device would be read for ever, or opened with effects.
    EXPECT_THROW(ReadFileBytes("/dev/zero"), EFOpenError);
    EXPECT_EQ(GetPrivateProfileString("set", "Course", "<default>", "/dev/zero"), "<default>");
}
