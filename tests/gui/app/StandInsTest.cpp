#include "app/MainWindowClasses.h"
#include "app/TPlainMemo.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLayoutReader.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

// The plain stand-ins the main window uses until their skinned controls land.
namespace {

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
