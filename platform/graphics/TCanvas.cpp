#include "platform/graphics/TCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr QRgb kOpaque = 0xFF000000u;
constexpr QRgb kRgbMask = 0x00FFFFFFu;
constexpr const char* kEllipsis = "...";

QImage AsRgb32(const QImage& image)
{
    return image.format() == QImage::Format_RGB32 ? image
                                                  : image.convertToFormat(QImage::Format_RGB32);
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The source offset that target offset `offset` of `targetSize` samples at its centre.
long long SampleAt(long long offset, long long sourceSize, long long targetSize)
{
    return static_cast<long long>(
        (static_cast<__int128>(2 * offset + 1) * sourceSize) / (2 * targetSize));
}

// round(step * delta / steps), halves upwards, without overflow for any int coordinates.
long long RoundedStep(long long step, long long delta, long long steps)
{
    __int128 a = static_cast<__int128>(2 * step) * delta + steps;
    __int128 b = 2 * static_cast<__int128>(steps);
    __int128 q = a / b;
    if (a % b != 0 && a < 0)
        --q;
    return static_cast<long long>(q);
}

// Removes access-key marks: "&x" marks x, "&&" is "&". Returns the index of the marked
// character in the result, or -1.
qsizetype StripPrefix(QString& text)
{
    QString out;
    out.reserve(text.size());
    qsizetype mark = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && mark < 0)
                mark = out.size();
        } else if (text[i] == '&') {
            continue; // a lone trailing mark shows nothing
        }
        out += text[i];
    }
    text = out;
    return mark;
}

} // namespace

QRgb ToPixel(TColor color)
{
    TColor rgb = ColorToRGB(color);
    return kOpaque | ((rgb & 0xFFu) << 16) | (rgb & 0xFF00u) | ((rgb >> 16) & 0xFFu);
}

TColor FromPixel(QRgb pixel)
{
    return ((pixel >> 16) & 0xFFu) | (pixel & 0xFF00u) | ((pixel & 0xFFu) << 16);
}

struct TCanvas::TLine {
    QString text;
    qsizetype mark = -1;
    int x = 0;
    int y = 0;
    int width = 0;
};

TCanvas::TCanvas(QImage& image)
    : m_image(image)
{
    if (!m_image.isNull() && m_image.format() != QImage::Format_RGB32)
        m_image.convertTo(QImage::Format_RGB32);
    ResetClip();
}

void TCanvas::SetClipRect(const TRect& rect)
{
    m_clip = ToDevice(rect).Intersect(TRect::FromSize(m_image.width(), m_image.height()));
}

TRect TCanvas::ClipRect() const
{
    return m_clip.Offset(-m_origin.x, -m_origin.y);
}

void TCanvas::ResetClip()
{
    m_clip = TRect::FromSize(m_image.width(), m_image.height());
}

TColor TCanvas::Pixel(int x, int y) const
{
    int dx = x + m_origin.x;
    int dy = y + m_origin.y;
    if (dx < m_clip.Left || dx >= m_clip.Right || dy < m_clip.Top || dy >= m_clip.Bottom)
        return kInvalidPixel;
    return FromPixel(reinterpret_cast<const QRgb*>(m_image.constScanLine(dy))[dx]);
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    PlotDevice(x + m_origin.x, y + m_origin.y, ToPixel(color));
}

void TCanvas::PlotDevice(int x, int y, QRgb pixel)
{
    if (x < m_clip.Left || x >= m_clip.Right || y < m_clip.Top || y >= m_clip.Bottom)
        return;
    reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] = pixel;
}

void TCanvas::FillDevice(const TRect& deviceRect, QRgb pixel)
{
    const TRect r = deviceRect.Intersect(m_clip);
    if (r.IsEmpty())
        return;
    // One row filled, then copied: the copy is the C library's vector loop, several
    // times faster than filling pixel by pixel on large areas.
    QRgb* first = reinterpret_cast<QRgb*>(m_image.scanLine(r.Top)) + r.Left;
    std::fill(first, first + r.Width(), pixel);
    const std::size_t rowBytes = std::size_t(r.Width()) * sizeof(QRgb);
    for (int y = r.Top + 1; y < r.Bottom; ++y)
        std::memcpy(reinterpret_cast<QRgb*>(m_image.scanLine(y)) + r.Left, first, rowBytes);
}

void TCanvas::FillDeviceWithBrush(const TRect& deviceRect)
{
    if (Brush.Style == TBrushStyle::Clear)
        return;
    if (Brush.Pattern.isNull() || Brush.Pattern.width() <= 0 || Brush.Pattern.height() <= 0) {
        FillDevice(deviceRect, ToPixel(Brush.Color));
        return;
    }
    const QImage pattern = AsRgb32(Brush.Pattern);
    const int pw = pattern.width();
    const int ph = pattern.height();
    TRect r = deviceRect.Intersect(m_clip);
    for (int y = r.Top; y < r.Bottom; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        const QRgb* source = reinterpret_cast<const QRgb*>(pattern.constScanLine(y % ph));
        for (int x = r.Left; x < r.Right; ++x)
            line[x] = kOpaque | source[x % pw];
    }
}

void TCanvas::FillRect(const TRect& rect)
{
    FillDeviceWithBrush(ToDevice(rect));
}

void TCanvas::FrameRect(const TRect& rect)
{
    if (rect.IsEmpty())
        return;
    TRect d = ToDevice(rect);
    FillDeviceWithBrush({ d.Left, d.Top, d.Right, d.Top + 1 });
    FillDeviceWithBrush({ d.Left, d.Bottom - 1, d.Right, d.Bottom });
    FillDeviceWithBrush({ d.Left, d.Top + 1, d.Left + 1, d.Bottom - 1 });
    FillDeviceWithBrush({ d.Right - 1, d.Top + 1, d.Right, d.Bottom - 1 });
}

void TCanvas::Rectangle(const TRect& rect)
{
    if (rect.IsEmpty())
        return;
    TRect d = ToDevice(rect);
    if (Pen.Style == TPenStyle::Clear) {
        FillDeviceWithBrush({ d.Left, d.Top, d.Right - 1, d.Bottom - 1 });
        return;
    }
    FillDeviceWithBrush(d.Inflate(-1, -1));
    QRgb pen = ToPixel(Pen.Color);
    FillDevice({ d.Left, d.Top, d.Right, d.Top + 1 }, pen);
    FillDevice({ d.Left, d.Bottom - 1, d.Right, d.Bottom }, pen);
    FillDevice({ d.Left, d.Top, d.Left + 1, d.Bottom }, pen);
    FillDevice({ d.Right - 1, d.Top, d.Right, d.Bottom }, pen);
}

void TCanvas::RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight)
{
    if (rect.IsEmpty())
        return;
    const TRect d = ToDevice(rect);
    const double rx = std::clamp(ellipseWidth, 0, d.Width()) / 2.0;
    const double ry = std::clamp(ellipseHeight, 0, d.Height()) / 2.0;

    // The shape is every pixel whose centre lies inside the rounded outline; each row of it
    // is one span. Rows outside the rectangle have an empty span (left > right).
    auto span = [&](int y, int& left, int& right) {
        left = 1;
        right = 0;
        if (y < d.Top || y >= d.Bottom)
            return;
        const double cy = y + 0.5;
        double inset = 0;
        if (rx > 0 && ry > 0) {
            double dy = 0;
            if (cy < d.Top + ry)
                dy = d.Top + ry - cy;
            else if (cy > d.Bottom - ry)
                dy = cy - (d.Bottom - ry);
            double t = std::min(1.0, dy / ry);
            inset = rx - rx * std::sqrt(1.0 - t * t);
        }
        left = static_cast<int>(std::ceil(d.Left + inset - 0.5));
        right = static_cast<int>(std::floor(d.Right - inset - 0.5));
    };

    const QRgb pen = ToPixel(Pen.Color);
    const bool drawPen = Pen.Style == TPenStyle::Solid;
    const int top = std::max(d.Top, m_clip.Top);
    const int bottom = std::min(d.Bottom, m_clip.Bottom);
    for (int y = top; y < bottom; ++y) {
        int left, right, aboveLeft, aboveRight, belowLeft, belowRight;
        span(y, left, right);
        span(y - 1, aboveLeft, aboveRight);
        span(y + 1, belowLeft, belowRight);
        if (left > right)
            continue;
        // Interior: inside this row and the rows above and below, not at the row's ends. The
        // first and last rows are all outline.
        int innerLeft = std::max({ left + 1, aboveLeft, belowLeft });
        int innerRight = std::min({ right - 1, aboveRight, belowRight });
        if (aboveLeft > aboveRight || belowLeft > belowRight)
            innerRight = innerLeft - 1;
        if (!drawPen) {
            innerLeft = left;
            innerRight = right;
        }
        if (innerLeft <= innerRight)
            FillDeviceWithBrush({ innerLeft, y, innerRight + 1, y + 1 });
        if (!drawPen)
            continue;
        const int from = std::max(left, m_clip.Left);
        const int to = std::min(right, m_clip.Right - 1);
        for (int x = from; x <= to; ++x) {
            if (x < innerLeft || x > innerRight)
                PlotDevice(x, y, pen);
        }
    }
}

void TCanvas::DrawFocusRect(const TRect& rect)
{
    if (rect.IsEmpty())
        return;
    const TRect d = ToDevice(rect);
    auto invert = [&](int x, int y) {
        if ((x + y) % 2 != 0)
            return;
        if (x < m_clip.Left || x >= m_clip.Right || y < m_clip.Top || y >= m_clip.Bottom)
            return;
        QRgb* pixel = reinterpret_cast<QRgb*>(m_image.scanLine(y)) + x;
        *pixel ^= kRgbMask;
    };
    // Each frame pixel exactly once, also where edges meet or coincide.
    const int top = std::max(d.Top, m_clip.Top);
    const int bottom = std::min(d.Bottom, m_clip.Bottom);
    for (int y = top; y < bottom; ++y) {
        if (y == d.Top || y == d.Bottom - 1) {
            for (int x = std::max(d.Left, m_clip.Left); x < std::min(d.Right, m_clip.Right); ++x)
                invert(x, y);
        } else {
            invert(d.Left, y);
            if (d.Right - 1 != d.Left)
                invert(d.Right - 1, y);
        }
    }
}

void TCanvas::LineTo(int x, int y)
{
    TPoint to { x, y };
    if (Pen.Style == TPenStyle::Solid)
        DrawLine(m_penPos, to);
    m_penPos = to;
}

void TCanvas::Polyline(std::span<const TPoint> points)
{
    if (Pen.Style != TPenStyle::Solid)
        return;
    for (std::size_t i = 1; i < points.size(); ++i)
        DrawLine(points[i - 1], points[i]);
}

// Pixels from `from` up to, not including, `to`: one per step along the longer axis, the
// other coordinate rounded to the nearest pixel. Only the steps that fall inside the clip
// are visited, so far-away end points cost nothing.
void TCanvas::DrawLine(TPoint from, TPoint to)
{
    const long long x0 = static_cast<long long>(from.x) + m_origin.x;
    const long long y0 = static_cast<long long>(from.y) + m_origin.y;
    const long long dx = static_cast<long long>(to.x) - from.x;
    const long long dy = static_cast<long long>(to.y) - from.y;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long steps = xMajor ? std::llabs(dx) : std::llabs(dy);
    if (steps == 0)
        return;
    const long long majorStart = xMajor ? x0 : y0;
    const long long majorSign = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const long long minorStart = xMajor ? y0 : x0;
    const long long minorDelta = xMajor ? dy : dx;
    const long long clipLow = xMajor ? m_clip.Left : m_clip.Top;
    const long long clipHigh = xMajor ? m_clip.Right : m_clip.Bottom; // exclusive

    // Steps i with clipLow <= majorStart + majorSign * i < clipHigh.
    long long first = 0;
    long long last = steps - 1;
    if (majorSign > 0) {
        first = std::max(first, clipLow - majorStart);
        last = std::min(last, clipHigh - 1 - majorStart);
    } else {
        first = std::max(first, majorStart - (clipHigh - 1));
        last = std::min(last, majorStart - clipLow);
    }
    const QRgb pixel = ToPixel(Pen.Color);
    for (long long i = first; i <= last; ++i) {
        long long major = majorStart + majorSign * i;
        long long minor = minorStart + RoundedStep(i, minorDelta, steps);
        long long px = xMajor ? major : minor;
        long long py = xMajor ? minor : major;
        if (px >= m_clip.Left && px < m_clip.Right && py >= m_clip.Top && py < m_clip.Bottom)
            reinterpret_cast<QRgb*>(m_image.scanLine(static_cast<int>(py)))[px] = pixel;
    }
}

void TCanvas::Draw(int x, int y, const QImage& source)
{
    CopyRect({ x, y, x + source.width(), y + source.height() }, source,
        TRect::FromSize(source.width(), source.height()));
}

void TCanvas::DrawTransparent(int x, int y, const QImage& source, TColor key)
{
    CopyRect({ x, y, x + source.width(), y + source.height() }, source,
        TRect::FromSize(source.width(), source.height()), key);
}

void TCanvas::StretchDraw(const TRect& target, const QImage& source)
{
    CopyRect(target, source, TRect::FromSize(source.width(), source.height()));
}

void TCanvas::CopyRect(
    const TRect& target, const QImage& source, const TRect& sourceRect, std::optional<TColor> key)
{
    if (source.isNull() || target.IsEmpty() || sourceRect.IsEmpty())
        return;
    // A shallow copy: should source share the canvas image's pixels, the first write below
    // detaches the canvas image and this copy keeps the original pixels.
    const QImage src = AsRgb32(source);
    const TRect d = ToDevice(target);
    const TRect visible = d.Intersect(m_clip);
    if (visible.IsEmpty())
        return;
    const long long tw = d.Width();
    const long long th = d.Height();
    const long long sw = sourceRect.Width();
    const long long sh = sourceRect.Height();
    const QRgb keyRgb = key ? (ToPixel(*key) & kRgbMask) : 0;

    if (!key && tw == sw && th == sh) {
        CopyUnscaled(visible, src, static_cast<long long>(sourceRect.Left) - d.Left,
            static_cast<long long>(sourceRect.Top) - d.Top);
        return;
    }
    std::vector<int> columns(static_cast<std::size_t>(visible.Width()));
    for (int x = visible.Left; x < visible.Right; ++x)
        columns[static_cast<std::size_t>(x - visible.Left)] = static_cast<int>(
            std::clamp<long long>(sourceRect.Left + SampleAt(x - d.Left, sw, tw), -1, src.width()));
    for (int y = visible.Top; y < visible.Bottom; ++y) {
        const long long sy = sourceRect.Top + SampleAt(y - d.Top, sh, th);
        if (sy < 0 || sy >= src.height())
            continue;
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(static_cast<int>(sy)));
        QRgb* out = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        for (int x = visible.Left; x < visible.Right; ++x) {
            const int sx = columns[static_cast<std::size_t>(x - visible.Left)];
            if (sx < 0 || sx >= src.width())
                continue;
            const QRgb value = in[sx] & kRgbMask;
            if (key && value == keyRgb)
                continue;
            out[x] = kOpaque | value;
        }
    }
}

void TCanvas::CopyUnscaled(const TRect& visible, const QImage& source, long long dx, long long dy)
{
    // Source pixels outside the image are skipped, as the scaled copy skips them.
    const long long left = std::max<long long>(visible.Left, -dx);
    const long long right = std::min<long long>(visible.Right, source.width() - dx);
    const long long top = std::max<long long>(visible.Top, -dy);
    const long long bottom = std::min<long long>(visible.Bottom, source.height() - dy);
    for (long long y = top; y < bottom; ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(int(y + dy)));
        QRgb* out = reinterpret_cast<QRgb*>(m_image.scanLine(int(y)));
        for (long long x = left; x < right; ++x)
            out[x] = kOpaque | in[x + dx];
    }
}

int TCanvas::TextWidth(std::string_view text) const
{
    QFontMetrics metrics(m_font.ToQFont(), &m_image);
    return metrics.horizontalAdvance(FromUtf8(text));
}

int TCanvas::TextHeight(std::string_view) const
{
    QFontMetrics metrics(m_font.ToQFont(), &m_image);
    return metrics.height();
}

void TCanvas::TextOut(int x, int y, std::string_view text)
{
    if (m_image.isNull() || m_clip.IsEmpty())
        return;
    const QFont font = m_font.ToQFont();
    const QFontMetrics metrics(font, &m_image);
    const QString string = FromUtf8(text);
    const TRect cell
        = ToDevice({ x, y, x + metrics.horizontalAdvance(string), y + metrics.height() });
    FillDeviceWithBrush(cell);
    QPainter painter(&m_image);
    painter.setClipRect(m_clip.ToQRect());
    painter.setFont(font);
    painter.setPen(ToQColor(m_font.Color()));
    painter.drawText(QPointF(cell.Left, cell.Top + metrics.ascent()), string);
}

std::vector<TCanvas::TLine> TCanvas::LayoutText(
    std::string_view text, const TRect& rect, unsigned flags, bool measured) const
{
    const QFontMetrics metrics(m_font.ToQFont(), &m_image);
    const bool singleLine = flags & DT_SINGLELINE;
    const int lineHeight = metrics.height();
    const int available = rect.Width();

    QString all = FromUtf8(text);
    QStringList paragraphs;
    if (singleLine)
        paragraphs << all.remove('\r').remove('\n');
    else
        paragraphs = all.replace("\r\n", "\n").replace('\r', '\n').split('\n');

    std::vector<TLine> lines;
    for (QString paragraph : paragraphs) {
        qsizetype mark = (flags & DT_NOPREFIX) ? -1 : StripPrefix(paragraph);
        if (flags & DT_HIDEPREFIX)
            mark = -1;
        if (!(flags & DT_WORDBREAK) || singleLine) {
            lines.push_back({ paragraph, mark });
            continue;
        }
        // Greedy breaking at blanks; a word wider than the rectangle stands on its own line.
        qsizetype start = 0;
        while (start < paragraph.size()) {
            qsizetype end = paragraph.size();
            if (metrics.horizontalAdvance(paragraph.mid(start)) > available) {
                qsizetype lastFit = -1;
                for (qsizetype i = start + 1; i < paragraph.size(); ++i) {
                    if (paragraph[i] != ' ')
                        continue;
                    if (metrics.horizontalAdvance(paragraph.mid(start, i - start)) > available)
                        break;
                    lastFit = i;
                }
                if (lastFit < 0) {
                    lastFit = paragraph.indexOf(' ', start + 1);
                    if (lastFit < 0)
                        lastFit = paragraph.size();
                }
                end = lastFit;
            }
            TLine line { paragraph.mid(start, end - start), -1 };
            if (mark >= start && mark < end)
                line.mark = mark - start;
            lines.push_back(line);
            start = end;
            while (start < paragraph.size() && paragraph[start] == ' ')
                ++start;
        }
        if (paragraph.isEmpty())
            lines.push_back({});
    }

    int y = rect.Top;
    if (singleLine && (flags & DT_VCENTER))
        y = rect.Top + (rect.Height() - lineHeight) / 2;
    else if (singleLine && (flags & DT_BOTTOM))
        y = rect.Bottom - lineHeight;

    const bool measure = measured || (flags & (DT_CENTER | DT_RIGHT | DT_END_ELLIPSIS));
    for (TLine& line : lines) {
        if (measure)
            line.width = metrics.horizontalAdvance(line.text);
        if ((flags & DT_END_ELLIPSIS) && line.width > available) {
            QString shortened = line.text;
            while (!shortened.isEmpty()
                && metrics.horizontalAdvance(shortened + kEllipsis) > available)
                shortened.chop(shortened.size() >= 2 && shortened.back().isLowSurrogate() ? 2 : 1);
            if (line.mark >= shortened.size())
                line.mark = -1;
            line.text = shortened + kEllipsis;
            line.width = metrics.horizontalAdvance(line.text);
        }
        if (flags & DT_CENTER)
            line.x = rect.Left + (available - line.width) / 2;
        else if (flags & DT_RIGHT)
            line.x = rect.Right - line.width;
        else
            line.x = rect.Left;
        line.y = y;
        y += lineHeight;
    }
    return lines;
}

TRect TCanvas::CalcTextRect(std::string_view text, const TRect& rect, unsigned flags) const
{
    const QFontMetrics metrics(m_font.ToQFont(), &m_image);
    int width = 0;
    const std::vector<TLine> lines = LayoutText(text, rect, flags);
    for (const TLine& line : lines)
        width = std::max(width, line.width);
    return { rect.Left, rect.Top, rect.Left + width,
        rect.Top + metrics.height() * static_cast<int>(lines.size()) };
}

int TCanvas::DrawText(std::string_view text, const TRect& rect, unsigned flags)
{
    if (m_image.isNull())
        return 0;
    const QFont font = m_font.ToQFont();
    const QFontMetrics metrics(font, &m_image);
    const TRect clip = (flags & DT_NOCLIP) ? m_clip : ToDevice(rect).Intersect(m_clip);
    // A single line is one line high whatever it says, so outside the clip it is not laid
    // out: a status bar repainting one panel passes over the others' texts.
    if (clip.IsEmpty() && (flags & DT_SINGLELINE))
        return metrics.height();
    // Only the background behind a line needs its width here.
    const std::vector<TLine> lines
        = LayoutText(text, rect, flags, Brush.Style != TBrushStyle::Clear);
    if (clip.IsEmpty())
        return metrics.height() * static_cast<int>(lines.size());

    const TRect savedClip = m_clip;
    m_clip = clip;
    for (const TLine& line : lines)
        FillDeviceWithBrush(
            ToDevice({ line.x, line.y, line.x + line.width, line.y + metrics.height() }));
    m_clip = savedClip;

    QPainter painter(&m_image);
    painter.setClipRect(clip.ToQRect());
    painter.setFont(font);
    const QColor color = ToQColor(m_font.Color());
    painter.setPen(color);
    for (const TLine& line : lines) {
        const TPoint at { line.x + m_origin.x, line.y + m_origin.y };
        painter.drawText(QPointF(at.x, at.y + metrics.ascent()), line.text);
        if (line.mark >= 0 && line.mark < line.text.size()) {
            const int left = at.x + metrics.horizontalAdvance(line.text.left(line.mark));
            const int width = metrics.horizontalAdvance(line.text.mid(line.mark, 1));
            const int underline = at.y + metrics.ascent() + std::max(1, metrics.underlinePos());
            painter.fillRect(QRect(left, underline, width, 1), color);
        }
    }
    return metrics.height() * static_cast<int>(lines.size());
}
