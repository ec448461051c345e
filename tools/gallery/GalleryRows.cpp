#include "tools/gallery/GalleryRows.h"

#include "controls/SUIImagePanel.h"
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

void AddAllRows(TGallerySheet& sheet)
{
    AddURLLabelRows(sheet);
    AddImagePanelRows(sheet);
}
