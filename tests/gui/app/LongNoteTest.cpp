#include "app/TErrorBoxes.h"
#include "app/Tfrm_main.h"
#include "controls/SUIMemo.h"
#include "platform/core/NoteText.h"
#include "support/TempDir.h"

#include <QImage>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace {

// The main window's note memo after loading `note` from a file, as the player does.
class LongNoteTest : public testing::Test {
protected:
    const QTextDocument& Show(const std::string& note)
    {
        dir.Write("1.txt", note);
        window.LoadNote(dir.File("1.txt"));
        return *Memo().Edit()->document();
    }
    TsuiMemo& Memo() { return *window.findChild<TsuiMemo*>("sMM_note"); }

    TTempDir dir;
    TErrorBoxes boxes { "Zintaro" };
    Tfrm_main window { boxes };
};

// A note of one long line used to freeze the window for minutes while the memo laid it
// out; the memo now gets it whole in bounded lines, the first of them painted.
TEST_F(LongNoteTest, OneLineAtCapacityShowsInBoundedLines)
{
    std::string note;
    while (note.size() < kMemoCapacity)
        note += "abcdefghijklmnopqrstuvwxyz\xE4\xBD\xA0";
    note.resize(kMemoCapacity);
    const QTextDocument& shown = Show(note);

    QString joined;
    qsizetype longest = 0;
    for (QTextBlock block = shown.begin(); block.isValid(); block = block.next()) {
        joined += block.text();
        longest = std::max(longest, block.text().size());
    }
    ASSERT_LE(longest, qsizetype(kMemoLineMax));
    EXPECT_GT(shown.blockCount(), 1);
    EXPECT_EQ(joined, QString::fromUtf8(note.data(), qsizetype(note.size()))) << "nothing lost";

    window.show();
    const QImage screen = Memo().grab().toImage();
    int inked = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < screen.width(); ++x)
            inked += (screen.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_GT(inked, 0) << "the first line is painted";
}

// Half a million empty lines took the memo a second to take in; it cannot scroll, so it
// gets only as many lines as any memo could show.
TEST_F(LongNoteTest, ATallNoteGivesTheMemoOnlyItsFirstLines)
{
    std::string note = "first";
    while (note.size() + 2 <= kMemoCapacity)
        note += "\r\n";
    const QTextDocument& shown = Show(note);
    EXPECT_EQ(shown.blockCount(), int(kMemoLinesShown));
    EXPECT_EQ(shown.firstBlock().text(), "first");
}

} // namespace
