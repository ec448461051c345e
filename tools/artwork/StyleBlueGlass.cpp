// BlueGlass: layered blue glass with a bright upper half, glass orbs for caption buttons.

#include "tools/artwork/Controls.h"
#include "tools/artwork/Styles.h"
#include "tools/artwork/Titles.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace art {

namespace {

const QColor kFormBg = FromTColor(0xE7E7E7);
const QColor kEdge(24, 64, 150);

constexpr int kTitleHeight = 33;
constexpr int kButtonTop = 6;
constexpr int kButtonSize = 19;
constexpr int kCorner = 11; // the window region's corner ellipse

std::vector<QColor> Glass(int n)
{
    const int upper = n / 2;
    std::vector<QColor> rows
        = Sample(upper, { { 0, QColor(122, 170, 240) }, { 1, QColor(78, 132, 220) } });
    const std::vector<QColor> lower
        = Sample(n - upper, { { 0, QColor(26, 78, 184) }, { 1, QColor(56, 118, 218) } });
    rows.insert(rows.end(), lower.begin(), lower.end());
    return rows;
}

std::vector<QColor> TitleProfile()
{
    std::vector<QColor> rows { kBlack };
    const std::vector<QColor> glass = Glass(kTitleHeight - 2);
    rows.insert(rows.end(), glass.begin(), glass.end());
    rows.push_back(QColor(12, 40, 110));
    return rows;
}

QImage TitleLeft(const std::vector<QColor>& profile)
{
    QImage image = Rows(162, profile);
    QImage layer = Layer(162, kTitleHeight);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    // Light gathering behind the control box.
    QRadialGradient glow(14, 15, 34);
    glow.setColorAt(0, WithAlpha(QColor(190, 230, 255), 110));
    glow.setColorAt(1, WithAlpha(QColor(190, 230, 255), 0));
    p.fillRect(QRect(0, 1, 60, kTitleHeight - 2), glow);
    // A slanted reflection that ends well before the right edge.
    QPainterPath streak;
    streak.moveTo(70, 1);
    streak.lineTo(92, 1);
    streak.lineTo(74, kTitleHeight - 1);
    streak.lineTo(52, kTitleHeight - 1);
    streak.closeSubpath();
    QLinearGradient sheen(52, 0, 92, 0);
    sheen.setColorAt(0, WithAlpha(kWhite, 0));
    sheen.setColorAt(0.5, WithAlpha(kWhite, 34));
    sheen.setColorAt(1, WithAlpha(kWhite, 0));
    p.fillPath(streak, sheen);
    p.end();
    Over(image, layer);
    ShadeColumn(image, 0, kWhite, 0.25);
    for (int x = 0; x < 162; ++x)
        image.setPixel(x, 0, kBlack.rgb());
    // The form's 1-pixel border lies left of this picture.
    RoundTopLeft(image, kCorner / 2.0 - 1, kCorner / 2.0, kCorner / 2.0, kBlack, kBlack);
    return image;
}

QImage TitleRight(const std::vector<QColor>& profile)
{
    QImage image = Rows(101, profile);
    QImage layer = Layer(101, kTitleHeight);
    QPainter p(&layer);
    // A smoked pane behind the caption buttons, soft at its left end.
    QLinearGradient smoke(18, 0, 40, 0);
    smoke.setColorAt(0, WithAlpha(QColor(0, 20, 70), 0));
    smoke.setColorAt(1, WithAlpha(QColor(0, 20, 70), 60));
    p.fillRect(QRect(18, 1, 83, kTitleHeight - 2), smoke);
    p.end();
    Over(image, layer);
    ShadeColumn(image, 100, kBlack, 0.3);
    for (int x = 0; x < 101; ++x)
        image.setPixel(x, 0, kBlack.rgb());
    QImage mirrored = image.mirrored(true, false);
    RoundTopLeft(mirrored, kCorner / 2.0 - 1, kCorner / 2.0, kCorner / 2.0, kBlack, kBlack);
    return mirrored.mirrored(true, false);
}

void PaintButton(QPainter& p, const QRect& r, TTitleGlyph glyph, int state)
{
    if (glyph == TTitleGlyph::ControlBox) {
        const double shift = state == 2 ? 1 : 0;
        const QRectF seal(3 + shift, 3 + shift, 13, 13);
        PaintSeal(p, seal, state == 1 ? 0.16 : 0);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient gloss(0, seal.top(), 0, seal.center().y());
        gloss.setColorAt(0, WithAlpha(kWhite, 110));
        gloss.setColorAt(1, WithAlpha(kWhite, 20));
        p.fillRect(QRectF(seal.left(), seal.top(), seal.width(), seal.height() / 2), gloss);
        p.setPen(QPen(state == 1 ? QColor(220, 240, 255) : QColor(10, 36, 100), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(seal.adjusted(-0.5, -0.5, 0.5, 0.5));
        if (state == 2)
            p.fillRect(seal, WithAlpha(kBlack, 60));
        return;
    }
    TFace face { QColor(154, 200, 255), QColor(26, 76, 180), QColor(8, 30, 92),
        WithAlpha(kWhite, 0), WithAlpha(kWhite, 90), 0.55, QColor(60, 120, 220) };
    if (state == 1)
        face = glyph == TTitleGlyph::Close
            ? TFace { QColor(255, 170, 160), QColor(196, 34, 26), QColor(96, 10, 8),
                  WithAlpha(kWhite, 0), WithAlpha(kWhite, 100), 0.55, QColor(230, 80, 64) }
            : TFace { QColor(190, 232, 255), QColor(40, 124, 228), QColor(10, 50, 124),
                  WithAlpha(kWhite, 0), WithAlpha(kWhite, 110), 0.6, QColor(90, 170, 250) };
    if (state == 2)
        face = Tint(face, kBlack, 0.3);
    PaintFace(p, QRectF(1, 1, 17, 17), 8.5, face);
    const QRect box = r.translated(state == 2 ? 1 : 0, state == 2 ? 1 : 0);
    const QColor ink = kWhite;
    DrawTitleGlyph(p, glyph, box, { 8, 7, 8, 7, 6, 2 }, ink);
}

TStyleArt Art()
{
    TStyleArt s;
    s.index = kBlueGlass;
    s.prefix = "BLUEGLASS";
    s.group = "BlueGlass";
    s.formBg = kFormBg;
    s.formBorder = kBlack;
    s.controlBorder = kBlack;
    s.scrollBg = FromTColor(0xF4F4F4);

    s.button[0] = { QColor(206, 230, 255), QColor(184, 220, 255), QColor(44, 96, 176),
        WithAlpha(kWhite, 0), WithAlpha(kWhite, 140), 0.6, QColor(144, 192, 248) };
    s.button[1] = { QColor(218, 246, 255), QColor(184, 242, 255), QColor(30, 120, 200),
        WithAlpha(kWhite, 0), WithAlpha(kWhite, 160), 0.6, QColor(120, 212, 255) };
    s.button[2] = { QColor(128, 174, 236), QColor(150, 196, 246), QColor(20, 60, 140),
        WithAlpha(kWhite, 0), WithAlpha(kWhite, 80), 0.3, QColor(92, 144, 220) };
    s.buttonRadius = 6;
    s.buttonInsetY = 1;

    s.box = { QColor(255, 255, 255), QColor(206, 226, 250), QColor(44, 96, 176),
        WithAlpha(kWhite, 0), WithAlpha(kWhite, 0), 0.3 };
    s.boxDisabled = { QColor(248, 248, 250), QColor(236, 238, 242), QColor(176, 184, 198) };
    s.boxChecked = { QColor(154, 200, 255), QColor(56, 118, 218), QColor(16, 50, 130),
        WithAlpha(kWhite, 0), WithAlpha(kWhite, 0), 0.5, QColor(40, 100, 210) };
    s.boxCheckFilled = true;
    s.check = kWhite;
    s.checkDisabled = QColor(190, 196, 206);
    s.boxRadius = 2;

    s.groove = { QColor(40, 80, 160), QColor(130, 170, 230), QColor(20, 50, 120) };
    s.knob = { QColor(184, 218, 255), QColor(70, 130, 224), QColor(20, 50, 130),
        WithAlpha(kWhite, 0), WithAlpha(kWhite, 0), 0.55, QColor(80, 140, 228) };
    s.knobMark = QColor(232, 242, 255);

    const TFace scroll { QColor(238, 246, 255), QColor(222, 238, 255), QColor(110, 150, 210),
        WithAlpha(kWhite, 0), WithAlpha(kWhite, 0), 0.5, QColor(194, 220, 250) };
    s.scrollButton[0] = scroll;
    s.scrollButton[1] = Tint(scroll, QColor(150, 214, 255), 0.45);
    s.scrollButton[2] = Tint(scroll, QColor(50, 104, 200), 0.55);
    s.scrollArrow[0] = QColor(30, 70, 150);
    s.scrollArrow[1] = QColor(10, 60, 160);
    s.scrollArrow[2] = kWhite;
    s.scrollRadius = 3;
    s.thumb = { QColor(154, 200, 255), QColor(110, 170, 246), kEdge, WithAlpha(kWhite, 0),
        WithAlpha(kWhite, 0), 0.5, QColor(66, 128, 226) };

    s.tabActive = { QColor(236, 246, 255), QColor(196, 222, 252), QColor(40, 80, 150),
        WithAlpha(kWhite, 0), WithAlpha(kWhite, 0), 0.4, QColor(212, 232, 255) };
    s.tabInactive = { QColor(222, 228, 238), QColor(184, 196, 216), QColor(90, 110, 150),
        WithAlpha(kWhite, 0), WithAlpha(kWhite, 0), 0.3, QColor(202, 212, 228) };
    s.tabBand = { QColor(120, 170, 240), QColor(80, 134, 222), QColor(30, 84, 190),
        QColor(52, 112, 214) };

    s.handle = { QColor(170, 208, 255), QColor(36, 96, 206), QColor(16, 50, 130) };
    s.handle.mid = QColor(80, 140, 230);
    s.handle.innerTop = WithAlpha(kWhite, 70);
    s.handleArrow = kWhite;
    s.handleDots = QColor(200, 226, 255);

    s.captionRows = { kBlack };
    const std::vector<QColor> caption = Glass(19);
    s.captionRows.insert(s.captionRows.end(), caption.begin(), caption.end());
    s.captionRows.push_back(QColor(14, 44, 120));

    s.progressTop = QColor(110, 170, 246);
    s.progressBottom = QColor(40, 100, 210);
    return s;
}

} // namespace

void AddBlueGlass(std::vector<TArtwork>& out)
{
    const TStyleArt s = Art();
    const std::vector<QColor> profile = TitleProfile();
    out.push_back({ s.group, "BLUEGLASS_TITLE_LEFT", 1, TKeyRule::Opaque, TitleLeft(profile),
        "left section; the region rounds its corner" });
    out.push_back({ s.group, "BLUEGLASS_TITLE_CLIENT", 1, TKeyRule::Opaque, Rows(179, profile),
        "middle section, stretched" });
    out.push_back({ s.group, "BLUEGLASS_TITLE_RIGHT", 1, TKeyRule::Opaque, TitleRight(profile),
        "right section" });
    out.push_back({ s.group, "BLUEGLASS_TITLEBTN", 18, TKeyRule::BottomLeftMagenta,
        DrawTitleButtons(SizeOf("TITLEBTN", kBlueGlass), Slice(profile, kButtonTop, kButtonSize),
            true, PaintButton),
        "control box, help, maximise, restore, minimise, close; each normal, hot, "
        "pressed" });
    AddStyleControls(s, out);
}

} // namespace art
