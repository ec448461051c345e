#include "controls/SUIImagePanel.h"

#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLayoutReader.h"
#include "support/PixelImages.h"

#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr TColor kParent = 0x335577;
constexpr TColor kKey = 0x00FF00;

// A 3 x 2 picture whose bottom-left pixel is the see-through colour.
QImage KeyedPicture()
{
    QImage picture = Coded(3, 2);
    picture.setPixel(0, 1, ToPixel(kKey));
    return picture;
}

QImage Shot(QWidget& widget)
{
    return widget.grab().toImage();
}

TEST(ImagePanel, DrawsItsPicturePlainStretchedOrTiledAndSeeThroughWhereTheKeyIs)
{
    struct TRow {
        TsuiImagePanel::TsuiDrawStyle style;
        bool transparent;
        TPoint probe;
        TColor expected;
    };
    const TRow rows[] = {
        { TsuiImagePanel::suiNormal, false, { 2, 0 }, Code(2, 0) },
        { TsuiImagePanel::suiNormal, false, { 4, 3 }, clRed }, // beside the picture: Color
        { TsuiImagePanel::suiNormal, false, { 0, 1 }, kKey },
        { TsuiImagePanel::suiNormal, true, { 0, 1 }, kParent },
        { TsuiImagePanel::suiNormal, true, { 4, 3 }, kParent },
        { TsuiImagePanel::suiStretch, false, { 5, 1 }, Code(2, 0) }, // 6 x 4: 2 x 2 per pixel
        { TsuiImagePanel::suiStretch, true, { 1, 3 }, kParent },
        { TsuiImagePanel::suiTile, false, { 5, 3 }, Code(2, 1) },
        { TsuiImagePanel::suiTile, true, { 3, 3 }, kParent },
    };
    for (const TRow& row : rows) {
        TForm form;
        form.SetColor(kParent);
        form.resize(20, 20);
        auto* panel = new TsuiImagePanel(&form);
        panel->SetBounds(0, 0, 6, 4);
        panel->SetColor(clRed);
        panel->SetPicture(KeyedPicture());
        panel->SetDrawStyle(row.style);
        panel->SetTransparent(row.transparent);
        EXPECT_EQ(At(Shot(*panel), row.probe.x, row.probe.y), row.expected)
            << "style " << row.style << " transparent " << row.transparent << " at " << row.probe.x
            << "," << row.probe.y;
    }
}

TEST(ImagePanel, ACaptionOfBlanksDrawsNothing)
{
    TsuiImagePanel panel;
    panel.SetBounds(0, 0, 60, 20);
    panel.SetColor(clWhite);
    panel.SetCaption("   ");
    EXPECT_EQ(Map(Shot(panel), clWhite), Map(Blank(60, 20), clWhite));
    panel.SetCaption("  W  ");
    EXPECT_NE(Map(Shot(panel), clWhite), Map(Blank(60, 20), clWhite));
}

TEST(ImagePanel, AutoSizeFollowsThePictureWhereTheAlignmentAllows)
{
    struct TRow {
        TControl::TAlign align;
        QSize expected;
    };
    const TRow rows[] = {
        { TControl::alNone, { 11, 21 } },
        { TControl::alTop, { 100, 21 } },
        { TControl::alBottom, { 100, 21 } },
        { TControl::alLeft, { 11, 50 } },
        { TControl::alRight, { 11, 50 } },
        { TControl::alClient, { 100, 50 } },
    };
    for (const TRow& row : rows) {
        TForm form;
        form.resize(100, 50);
        auto* panel = new TsuiImagePanel(&form);
        panel->SetAlign(row.align);
        panel->SetAutoSize(true);
        panel->SetPicture(Blank(11, 21));
        EXPECT_EQ(panel->size(), row.expected) << "align " << row.align;
    }
}

TEST(ImagePanel, HandsEveryPressToItsOwner)
{
    TsuiImagePanel knob;
    knob.SetBounds(0, 0, 11, 21);
    std::vector<std::pair<Qt::MouseButton, QPoint>> presses;
    knob.OnMouseDown = [&](QMouseEvent& event) {
        presses.emplace_back(event.button(), event.position().toPoint());
    };
    QTest::mousePress(&knob, Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mouseRelease(&knob, Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mousePress(&knob, Qt::RightButton, {}, QPoint(5, 6));
    ASSERT_EQ(presses.size(), 2u);
    EXPECT_EQ(presses[0], std::make_pair(Qt::LeftButton, QPoint(3, 4)));
    EXPECT_EQ(presses[1], std::make_pair(Qt::RightButton, QPoint(5, 6)));
}

TEST(ImagePanel, LayoutsNameTheDrawStyleAndAlignment)
{
    TClassRegistry registry;
    registry.Register<TsuiImagePanel>();
    TForm form;
    ReadLayout(R"(object f: TForm
  object knob: TsuiImagePanel
    Transparent = True
    AutoSize = True
    DrawStyle = suiTile
    Alignment = taLeftJustify
  end
end)",
        form, registry, form.Handlers());
    auto* knob = form.findChild<TsuiImagePanel*>("knob");
    ASSERT_NE(knob, nullptr);
    EXPECT_EQ(knob->DrawStyle(), TsuiImagePanel::suiTile);
    EXPECT_EQ(knob->Alignment(), TControl::taLeftJustify);
    EXPECT_TRUE(knob->Transparent());
    EXPECT_TRUE(knob->AutoSize());
}

} // namespace
