// WinXP: a saturated blue caption that runs into the 3-pixel frame, light controls with a
// warm highlight.

#include "tools/artwork/Controls.h"
#include "tools/artwork/Styles.h"
#include "tools/artwork/Titles.h"

namespace art {

namespace {

const QColor kFrame = FromTColor(0xC82C00); // the window border, RGB(0, 44, 200)
const QColor kFormBg = FromTColor(0xDEEBEF);
const QColor kControlBorder = FromTColor(0x686868);
const QColor kNavy(0, 60, 116);
const QColor kHotRing(248, 179, 48);

constexpr int kTitleHeight = 29;
constexpr int kButtonTop = 5;
constexpr int kButtonSize = 21;

std::vector<QColor> TitleProfile()
{
    std::vector<QColor> rows { QColor(0, 52, 196), QColor(88, 152, 255), QColor(62, 134, 255) };
    const std::vector<QColor> body = Sample(kTitleHeight - 5,
        { { 0, QColor(38, 114, 250) }, { 0.35, QColor(8, 90, 238) }, { 0.7, QColor(0, 80, 230) },
            { 1, QColor(0, 68, 218) } });
    rows.insert(rows.end(), body.begin(), body.end());
    rows.push_back(QColor(0, 56, 208));
    rows.push_back(kFrame);
    return rows;
}

QImage TitleLeft(const std::vector<QColor>& profile)
{
    QImage image = Rows(35, profile);
    ShadeColumn(image, 0, kFrame, 0.55);
    ShadeColumn(image, 1, kWhite, 0.1);
    // The window region cuts a 13 x 13 ellipse from the corner; the form's own 3-pixel
    // border lies left of this picture.
    RoundTopLeft(image, 3.5, 6.5, 6.5, kFrame, kFrame);
    return image;
}

void PaintButton(QPainter& p, const QRect& r, TTitleGlyph glyph, int state)
{
    if (glyph == TTitleGlyph::ControlBox) {
        const QRectF seal(3 + (state == 2 ? 1 : 0), 3 + (state == 2 ? 1 : 0), 15, 15);
        if (state == 1) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(WithAlpha(kWhite, 150), 1));
            p.setBrush(WithAlpha(kWhite, 40));
            p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        }
        PaintSeal(p, seal, state == 1 ? 0.15 : (state == 2 ? -0.0 : 0));
        if (state == 2) {
            p.setPen(Qt::NoPen);
            p.fillRect(seal, WithAlpha(kBlack, 40));
        }
        return;
    }
    const bool close = glyph == TTitleGlyph::Close;
    TFace face;
    if (close)
        face = { QColor(238, 138, 104), QColor(204, 58, 28), WithAlpha(kWhite, 235),
            WithAlpha(kWhite, 110), WithAlpha(kWhite, 0) };
    else
        face = { QColor(112, 168, 255), QColor(28, 96, 236), WithAlpha(kWhite, 235),
            WithAlpha(kWhite, 110), WithAlpha(kWhite, 0) };
    face.mid = Mix(face.top, face.bottom, 0.45);
    if (state == 1)
        face = close ? TFace { QColor(255, 160, 120), QColor(228, 76, 36), kWhite,
            WithAlpha(kWhite, 150), WithAlpha(kWhite, 0), 0, QColor(246, 116, 76) }
                     : Tint(face, kWhite, 0.22);
    if (state == 2) {
        face = Tint(face, kBlack, 0.25);
        std::swap(face.innerTop, face.innerBottom);
        face.innerBottom = WithAlpha(kWhite, 60);
        face.innerTop = WithAlpha(kBlack, 50);
    }
    PaintFace(p, QRectF(r), 3, face);
    const QRect glyphBox = r.translated(state == 2 ? 1 : 0, state == 2 ? 1 : 0);
    const QColor ink = kWhite;
    DrawTitleGlyph(p, glyph, glyphBox, { 9, 9, 9, 8, 8, 2 }, ink);
}

TStyleArt Art()
{
    TStyleArt s;
    s.index = kWinXP;
    s.prefix = "WINXP";
    s.group = "WinXP";
    s.formBg = kFormBg;
    s.formBorder = kFrame;
    s.controlBorder = kControlBorder;
    s.scrollBg = FromTColor(0xF9F9F9);

    const TFace plain { QColor(255, 255, 255), QColor(222, 218, 206), kNavy, WithAlpha(kWhite, 200),
        WithAlpha(QColor(200, 196, 182), 160) };
    s.button[0] = plain;
    s.button[1] = plain;
    s.button[1].innerTop = QColor(255, 232, 168);
    s.button[1].innerBottom = kHotRing;
    s.button[2] = { QColor(222, 220, 210), QColor(246, 245, 240), kNavy,
        WithAlpha(QColor(170, 168, 156), 200), WithAlpha(kWhite, 120) };
    s.buttonRadius = 3;

    s.box = { QColor(222, 220, 212), QColor(255, 255, 255), QColor(28, 81, 128) };
    s.boxDisabled = { QColor(250, 250, 248), QColor(250, 250, 248), QColor(202, 200, 187) };
    s.check = QColor(33, 161, 33);
    s.checkDisabled = QColor(202, 200, 187);
    s.boxRadius = 0;

    s.groove = { QColor(190, 188, 180), QColor(246, 245, 240), QColor(148, 146, 136),
        WithAlpha(QColor(120, 118, 110), 90), WithAlpha(kWhite, 0) };
    s.knob = { QColor(255, 255, 255), QColor(214, 224, 240), QColor(28, 81, 128),
        WithAlpha(kWhite, 255) };
    s.knob.mid = QColor(238, 242, 250);
    s.knobMark = QColor(33, 161, 33);

    const TFace scroll { QColor(222, 232, 255), QColor(184, 204, 250), QColor(178, 198, 244),
        WithAlpha(kWhite, 220), WithAlpha(kWhite, 0) };
    s.scrollButton[0] = scroll;
    s.scrollButton[1] = Tint(scroll, kWhite, 0.45);
    s.scrollButton[1].border = QColor(150, 180, 240);
    s.scrollButton[2] = Tint(scroll, QColor(100, 130, 220), 0.4);
    s.scrollArrow[0] = QColor(77, 97, 133);
    s.scrollArrow[1] = QColor(40, 70, 140);
    s.scrollArrow[2] = QColor(30, 50, 110);
    s.scrollRadius = 2;
    s.thumb = { QColor(214, 226, 255), QColor(178, 200, 250), QColor(130, 160, 230),
        WithAlpha(kWhite, 220), WithAlpha(kWhite, 0) };

    s.tabActive = { QColor(255, 255, 255), QColor(255, 255, 255), kControlBorder };
    s.tabInactive = { QColor(255, 255, 255), QColor(226, 226, 218), kControlBorder };
    s.tabAccent = QColor(240, 160, 40);

    s.handle = { QColor(232, 238, 252), QColor(150, 176, 232), QColor(98, 128, 196) };
    s.handle.mid = QColor(206, 220, 248);
    s.handle.innerTop = WithAlpha(kWhite, 120);
    s.handleArrow = QColor(22, 58, 150);
    s.handleDots = QColor(70, 100, 170);

    s.captionRows = { kControlBorder };
    const std::vector<QColor> caption = Sample(19,
        { { 0, QColor(255, 255, 255) }, { 0.5, QColor(232, 239, 252) },
            { 1, QColor(196, 212, 244) } });
    s.captionRows.insert(s.captionRows.end(), caption.begin(), caption.end());
    s.captionRows.push_back(QColor(140, 166, 220));

    s.smallButton[0] = scroll;
    s.smallButton[1] = Tint(scroll, kWhite, 0.45);
    s.smallButton[1].border = kHotRing;
    s.smallArrow[0] = QColor(60, 80, 120);
    s.smallArrow[1] = QColor(30, 60, 140);
    s.smallRound = false;

    s.progressTop = QColor(110, 210, 110);
    s.progressBottom = QColor(40, 170, 40);
    return s;
}

} // namespace

std::vector<QColor> WinXPCaptionRows()
{
    return Art().captionRows;
}

void AddWinXP(std::vector<TArtwork>& out)
{
    const TStyleArt s = Art();
    const std::vector<QColor> profile = TitleProfile();
    const QImage left = TitleLeft(profile);
    out.push_back({ s.group, "WINXP_TITLE_LEFT", 1, TKeyRule::Opaque, left,
        "left section; the region rounds its corner" });
    out.push_back({ s.group, "WINXP_TITLE_CLIENT", 1, TKeyRule::Opaque, Rows(37, profile),
        "middle section, stretched" });
    out.push_back({ s.group, "WINXP_TITLE_RIGHT", 1, TKeyRule::Opaque, left.mirrored(true, false),
        "right section" });
    out.push_back({ s.group, "WINXP_TITLEBTN", 18, TKeyRule::Opaque,
        DrawTitleButtons(SizeOf("TITLEBTN", kWinXP), Slice(profile, kButtonTop, kButtonSize), false,
            PaintButton),
        "control box, help, maximise, restore, minimise, close; each normal, hot, "
        "pressed" });
    AddStyleControls(s, out);
}

} // namespace art
