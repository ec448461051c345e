#pragma once

#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TGeometry.h"

#include <QImage>
#include <QSize>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QObject;
class QPainter;
class QWidget;
class TFont;
class TsuiFileTheme;

// ---- Bitmaps ---------------------------------------------------------------------------

// Frame `index` (from 1) of `count` equal-width frames of `source` into `target`, which
// takes the frame's size: (width div count) x height. Columns of a frame that lie outside
// the source (an index out of range) come out black. A count below 1 leaves the target
// alone.
void CutFrame(const QImage& source, QImage& target, int count, int index);

// A bitmap of three frames drawn as left cap at (Left, Top), right cap at (Right - w, Top),
// both see-through where they have the key colour, and the middle frame stretched over
// (Left + w, Top, Right - w, Bottom). The key is the bitmap's top-left pixel when
// `cornerKey`, else magenta. A rectangle narrower than the two caps gets the caps only.
void DrawThreePart(const QImage& bitmap, TCanvas& canvas, const TRect& rect, bool cornerKey);

// Tiles the picture from the canvas origin (0, 0), whatever rect's Left and Top, far enough
// to cover rect's width and height. An empty picture draws nothing. With a key colour the
// tiles are see-through where the picture has it.
void TilePicture(TCanvas& canvas, const QImage& picture, const TRect& rect,
    std::optional<TColor> transparentColor = std::nullopt);

// Turns the bitmap 90 degrees counter-clockwise: source (x, y) goes to (y, W-1-x).
void RotateBitmapLeft(QImage& bitmap);
// Turns the bitmap 90 degrees clockwise: target (x, y) comes from source (y, H-1-x).
void RotateBitmapRight(QImage& bitmap);

// ---- Controls and windows --------------------------------------------------------------

// Paints what the control's parent shows behind the control into the canvas, the
// control's top-left landing on the canvas origin. The parent renders only itself (its
// background and its own paintEvent, not its children; so never the control), through
// QWidget::render with the control's geometry as the source region; that is what the
// parent's erase and paint would have put there. A control without a parent widget
// leaves the canvas alone.
void PaintParentBackground(TCanvas& canvas, const QWidget* control);

// Frames the whole window image one pixel wide in `outer` and, with `drawInner`, the
// rectangle inset by one in `inner`.
void FrameWindowBorder(QImage& window, TColor outer, TColor inner, bool drawInner);
// The same with a painter that covers a window of `windowSize`, origin (0, 0).
void FrameWindowBorder(
    QPainter& painter, QSize windowSize, TColor outer, TColor inner, bool drawInner);

// Gives every direct child widget that publishes both FileTheme and UIStyle the theme,
// then the style, in child order, through the properties so the children's setters run.
// UIStyle is written as its int ordinal, FileTheme as a QObject*.
void ApplyStyleToChildren(QObject* container, uint8_t style, TsuiFileTheme* fileTheme);

// Whether the object's class declares a Q_PROPERTY of that name (dynamic properties don't
// count).
bool HasPublishedProperty(const QObject* object, const char* name);

// The application's main form, set by the application when it creates its first window.
void SetMainForm(QWidget* form);
QWidget* MainForm();

// Whether the form counts as the application's active window. Without a main form: the
// form is the active window. With one: false while no window of the application is active;
// the main form (or no form at all) counts as active; any other form only when it is the
// active window. There are no multi-document forms here.
bool IsFormActive(const QWidget* form);

// Left <= x <= Right and Top <= y <= Bottom: both edges count, unlike the drawing calls.
constexpr bool PointInRect(TPoint point, const TRect& rect)
{
    return point.x >= rect.Left && point.x <= rect.Right && point.y >= rect.Top
        && point.y <= rect.Bottom;
}

// The desktop without the task bar and docks: the primary screen's available geometry.
TRect GetWorkArea();

// The sizing cursor for a window edge or corner; the arrow for none.
Qt::CursorShape ResizeCursorFor(Qt::Edges edges);

// The smallest size a window may take. A framework form keeps its limits in its
// constraints, which win over the widget's own.
void SetFormMinimumSize(QWidget& form, std::optional<int> width, std::optional<int> height);

// Misuse of a property is told in a dialog with OK, captioned with the program's name;
// the property keeps its value.
void ShowRefusal(QWidget* parent, const QString& text);

// Moves the control to the point, or gives it Left, Top, Width = Right - Left and
// Height = Bottom - Top.
void SetControlPos(QWidget* control, TPoint position);
void SetControlBounds(QWidget* control, const TRect& bounds);

// ---- Menus -----------------------------------------------------------------------------

// Frame or fill rect with a solid brush of the colour; the brush keeps that colour.
void FrameRectColor(TCanvas& canvas, const TRect& rect, TColor color);
void FillRectColor(TCanvas& canvas, const TRect& rect, TColor color);

// A line in the colour from (Left + offset + 4, Top + 2) to (Right - 2, Top + 2), the end
// point left out; the pen keeps that colour.
void DrawMenuSeparator(TCanvas& canvas, const TRect& rect, TColor color, int offset);

// "MACOS_MENU_BAR" cut to its top 12 rows, stretched over rect (a separator).
void DrawMacMenuBar(TCanvas& canvas, const TRect& rect);
// "MACOS_MENU_SELECT" cut to its top 20 rows, stretched over rect (a highlighted item).
void DrawMacMenuSelect(TCanvas& canvas, const TRect& rect);
// "MACOS_MENU_BAR" cut to its top 20 rows, stretched over rect (a plain item).
void DrawMacMenuItemBar(TCanvas& canvas, const TRect& rect);

// The flat menu's frame and shade, drawn on `desktop` (an image of the screen) around the
// popup window at windowRect (screen coordinates R): a frame-colour frame (R.Left,
// R.Top + 1, R.Right - 1, R.Bottom - 1), a white frame inside it, and a shade-colour
// polyline (R.Left, R.Bottom - 1), (R.Right - 1, R.Bottom - 1), (R.Right - 1, R.Top),
// (R.Right, R.Top), (R.Left, R.Top).
void DrawMenuShadowFrame(
    QImage& desktop, const TRect& windowRect, TColor frameColor, TColor shadeColor);

// Gives the font the desktop's menu font (family, pixel height, weight, slant) and the
// system menu-text colour. Without an application object the font is left unchanged.
void GetMenuFont(TFont& font);
