#pragma once

#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TGeometry.h"

#include <QImage>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// One pixel of a Format_RGB32 image for a colour (system colours resolved), and back.
QRgb ToPixel(TColor color);
TColor FromPixel(QRgb pixel);

enum class TPenStyle : uint8_t { Solid, Clear };
enum class TBrushStyle : uint8_t { Solid, Clear };

// Pens are one pixel wide; the skin never draws with anything wider.
struct TPen {
    TColor Color = clBlack;
    TPenStyle Style = TPenStyle::Solid;
};

// A non-null Pattern turns the brush into a pattern brush, tiled from the image origin.
struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::Solid;
    QImage Pattern;
};

// DrawText flags, with the desktop text call's values so stored numbers keep meaning.
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;

// GetPixel's answer for a point outside the image or the clip.
constexpr TColor kInvalidPixel = 0xFFFFFFFFu;

// Drawing on a Format_RGB32 image with the classic desktop pixel rules:
// - rectangles (FillRect, FrameRect, Rectangle, RoundRect) cover Left..Right-1 and
//   Top..Bottom-1;
// - a line covers its start point but not its end point; a polyline therefore leaves out
//   only its last point;
// - stretching copies the nearest source pixel (each target pixel samples the source at
//   its centre), never blends;
// - a transparent copy leaves target pixels alone where the source has the key colour;
// - the focus rectangle inverts every other pixel of the frame, so drawing it twice
//   restores the image.
// Coordinates are logical; the viewport origin is added to reach image pixels, and
// nothing is written outside the image or the clip rectangle. Text is drawn with Qt in
// the canvas font; everything else is written pixel by pixel.
class TCanvas {
public:
    // The image is converted to Format_RGB32 in place when it has another format, and must
    // outlive the canvas. Don't hold a QPainter on it while drawing through the canvas.
    explicit TCanvas(QImage& image);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    QImage& Image() { return m_image; }
    const QImage& Image() const { return m_image; }
    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }

    TPen Pen;
    TBrush Brush;
    TFont& Font() { return m_font; }
    const TFont& Font() const { return m_font; }

    // Logical (0, 0) lands on image pixel `origin`.
    void SetViewportOrigin(TPoint origin) { m_origin = origin; }
    TPoint ViewportOrigin() const { return m_origin; }
    // Limits all drawing to `rect` (logical coordinates, taken at the current origin).
    void SetClipRect(const TRect& rect);
    void ResetClip();
    // The clip rectangle in logical coordinates.
    TRect ClipRect() const;

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // Brush.
    void FillRect(const TRect& rect);
    // A one-pixel frame in the brush colour.
    void FrameRect(const TRect& rect);
    // Pen outline and brush interior. Without a pen (style Clear) the filled area loses its
    // right column and bottom row as well, as on the desktop.
    void Rectangle(const TRect& rect);
    // Like Rectangle with corners cut by an ellipse ellipseWidth x ellipseHeight.
    void RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight);
    // Inverts alternate pixels of the rectangle's frame (XOR).
    void DrawFocusRect(const TRect& rect);

    // Pen.
    void MoveTo(int x, int y) { m_penPos = { x, y }; }
    void LineTo(int x, int y);
    TPoint PenPos() const { return m_penPos; }
    // Leaves the pen position where it was.
    void Polyline(std::span<const TPoint> points);
    void Polyline(std::initializer_list<TPoint> points)
    {
        Polyline(std::span(points.begin(), points.size()));
    }

    // Bitmaps. Sources of any format are accepted and drawn opaque (alpha is ignored).
    void Draw(int x, int y, const QImage& source);
    void DrawTransparent(int x, int y, const QImage& source, TColor key);
    void StretchDraw(const TRect& target, const QImage& source);
    // Copies sourceRect of source onto target, stretching, optionally with a key colour.
    // Target pixels whose sample falls outside the source are left alone; an empty or
    // inverted target or source rectangle draws nothing.
    void CopyRect(const TRect& target, const QImage& source, const TRect& sourceRect,
        std::optional<TColor> key = std::nullopt);

    // Text in the canvas font and font colour (UTF-8). A solid brush fills the text's cell
    // first, as an opaque text background does on the desktop.
    int TextWidth(std::string_view text) const;
    int TextHeight(std::string_view text) const;
    void TextOut(int x, int y, std::string_view text);
    // Draws text in rect after the DT_ flags; returns the height of the text drawn.
    // DT_VCENTER and DT_BOTTOM apply to single-line text only. "&x" underlines x and
    // "&&" is a literal "&" unless DT_NOPREFIX.
    int DrawText(std::string_view text, const TRect& rect, unsigned flags);
    // The rectangle DrawText would fill: rect's top-left with the text's width and height.
    TRect CalcTextRect(std::string_view text, const TRect& rect, unsigned flags) const;

private:
    struct TLine;

    TRect ToDevice(const TRect& rect) const { return rect.Offset(m_origin.x, m_origin.y); }
    void FillDevice(const TRect& deviceRect, QRgb pixel);
    void FillDeviceWithBrush(const TRect& deviceRect);
    // Copies the pixels at (x + dx, y + dy) of `source` to each device pixel (x, y) of `visible`.
    void CopyUnscaled(const TRect& visible, const QImage& source, long long dx, long long dy);
    void PlotDevice(int x, int y, QRgb pixel);
    void DrawLine(TPoint from, TPoint to);
    // Lines are measured where the flags place them by their width, or where `measured`
    // asks for it: shaping a line to measure it costs as much as drawing it.
    std::vector<TLine> LayoutText(
        std::string_view text, const TRect& rect, unsigned flags, bool measured = true) const;

    QImage& m_image;
    TFont m_font;
    TPoint m_origin;
    TPoint m_penPos;
    TRect m_clip; // in image pixels, always inside the image
};
