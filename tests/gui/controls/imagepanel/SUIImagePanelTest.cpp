#include "controls/SUIImagePanel.h"

#include "platform/forms/TForm.h"
#include "support/PixelImages.h"

#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr TColor kParent = 0x335577;
constexpr TColor kKey = 0x00FF00;

TEST(ImagePanel, DrawsItsPicturePlainStretchedOrTiledAndSeeThroughWhereTheKeyIs)
{
    struct TRow {
        TsuiImagePanel::TsuiDrawStyle style;
        bool transparent;
        TPoint probe;
        TColor expected;
    };
    // A 3 x 2 picture, its bottom-left pixel the key, on a 6 x 4 panel.
    const TRow rows[] = {
        { TsuiImagePanel::suiNormal, false, { 2, 0 }, Code(2, 0) },
        { TsuiImagePanel::suiNormal, false, { 4, 3 }, clRed }, // beside the picture: Color
        { TsuiImagePanel::suiNormal, false, { 0, 1 }, kKey },
        { TsuiImagePanel::suiNormal, true, { 0, 1 }, kParent },
        { TsuiImagePanel::suiNormal, true, { 4, 3 }, kParent },
        { TsuiImagePanel::suiStretch, false, { 5, 1 }, Code(2, 0) },
        { TsuiImagePanel::suiStretch, true, { 1, 3 }, kParent },
        { TsuiImagePanel::suiTile, false, { 5, 3 }, Code(2, 1) },
        { TsuiImagePanel::suiTile, true, { 3, 3 }, kParent },
    };
    QImage picture = Coded(3, 2);
    picture.setPixel(0, 1, ToPixel(kKey));
    for (const TRow& row : rows) {
        TForm form;
        form.SetColor(kParent);
        auto* panel = new TsuiImagePanel(&form);
        panel->SetBounds(0, 0, 6, 4);
        panel->SetColor(clRed);
        panel->SetPicture(picture);
        panel->SetDrawStyle(row.style);
        panel->SetTransparent(row.transparent);
        EXPECT_EQ(At(panel->grab().toImage(), row.probe.x, row.probe.y), row.expected)
            << "style " << row.style << " transparent " << row.transparent << " at " << row.probe.x
            << "," << row.probe.y;
    }
}

TEST(ImagePanel, AutoSizeFollowsThePictureWhereTheAlignmentAllows)
{
    struct TRow {
        TControl::TAlign align;
        QSize expected;
    };
    const TRow rows[] = { { TControl::alNone, { 11, 21 } }, { TControl::alTop, { 100, 21 } },
        { TControl::alBottom, { 100, 21 } }, { TControl::alLeft, { 11, 50 } },
        { TControl::alRight, { 11, 50 } }, { TControl::alClient, { 100, 50 } } };
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
    std::vector<std::pair<Qt::MouseButton, QPoint>> presses;
    knob.OnMouseDown = [&](QMouseEvent& event) {
        presses.emplace_back(event.button(), event.position().toPoint());
    };
    QTest::mouseClick(&knob, Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mousePress(&knob, Qt::RightButton, {}, QPoint(5, 6));
    const std::vector<std::pair<Qt::MouseButton, QPoint>> expected
        = { { Qt::LeftButton, { 3, 4 } }, { Qt::RightButton, { 5, 6 } } };
    EXPECT_EQ(presses, expected);
}

} // namespace
