#include "tools/gallery/GalleryRows.h"

#include "controls/SUIURLLabel.h"
#include "tools/gallery/GallerySheet.h"
#include "tools/gallery/GalleryStates.h"

namespace {

// Puts the control at the cell's top-left content corner.
template <class T> T& Place(T& control, int width, int height)
{
    control.SetBounds(kGalleryCellPad, kGalleryCellPad, width, height);
    return control;
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

void AddAllRows(TGallerySheet& sheet) { AddURLLabelRows(sheet); }
