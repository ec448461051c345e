// Bitmaps loaded by name outside the style tables, and the program's icon.

#include "tools/artwork/Controls.h"
#include "tools/artwork/Sheets.h"
#include "tools/artwork/Styles.h"
#include "tools/artwork/Titles.h"

#include <QLinearGradient>

namespace art {

namespace {

void Pixels(QImage& image, const std::vector<const char*>& rows, const QColor& ink)
{
    for (int y = 0; y < int(rows.size()); ++y)
        for (int x = 0; rows[size_t(y)][x] != '\0'; ++x)
            if (rows[size_t(y)][x] == '#')
                image.setPixel(x, y, ink.rgb());
}

// The tab strip's scroll buttons of DeepBlue, Protein and BlueGlass: a neutral slate that
// sits on any of their page colours.
QImage MoreScrollButton()
{
    TStyleArt s;
    s.formBg = QColor(236, 236, 236);
    s.smallButton[0] = { QColor(150, 164, 186), QColor(92, 108, 136), QColor(70, 84, 110),
        WithAlpha(kWhite, 90), WithAlpha(kWhite, 0), 0.35 };
    s.smallButton[1] = { QColor(120, 170, 245), QColor(40, 100, 210), QColor(30, 70, 160),
        WithAlpha(kWhite, 110), WithAlpha(kWhite, 0), 0.4 };
    s.smallArrow[0] = kWhite;
    s.smallArrow[1] = kWhite;
    s.smallRound = true;
    return DrawTabScrollButtons(s, { 72, 17 });
}

QImage PanelButton()
{
    const std::vector<QColor> caption = WinXPCaptionRows();
    const QImage backdrop = Rows(13, Slice(caption, 4, 12));
    std::vector<QImage> frames;
    for (int frame = 0; frame < 4; ++frame) {
        const bool up = frame < 2;
        const bool hot = frame % 2 == 1;
        QImage layer = Layer(13, 12);
        QPainter p(&layer);
        TFace face { QColor(255, 255, 255), QColor(206, 218, 246), QColor(132, 156, 206),
            WithAlpha(kWhite, 160), WithAlpha(kWhite, 0) };
        if (hot)
            face = { QColor(255, 252, 240), QColor(255, 216, 150), QColor(226, 146, 36),
                WithAlpha(kWhite, 200), WithAlpha(kWhite, 0) };
        PaintFace(p, QRectF(1, 0, 11, 12), 5.5, face);
        Chevrons(p, QRect(1, 0, 11, 12), up, hot ? QColor(170, 84, 0) : QColor(34, 72, 160));
        p.end();
        frames.push_back(Flatten(layer, backdrop));
    }
    return Join(frames);
}

QImage MenuChecked()
{
    QImage layer = Layer(16, 16);
    QPainter p(&layer);
    CheckMark(p, QRectF(3, 3, 10, 10), 2.2, QColor(24, 24, 28));
    p.end();
    // Drawn on the menu's side bar; everything not inked is white, the see-through colour.
    QImage image = Flatten(layer, QColor(214, 211, 206), kWhite, 110);
    image.setPixel(0, 0, kWhite.rgb());
    return image;
}

QImage StatusBarHandle()
{
    QImage image = Solid(11, 11, kMagenta);
    const QColor dot(57, 81, 156);
    // One, two and three dots from the top, right-aligned, 4 pixels apart.
    const QPoint dots[] = { { 8, 0 }, { 4, 4 }, { 8, 4 }, { 0, 8 }, { 4, 8 }, { 8, 8 } };
    QPainter p(&image);
    for (const QPoint& d : dots)
        p.fillRect(QRect(d + QPoint(1, 1), QSize(2, 2)), kWhite);
    for (const QPoint& d : dots)
        p.fillRect(QRect(d, QSize(2, 2)), dot);
    p.end();
    return image;
}

QImage SideChannelPin()
{
    QImage image = Solid(7, 9, kWhite);
    Pixels(image,
        { "..###..", "..#.#..", "..#.#..", ".##.##.", "#######", "...#...", "...#...", "...#...",
            "...#..." },
        kBlack);
    return image;
}

QImage MainIcon()
{
    return RenderIcon(48);
}

// Message box pictures: information, warning, error, question.
QImage MessageIcons()
{
    std::vector<QImage> frames;
    for (int kind = 0; kind < 4; ++kind) {
        QImage layer = Layer(32, 32);
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        QColor top, bottom;
        switch (kind) {
        case 0:
        case 3:
            top = QColor(120, 176, 255);
            bottom = QColor(20, 80, 200);
            break;
        case 1:
            top = QColor(255, 236, 120);
            bottom = QColor(232, 168, 20);
            break;
        default:
            top = QColor(255, 120, 100);
            bottom = QColor(196, 30, 20);
            break;
        }
        QLinearGradient fill(0, 2, 0, 30);
        fill.setColorAt(0, top);
        fill.setColorAt(1, bottom);
        p.setPen(QPen(Darker(bottom, 0.3), 1));
        p.setBrush(fill);
        if (kind == 1) {
            const QPointF triangle[3] = { { 16, 2.5 }, { 30.5, 28.5 }, { 1.5, 28.5 } };
            p.drawPolygon(triangle, 3);
        } else {
            p.drawEllipse(QRectF(2.5, 2.5, 27, 27));
        }
        const QColor ink = kind == 1 ? QColor(60, 40, 0) : kWhite;
        p.setRenderHint(QPainter::Antialiasing, false);
        switch (kind) {
        case 0: // i
            p.fillRect(QRect(14, 8, 4, 4), ink);
            p.fillRect(QRect(14, 13, 4, 11), ink);
            p.fillRect(QRect(12, 13, 2, 2), ink);
            p.fillRect(QRect(12, 22, 8, 2), ink);
            break;
        case 1: // !
            p.fillRect(QRect(14, 10, 4, 10), ink);
            p.fillRect(QRect(14, 22, 4, 4), ink);
            break;
        case 2:
            CloseGlyph(p, QRect(0, 0, 32, 32), 12, 3, ink);
            break;
        default:
            HelpGlyph(p, QRect(0, 0, 32, 32), 9, ink);
            HelpGlyph(p, QRect(1, 0, 32, 32), 9, ink);
            break;
        }
        p.end();
        QImage image = Flatten(layer, QColor(236, 233, 216), kMagenta, 128);
        frames.push_back(image);
    }
    return Join(frames);
}

// The buttons of a maximised child window in the menu bar: minimise, restore, close, each
// normal, hot and pressed.
QImage MdiControlButtons()
{
    std::vector<QImage> frames;
    for (int glyph = 0; glyph < 3; ++glyph) {
        for (int state = 0; state < 3; ++state) {
            QImage layer = Layer(16, 14);
            QPainter p(&layer);
            TFace face { QColor(255, 255, 255), QColor(220, 222, 228), QColor(120, 128, 144),
                WithAlpha(kWhite, 200), WithAlpha(kWhite, 0) };
            if (state == 1)
                face = Tint(face, QColor(190, 214, 255), 0.5);
            if (state == 2)
                face = Tint(face, QColor(120, 140, 180), 0.5);
            PaintFace(p, QRectF(0, 0, 16, 14), 2, face);
            const QRect box
                = QRect(0, 0, 16, 14).translated(state == 2 ? 1 : 0, state == 2 ? 1 : 0);
            const QColor ink(30, 36, 50);
            if (glyph == 0)
                MinimiseGlyph(p, box, 7, ink);
            else if (glyph == 1)
                RestoreGlyph(p, box, 8, ink);
            else
                CloseGlyph(p, box, 7, 2, ink);
            p.end();
            frames.push_back(Flatten(layer, QColor(236, 236, 236)));
        }
    }
    return Join(frames);
}

// Drop-down buttons of a combo box: normal, hot, pressed, disabled.
QImage ComboButtons(const TFace& face, const QColor& hot, const QColor& ink, const QColor& back,
    int w, int h, double radius)
{
    std::vector<QImage> frames;
    for (int state = 0; state < 4; ++state) {
        QImage layer = Layer(w, h);
        QPainter p(&layer);
        TFace f = face;
        if (state == 1)
            f = Tint(face, hot, 0.4);
        if (state == 2)
            f = Tint(face, Darker(hot, 0.4), 0.45);
        if (state == 3)
            f = Grey(Tint(face, kWhite, 0.5), 1);
        PaintFace(p, QRectF(0, 0, w, h), radius, f);
        const QRect box = QRect(0, 0, w, h).translated(state == 2 ? 1 : 0, state == 2 ? 1 : 0);
        Arrow(p, box, TArrow::Down, 4, state == 3 ? QColor(170, 170, 170) : ink);
        p.end();
        frames.push_back(Flatten(layer, back));
    }
    return Join(frames);
}

} // namespace

QImage RenderIcon(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(kBlack);
    QPainter p(&image);
    PaintSeal(p, QRectF(0, 0, size, size));
    p.end();
    return image;
}

void AddShared(std::vector<TArtwork>& out)
{
    const QString g = "Shared";
    out.push_back({ g, "MORE_SCROLLBUTTON", 4, TKeyRule::BottomLeftMagenta, MoreScrollButton(),
        "DeepBlue, Protein, BlueGlass tab scrolling: next, next hot, previous, "
        "previous hot" });
    out.push_back({ g, "PANEL_BUTTON", 4, TKeyRule::Opaque, PanelButton(),
        "fold, fold hot, unfold, unfold hot" });
    out.push_back({ g, "MENU_CHECKED", 1, TKeyRule::White, MenuChecked(), "menu check mark" });
    out.push_back({ g, "STATUSBAR_HANDLE", 1, TKeyRule::BottomLeftMagenta, StatusBarHandle(),
        "size grip; key is the lower-left pixel" });
    out.push_back({ g, "SIDECHANNEL_BTN", 1, TKeyRule::White, SideChannelPin(),
        "pin glyph, black on white" });
    out.push_back({ g, "MAINICON", 1, TKeyRule::Opaque, MainIcon(), "the program's seal" });
    out.push_back({ g, "MSGDLG", 4, TKeyRule::BottomLeftMagenta, MessageIcons(),
        "information, warning, error, question (not loaded)" });
    out.push_back({ g, "MDI_CONTROL_BUTTON", 9, TKeyRule::Opaque, MdiControlButtons(),
        "minimise, restore, close; normal, hot, pressed (not loaded)" });
    out.push_back({ g, "WINXP_COMBOBOX_BUTTON", 4, TKeyRule::Opaque,
        ComboButtons({ QColor(222, 232, 255), QColor(184, 204, 250), QColor(178, 198, 244),
                         WithAlpha(kWhite, 220), WithAlpha(kWhite, 0) },
            QColor(240, 246, 255), QColor(77, 97, 133), FromTColor(0xF9F9F9), 17, 21, 2),
        "normal, hot, pressed, disabled (not loaded)" });
    out.push_back({ g, "MACOS_COMBOBOX_BUTTON", 4, TKeyRule::Opaque,
        ComboButtons({ QColor(200, 222, 252), QColor(96, 150, 226), QColor(70, 100, 150),
                         WithAlpha(kWhite, 160), WithAlpha(kWhite, 0), 0.45 },
            QColor(210, 235, 255), kWhite, FromTColor(0xE7E7E7), 18, 20, 4),
        "normal, hot, pressed, disabled (not loaded)" });
}

} // namespace art
