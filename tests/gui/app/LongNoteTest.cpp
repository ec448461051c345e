#include "app/TPlainMemo.h"
#include "platform/core/NoteText.h"

#include <QImage>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <gtest/gtest.h>

// A note of one long line used to freeze the window for minutes while the memo laid it
// out; the memo now lays out bounded lines and still holds the whole text.
TEST(NoteMemo, OneLineAtCapacityShowsInBoundedLinesWithNothingLost)
{
    std::string note;
    while (note.size() < kMemoCapacity)
        note += "abcdefghijklmnopqrstuvwxyz\xE4\xBD\xA0";
    note.resize(kMemoCapacity);
    TPlainMemo memo;
    memo.SetBounds(0, 0, 226, 274);
    memo.SetText(note);
    EXPECT_EQ(memo.Text(), note);

    const QTextDocument* shown = memo.findChild<QPlainTextEdit*>()->document();
    QString joined;
    qsizetype longest = 0;
    for (QTextBlock block = shown->begin(); block.isValid(); block = block.next()) {
        joined += block.text();
        longest = std::max(longest, block.text().size());
    }
    ASSERT_LE(longest, qsizetype(kMemoLineMax));
    EXPECT_GT(shown->blockCount(), 1);
    EXPECT_EQ(joined, QString::fromUtf8(note.data(), qsizetype(note.size())));

    QImage screen(memo.size(), QImage::Format_RGB32);
    screen.fill(Qt::white);
    memo.render(&screen);
    int inked = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < screen.width(); ++x)
            inked += (screen.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_GT(inked, 0) << "the first line is painted";
}

// Half a million empty lines took the memo a second to take in; it cannot scroll, so it
// gets only as many lines as any memo could show.
TEST(NoteMemo, ATallNoteGivesTheMemoOnlyItsFirstLines)
{
    std::string note = "first";
    while (note.size() < kMemoCapacity)
        note += "\r\n";
    TPlainMemo memo;
    memo.SetBounds(0, 0, 226, 274);
    memo.SetText(note);
    EXPECT_EQ(memo.Text(), note);
    const QTextDocument* shown = memo.findChild<QPlainTextEdit*>()->document();
    EXPECT_EQ(shown->blockCount(), int(kMemoLinesShown));
    EXPECT_EQ(shown->firstBlock().text(), "first");
}
