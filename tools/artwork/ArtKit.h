#pragma once

// Small drawing kit shared by every bitmap of the generator: colours, layers, the
// flattening of an antialiased layer onto a key-coloured bitmap, and glyphs.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace art {

inline const QColor kMagenta(255, 0, 255);
inline const QColor kWhite(255, 255, 255);
inline const QColor kBlack(0, 0, 0);

// A colour written the way the style tables store it: $00BBGGRR.
QColor FromTColor(uint32_t bgr);
QColor Mix(const QColor& a, const QColor& b, double t);
inline QColor Lighter(const QColor& c, double t)
{
    return Mix(c, kWhite, t);
}
inline QColor Darker(const QColor& c, double t)
{
    return Mix(c, kBlack, t);
}
QColor WithAlpha(const QColor& c, int alpha);

// Sample a gradient at the centres of n rows; stops are (position 0..1, colour).
using TStops = std::initializer_list<std::pair<double, QColor>>;
std::vector<QColor> Sample(int n, TStops stops);
QColor SampleAt(double t, TStops stops);

// A transparent layer to draw antialiased shapes on.
QImage Layer(int w, int h);
QImage Solid(int w, int h, const QColor& c);
// Every row of the image in its own colour.
QImage Rows(int w, const std::vector<QColor>& rows);

// Composite `layer` over `backdrop`. When `key` is valid, pixels whose coverage is below
// `threshold` (0..255) become the key colour, and a drawn pixel that would come out as the
// key colour is nudged off it, so the key only ever marks see-through pixels.
QImage Flatten(
    const QImage& layer, const QImage& backdrop, const QColor& key = QColor(), int threshold = 128);
QImage Flatten(
    const QImage& layer, const QColor& backdrop, const QColor& key = QColor(), int threshold = 128);

// Equal-sized frames side by side.
QImage Join(const std::vector<QImage>& frames);
QImage Frame(const QImage& strip, int count, int index);
QImage Opaque(const QImage& image);

// Deterministic value noise in [0, 1).
double Hash(int x, int y, uint32_t seed);

QPainterPath RoundRect(const QRectF& r, double radius);

// One state of a raised surface: a vertical fill, a one-pixel border, an inner bevel line
// and an optional glass highlight over the upper half.
struct TFace {
    QColor top, bottom;
    QColor border;
    QColor innerTop = QColor(255, 255, 255, 0);
    QColor innerBottom = QColor(255, 255, 255, 0);
    double gloss = 0;
    QColor mid = QColor(); // optional colour at the middle of the fill
};

void PaintFace(QPainter& p, const QRectF& r, double radius, const TFace& face);
TFace Tint(const TFace& face, const QColor& towards, double t);
TFace Grey(const TFace& face, double t);

// Glyphs, drawn crisp on whole pixels inside `r` in colour `c`.
enum class TArrow { Up, Down, Left, Right };
void Arrow(QPainter& p, const QRect& r, TArrow dir, int size, const QColor& c);
void CloseGlyph(QPainter& p, const QRect& r, int size, double thickness, const QColor& c);
void MinimiseGlyph(QPainter& p, const QRect& r, int size, const QColor& c);
void MaximiseGlyph(QPainter& p, const QRect& r, int size, const QColor& c);
void RestoreGlyph(QPainter& p, const QRect& r, int size, const QColor& c);
void HelpGlyph(QPainter& p, const QRect& r, int size, const QColor& c);
void CheckMark(QPainter& p, const QRectF& r, double thickness, const QColor& c);
void Chevrons(QPainter& p, const QRect& r, bool up, const QColor& c);

} // namespace art
