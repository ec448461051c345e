#include "app/MainWindowClasses.h"
#include "app/TPlainMemo.h"
#include "app/TPlainPageControl.h"
#include "app/TPlainSideChannel.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLayoutReader.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

// The plain stand-ins the main window uses until their skinned controls land.
namespace {

TEST(Align, PagesFillThePageControlBesideTheLeftSidePane)
{
    // The main window's page area: its pane at (3, 22) and its pages at (78, 22).
    TPlainPageControl pages;
    pages.SetBounds(0, 28, 747, 458);
    auto* side = new TPlainSideChannel(&pages);
    side->SetWidth(75);
    auto* main = new TPlainTabSheet(&pages);
    auto* about = new TPlainTabSheet(&pages);
    EXPECT_EQ(side->geometry(), QRect(3, 22, 75, 433));
    EXPECT_EQ(main->geometry(), QRect(78, 22, 666, 433));
    EXPECT_EQ(about->geometry(), QRect(78, 22, 666, 433));
    EXPECT_EQ(side->Caption(), "Menu");
}

TEST(PageControl, ShowingASheetActivatesItAndDisablesTheOther)
{
    const TClassRegistry& registry = MainWindowClasses();
    TForm form;
    ReadLayout(R"(object f: TForm
  object sPC_Client: TPlainPageControl
    ActivePage = sTS_main
    object sTS_main: TPlainTabSheet
      PageIndex = 0
    end
    object sTS_About: TPlainTabSheet
      PageIndex = 1
      Enabled = False
    end
  end
end)",
        form, registry, form.Handlers());
    auto* pages = form.findChild<TPlainPageControl*>("sPC_Client");
    auto* main = form.findChild<TPlainTabSheet*>("sTS_main");
    auto* about = form.findChild<TPlainTabSheet*>("sTS_About");
    ASSERT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), main);
    EXPECT_TRUE(main->Enabled());
    EXPECT_FALSE(about->Enabled());
    EXPECT_EQ(about->PageIndex(), 1);

    about->Show();
    EXPECT_EQ(pages->ActivePage(), about);
    EXPECT_TRUE(about->Enabled());
    EXPECT_FALSE(main->Enabled());
    EXPECT_TRUE(main->Visible()) << "the other page stays behind, not hidden";
    EXPECT_EQ(pages->children().indexOf(about), pages->children().size() - 1) << "in front";

    main->Show();
    EXPECT_TRUE(main->Enabled());
    EXPECT_FALSE(about->Enabled());

    about->SetPageIndex(0);
    EXPECT_EQ(pages->Page(0), about);
    about->SetPageIndex(5);
    EXPECT_EQ(about->PageIndex(), 0) << "an index past the pages is ignored";

    delete main;
    EXPECT_EQ(pages->PageCount(), 1);
    EXPECT_EQ(pages->ActivePage(), about) << "the page before the removed one";
}

TEST(PageControl, OutlivingSheetsAndPagesFreedInAnyOrder)
{
    auto* pages = new TPlainPageControl;
    auto* sheet = new TPlainTabSheet(pages);
    EXPECT_EQ(sheet->PageControl(), pages);
    delete pages; // frees the sheet through the widget tree; no dangling page list
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
