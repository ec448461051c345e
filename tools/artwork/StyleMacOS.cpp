// MacOS: light brushed grey, graphite pills that turn aqua blue under the pointer.

#include "tools/artwork/Controls.h"
#include "tools/artwork/Styles.h"
#include "tools/artwork/Titles.h"

#include <cmath>

namespace art {

namespace {

const QColor kBorder = FromTColor(0x7F7F7F);
const QColor kFormBg = FromTColor(0xE7E7E7);

constexpr int kTitleHeight = 23;
constexpr int kButtonTop = 4;
constexpr int kButtonSize = 17;

const TFace kGraphite { QColor(255, 255, 255), QColor(206, 206, 208), QColor(128, 128, 130),
    WithAlpha(kWhite, 0), WithAlpha(kWhite, 110), 0.45, QColor(240, 240, 241) };
const TFace kAqua { QColor(226, 240, 255), QColor(128, 182, 248), QColor(64, 104, 176),
    WithAlpha(kWhite, 0), WithAlpha(kWhite, 120), 0.55, QColor(166, 204, 250) };
const TFace kAquaDown { QColor(150, 190, 240), QColor(112, 164, 236), QColor(46, 82, 146),
    WithAlpha(kWhite, 0), WithAlpha(kWhite, 80), 0.3, QColor(92, 146, 224) };

std::vector<QColor> TitleProfile()
{
    std::vector<QColor> rows { kBorder };
    const std::vector<QColor> body = Sample(kTitleHeight - 2,
        { { 0, QColor(248, 248, 248) }, { 0.5, QColor(228, 228, 228) },
            { 1, QColor(204, 204, 204) } });
    rows.insert(rows.end(), body.begin(), body.end());
    rows.push_back(QColor(150, 150, 150));
    return rows;
}

void PaintButton(QPainter& p, const QRect& r, TTitleGlyph glyph, int state)
{
    const QRectF orb(2, 2, 13, 13);
    if (glyph == TTitleGlyph::ControlBox) {
        const double shift = state == 2 ? 0.5 : 0;
        PaintSeal(p, orb.adjusted(shift, shift, shift, shift), state == 1 ? 0.18 : 0);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(state == 1 ? QColor(64, 104, 176) : QColor(112, 112, 116), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(orb.adjusted(-0.5 + shift, -0.5 + shift, 0.5 + shift, 0.5 + shift));
        if (state == 2)
            p.fillRect(orb, WithAlpha(kBlack, 50));
        return;
    }
    TFace face = kGraphite;
    QColor ink(72, 72, 78);
    if (state >= 1) {
        face = glyph == TTitleGlyph::Close
            ? TFace { QColor(255, 196, 186), QColor(214, 70, 56), QColor(140, 36, 26),
                  WithAlpha(kWhite, 0), WithAlpha(kWhite, 110), 0.55, QColor(240, 120, 104) }
            : kAqua;
        ink = glyph == TTitleGlyph::Close ? kWhite : QColor(16, 44, 104);
    }
    if (state == 2)
        face = Tint(face, kBlack, 0.22);
    PaintFace(p, orb, 6.5, face);
    const QRect box = r.translated(state == 2 ? 1 : 0, state == 2 ? 1 : 0);
    DrawTitleGlyph(p, glyph, box, { 7, 7, 7, 7, 6, 1 }, ink);
    // A second, softer stroke gives the close cross its weight at this small size.
    if (glyph == TTitleGlyph::Close)
        CloseGlyph(p, box.translated(1, 0), 6, 1, WithAlpha(ink, 110));
}

TStyleArt Art()
{
    TStyleArt s;
    s.index = kMacOS;
    s.prefix = "MACOS";
    s.group = "MacOS";
    s.formBg = kFormBg;
    s.formBorder = kBorder;
    s.controlBorder = kBorder;
    s.scrollBg = FromTColor(0xC9C9C9);

    s.button[0] = kGraphite;
    s.button[1] = kAqua;
    s.button[2] = kAquaDown;
    s.buttonRadius = 10.5;
    s.buttonInsetY = 1;

    s.box = { QColor(255, 255, 255), QColor(218, 218, 220), QColor(120, 120, 124),
        WithAlpha(kWhite, 0), WithAlpha(kWhite, 0), 0.3 };
    s.boxDisabled = { QColor(250, 250, 250), QColor(236, 236, 236), QColor(178, 178, 180) };
    s.boxChecked = kAqua;
    s.boxCheckFilled = true;
    s.check = kWhite;
    s.checkDisabled = QColor(170, 170, 170);
    s.boxRadius = 2.5;

    s.groove = { QColor(150, 150, 152), QColor(222, 222, 224), QColor(112, 112, 116) };
    s.knob = { QColor(255, 255, 255), QColor(190, 190, 196), QColor(100, 100, 106),
        WithAlpha(kWhite, 0), WithAlpha(kWhite, 0), 0.4, QColor(238, 238, 240) };
    s.knobMark = QColor(150, 150, 156);

    const TFace scroll { QColor(252, 252, 252), QColor(210, 210, 212), QColor(132, 132, 136),
        WithAlpha(kWhite, 200), WithAlpha(kWhite, 0), 0.3 };
    s.scrollButton[0] = scroll;
    s.scrollButton[1] = kAqua;
    s.scrollButton[2] = kAquaDown;
    s.scrollArrow[0] = QColor(70, 70, 74);
    s.scrollArrow[1] = QColor(255, 255, 255);
    s.scrollArrow[2] = QColor(240, 244, 255);
    s.scrollRadius = 3;
    s.thumb = { QColor(206, 226, 252), QColor(150, 196, 250), QColor(60, 100, 170),
        WithAlpha(kWhite, 0), WithAlpha(kWhite, 0), 0.5, QColor(116, 168, 240) };

    s.tabActive = { QColor(222, 238, 255), QColor(176, 208, 250), QColor(72, 110, 178),
        WithAlpha(kWhite, 0), WithAlpha(kWhite, 0), 0.45, QColor(150, 192, 248) };
    s.tabInactive = { QColor(252, 252, 252), QColor(212, 212, 214), QColor(140, 140, 144),
        WithAlpha(kWhite, 0), WithAlpha(kWhite, 0), 0.3, QColor(236, 236, 238) };
    s.tabBand = { QColor(176, 208, 250), QColor(170, 202, 246), QColor(162, 194, 240),
        QColor(154, 186, 234), QColor(134, 164, 214), QColor(112, 128, 160) };

    s.handle = { QColor(255, 255, 255), QColor(188, 188, 192), QColor(120, 120, 124) };
    s.handle.mid = QColor(232, 232, 234);
    s.handleArrow = QColor(60, 60, 66);
    s.handleDots = QColor(140, 140, 146);

    s.captionRows = { kBorder };
    const std::vector<QColor> caption = Sample(19,
        { { 0, QColor(252, 252, 252) }, { 0.5, QColor(234, 234, 234) },
            { 1, QColor(210, 210, 210) } });
    s.captionRows.insert(s.captionRows.end(), caption.begin(), caption.end());
    s.captionRows.push_back(QColor(156, 156, 156));

    s.smallButton[0] = kGraphite;
    s.smallButton[1] = kAqua;
    s.smallArrow[0] = QColor(70, 70, 74);
    s.smallArrow[1] = kWhite;

    s.progressTop = QColor(140, 190, 250);
    s.progressBottom = QColor(60, 128, 226);
    return s;
}

// Brushed metal: fine horizontal grain that repeats every 8 pixels.
QImage FormBackground()
{
    QImage image(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y) {
        const double row = (Hash(0, y, 11) - 0.5) * 7 + (y % 2 == 0 ? 1.5 : -1.5);
        for (int x = 0; x < 8; ++x) {
            const double grain = (Hash(x, y, 23) - 0.5) * 2;
            const int v = int(std::lround(231 + row + grain));
            image.setPixel(x, y, qRgb(v, v, v));
        }
    }
    return image;
}

QImage MenuBar()
{
    std::vector<QColor> rows(20, QColor(242, 242, 242));
    rows.push_back(QColor(224, 224, 224));
    rows.push_back(QColor(164, 164, 164));
    return Rows(1, rows);
}

QImage MenuSelect()
{
    std::vector<QColor> rows { QColor(132, 178, 246) };
    const std::vector<QColor> body
        = Sample(19, { { 0, QColor(100, 154, 236) }, { 1, QColor(44, 100, 206) } });
    rows.insert(rows.end(), body.begin(), body.end());
    rows.push_back(QColor(34, 80, 180));
    return Rows(1, rows);
}

} // namespace

void AddMacOS(std::vector<TArtwork>& out)
{
    const TStyleArt s = Art();
    const std::vector<QColor> profile = TitleProfile();
    QImage left = Rows(48, profile);
    ShadeColumn(left, 0, kWhite, 0.5);
    QImage right = Rows(48, profile);
    ShadeColumn(right, 47, kBlack, 0.06);
    out.push_back({ s.group, "MACOS_TITLE_LEFT", 1, TKeyRule::Opaque, left, "left section" });
    out.push_back({ s.group, "MACOS_TITLE_CLIENT", 1, TKeyRule::Opaque, Rows(49, profile),
        "middle section, stretched" });
    out.push_back({ s.group, "MACOS_TITLE_RIGHT", 1, TKeyRule::Opaque, right, "right section" });
    out.push_back({ s.group, "MACOS_TITLEBTN", 18, TKeyRule::Opaque,
        DrawTitleButtons(SizeOf("TITLEBTN", kMacOS), Slice(profile, kButtonTop, kButtonSize), false,
            PaintButton),
        "control box, help, maximise, restore, minimise, close; each normal, hot, "
        "pressed" });
    AddStyleControls(s, out);
    out.push_back({ s.group, "MACOS_FORM_BACKGROUND", 1, TKeyRule::Opaque, FormBackground(),
        "form background tile" });
    out.push_back({ s.group, "MACOS_MENU_BAR", 1, TKeyRule::Opaque, MenuBar(),
        "menu bar; items use the top 20 rows, separators 12" });
    out.push_back({ s.group, "MACOS_MENU_SELECT", 1, TKeyRule::Opaque, MenuSelect(),
        "highlighted item; items use the top 20 rows" });
}

} // namespace art
