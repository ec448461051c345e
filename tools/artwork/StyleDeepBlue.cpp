// DeepBlue: a deep navy caption with a lit rule along its lower band, steel-blue controls.

#include "tools/artwork/Controls.h"
#include "tools/artwork/Styles.h"
#include "tools/artwork/Titles.h"

#include <cmath>

namespace art {

namespace {

const QColor kFormBg = FromTColor(0xE8E8E8);
const QColor kNavy(26, 46, 100);
const QColor kInk(14, 26, 70);

constexpr int kTitleHeight = 32;
constexpr int kButtonTop = 2;
constexpr int kButtonSize = 19;

std::vector<QColor> TitleProfile()
{
    std::vector<QColor> rows { kBlack };
    const std::vector<QColor> upper = Sample(21,
        { { 0, QColor(88, 124, 200) }, { 0.3, QColor(58, 92, 170) }, { 1, QColor(24, 48, 118) } });
    rows.insert(rows.end(), upper.begin(), upper.end());
    rows.push_back(QColor(74, 114, 196)); // the lit rule
    rows.push_back(QColor(38, 66, 136));
    const std::vector<QColor> lower
        = Sample(kTitleHeight - 25, { { 0, QColor(26, 50, 116) }, { 1, QColor(12, 26, 74) } });
    rows.insert(rows.end(), lower.begin(), lower.end());
    rows.push_back(QColor(6, 12, 40));
    return rows;
}

// Faint slanted streaks in the lower band, fading out towards `fadeTo` (0 or width).
void Streaks(QImage& image, bool fadeRight)
{
    QImage layer = Layer(image.width(), image.height());
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(0, 24, image.width(), 7);
    for (int i = -2; i < image.width() / 6 + 2; ++i) {
        const double x = i * 6.0;
        const double along = fadeRight ? x / image.width() : 1 - x / image.width();
        const int alpha = int(std::max(0.0, 1 - along) * 46);
        p.setPen(QPen(WithAlpha(QColor(150, 190, 255), alpha), 1.2));
        p.drawLine(QPointF(x, 31), QPointF(x + 7, 24));
    }
    p.end();
    Over(image, layer);
}

void PaintButton(QPainter& p, const QRect& r, TTitleGlyph glyph, int state)
{
    if (glyph == TTitleGlyph::ControlBox) {
        const double shift = state == 2 ? 1 : 0;
        const QRectF seal(2 + shift, 2 + shift, 15, 15);
        PaintSeal(p, seal, state == 1 ? 0.16 : 0);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(state == 1 ? QColor(200, 220, 255) : QColor(120, 150, 210), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(seal.adjusted(-0.5, -0.5, 0.5, 0.5));
        if (state == 2)
            p.fillRect(seal, WithAlpha(kBlack, 60));
        return;
    }
    TFace face { QColor(96, 134, 210), QColor(34, 62, 136), WithAlpha(QColor(160, 190, 250), 220),
        WithAlpha(kWhite, 70), WithAlpha(kWhite, 0) };
    if (state == 1)
        face = glyph == TTitleGlyph::Close ? TFace { QColor(236, 110, 96), QColor(168, 32, 30),
            WithAlpha(QColor(255, 200, 190), 230), WithAlpha(kWhite, 80), WithAlpha(kWhite, 0) }
                                           : Tint(face, QColor(150, 200, 255), 0.3);
    if (state == 2)
        face = Tint(face, kBlack, 0.35);
    PaintFace(p, QRectF(1, 1, 17, 17), 3, face);
    const QRect box = r.translated(state == 2 ? 1 : 0, state == 2 ? 1 : 0);
    const QColor ink = kWhite;
    DrawTitleGlyph(p, glyph, box, { 8, 9, 9, 8, 7, 2 }, ink);
}

TStyleArt Art()
{
    TStyleArt s;
    s.index = kDeepBlue;
    s.prefix = "DEEPBLUE";
    s.group = "DeepBlue";
    s.formBg = kFormBg;
    s.formBorder = kBlack;
    s.controlBorder = kBlack;
    s.scrollBg = FromTColor(0xF5F5F5);

    s.button[0] = { QColor(252, 253, 255), QColor(200, 212, 234), kNavy, WithAlpha(kWhite, 220),
        WithAlpha(kWhite, 0) };
    s.button[1] = { QColor(238, 246, 255), QColor(160, 196, 246), QColor(20, 66, 164),
        WithAlpha(kWhite, 255), WithAlpha(QColor(120, 170, 250), 200) };
    s.button[2] = { QColor(170, 190, 226), QColor(212, 222, 242), QColor(16, 34, 88),
        WithAlpha(QColor(90, 110, 160), 160), WithAlpha(kWhite, 0) };
    s.buttonRadius = 2;

    s.box = { QColor(212, 220, 238), QColor(255, 255, 255), kNavy };
    s.boxDisabled = { QColor(244, 244, 246), QColor(250, 250, 252), QColor(170, 176, 190) };
    s.check = QColor(20, 54, 146);
    s.checkDisabled = QColor(172, 178, 192);
    s.boxRadius = 1;

    s.groove = { QColor(30, 52, 112), QColor(112, 142, 204), kInk };
    s.knob = { QColor(255, 255, 255), QColor(146, 172, 224), QColor(20, 40, 100),
        WithAlpha(kWhite, 255) };
    s.knob.mid = QColor(220, 230, 246);
    s.knobMark = QColor(30, 62, 146);

    const TFace scroll { QColor(242, 246, 252), QColor(194, 206, 232), QColor(118, 138, 180),
        WithAlpha(kWhite, 220), WithAlpha(kWhite, 0) };
    s.scrollButton[0] = scroll;
    s.scrollButton[1] = Tint(scroll, QColor(176, 208, 255), 0.5);
    s.scrollButton[2] = Tint(scroll, QColor(50, 80, 150), 0.55);
    s.scrollArrow[0] = kNavy;
    s.scrollArrow[1] = QColor(16, 50, 140);
    s.scrollArrow[2] = kWhite;
    s.scrollRadius = 1;
    s.thumb = { QColor(124, 154, 218), QColor(44, 74, 148), QColor(20, 40, 100),
        WithAlpha(kWhite, 90), WithAlpha(kWhite, 0), 0.25, QColor(72, 106, 180) };

    s.tabActive = { QColor(255, 255, 255), QColor(236, 240, 250), QColor(30, 40, 74) };
    s.tabInactive = { QColor(216, 224, 240), QColor(182, 194, 222), QColor(60, 72, 104) };
    s.tabAccent = QColor(60, 100, 190);
    s.tabBand
        = { QColor(44, 74, 150), QColor(30, 56, 126), QColor(22, 44, 104), QColor(12, 26, 70) };

    s.handle = { QColor(116, 150, 218), QColor(24, 46, 110), kInk };
    s.handle.mid = QColor(64, 100, 178);
    s.handleArrow = kWhite;
    s.handleDots = QColor(176, 196, 236);

    s.captionRows = { kBlack };
    const std::vector<QColor> caption = Sample(18,
        { { 0, QColor(88, 124, 200) }, { 0.35, QColor(56, 90, 168) }, { 1, QColor(24, 48, 118) } });
    s.captionRows.insert(s.captionRows.end(), caption.begin(), caption.end());
    s.captionRows.push_back(QColor(10, 22, 64));

    s.progressTop = QColor(84, 124, 210);
    s.progressBottom = QColor(30, 60, 150);
    return s;
}

} // namespace

void AddDeepBlue(std::vector<TArtwork>& out)
{
    const TStyleArt s = Art();
    const std::vector<QColor> profile = TitleProfile();
    QImage left = Rows(97, profile);
    Streaks(left, true);
    ShadeColumn(left, 0, QColor(120, 160, 230), 0.25);
    QImage right = Rows(97, profile);
    Streaks(right, false);
    ShadeColumn(right, 96, kBlack, 0.3);
    out.push_back({ s.group, "DEEPBLUE_TITLE_LEFT", 1, TKeyRule::Opaque, left, "left section" });
    out.push_back({ s.group, "DEEPBLUE_TITLE_CLIENT", 1, TKeyRule::Opaque, Rows(98, profile),
        "middle section, stretched" });
    out.push_back({ s.group, "DEEPBLUE_TITLE_RIGHT", 1, TKeyRule::Opaque, right, "right section" });
    out.push_back({ s.group, "DEEPBLUE_TITLEBTN", 18, TKeyRule::Opaque,
        DrawTitleButtons(SizeOf("TITLEBTN", kDeepBlue), Slice(profile, kButtonTop, kButtonSize),
            false, PaintButton),
        "control box, help, maximise, restore, minimise, close; each normal, hot, "
        "pressed" });
    AddStyleControls(s, out);
}

} // namespace art
