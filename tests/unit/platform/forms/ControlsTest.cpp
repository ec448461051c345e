#include "platform/core/Exceptions.h"
#include "platform/forms/FrameworkClasses.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TPlainCaptionPanel.h"
#include "platform/forms/TPlainMemo.h"
#include "platform/forms/TPlainPageControl.h"
#include "platform/forms/TPlainSideChannel.h"
#include "platform/forms/TStatusBar.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace {

TControl* Aligned(QWidget* parent, TControl::TAlign align, int width, int height)
{
    auto* control = new TControl(parent);
    control->SetBounds(0, 0, width, height);
    control->SetAlign(align);
    return control;
}

TEST(Align, NarrowsTheCaptionedPanelsClientAreaInTheClassicOrder)
{
    TPlainCaptionPanel panel;
    panel.SetBounds(0, 0, 200, 150);
    // Made in an order unlike the alignment order: the kind decides, not creation.
    TControl* client = Aligned(&panel, TControl::alClient, 1, 1);
    TControl* right = Aligned(&panel, TControl::alRight, 40, 1);
    TControl* left = Aligned(&panel, TControl::alLeft, 30, 1);
    TControl* bottom = Aligned(&panel, TControl::alBottom, 1, 20);
    TControl* top = Aligned(&panel, TControl::alTop, 1, 10);
    TControl* loose = Aligned(&panel, TControl::alNone, 7, 8);

    // Client area (4, 25)-(196, 146).
    EXPECT_EQ(top->geometry(), QRect(4, 25, 192, 10));
    EXPECT_EQ(bottom->geometry(), QRect(4, 126, 192, 20));
    EXPECT_EQ(left->geometry(), QRect(4, 35, 30, 91));
    EXPECT_EQ(right->geometry(), QRect(156, 35, 40, 91));
    EXPECT_EQ(client->geometry(), QRect(34, 35, 122, 91));
    EXPECT_EQ(loose->geometry(), QRect(0, 0, 7, 8));

    panel.SetWidth(300);
    EXPECT_EQ(right->geometry(), QRect(256, 35, 40, 91));
    EXPECT_EQ(client->geometry(), QRect(34, 35, 222, 91));

    top->SetHeight(30);
    EXPECT_EQ(client->geometry(), QRect(34, 55, 222, 71));
    top->SetVisible(false);
    EXPECT_EQ(client->geometry(), QRect(34, 25, 222, 101));
    delete left;
    EXPECT_EQ(client->geometry(), QRect(4, 25, 252, 101));
}

TEST(Align, KeepsTheStoredOrderOfPlacesWithinOneKindAndNeverGoesNegative)
{
    TControl parent;
    parent.SetBounds(0, 0, 50, 40);
    parent.BeginLoading();
    TControl* lower = new TControl(&parent);
    lower->SetBounds(0, 30, 10, 25);
    TControl* upper = new TControl(&parent);
    upper->SetBounds(0, 5, 10, 25);
    lower->SetAlign(TControl::alTop);
    upper->SetAlign(TControl::alTop);
    parent.EndLoading();
    EXPECT_EQ(upper->geometry(), QRect(0, 0, 50, 25));
    EXPECT_EQ(lower->geometry(), QRect(0, 25, 50, 25));
    TControl* client = Aligned(&parent, TControl::alClient, 1, 1);
    EXPECT_EQ(client->geometry().size(), QSize(50, 0)) << "no room left";
}

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

TEST(ParentColorAndFont, FollowTheParentUntilSetOwnValues)
{
    TControl parent;
    auto* follower = new TControl(&parent);
    auto* own = new TControl(&parent);
    auto* grandchild = new TControl(follower);
    own->SetColor(clRed);
    own->Font()->SetHeight(-20);

    parent.SetColor(clWhite);
    parent.Font()->SetName("Verdana");
    EXPECT_EQ(follower->Color(), clWhite);
    EXPECT_EQ(grandchild->Color(), clWhite);
    EXPECT_EQ(own->Color(), clRed);
    EXPECT_EQ(grandchild->Font()->Name(), "Verdana");
    EXPECT_EQ(own->Font()->Name(), "MS Sans Serif");
    EXPECT_TRUE(follower->ParentFont());
    EXPECT_FALSE(own->ParentFont());

    own->SetParentColor(true);
    EXPECT_EQ(own->Color(), clWhite);
    auto* late = new TControl(&parent);
    EXPECT_EQ(late->Color(), clWhite);
    EXPECT_EQ(late->Font()->Name(), "Verdana");
}

TEST(PageControl, ShowingASheetActivatesItAndDisablesTheOther)
{
    TClassRegistry registry;
    RegisterFrameworkClasses(registry);
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
    EXPECT_EQ(pages->ActivePageName(), "sTS_main");
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

TEST(StatusBar, PanelTextsByIndex)
{
    TStatusBar bar;
    bar.ClearCollection("Panels");
    for (int i = 0; i < 3; ++i)
        bar.AddCollectionItem("Panels");
    bar.SetPanelText(1, "  3 / 12");
    EXPECT_EQ(bar.PanelText(1), "  3 / 12");
    EXPECT_EQ(bar.PanelText(0), "");
    EXPECT_THROW(bar.SetPanelText(3, "x"), EInvalidOperation);
    EXPECT_THROW(bar.PanelText(-1), EInvalidOperation);
    EXPECT_EQ(bar.Align(), TControl::alBottom);
    EXPECT_EQ(bar.AddCollectionItem("Sections"), nullptr);
}

} // namespace
