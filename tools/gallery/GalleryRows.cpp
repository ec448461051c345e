#include "tools/gallery/GalleryRows.h"

#include "controls/SUIImagePanel.h"
#include "controls/SUITrackBar.h"
#include "controls/SUIURLLabel.h"
#include "tools/gallery/GallerySheet.h"
#include "tools/gallery/GalleryStates.h"

#include <QPainter>

namespace {

// Puts the control at the cell's top-left content corner.
template <class T> T& Place(T& control, int width, int height)
{
    control.SetBounds(kGalleryCellPad, kGalleryCellPad, width, height);
    return control;
}

// Our own small picture: a jade tile with a sun, on magenta, which its bottom-left corner
// makes the see-through colour.
QImage GalleryPicture()
{
    QImage picture(36, 26, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 255));
    QPainter painter(&picture);
    painter.setPen(QColor(20, 90, 60));
    painter.setBrush(QColor(60, 170, 120));
    painter.drawRoundedRect(QRect(2, 2, 31, 21), 5, 5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 210, 40));
    painter.drawEllipse(QRect(18, 5, 10, 10));
    return picture;
}

TsuiImagePanel& MakeImagePanel(TGalleryCell& cell, TsuiImagePanel::TsuiDrawStyle drawStyle)
{
    auto* panel = new TsuiImagePanel(&cell);
    cell.Dress(*panel);
    panel->SetPicture(GalleryPicture());
    panel->SetDrawStyle(drawStyle);
    return Place(*panel, 150, 40);
}

// The main window's interval slider: 0 to 30, one tick per value.
TsuiTrackBar& MakeTrackBar(TGalleryCell& cell, TsuiProgressBarOrientation orientation,
    int position, QPoint at = { kGalleryCellPad, kGalleryCellPad })
{
    auto* bar = new TsuiTrackBar(&cell);
    bar->SetOrientation(orientation);
    cell.Dress(*bar);
    bar->SetMax(30);
    bar->SetPosition(position);
    if (orientation == suiHorizontal)
        bar->SetBounds(at.x(), at.y(), 124, bar->height());
    else
        bar->SetBounds(at.x(), at.y(), bar->width(), 100);
    return *bar;
}

TsuiURLLabel& MakeLink(TGalleryCell& cell)
{
    auto* link = new TsuiURLLabel(&cell);
    link->SetCaption("Zintaro on the web");
    link->SetLeft(kGalleryCellPad);
    link->SetTop(kGalleryCellPad);
    return *link;
}

} // namespace

void AddURLLabelRows(TGallerySheet& sheet)
{
    sheet.AddSection("Link label");
    sheet.AddRow("normal", 14, [](TGalleryCell& cell) { MakeLink(cell); });
    sheet.AddRow("hot", 14, [](TGalleryCell& cell) {
        TsuiURLLabel& link = MakeLink(cell);
        Pin(link);
        Hover(link);
    });
    sheet.AddRow("disabled", 14, [](TGalleryCell& cell) { MakeLink(cell).SetEnabled(false); });
}

void AddImagePanelRows(TGallerySheet& sheet)
{
    using TStriped = TGalleryCell::TGround;
    sheet.AddSection("Picture panel");
    sheet.AddRow("plain, with caption", 40, [](TGalleryCell& cell) {
        MakeImagePanel(cell, TsuiImagePanel::suiNormal).SetCaption("Caption");
    });
    sheet.AddRow("stretched", 40,
        [](TGalleryCell& cell) { MakeImagePanel(cell, TsuiImagePanel::suiStretch); });
    sheet.AddRow("tiled", 40,
        [](TGalleryCell& cell) { MakeImagePanel(cell, TsuiImagePanel::suiTile); });
    sheet.AddRow(
        "tiled, see-through", 40,
        [](TGalleryCell& cell) {
            MakeImagePanel(cell, TsuiImagePanel::suiTile).SetTransparent(true);
        },
        TStriped::Striped);
}

void AddTrackBarRows(TGallerySheet& sheet)
{
    sheet.AddSection("Track bar (0 to 30)");
    for (int position : { 0, 3, 15, 30 }) {
        sheet.AddRow(QString("at %1").arg(position), 24,
            [position](TGalleryCell& cell) { MakeTrackBar(cell, suiHorizontal, position); });
    }
    sheet.AddRow("disabled", 24,
        [](TGalleryCell& cell) { MakeTrackBar(cell, suiHorizontal, 3).SetEnabled(false); });
    sheet.AddRow("focused", 24, [](TGalleryCell& cell) {
        TsuiTrackBar& bar = MakeTrackBar(cell, suiHorizontal, 3);
        Pin(bar);
        cell.ShowFocused(bar);
    });
    sheet.AddRow("without ticks", 24,
        [](TGalleryCell& cell) { MakeTrackBar(cell, suiHorizontal, 15).SetShowTick(false); });
    sheet.AddRow(
        "see-through", 24,
        [](TGalleryCell& cell) { MakeTrackBar(cell, suiHorizontal, 15).SetTransparent(true); },
        TGalleryCell::TGround::Striped);
    sheet.AddRow("vertical at 0, 10, 20, 30", 100, [](TGalleryCell& cell) {
        for (int i = 0; i < 4; ++i)
            MakeTrackBar(cell, suiVertical, 10 * i, { kGalleryCellPad + 40 * i, kGalleryCellPad });
    });
}

void AddAllRows(TGallerySheet& sheet)
{
    AddURLLabelRows(sheet);
    AddImagePanelRows(sheet);
    AddTrackBarRows(sheet);
}
