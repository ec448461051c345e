#include "tools/artwork/Controls.h"

#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace art {

namespace {

// The bitmap sizes the skin engine expects, MacOS / WinXP / DeepBlue / Protein / BlueGlass.
struct TSizeRow {
    const char* suffix;
    TSize sizes[kStyleCount];
};

constexpr TSizeRow kSizes[] = {
    { "BUTTON", { { 252, 23 }, { 54, 21 }, { 222, 21 }, { 222, 21 }, { 231, 27 } } },
    { "CHECKBOX", { { 60, 17 }, { 52, 13 }, { 52, 13 }, { 52, 13 }, { 52, 13 } } },
    { "RADIOBUTTON", { { 64, 17 }, { 52, 13 }, { 52, 13 }, { 52, 13 }, { 52, 13 } } },
    { "TITLEBTN", { { 306, 17 }, { 378, 21 }, { 342, 19 }, { 342, 19 }, { 342, 19 } } },
    { "TITLE_LEFT", { { 48, 23 }, { 35, 29 }, { 97, 32 }, { 441, 23 }, { 162, 33 } } },
    { "TITLE_CLIENT", { { 49, 23 }, { 37, 29 }, { 98, 32 }, { 1, 23 }, { 179, 33 } } },
    { "TITLE_RIGHT", { { 48, 23 }, { 35, 29 }, { 97, 32 }, { 1, 23 }, { 101, 33 } } },
    { "PROGRESSBAR", { { 13, 10 }, { 6, 10 }, { 1, 10 }, { 1, 10 }, { 1, 10 } } },
    { "TRACKBAR_BAR", { { 45, 5 }, { 45, 8 }, { 45, 4 }, { 45, 4 }, { 45, 4 } } },
    { "TRACKBAR_SLIDER", { { 11, 20 }, { 11, 21 }, { 11, 20 }, { 11, 20 }, { 11, 20 } } },
    { "TRACKBAR_SLIDER_V", { { 19, 11 }, { 22, 11 }, { 18, 11 }, { 18, 11 }, { 18, 11 } } },
    { "SCROLLBAR_BUTTON", { { 96, 22 }, { 96, 17 }, { 96, 16 }, { 96, 16 }, { 102, 16 } } },
    { "SCROLLBAR_TRACK", { { 33, 16 }, { 21, 16 }, { 21, 16 }, { 21, 16 }, { 21, 16 } } },
    { "CHECKLIST", { { 40, 11 }, { 44, 11 }, { 44, 11 }, { 44, 11 }, { 44, 11 } } },
    { "SCROLLBUTTON", { { 72, 18 }, { 72, 18 }, { 72, 17 }, { 72, 17 }, { 72, 17 } } },
    { "TAB", { { 36, 27 }, { 18, 18 }, { 12, 17 }, { 18, 17 }, { 18, 17 } } },
    { "TAB_LINE", { { 17, 7 }, { 8, 1 }, { 5, 5 }, { 10, 5 }, { 10, 5 } } },
    { "SIDECHENNEL_HANDLE", { { 7, 84 }, { 8, 86 }, { 8, 83 }, { 8, 83 }, { 8, 86 } } },
    { "SIDECHENNEL_BAR", { { 1, 21 }, { 1, 21 }, { 1, 20 }, { 1, 21 }, { 1, 21 } } },
};

// Coverage below this counts as see-through against a magenta key.
constexpr int kHalfCoverage = 128;
// Against a key that is the backdrop colour itself only nearly empty pixels are keyed,
// so edges keep their smoothing.
constexpr int kFaintCoverage = 24;

void SetPixel(QImage& image, int x, int y, const QColor& c)
{
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
        image.setPixel(x, y, c.rgb());
}

QImage KeyedOnMagenta(const QImage& layer, const QColor& backdrop)
{
    return Flatten(layer, backdrop, kMagenta, kHalfCoverage);
}

} // namespace

TSize SizeOf(const char* suffix, TStyleIndex style)
{
    for (const auto& row : kSizes)
        if (std::strcmp(row.suffix, suffix) == 0)
            return row.sizes[style];
    return {};
}

QImage DrawButtonStrip(const TStyleArt& s, TSize size)
{
    const int fw = size.w / 3;
    std::vector<QImage> frames;
    for (int state = 0; state < 3; ++state) {
        QImage layer = Layer(fw, size.h);
        QPainter p(&layer);
        const QRectF face(0, s.buttonInsetY, fw, size.h - 2 * s.buttonInsetY);
        PaintFace(p, face, s.buttonRadius, s.button[state]);
        p.end();
        QImage frame = Flatten(layer, s.formBg, s.formBg, kFaintCoverage);
        SetPixel(frame, 0, 0, s.formBg);
        frames.push_back(frame);
    }
    return Join(frames);
}

QImage DrawCheckBoxStrip(const TStyleArt& s, TSize size, bool radio)
{
    const int fw = size.w / 4;
    const int bs = std::min({ s.boxSize, fw, size.h });
    std::vector<QImage> frames;
    for (int frame = 0; frame < 4; ++frame) {
        const bool checked = frame == 0 || frame == 2;
        const bool disabled = frame >= 2;
        QImage layer = Layer(fw, size.h);
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF box((fw - bs) / 2, (size.h - bs) / 2, bs, bs);
        TFace face = disabled ? s.boxDisabled : s.box;
        if (checked && s.boxCheckFilled)
            face = disabled ? Grey(Tint(s.boxChecked, kWhite, 0.55), 1) : s.boxChecked;
        PaintFace(p, box, radio ? bs / 2.0 : s.boxRadius, face);
        if (checked) {
            QColor mark = disabled ? s.checkDisabled : s.check;
            if (s.boxCheckFilled)
                mark = kWhite;
            if (radio) {
                const double d = std::max(3.0, std::round(bs * 0.38));
                const QRectF dot(box.center().x() - d / 2, box.center().y() - d / 2, d, d);
                p.setPen(Qt::NoPen);
                p.setBrush(mark);
                p.drawEllipse(dot);
            } else {
                const double inset = bs * 0.2;
                CheckMark(
                    p, box.adjusted(inset, inset, -inset, -inset), bs >= 12 ? 1.9 : 1.5, mark);
            }
        }
        p.end();
        frames.push_back(Flatten(layer, s.formBg));
    }
    return Join(frames);
}

QImage DrawCheckListStrip(const TStyleArt& s, TSize size)
{
    TStyleArt small = s;
    small.boxSize = size.h - 2;
    small.boxRadius = std::min(s.boxRadius, 1.5);
    return DrawCheckBoxStrip(small, size, false);
}

QImage DrawProgress(const TStyleArt& s, TSize size)
{
    QImage image = Solid(size.w, size.h, s.progressTop);
    const std::vector<QColor> rows = Sample(size.h,
        { { 0, Lighter(s.progressTop, 0.35) }, { 0.45, s.progressTop }, { 0.55, s.progressBottom },
            { 1, Darker(s.progressBottom, 0.1) } });
    for (int y = 0; y < size.h; ++y) {
        for (int x = 0; x < size.w; ++x) {
            QColor c = rows[size_t(y)];
            if (s.index == kMacOS) {
                // Diagonal stripes that repeat with the bitmap's width.
                const int phase = (x + y) % size.w;
                if (phase < size.w / 2)
                    c = Lighter(c, 0.3);
            } else if (size.w >= 6 && x == size.w - 1) {
                c = s.formBg; // the gap between two chunks
            }
            image.setPixel(x, y, c.rgb());
        }
    }
    return image;
}

QImage DrawTrackBarBar(const TStyleArt& s, TSize size)
{
    QImage layer = Layer(size.w, size.h);
    QPainter p(&layer);
    PaintFace(p, QRectF(0, 0, size.w, size.h), std::min(size.h / 2.0, 3.0), s.groove);
    p.end();
    QImage image = KeyedOnMagenta(layer, s.formBg);
    SetPixel(image, 0, 0, kMagenta);
    return image;
}

namespace {

void PaintKnobGrip(QPainter& p, const QRectF& body, bool horizontalLines, const TStyleArt& s)
{
    if (!s.knobMark.isValid())
        return;
    const QColor light = WithAlpha(kWhite, 200);
    const int cx = int(body.center().x());
    const int cy = int(body.center().y());
    for (int i = -1; i <= 1; ++i) {
        if (horizontalLines) {
            const int y = cy + 2 * i;
            p.fillRect(QRect(cx - 2, y, 5, 1), s.knobMark);
            p.fillRect(QRect(cx - 1, y + 1, 5, 1), light);
        } else {
            const int x = cx + 2 * i;
            p.fillRect(QRect(x, cy - 2, 1, 5), s.knobMark);
            p.fillRect(QRect(x + 1, cy - 1, 1, 5), light);
        }
    }
}

void FillKnob(QPainter& p, const QPainterPath& path, const QRectF& bounds, const TFace& f)
{
    QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
    fill.setColorAt(0, f.top);
    if (f.mid.isValid())
        fill.setColorAt(0.5, f.mid);
    fill.setColorAt(1, f.bottom);
    p.fillPath(path, fill);
    if (f.gloss > 0) {
        p.save();
        p.setClipPath(path);
        QLinearGradient gloss(bounds.topLeft(), QPointF(bounds.left(), bounds.center().y()));
        gloss.setColorAt(0, WithAlpha(kWhite, int(255 * f.gloss)));
        gloss.setColorAt(1, WithAlpha(kWhite, int(255 * f.gloss * 0.2)));
        p.fillRect(QRectF(bounds.left(), bounds.top(), bounds.width(), bounds.height() / 2), gloss);
        p.restore();
    }
    p.strokePath(path, QPen(f.border, 1));
}

} // namespace

QImage DrawSlider(const TStyleArt& s, TSize size)
{
    const double w = size.w;
    const double h = size.h;
    const double pointHeight = std::floor(w / 2);
    const double bodyBottom = h - 0.5 - pointHeight;
    QPainterPath path;
    path.moveTo(0.5, bodyBottom);
    path.lineTo(0.5, 2.5);
    path.quadTo(0.5, 0.5, 2.5, 0.5);
    path.lineTo(w - 2.5, 0.5);
    path.quadTo(w - 0.5, 0.5, w - 0.5, 2.5);
    path.lineTo(w - 0.5, bodyBottom);
    path.lineTo(w / 2, h - 0.5);
    path.closeSubpath();

    QImage layer = Layer(size.w, size.h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    FillKnob(p, path, QRectF(0, 0, w, h), s.knob);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (s.knob.innerTop.alpha() > 0) {
        p.fillRect(QRect(2, 1, size.w - 4, 1), s.knob.innerTop);
        p.fillRect(QRect(1, 2, 1, int(bodyBottom) - 2), s.knob.innerTop);
    }
    PaintKnobGrip(p, QRectF(0, 0, w, bodyBottom), true, s);
    p.end();
    QImage image = KeyedOnMagenta(layer, s.formBg);
    SetPixel(image, 0, size.h - 1, kMagenta);
    return image;
}

QImage DrawSliderV(const TStyleArt& s, TSize size)
{
    const double w = size.w;
    const double h = size.h;
    const double tip = std::floor(h / 2);
    QPainterPath path;
    path.moveTo(0.5, h / 2);
    path.lineTo(tip, 0.5);
    path.lineTo(w - tip, 0.5);
    path.lineTo(w - 0.5, h / 2);
    path.lineTo(w - tip, h - 0.5);
    path.lineTo(tip, h - 0.5);
    path.closeSubpath();

    QImage layer = Layer(size.w, size.h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    FillKnob(p, path, QRectF(0, 0, w, h), s.knob);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (s.knob.innerTop.alpha() > 0)
        p.fillRect(QRect(int(tip), 1, size.w - 2 * int(tip), 1), s.knob.innerTop);
    PaintKnobGrip(p, QRectF(0, 0, w, h), false, s);
    p.end();
    return Flatten(layer, s.formBg);
}

QImage DrawScrollBarButtons(const TStyleArt& s, TSize size)
{
    const int fw = size.w / 6;
    std::vector<QImage> frames;
    for (int i = 0; i < 6; ++i) {
        const int state = i % 3;
        QImage layer = Layer(fw, size.h);
        QPainter p(&layer);
        PaintFace(p, QRectF(0, 0, fw, size.h), s.scrollRadius, s.scrollButton[state]);
        QRect inner(0, 0, fw, size.h);
        if (state == 2)
            inner.translate(1, 1);
        Arrow(
            p, inner, i < 3 ? TArrow::Up : TArrow::Down, std::max(3, fw / 4), s.scrollArrow[state]);
        p.end();
        frames.push_back(Flatten(layer, s.scrollBg));
    }
    return Join(frames);
}

QImage DrawScrollBarThumb(const TStyleArt& s, TSize size)
{
    const int fw = size.w / 3;
    QImage layer = Layer(size.w, size.h);
    QPainter p(&layer);
    const double radius = std::min((size.h - 2) / 2.0, fw - 1.0);
    PaintFace(p, QRectF(0, 1, size.w, size.h - 2), radius, s.thumb);
    p.end();
    return Flatten(layer, s.scrollBg);
}

QImage DrawTabs(const TStyleArt& s, TSize size)
{
    const int fw = size.w / 2;
    const int third = fw / 3;
    const double radius = std::min(double(third), 3.0);
    std::vector<QImage> frames;
    for (int frame = 0; frame < 2; ++frame) {
        const bool active = frame == 0;
        const TFace& face = active ? s.tabActive : s.tabInactive;
        QImage layer = Layer(fw, size.h);
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.setClipRect(0, 0, fw, size.h);
        // The outline runs past the bottom so that only the top corners are rounded; the
        // bottom stays open to the tab line below.
        const QPainterPath outline
            = RoundRect(QRectF(0.5, 0.5, fw - 1, size.h + 2 * radius), radius);
        QLinearGradient fill(0, 0, 0, size.h);
        fill.setColorAt(0, face.top);
        if (face.mid.isValid())
            fill.setColorAt(0.5, face.mid);
        fill.setColorAt(1, face.bottom);
        p.fillPath(outline, fill);
        if (face.gloss > 0) {
            QLinearGradient gloss(0, 0, 0, size.h / 2.0);
            gloss.setColorAt(0, WithAlpha(kWhite, int(255 * face.gloss)));
            gloss.setColorAt(1, WithAlpha(kWhite, int(255 * face.gloss * 0.3)));
            p.save();
            p.setClipPath(outline, Qt::IntersectClip);
            p.fillRect(QRectF(0, 0, fw, size.h / 2.0), gloss);
            p.restore();
        }
        if (active && s.tabAccent.isValid()) {
            p.save();
            p.setClipPath(outline, Qt::IntersectClip);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.fillRect(QRect(0, 1, fw, 1), s.tabAccent);
            p.fillRect(QRect(0, 2, fw, 1), Mix(s.tabAccent, face.top, 0.35));
            p.restore();
        }
        p.strokePath(outline, QPen(face.border, 1));
        p.end();
        QImage image = KeyedOnMagenta(layer, s.formBg);
        SetPixel(image, 0, 0, kMagenta);
        frames.push_back(image);
    }
    return Join(frames);
}

QImage DrawTabLine(const TStyleArt& s, TSize size)
{
    std::vector<QColor> rows { s.controlBorder };
    for (int y = 1; y < size.h; ++y)
        rows.push_back(y - 1 < int(s.tabBand.size()) ? s.tabBand[size_t(y - 1)] : s.formBg);
    return Rows(size.w, rows);
}

QImage DrawHandle(const TStyleArt& s, TSize size)
{
    QImage layer = Layer(size.w, size.h);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF bar(1.5, 0.5, size.w - 2.5, size.h - 1);
    const double radius = (size.w - 2.5) / 2;
    const QPainterPath path = RoundRect(bar, radius);
    QLinearGradient fill(bar.topLeft(), bar.topRight());
    fill.setColorAt(0, s.handle.top);
    if (s.handle.mid.isValid())
        fill.setColorAt(0.45, s.handle.mid);
    fill.setColorAt(1, s.handle.bottom);
    p.fillPath(path, fill);
    if (s.handle.innerTop.alpha() > 0)
        p.strokePath(RoundRect(bar.adjusted(1, 1, -1, -1), radius - 1), QPen(s.handle.innerTop, 1));
    p.strokePath(path, QPen(s.handle.border, 1));
    p.setRenderHint(QPainter::Antialiasing, false);

    const QRect inner(1, 0, size.w - 1, size.h);
    Arrow(p, inner, TArrow::Right, 3, s.handleArrow);
    const int cx = 1 + (size.w - 1) / 2 - 1;
    const int cy = size.h / 2;
    for (int i = 0; i < 4; ++i) {
        for (int side : { -1, 1 }) {
            const int y = cy + side * (7 + 3 * i) - (side < 0 ? 1 : 0);
            p.fillRect(QRect(cx, y, 2, 1), s.handleDots);
            p.fillRect(QRect(cx, y + 1, 2, 1), WithAlpha(kWhite, 120));
        }
    }
    p.end();
    return Flatten(layer, s.formBg);
}

QImage DrawCaptionBar(const TStyleArt& s, TSize size)
{
    std::vector<QColor> rows = s.captionRows;
    rows.resize(size_t(size.h), rows.empty() ? s.formBg : rows.back());
    return Rows(size.w, rows);
}

QImage DrawTabScrollButtons(const TStyleArt& s, TSize size)
{
    const int fw = size.w / 4;
    std::vector<QImage> frames;
    for (int frame = 0; frame < 4; ++frame) {
        const bool hot = frame % 2 == 1;
        const bool next = frame < 2;
        QImage layer = Layer(fw, size.h);
        QPainter p(&layer);
        const int d = std::min(fw, size.h) - 2;
        const QRectF r((fw - d) / 2, (size.h - d) / 2, d, d);
        PaintFace(p, r, s.smallRound ? d / 2.0 : 2.0, s.smallButton[hot ? 1 : 0]);
        // A triangle looks centred a little towards its point.
        const QRect glyph = r.toRect().translated(next ? 1 : -1, 0);
        Arrow(p, glyph, next ? TArrow::Right : TArrow::Left, 4, s.smallArrow[hot ? 1 : 0]);
        p.end();
        QImage image = KeyedOnMagenta(layer, s.formBg);
        SetPixel(image, 0, size.h - 1, kMagenta);
        frames.push_back(image);
    }
    return Join(frames);
}

QImage DrawTitleButtons(
    TSize size, const std::vector<QColor>& rows, bool keyed, const TTitleButtonPainter& paint)
{
    const int fw = size.w / 18;
    const QImage backdrop = Rows(fw, rows);
    const TTitleGlyph order[] = { TTitleGlyph::ControlBox, TTitleGlyph::Help, TTitleGlyph::Maximise,
        TTitleGlyph::Restore, TTitleGlyph::Minimise, TTitleGlyph::Close };
    std::vector<QImage> frames;
    for (TTitleGlyph glyph : order) {
        for (int state = 0; state < 3; ++state) {
            QImage layer = Layer(fw, size.h);
            QPainter p(&layer);
            paint(p, QRect(0, 0, fw, size.h), glyph, state);
            p.end();
            if (keyed) {
                QImage image = Flatten(layer, backdrop, kMagenta, kHalfCoverage);
                SetPixel(image, 0, size.h - 1, kMagenta);
                frames.push_back(image);
            } else {
                frames.push_back(Flatten(layer, backdrop));
            }
        }
    }
    return Join(frames);
}

namespace {

// The character on the seal, "written character": the serif face carries the brush, the
// sans face stays legible where only a few pixels are left for it.
QPainterPath SealCharacter(bool small)
{
    auto make = [](const char* family) {
        QFont font(family);
        font.setWeight(QFont::Bold);
        font.setPixelSize(200);
        font.setHintingPreference(QFont::PreferNoHinting);
        QPainterPath glyph;
        glyph.addText(0, 0, font, QString::fromUtf8("\xE5\xAD\x97"));
        return glyph;
    };
    static const QPainterPath serif = make("Noto Serif CJK SC");
    static const QPainterPath sans = make("Noto Sans CJK SC");
    return small ? sans : serif;
}

} // namespace

void PaintSeal(QPainter& p, const QRectF& r, double glow)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(r.width(), r.height());
    const bool small = side < 24;
    const QColor red = Lighter(QColor(196, 38, 30), glow);
    const QColor deep = Lighter(QColor(150, 22, 18), glow);
    const QColor ink = QColor(255, 244, 230);
    QRadialGradient fill(r.left() + side * 0.35, r.top() + side * 0.3, side * 0.9);
    fill.setColorAt(0, Lighter(red, 0.12));
    fill.setColorAt(1, deep);
    p.fillRect(r, fill);

    // A thin frame inside the edge, as carved seals have; too fine to show when tiny.
    if (!small) {
        const double width = std::max(1.0, std::round(side * 0.035));
        const double inset = std::round(side * 0.08) + width / 2;
        p.setPen(QPen(ink, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(inset, inset, -inset, -inset));
    }

    const QPainterPath glyph = SealCharacter(small);
    const QRectF bounds = glyph.boundingRect();
    const double box = side * (small ? 0.8 : 0.64);
    const double scale = box / std::max(bounds.width(), bounds.height());
    QTransform t;
    t.translate(r.center().x(), r.center().y());
    t.scale(scale, scale);
    t.translate(-bounds.center().x(), -bounds.center().y());
    const QPainterPath placed = t.map(glyph);
    p.fillPath(placed, ink);
    // The serif face's hairlines would vanish at icon sizes; a thin outline gives them body.
    if (!small)
        p.strokePath(placed,
            QPen(ink, std::max(0.6, side * 0.018), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.restore();
}

void AddStyleControls(const TStyleArt& s, std::vector<TArtwork>& out)
{
    auto add = [&](const char* suffix, int frames, TKeyRule key, QImage image, QString note) {
        out.push_back(
            { s.group, s.prefix + "_" + suffix, frames, key, std::move(image), std::move(note) });
    };
    const TStyleIndex i = s.index;
    add("BUTTON", 3, TKeyRule::TopLeftCorner, DrawButtonStrip(s, SizeOf("BUTTON", i)),
        "normal, hot, pressed");
    add("CHECKBOX", 4, TKeyRule::Opaque, DrawCheckBoxStrip(s, SizeOf("CHECKBOX", i), false),
        "checked, unchecked, grey checked, grey unchecked");
    add("RADIOBUTTON", 4, TKeyRule::Opaque, DrawCheckBoxStrip(s, SizeOf("RADIOBUTTON", i), true),
        "chosen, free, grey chosen, grey free");
    add("PROGRESSBAR", 1, TKeyRule::Opaque, DrawProgress(s, SizeOf("PROGRESSBAR", i)),
        "one chunk of the fill");
    add("TRACKBAR_BAR", 3, TKeyRule::ThreePart, DrawTrackBarBar(s, SizeOf("TRACKBAR_BAR", i)),
        "left cap, middle, right cap");
    add("TRACKBAR_SLIDER", 1, TKeyRule::BottomLeftMagenta,
        DrawSlider(s, SizeOf("TRACKBAR_SLIDER", i)), "knob of a horizontal bar");
    add("TRACKBAR_SLIDER_V", 1, TKeyRule::Opaque, DrawSliderV(s, SizeOf("TRACKBAR_SLIDER_V", i)),
        "knob of a vertical bar");
    add("SCROLLBAR_BUTTON", 6, TKeyRule::Opaque,
        DrawScrollBarButtons(s, SizeOf("SCROLLBAR_BUTTON", i)),
        "up: normal, hot, pressed; down: normal, hot, pressed");
    add("SCROLLBAR_TRACK", 3, TKeyRule::Opaque, DrawScrollBarThumb(s, SizeOf("SCROLLBAR_TRACK", i)),
        "thumb head, body, tail");
    add("CHECKLIST", 4, TKeyRule::Opaque, DrawCheckListStrip(s, SizeOf("CHECKLIST", i)),
        "checked, unchecked, grey checked, grey unchecked");
    if (i == kMacOS || i == kWinXP)
        add("SCROLLBUTTON", 4, TKeyRule::BottomLeftMagenta,
            DrawTabScrollButtons(s, SizeOf("SCROLLBUTTON", i)),
            "next, next hot, previous, previous hot");
    add("TAB", 2, TKeyRule::ThreePart, DrawTabs(s, SizeOf("TAB", i)), "active, inactive");
    add("TAB_LINE", 1, TKeyRule::Opaque, DrawTabLine(s, SizeOf("TAB_LINE", i)),
        "stretched under the tabs");
    add("SIDECHENNEL_HANDLE", 1, TKeyRule::Opaque, DrawHandle(s, SizeOf("SIDECHENNEL_HANDLE", i)),
        "grip of the side bar");
    add("SIDECHENNEL_BAR", 1, TKeyRule::Opaque, DrawCaptionBar(s, SizeOf("SIDECHENNEL_BAR", i)),
        "caption bar, stretched");
}

void DrawTitleGlyph(QPainter& p, TTitleGlyph glyph, const QRect& box, const TTitleGlyphSizes& sizes,
    const QColor& ink)
{
    switch (glyph) {
    case TTitleGlyph::Help:
        HelpGlyph(p, box, sizes.help, ink);
        break;
    case TTitleGlyph::Maximise:
        MaximiseGlyph(p, box, sizes.maximise, ink);
        break;
    case TTitleGlyph::Restore:
        RestoreGlyph(p, box, sizes.restore, ink);
        break;
    case TTitleGlyph::Minimise:
        MinimiseGlyph(p, box.translated(0, 1), sizes.minimise, ink);
        break;
    case TTitleGlyph::Close:
        CloseGlyph(p, box, sizes.close, sizes.closeStroke, ink);
        break;
    case TTitleGlyph::ControlBox:
        break;
    }
}

} // namespace art
