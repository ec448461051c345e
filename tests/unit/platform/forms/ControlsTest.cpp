#include "platform/core/Exceptions.h"
#include "platform/forms/TStatusBar.h"

#include <gtest/gtest.h>

namespace {

TControl* Aligned(QWidget* parent, TControl::TAlign align, int width, int height)
{
    auto* control = new TControl(parent);
    control->SetBounds(0, 0, width, height);
    control->SetAlign(align);
    return control;
}

// A container whose client area is inset like a captioned panel's.
class TInsetControl : public TControl {
public:
    QRect ClientRect() const override { return rect().adjusted(4, 25, -4, -4); }
};

TEST(Align, NarrowsTheClientAreaInTheClassicOrder)
{
    TInsetControl panel;
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
