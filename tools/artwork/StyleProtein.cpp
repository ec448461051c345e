// Protein: near-white surfaces with a warm amber accent; the caption carries a faint
// double-helix ribbon that fades out along the left section.

#include "tools/artwork/Controls.h"
#include "tools/artwork/Styles.h"
#include "tools/artwork/Titles.h"

#include <cmath>

namespace art {

namespace {

const QColor kFormBg = FromTColor(0xFBFBFB);
const QColor kAccent(226, 112, 44);
const QColor kAccentDeep(176, 72, 22);
const QColor kAccentLight(252, 216, 186);

constexpr int kTitleHeight = 23;
constexpr int kButtonTop = 2;
constexpr int kButtonSize = 19;
constexpr double kPi = 3.14159265358979323846;

std::vector<QColor> WarmRows(int n)
{
    return Sample(n,
        { { 0, QColor(246, 152, 84) }, { 0.45, QColor(228, 114, 46) },
            { 1, QColor(204, 88, 30) } });
}

std::vector<QColor> TitleProfile()
{
    std::vector<QColor> rows { kBlack };
    const std::vector<QColor> body = WarmRows(kTitleHeight - 2);
    rows.insert(rows.end(), body.begin(), body.end());
    rows.push_back(QColor(150, 58, 16));
    return rows;
}

QImage TitleLeft(const std::vector<QColor>& profile)
{
    QImage image = Rows(441, profile);
    QImage layer = Layer(441, kTitleHeight);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    // Two strands half a turn apart, with rungs between them; all of it fades to nothing at
    // the right edge so the picture meets the middle section without a seam.
    const double period = 96;
    auto strand = [&](double x, double phase) {
        return 11.5 + 6.5 * std::sin(2 * kPi * x / period + phase);
    };
    auto fade = [](double x) { return std::pow(std::max(0.0, 1 - x / 440.0), 1.3); };
    for (int x = 0; x < 441; x += 8) {
        const int alpha = int(34 * fade(x));
        p.setPen(QPen(WithAlpha(kWhite, alpha), 1));
        p.drawLine(QPointF(x + 0.5, strand(x, 0)), QPointF(x + 0.5, strand(x, kPi)));
    }
    for (double phase : { 0.0, kPi }) {
        for (int x = 0; x < 440; ++x) {
            const int alpha = int(70 * fade(x));
            p.setPen(
                QPen(WithAlpha(QColor(255, 236, 214), alpha), 1.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x, strand(x, phase)), QPointF(x + 1, strand(x + 1, phase)));
        }
    }
    p.end();
    Over(image, layer);
    ShadeColumn(image, 0, kWhite, 0.2);
    // Keep the top and bottom edge rows exactly as in the middle section.
    for (int x = 0; x < 441; ++x) {
        image.setPixel(x, 0, profile.front().rgb());
        image.setPixel(x, kTitleHeight - 1, profile.back().rgb());
    }
    return image;
}

void PaintButton(QPainter& p, const QRect& r, TTitleGlyph glyph, int state)
{
    p.setRenderHint(QPainter::Antialiasing);
    if (glyph == TTitleGlyph::ControlBox) {
        const double shift = state == 2 ? 1 : 0;
        const QRectF seal(2 + shift, 2 + shift, 15, 15);
        p.setPen(QPen(WithAlpha(kWhite, state == 1 ? 255 : 210), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(seal.adjusted(-0.5, -0.5, 0.5, 0.5));
        PaintSeal(p, seal, state == 1 ? 0.15 : 0);
        if (state == 2)
            p.fillRect(seal, WithAlpha(kBlack, 50));
        return;
    }
    // Normal: a translucent disc that reads as light amber, so the glyph takes the accent's
    // dark shade; hot: a white disc; pressed: the disc fills with the accent.
    const QRectF disc(2, 2, 15, 15);
    const bool close = glyph == TTitleGlyph::Close;
    QColor fill = WithAlpha(kWhite, 150);
    QColor edge = WithAlpha(kWhite, 230);
    QColor ink = kAccentDeep;
    if (state == 1) {
        fill = kWhite;
        ink = close ? QColor(206, 40, 30) : kAccentDeep;
    }
    if (state == 2) {
        fill = close ? QColor(200, 44, 32) : kAccentDeep;
        edge = WithAlpha(kWhite, 200);
        ink = kWhite;
    }
    p.setPen(QPen(edge, 1));
    p.setBrush(fill);
    p.drawEllipse(disc.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect box = r.translated(state == 2 ? 1 : 0, state == 2 ? 1 : 0);
    DrawTitleGlyph(p, glyph, box, { 8, 7, 8, 7, 6, 2 }, ink);
}

TStyleArt Art()
{
    TStyleArt s;
    s.index = kProtein;
    s.prefix = "PROTEIN";
    s.group = "Protein";
    s.formBg = kFormBg;
    s.formBorder = kBlack;
    s.controlBorder = kBlack;
    s.scrollBg = FromTColor(0xF5F5F5);

    s.button[0] = { QColor(255, 255, 255), QColor(232, 232, 232), QColor(168, 168, 168),
        WithAlpha(kWhite, 255), WithAlpha(kWhite, 0) };
    s.button[1] = { QColor(255, 255, 255), QColor(255, 230, 206), kAccent, WithAlpha(kWhite, 255),
        WithAlpha(kWhite, 0) };
    s.button[2] = { QColor(232, 150, 92), QColor(248, 200, 160), kAccentDeep,
        WithAlpha(QColor(150, 60, 16), 150), WithAlpha(kWhite, 0) };
    s.buttonRadius = 3;

    s.box = { QColor(236, 236, 236), QColor(255, 255, 255), QColor(150, 150, 150) };
    s.boxDisabled = { QColor(248, 248, 248), QColor(250, 250, 250), QColor(200, 200, 200) };
    s.boxChecked = { QColor(246, 152, 84), QColor(210, 94, 32), kAccentDeep };
    s.boxCheckFilled = true;
    s.check = kWhite;
    s.checkDisabled = QColor(214, 214, 214);
    s.boxRadius = 2;

    s.groove = { QColor(196, 196, 196), QColor(238, 238, 238), QColor(150, 150, 150) };
    s.knob = { QColor(255, 255, 255), QColor(252, 214, 182), QColor(186, 80, 26),
        WithAlpha(kWhite, 255) };
    s.knob.mid = QColor(255, 240, 228);
    s.knobMark = kAccent;

    const TFace scroll { QColor(255, 255, 255), QColor(232, 232, 232), QColor(190, 190, 190),
        WithAlpha(kWhite, 255), WithAlpha(kWhite, 0) };
    s.scrollButton[0] = scroll;
    s.scrollButton[1] = Tint(scroll, kAccentLight, 0.7);
    s.scrollButton[1].border = kAccent;
    s.scrollButton[2] = Tint(scroll, QColor(236, 150, 96), 0.7);
    s.scrollButton[2].border = kAccentDeep;
    s.scrollArrow[0] = QColor(110, 110, 110);
    s.scrollArrow[1] = QColor(196, 84, 24);
    s.scrollArrow[2] = kWhite;
    s.scrollRadius = 2;
    s.thumb = { QColor(255, 216, 182), QColor(238, 148, 88), QColor(190, 88, 34),
        WithAlpha(kWhite, 160), WithAlpha(kWhite, 0), 0.3 };

    s.tabActive = { QColor(255, 255, 255), QColor(255, 255, 255), QColor(160, 160, 160) };
    s.tabInactive = { QColor(246, 246, 246), QColor(224, 224, 224), QColor(172, 172, 172) };
    s.tabAccent = kAccent;
    s.tabBand = { QColor(244, 146, 78), kAccent, QColor(210, 96, 34), kAccentDeep };

    s.handle = { QColor(252, 198, 152), QColor(198, 84, 28), QColor(160, 64, 16) };
    s.handle.mid = QColor(236, 132, 66);
    s.handleArrow = kWhite;
    s.handleDots = QColor(255, 222, 196);

    s.captionRows = { kBlack };
    const std::vector<QColor> caption = WarmRows(19);
    s.captionRows.insert(s.captionRows.end(), caption.begin(), caption.end());
    s.captionRows.push_back(QColor(150, 58, 16));

    s.progressTop = QColor(246, 152, 84);
    s.progressBottom = QColor(210, 94, 32);
    return s;
}

// Linen: near-white with a faint diagonal weave.
QImage FormBackground()
{
    QImage image(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            int v = 251;
            if ((x + y) % 8 == 0)
                v = 247;
            else if ((x + 8 - y) % 8 == 4)
                v = 249;
            image.setPixel(x, y, qRgb(v, v, v - 1));
        }
    }
    return image;
}

} // namespace

void AddProtein(std::vector<TArtwork>& out)
{
    const TStyleArt s = Art();
    const std::vector<QColor> profile = TitleProfile();
    out.push_back({ s.group, "PROTEIN_TITLE_LEFT", 1, TKeyRule::Opaque, TitleLeft(profile),
        "left section; the ribbon fades into the middle" });
    out.push_back({ s.group, "PROTEIN_TITLE_CLIENT", 1, TKeyRule::Opaque, Rows(1, profile),
        "middle section, stretched" });
    out.push_back(
        { s.group, "PROTEIN_TITLE_RIGHT", 1, TKeyRule::Opaque, Rows(1, profile), "right section" });
    out.push_back({ s.group, "PROTEIN_TITLEBTN", 18, TKeyRule::BottomLeftMagenta,
        DrawTitleButtons(SizeOf("TITLEBTN", kProtein), Slice(profile, kButtonTop, kButtonSize),
            true, PaintButton),
        "control box, help, maximise, restore, minimise, close; each normal, hot, "
        "pressed" });
    AddStyleControls(s, out);
    out.push_back({ s.group, "PROTEIN_FORM_BACKGROUND", 1, TKeyRule::Opaque, FormBackground(),
        "form background tile" });
}

} // namespace art
