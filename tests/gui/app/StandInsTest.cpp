#include "app/MainWindowClasses.h"
#include "app/TPlainMemo.h"
#include "app/TPlainSideChannel.h"
#include "controls/SUIPageControl.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLayoutReader.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

// The plain stand-ins the main window uses until their skinned controls land.
namespace {

TEST(Align, PagesFillThePageControlBesideTheLeftSidePane)
{
    // The main window's page area: its pane at (3, 22) and its pages at (78, 22).
    TsuiPageControl pages;
    pages.SetBounds(0, 28, 747, 458);
    pages.SetUIStyle(WinXP);
    auto* side = new TPlainSideChannel(&pages);
    side->SetWidth(75);
    auto* main = new TsuiTabSheet(&pages);
    auto* about = new TsuiTabSheet(&pages);
    main->SetTabVisible(false);
    about->SetTabVisible(false);
    EXPECT_EQ(side->geometry(), QRect(3, 22, 75, 433));
    EXPECT_EQ(main->geometry(), QRect(78, 22, 666, 433));
    EXPECT_EQ(about->geometry(), QRect(78, 22, 666, 433));
    EXPECT_EQ(side->Caption(), "Menu");
}

TEST(Memo, ReplacesTheTextOnlyWhenItDiffersAndStopsAtNul)
{
    TPlainMemo memo;
    auto* edit = memo.findChild<QPlainTextEdit*>();
    ASSERT_NE(edit, nullptr);
    int changes = 0;
    QObject::connect(edit, &QPlainTextEdit::textChanged, [&] { ++changes; });

    memo.SetText(std::string("hello\r\nworld\0hidden", 19));
    EXPECT_EQ(memo.Text(), "hello\r\nworld");
    EXPECT_EQ(edit->toPlainText(), "hello\nworld");
    int afterFirst = changes;
    EXPECT_GT(afterFirst, 0);

    memo.SetText(std::string("hello\r\nworld\0other", 18));
    EXPECT_EQ(changes, afterFirst) << "same text up to the NUL: left alone";
    memo.SetText("汉字");
    EXPECT_EQ(edit->toPlainText(), QString::fromUtf8("汉字"));
    EXPECT_GT(changes, afterFirst);
    memo.SetText(std::string("\0all hidden", 11));
    EXPECT_EQ(edit->toPlainText(), "");

    memo.SetReadOnly(true);
    memo.SetEnabled(false);
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

} // namespace
