#pragma once

// Control bitmaps shared in shape by all five styles; a style supplies the colours.

#include "tools/artwork/ArtKit.h"
#include "tools/artwork/Catalogue.h"

#include <functional>
#include <vector>

namespace art {

struct TSize {
    int w = 0;
    int h = 0;
};

// Sizes in the order MacOS, WinXP, DeepBlue, Protein, BlueGlass.
enum TStyleIndex { kMacOS = 0, kWinXP, kDeepBlue, kProtein, kBlueGlass, kStyleCount };

struct TStyleArt {
    TStyleIndex index = kMacOS;
    QString prefix; // "MACOS", ...
    QString group; // "MacOS", ...
    QColor formBg, formBorder, controlBorder, scrollBg;

    TFace button[3]; // normal, hot, pressed
    double buttonRadius = 3;
    int buttonInsetY = 0; // rows left free above and below the face

    TFace box;
    TFace boxDisabled;
    QColor check, checkDisabled;
    double boxRadius = 1;
    int boxSize = 13;
    bool boxCheckFilled = false; // checked boxes take the accent fill (check in white)
    TFace boxChecked; // used when boxCheckFilled

    TFace groove;
    TFace knob;
    QColor knobMark; // small accent on the knob; invalid for none

    TFace scrollButton[3];
    QColor scrollArrow[3];
    double scrollRadius = 2;
    TFace thumb;

    TFace tabActive, tabInactive;
    QColor tabAccent; // top rows of the active tab; invalid for none
    std::vector<QColor> tabBand; // rows of the tab line under the top border row

    TFace handle;
    QColor handleArrow, handleDots;

    std::vector<QColor> captionRows; // side channel and panel caption bar, top to bottom

    TFace smallButton[2]; // the tab strip's scroll buttons: normal, hot
    QColor smallArrow[2];
    bool smallRound = true;

    QColor progressTop, progressBottom;
};

// Each returns the whole strip at the given size.
QImage DrawButtonStrip(const TStyleArt& s, TSize size);
QImage DrawCheckBoxStrip(const TStyleArt& s, TSize size, bool radio);
QImage DrawCheckListStrip(const TStyleArt& s, TSize size);
QImage DrawProgress(const TStyleArt& s, TSize size);
QImage DrawTrackBarBar(const TStyleArt& s, TSize size);
QImage DrawSlider(const TStyleArt& s, TSize size);
QImage DrawSliderV(const TStyleArt& s, TSize size);
QImage DrawScrollBarButtons(const TStyleArt& s, TSize size);
QImage DrawScrollBarThumb(const TStyleArt& s, TSize size);
QImage DrawTabs(const TStyleArt& s, TSize size);
QImage DrawTabLine(const TStyleArt& s, TSize size);
QImage DrawHandle(const TStyleArt& s, TSize size);
QImage DrawCaptionBar(const TStyleArt& s, TSize size);
QImage DrawTabScrollButtons(const TStyleArt& s, TSize size);

// The 18 caption-button frames. `rows` are the title bar's colours behind the buttons
// (one per frame row); with `keyed` the see-through pixels become magenta instead.
enum class TTitleGlyph { ControlBox, Help, Maximise, Restore, Minimise, Close };

// How large each style draws the caption-button glyphs.
struct TTitleGlyphSizes {
    int help;
    int maximise;
    int restore;
    int minimise;
    int close;
    double closeStroke;
};

// The glyph of a caption button in `box`; the control box carries none.
void DrawTitleGlyph(QPainter& p, TTitleGlyph glyph, const QRect& box, const TTitleGlyphSizes& sizes,
    const QColor& ink);
using TTitleButtonPainter = std::function<void(QPainter&, const QRect&, TTitleGlyph, int state)>;
QImage DrawTitleButtons(
    TSize size, const std::vector<QColor>& rows, bool keyed, const TTitleButtonPainter& paint);

// The program's seal mark, filling `r`.
void PaintSeal(QPainter& p, const QRectF& r, double glow = 0);

// Adds the element bitmaps every style has, in the table's order.
void AddStyleControls(const TStyleArt& s, std::vector<TArtwork>& out);

TSize SizeOf(const char* suffix, TStyleIndex style);

} // namespace art
