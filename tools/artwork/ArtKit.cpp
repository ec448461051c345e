#include "tools/artwork/ArtKit.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace art {

QColor FromTColor(uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QColor Mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    auto channel = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
        channel(a.blue(), b.blue()), channel(a.alpha(), b.alpha()));
}

QColor WithAlpha(const QColor& c, int alpha)
{
    QColor result = c;
    result.setAlpha(std::clamp(alpha, 0, 255));
    return result;
}

QColor SampleAt(double t, TStops stops)
{
    const std::pair<double, QColor>* previous = nullptr;
    for (const auto& stop : stops) {
        if (t <= stop.first) {
            if (!previous || stop.first <= previous->first)
                return stop.second;
            return Mix(previous->second, stop.second,
                (t - previous->first) / (stop.first - previous->first));
        }
        previous = &stop;
    }
    return previous ? previous->second : QColor();
}

std::vector<QColor> Sample(int n, TStops stops)
{
    std::vector<QColor> rows;
    for (int i = 0; i < n; ++i)
        rows.push_back(SampleAt(n == 1 ? 0.5 : double(i) / (n - 1), stops));
    return rows;
}

QImage Layer(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage Solid(int w, int h, const QColor& c)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(c);
    return image;
}

QImage Rows(int w, const std::vector<QColor>& rows)
{
    QImage image(w, int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < int(rows.size()); ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, rows[size_t(y)].rgb());
    return image;
}

QImage Flatten(const QImage& layer, const QImage& backdrop, const QColor& key, int threshold)
{
    const QImage source = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage under = backdrop.convertToFormat(QImage::Format_RGB32);
    QImage out(source.size(), QImage::Format_RGB32);
    const QRgb keyRgb = key.isValid() ? key.rgb() : 0;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb s = source.pixel(x, y);
            const int a = qAlpha(s);
            if (key.isValid() && a < threshold) {
                out.setPixel(x, y, keyRgb);
                continue;
            }
            const QRgb b
                = under.pixel(std::min(x, under.width() - 1), std::min(y, under.height() - 1));
            auto over
                = [a](int src, int dst) { return std::min(255, src + dst * (255 - a) / 255); };
            int r = over(qRed(s), qRed(b));
            int g = over(qGreen(s), qGreen(b));
            int bl = over(qBlue(s), qBlue(b));
            if (key.isValid() && qRgb(r, g, bl) == keyRgb)
                g += g < 255 ? 1 : -1;
            out.setPixel(x, y, qRgb(r, g, bl));
        }
    }
    return out;
}

QImage Flatten(const QImage& layer, const QColor& backdrop, const QColor& key, int threshold)
{
    return Flatten(layer, Solid(layer.width(), layer.height(), backdrop), key, threshold);
}

QImage Join(const std::vector<QImage>& frames)
{
    if (frames.empty())
        return QImage();
    const int w = frames.front().width();
    const int h = frames.front().height();
    QImage strip(w * int(frames.size()), h, QImage::Format_RGB32);
    strip.fill(kMagenta);
    QPainter p(&strip);
    for (size_t i = 0; i < frames.size(); ++i)
        p.drawImage(int(i) * w, 0, frames[i]);
    return strip;
}

QImage Frame(const QImage& strip, int count, int index)
{
    const int w = strip.width() / count;
    return strip.copy((index - 1) * w, 0, w, strip.height());
}

QImage Opaque(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB888);
}

double Hash(int x, int y, uint32_t seed)
{
    uint32_t h = seed * 0x9E3779B9u ^ uint32_t(x) * 0x85EBCA6Bu ^ uint32_t(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return double(h & 0xFFFFFF) / double(0x1000000);
}

QPainterPath RoundRect(const QRectF& r, double radius)
{
    QPainterPath path;
    if (radius <= 0)
        path.addRect(r);
    else
        path.addRoundedRect(r, radius, radius);
    return path;
}

void PaintFace(QPainter& p, const QRectF& r, double radius, const TFace& face)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = r.adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath path = RoundRect(outer, radius);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, face.top);
    if (face.mid.isValid())
        fill.setColorAt(0.5, face.mid);
    fill.setColorAt(1, face.bottom);
    p.fillPath(path, fill);
    if (face.gloss > 0) {
        p.setClipPath(path);
        const QRectF upper(r.left() + 1, r.top() + 1, r.width() - 2, std::floor(r.height() * 0.5));
        QLinearGradient gloss(upper.topLeft(), upper.bottomLeft());
        gloss.setColorAt(0, WithAlpha(kWhite, int(255 * face.gloss)));
        gloss.setColorAt(1, WithAlpha(kWhite, int(255 * face.gloss * 0.3)));
        p.fillPath(RoundRect(upper, std::max(0.0, radius - 1)), gloss);
        p.setClipping(false);
    }
    if (face.innerTop.alpha() > 0 || face.innerBottom.alpha() > 0) {
        QLinearGradient bevel(r.topLeft(), r.bottomLeft());
        bevel.setColorAt(0, face.innerTop);
        bevel.setColorAt(1, face.innerBottom);
        p.strokePath(RoundRect(outer.adjusted(1, 1, -1, -1), std::max(0.0, radius - 1)),
            QPen(QBrush(bevel), 1));
    }
    p.strokePath(path, QPen(face.border, 1));
    p.restore();
}

TFace Tint(const TFace& face, const QColor& towards, double t)
{
    TFace result = face;
    result.top = Mix(face.top, towards, t);
    result.bottom = Mix(face.bottom, towards, t);
    if (face.mid.isValid())
        result.mid = Mix(face.mid, towards, t);
    result.border = Mix(face.border, towards, t * 0.6);
    return result;
}

TFace Grey(const TFace& face, double t)
{
    auto grey = [t](const QColor& c) {
        const int v = qGray(c.rgb());
        return Mix(c, QColor(v, v, v, c.alpha()), t);
    };
    TFace result = face;
    result.top = grey(face.top);
    result.bottom = grey(face.bottom);
    if (face.mid.isValid())
        result.mid = grey(face.mid);
    result.border = grey(face.border);
    result.gloss = face.gloss * (1 - t * 0.5);
    return result;
}

namespace {

void Px(QPainter& p, int x, int y, const QColor& c)
{
    p.fillRect(QRect(x, y, 1, 1), c);
}

// Top-left corner of a w x h box centred in r.
QPoint Centred(const QRect& r, int w, int h)
{
    return QPoint(r.left() + (r.width() - w) / 2, r.top() + (r.height() - h) / 2);
}

void Pattern(QPainter& p, const QRect& r, const std::vector<const char*>& rows, const QColor& c)
{
    const int h = int(rows.size());
    const int w = int(std::strlen(rows.front()));
    const QPoint o = Centred(r, w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (rows[size_t(y)][x] == '#')
                Px(p, o.x() + x, o.y() + y, c);
}

} // namespace

void Arrow(QPainter& p, const QRect& r, TArrow dir, int size, const QColor& c)
{
    const bool vertical = dir == TArrow::Up || dir == TArrow::Down;
    const int across = vertical ? r.width() : r.height();
    const int extra = across % 2 == 0 ? 2 : 1; // an even box needs an even base to centre
    const int base = 2 * (size - 1) + extra;
    const QPoint o = vertical ? Centred(r, base, size) : Centred(r, size, base);
    for (int i = 0; i < size; ++i) {
        const int width = 2 * i + extra;
        const int offset = size - 1 - i;
        switch (dir) {
        case TArrow::Up:
            p.fillRect(QRect(o.x() + offset, o.y() + i, width, 1), c);
            break;
        case TArrow::Down:
            p.fillRect(QRect(o.x() + offset, o.y() + size - 1 - i, width, 1), c);
            break;
        case TArrow::Left:
            p.fillRect(QRect(o.x() + i, o.y() + offset, 1, width), c);
            break;
        case TArrow::Right:
            p.fillRect(QRect(o.x() + size - 1 - i, o.y() + offset, 1, width), c);
            break;
        }
    }
}

void CloseGlyph(QPainter& p, const QRect& r, int size, double thickness, const QColor& c)
{
    const int t = int(thickness);
    const QPoint o = Centred(r, size + t - 1, size);
    for (int i = 0; i < size; ++i) {
        for (int k = 0; k < t; ++k) {
            Px(p, o.x() + i + k, o.y() + i, c);
            Px(p, o.x() + size - 1 - i + k, o.y() + i, c);
        }
    }
}

void MinimiseGlyph(QPainter& p, const QRect& r, int size, const QColor& c)
{
    const QPoint o = Centred(r, size, size);
    const int thick = size >= 8 ? 2 : 1;
    p.fillRect(QRect(o.x(), o.y() + size - thick - 1, size, thick), c);
}

void MaximiseGlyph(QPainter& p, const QRect& r, int size, const QColor& c)
{
    const QPoint o = Centred(r, size, size);
    const int top = size >= 8 ? 2 : 1;
    p.fillRect(QRect(o.x(), o.y(), size, top), c);
    p.fillRect(QRect(o.x(), o.y(), 1, size), c);
    p.fillRect(QRect(o.x() + size - 1, o.y(), 1, size), c);
    p.fillRect(QRect(o.x(), o.y() + size - 1, size, 1), c);
}

void RestoreGlyph(QPainter& p, const QRect& r, int size, const QColor& c)
{
    const QPoint o = Centred(r, size, size);
    const int s = size - 2;
    const int top = size >= 8 ? 2 : 1;
    // Back window: only the parts the front one leaves visible.
    p.fillRect(QRect(o.x() + 2, o.y(), s, top), c);
    p.fillRect(QRect(o.x() + size - 1, o.y(), 1, s), c);
    p.fillRect(QRect(o.x() + s, o.y() + s - 1, 2, 1), c);
    p.fillRect(QRect(o.x() + 2, o.y(), 1, 2), c);
    // Front window.
    const QRect front(o.x(), o.y() + 2, s, s);
    p.fillRect(QRect(front.left(), front.top(), s, top), c);
    p.fillRect(QRect(front.left(), front.top(), 1, s), c);
    p.fillRect(QRect(front.right(), front.top(), 1, s), c);
    p.fillRect(QRect(front.left(), front.bottom(), s, 1), c);
}

void HelpGlyph(QPainter& p, const QRect& r, int size, const QColor& c)
{
    if (size >= 9) {
        Pattern(p, r,
            { ".####.", "##..##", "....##", "...##.", "..##..", "..##..", "......", "..##..",
                "..##.." },
            c);
    } else {
        Pattern(
            p, r, { ".###.", "#...#", "....#", "...#.", "..#..", "..#..", ".....", "..#.." }, c);
    }
}

void CheckMark(QPainter& p, const QRectF& r, double thickness, const QColor& c)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(c, thickness, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QPointF points[3] = {
        QPointF(r.left() + r.width() * 0.12, r.top() + r.height() * 0.52),
        QPointF(r.left() + r.width() * 0.40, r.top() + r.height() * 0.82),
        QPointF(r.left() + r.width() * 0.90, r.top() + r.height() * 0.16),
    };
    p.drawPolyline(points, 3);
    p.restore();
}

void Chevrons(QPainter& p, const QRect& r, bool up, const QColor& c)
{
    static const char* kUp[] = { "...#...", "..###..", ".##.##.", "##...##" };
    std::vector<const char*> rows;
    for (int copy = 0; copy < 2; ++copy)
        for (int i = 0; i < 4; ++i)
            rows.push_back(up ? kUp[i] : kUp[3 - i]);
    Pattern(p, r, rows, c);
}

} // namespace art
