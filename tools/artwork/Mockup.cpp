// A small window per style, put together from the bitmaps the way the skinned controls
// draw them (same cuts, same see-through rules), to judge each style as a whole.

#include "tools/artwork/ArtKit.h"
#include "tools/artwork/Sheets.h"

#include <QFont>
#include <QFontMetrics>

#include <algorithm>
#include <map>

namespace art {

namespace {

struct TStyleValues {
    const char* group;
    const char* prefix;
    uint32_t formBg, formBorder;
    int borderWidth, roundCorner;
    bool titleButtonsTransparent;
    int leftOffset, rightOffset, buttonTop;
    uint32_t controlBorder, selectedFont, scrollBg;
    uint32_t menuSelBorder, menuSelBg, menuBg, menuBar;
    bool tiled;
};

const TStyleValues kValues[] = {
    { "MacOS", "MACOS", 0xE7E7E7, 0x7F7F7F, 1, 0, false, 3, -2, 4, 0x7F7F7F, 0xFFFFFF, 0xC9C9C9,
        0xC47339, 0xC47339, 0x000000, 0x000000, true },
    { "WinXP", "WINXP", 0xDEEBEF, 0xC82C00, 3, 13, false, 2, -2, 5, 0x686868, 0x000000, 0xF9F9F9,
        0xC66931, 0xEFD3C6, 0xFFFFFF, 0xCED3D6, false },
    { "DeepBlue", "DEEPBLUE", 0xE8E8E8, 0x000000, 1, 0, false, 0, 0, 2, 0x000000, 0xFFFFFF,
        0xF5F5F5, 0xA04A44, 0xA04A44, 0xFFFFFF, 0xCED3D6, false },
    { "Protein", "PROTEIN", 0xFBFBFB, 0x000000, 1, 0, true, 0, 0, 2, 0x000000, 0xFFFFFF, 0xF5F5F5,
        0xC4302D, 0xC4302D, 0xFFFFFF, 0xCED3D6, true },
    { "BlueGlass", "BLUEGLASS", 0xE7E7E7, 0x000000, 1, 11, true, 4, -3, 6, 0x000000, 0xFFFFFF,
        0xF4F4F4, 0xEC5E5E, 0xEC5E5E, 0xE7E7E7, 0xCED3D6, false },
};

constexpr int kWindowW = 560;
constexpr int kWindowH = 400;
constexpr int kPad = 16;
const QColor kDesk(88, 104, 120);

using TBitmaps = std::map<QString, QImage>;

QColor Pixel(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

// Draws `image` at (x, y) with every pixel of colour `key` left out.
void DrawKeyed(QPainter& p, int x, int y, const QImage& image, const QColor& key)
{
    QImage layer = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb k = key.rgb() & 0xFFFFFF;
    for (int j = 0; j < layer.height(); ++j)
        for (int i = 0; i < layer.width(); ++i)
            if ((layer.pixel(i, j) & 0xFFFFFF) == k)
                layer.setPixel(i, j, 0);
    p.drawImage(x, y, layer);
}

void Stretch(QPainter& p, const QImage& image, const QRect& r)
{
    if (r.width() <= 0 || r.height() <= 0 || image.isNull())
        return;
    p.drawImage(r.topLeft(),
        image.scaled(r.width(), r.height(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

void DrawThreePart(QPainter& p, const QImage& image, const QRect& r, bool cornerKey)
{
    const int w = image.width() / 3;
    const QColor key = cornerKey ? Pixel(image, 0, 0) : kMagenta;
    DrawKeyed(p, r.left(), r.top(), Frame(image, 3, 1), key);
    DrawKeyed(p, r.right() + 1 - w, r.top(), Frame(image, 3, 3), key);
    Stretch(p, Frame(image, 3, 2), QRect(r.left() + w, r.top(), r.width() - 2 * w, r.height()));
}

QImage RotateLeft(const QImage& image)
{
    return image.transformed(QTransform().rotate(-90));
}
QImage RotateRight(const QImage& image)
{
    return image.transformed(QTransform().rotate(90));
}

QFont UiFont(int pixels, bool bold = false)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

class TMockup {
public:
    TMockup(const TStyleValues& v, const TBitmaps& bitmaps)
        : m_v(v)
        , m_bitmaps(bitmaps)
    {
    }

    QImage Render()
    {
        QImage image(kWindowW + 2 * kPad, kWindowH + 2 * kPad + 24, QImage::Format_RGB32);
        image.fill(kDesk);
        QPainter outer(&image);
        outer.setPen(kWhite);
        outer.setFont(UiFont(14, true));
        outer.drawText(QPoint(kPad, 18), m_v.group);
        outer.drawImage(kPad, kPad + 12, Window());
        outer.end();
        return image;
    }

private:
    QImage Get(const char* suffix) const
    {
        const auto it = m_bitmaps.find(QString(m_v.prefix) + "_" + suffix);
        if (it != m_bitmaps.end())
            return it->second;
        const auto shared = m_bitmaps.find(suffix);
        return shared != m_bitmaps.end() ? shared->second : QImage();
    }

    QImage Window()
    {
        QImage window(kWindowW, kWindowH, QImage::Format_RGB32);
        const QColor formBg = FromTColor(m_v.formBg);
        window.fill(formBg);
        QPainter p(&window);
        const int b = m_v.borderWidth;
        if (m_v.tiled) {
            const QImage tile = Get("FORM_BACKGROUND");
            for (int y = 0; y < kWindowH; y += tile.height())
                for (int x = 0; x < kWindowW; x += tile.width())
                    p.drawImage(x, y, tile);
        }
        const QColor border = FromTColor(m_v.formBorder);
        p.fillRect(QRect(0, 0, b, kWindowH), border);
        p.fillRect(QRect(0, kWindowH - b, kWindowW, b), border);
        p.fillRect(QRect(kWindowW - b, 0, b, kWindowH), border);

        const int titleH = Get("TITLE_LEFT").height();
        p.drawImage(b, 0, TitleBar(kWindowW - 2 * b));
        p.translate(b, titleH);
        Client(p, kWindowW - 2 * b, kWindowH - titleH - b);
        p.end();
        return Region(window);
    }

    QImage Region(QImage window) const
    {
        const int r = m_v.roundCorner;
        if (r == 0)
            return window;
        QImage mask(window.size(), QImage::Format_ARGB32_Premultiplied);
        mask.fill(Qt::transparent);
        QPainter m(&mask);
        m.setBrush(kBlack);
        m.setPen(Qt::NoPen);
        m.drawRoundedRect(QRectF(0, 0, window.width() + 1, window.height() + 1), r / 2.0, r / 2.0);
        m.drawRect(0, window.height() - 2 * r, window.width(), 2 * r);
        m.end();
        for (int y = 0; y < r; ++y)
            for (int x = 0; x < window.width(); ++x)
                if (qAlpha(mask.pixel(x, y)) < 128)
                    window.setPixel(x, y, kDesk.rgb());
        return window;
    }

    QImage TitleBar(int w)
    {
        const QImage left = Get("TITLE_LEFT");
        const QImage client = Get("TITLE_CLIENT");
        const QImage right = Get("TITLE_RIGHT");
        const QImage buttons = Get("TITLEBTN");
        const int h = left.height();
        QImage bar(w, h, QImage::Format_RGB32);
        bar.fill(kBlack);
        QPainter p(&bar);
        int l = -1;
        int r = w + 1;
        p.drawImage(l + 1, 0, left);
        l += left.width();
        if (w - l >= right.width()) {
            p.drawImage(r - right.width() - 1, 0, right);
            r -= right.width();
        }
        Stretch(p, client, QRect(l + 1, 0, r - 1 - (l + 1), h));

        // Close, maximise and minimise from the right, the last one hovered.
        const int bases[] = { 16, 7, 13 };
        int x = w + m_v.rightOffset + 1;
        for (int i = 0; i < 3; ++i) {
            const QImage pic = Frame(buttons, 18, bases[i] + (i == 2 ? 1 : 0));
            x -= pic.width() + 1;
            DrawTitlePicture(p, x, pic);
        }
        int y = m_v.leftOffset;
        const QImage box = Frame(buttons, 18, 1);
        DrawTitlePicture(p, y, box);
        y += box.width() + 5;

        p.setFont(UiFont(11, true));
        p.setPen(QString(m_v.group) == "MacOS" ? kBlack : kWhite);
        const QFontMetrics fm(p.font());
        const int textTop = (buttons.height() - fm.height()) / 2 + m_v.buttonTop;
        p.drawText(QPoint(y, textTop + fm.ascent()), "Varnel  Zintaro");
        if (QString(m_v.group) != "WinXP" && m_v.roundCorner != 0) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(FromTColor(m_v.formBorder));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(-1 + 0.5, 0.5, w + 1, h + 50), (m_v.roundCorner + 1) / 2.0,
                m_v.roundCorner / 2.0);
        }
        p.end();
        return bar;
    }

    void DrawTitlePicture(QPainter& p, int x, const QImage& pic) const
    {
        if (m_v.titleButtonsTransparent)
            DrawKeyed(p, x, m_v.buttonTop, pic, Pixel(pic, 0, pic.height() - 1));
        else
            p.drawImage(x, m_v.buttonTop, pic);
    }

    void Client(QPainter& p, int w, int h)
    {
        SideChannel(p, QRect(0, 0, 86, h - 22));
        Panel(p, QRect(96, 8, 200, 96), "Chinese", false);
        Panel(p, QRect(306, 8, w - 306 - 8, 96), "Control Panel", true);
        Buttons(p, QPoint(100, 116));
        CheckBoxes(p, QPoint(100, 150));
        TrackBars(p, QPoint(100, 178));
        ScrollBars(p, QRect(w - 30, 114, 0, 0));
        Tabs(p, QRect(100, 250, 300, 70));
        Menu(p, QPoint(330, 166));
        StatusBar(p, QRect(0, h - 22, w, 22));
    }

    QColor CaptionColour() const
    {
        return QString(m_v.group) == "MacOS" ? kBlack : FromTColor(m_v.selectedFont);
    }

    void SideChannel(QPainter& p, const QRect& r)
    {
        const QImage bar = Get("SIDECHENNEL_BAR");
        const QImage grip = Get("SIDECHENNEL_HANDLE");
        p.fillRect(r, kWhite);
        p.setPen(FromTColor(m_v.controlBorder));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        Stretch(p, bar, QRect(r.left() + 1, r.top(), r.width() - 2, bar.height()));
        p.setPen(CaptionColour());
        p.setFont(UiFont(11));
        p.drawText(
            QRect(r.left() + 20, r.top(), r.width() - 40, bar.height()), Qt::AlignCenter, "Menu");
        // The pin, lying because the channel is pinned; white is its see-through colour.
        const QImage pin = RotateRight(Get("SIDECHANNEL_BTN"));
        const int pinTop = std::min((bar.height() - 16) / 2, 5);
        DrawKeyed(p, r.right() - 20 + (20 - pin.width()) / 2,
            r.top() + pinTop + (16 - pin.height()) / 2, pin, Pixel(pin, 0, pin.height() - 1));
        p.fillRect(QRect(r.left() + 1, r.top() + bar.height(), 8, r.height() - bar.height() - 1),
            FromTColor(m_v.formBg));
        p.fillRect(QRect(r.left() + 9, r.top() + bar.height(), 1, r.height() - bar.height() - 1),
            QColor(0x80, 0x80, 0x80));
        const int y = std::max((r.height() - grip.height()) / 2, bar.height() + 1);
        p.drawImage(r.left() + 1, r.top() + y, grip);
        p.setPen(kBlack);
        p.drawText(QRect(r.left() + 14, r.top() + bar.height() + 8, 70, 16), Qt::AlignLeft, "Open");
        p.drawText(
            QRect(r.left() + 14, r.top() + bar.height() + 28, 70, 16), Qt::AlignLeft, "About");
    }

    void Panel(QPainter& p, const QRect& r, const QString& caption, bool hotButton)
    {
        const QImage bar = Get("SIDECHENNEL_BAR");
        p.fillRect(r, kWhite);
        p.setPen(FromTColor(m_v.controlBorder));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        Stretch(p, bar, QRect(r.left() + 1, r.top(), r.width() - 2, bar.height()));
        p.setPen(CaptionColour());
        p.setFont(UiFont(11));
        p.drawText(QRect(r.left() + 10, r.top(), r.width() - 11, bar.height()),
            Qt::AlignVCenter | Qt::AlignLeft, caption);
        const QImage button = m_bitmaps.at("PANEL_BUTTON");
        const int fw = button.width() / 4;
        const int top = (bar.height() - button.height()) / 2;
        p.drawImage(r.left() + r.width() - fw - 4, r.top() + top / 2 + 2,
            Frame(button, 4, hotButton ? 2 : 1));
        if (!hotButton) {
            p.setPen(QColor(150, 20, 20));
            p.setFont(QFont("Noto Serif CJK SC", 28));
            p.drawText(r.adjusted(0, bar.height(), 0, 0), Qt::AlignCenter,
                QString::fromUtf8("\xE5\xAD\xA6\xE4\xB9\xA0"));
        }
    }

    void Buttons(QPainter& p, QPoint at)
    {
        const QImage strip = Get("BUTTON");
        const char* captions[] = { "Play", "Stop", "Pause" };
        p.setFont(UiFont(11));
        for (int i = 0; i < 3; ++i) {
            const QImage pic = Frame(strip, 3, i + 1);
            p.drawImage(at, pic);
            p.setPen(kBlack);
            p.drawText(QRect(at + QPoint(i == 2 ? 1 : 0, i == 2 ? 1 : 0), pic.size()),
                Qt::AlignCenter, captions[i]);
            at.rx() += std::max(pic.width(), 40) + 6;
        }
    }

    void CheckBoxes(QPainter& p, QPoint at)
    {
        const QImage strip = Get("CHECKBOX");
        const char* captions[] = { "Replay", "Compare", "Grey", "Off" };
        p.setFont(UiFont(11));
        for (int i = 0; i < 4; ++i) {
            const QImage g = Frame(strip, 4, i + 1);
            p.drawImage(at.x() + 1, at.y() + (19 - g.height()) / 2, g);
            p.setPen(kBlack);
            p.drawText(QPoint(at.x() + g.width() + 4, at.y() + 14), captions[i]);
            at.rx() += g.width() + 60;
        }
    }

    void TrackBars(QPainter& p, QPoint at)
    {
        const QImage barImage = Get("TRACKBAR_BAR");
        const QImage knob = Get("TRACKBAR_SLIDER");
        const QColor colour = FromTColor(m_v.formBg);
        // Horizontal: 124 wide, 0..30, at 3, ticks at every value.
        const int w = 124;
        const int h = std::max(barImage.height(), knob.height());
        QImage bar(w, barImage.height(), QImage::Format_RGB32);
        bar.fill(colour);
        {
            QPainter b(&bar);
            DrawThreePart(b, barImage, bar.rect(), false);
        }
        QImage control(w, h, QImage::Format_RGB32);
        control.fill(colour);
        QPainter c(&control);
        c.drawImage(0, (h - barImage.height()) / 2, bar);
        c.setPen(kBlack);
        for (int v = 0; v <= 30; ++v) {
            const int x = (w - knob.width()) * v / 30 + knob.width() / 2;
            c.drawLine(x, h - 3, x, h);
        }
        DrawKeyed(c, (w - knob.width()) * 3 / 30, (h - knob.height()) / 2, knob,
            Pixel(knob, 0, knob.height() - 1));
        c.end();
        p.drawImage(at, control);

        // Vertical: the bar turned left, the upright knob drawn as it stands.
        const QImage vknob = Get("TRACKBAR_SLIDER_V");
        const int vh = 64;
        const int vw = std::max(barImage.height(), vknob.width());
        QImage vbar(vh, barImage.height(), QImage::Format_RGB32);
        vbar.fill(colour);
        {
            QPainter b(&vbar);
            DrawThreePart(b, barImage, vbar.rect(), false);
        }
        vbar = RotateLeft(vbar);
        QImage vcontrol(vw, vh, QImage::Format_RGB32);
        vcontrol.fill(colour);
        QPainter vc(&vcontrol);
        vc.drawImage((vw - barImage.height()) / 2, 0, vbar);
        vc.drawImage((vw - vknob.width()) / 2, (vh - vknob.height()) * 2 / 3, vknob);
        vc.end();
        p.drawImage(at.x() + w + 24, at.y() - 8, vcontrol);
    }

    void ScrollBars(QPainter& p, const QRect& anchor)
    {
        const QImage buttons = Get("SCROLLBAR_BUTTON");
        const QImage thumb = Get("SCROLLBAR_TRACK");
        const QColor back = FromTColor(m_v.scrollBg);
        // Vertical bar of 120 pixels.
        const QImage up = Frame(buttons, 6, 1);
        const QImage down = Frame(buttons, 6, 5);
        const int x = anchor.left();
        const int top = anchor.top();
        const int length = 120;
        p.fillRect(QRect(x, top, up.width(), length), back);
        p.drawImage(x, top, up);
        p.drawImage(x, top + length - down.height(), down);
        const int track = length - up.height() - down.height() - 1;
        QImage t = BuildThumb(thumb, track * 30 / 100);
        t = RotateRight(t);
        p.drawImage(x + (up.width() - t.width()) / 2, top + up.height() + track / 3, t);

        // Horizontal bar of 150 pixels below the tabs.
        const QImage leftButton = RotateLeft(Frame(buttons, 6, 2));
        const QImage rightButton = RotateLeft(Frame(buttons, 6, 6));
        const int hy = top + length + 8;
        const int hx = x - 150 + up.width();
        p.fillRect(QRect(hx, hy, 150, leftButton.height()), back);
        p.drawImage(hx, hy, leftButton);
        p.drawImage(hx + 150 - rightButton.width(), hy, rightButton);
        const int htrack = 150 - leftButton.width() - rightButton.width();
        const QImage ht = BuildThumb(thumb, htrack * 40 / 100);
        p.drawImage(hx + leftButton.width() + htrack / 2, hy, ht);
    }

    QImage BuildThumb(const QImage& strip, int length) const
    {
        const QImage head = Frame(strip, 3, 1);
        const QImage body = Frame(strip, 3, 2);
        const QImage tail = Frame(strip, 3, 3);
        QImage t(length, head.height(), QImage::Format_RGB32);
        QPainter p(&t);
        Stretch(
            p, body, QRect(head.width(), 0, length - head.width() - tail.width(), head.height()));
        p.drawImage(0, 0, head);
        p.drawImage(length - tail.width(), 0, tail);
        p.end();
        return t;
    }

    void Tabs(QPainter& p, const QRect& r)
    {
        const QImage tabs = Get("TAB");
        const QImage line = Get("TAB_LINE");
        QImage scroll = Get("SCROLLBUTTON");
        const QImage active = Frame(tabs, 2, 1);
        const QImage inactive = Frame(tabs, 2, 2);
        const int th = inactive.height();
        const int bh = line.height();
        const int stripH = th + bh;
        const int bw = scroll.width() / 4;
        // The page below the strip.
        const QColor page = QString(m_v.group) == "WinXP" ? kWhite : FromTColor(m_v.formBg);
        p.fillRect(QRect(r.left(), r.top() + stripH, r.width(), r.height() - stripH), page);
        p.setPen(FromTColor(m_v.controlBorder));
        p.drawLine(r.left(), r.top() + stripH, r.left(), r.bottom());
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.bottom(), r.right(), r.top() + stripH - 1);
        Stretch(p, line, QRect(r.left() + 1, r.top() + th, r.width() - 2, bh));
        p.drawLine(r.left(), r.top() + th, r.left(), r.top() + th + bh);
        p.drawLine(r.right(), r.top() + th, r.right(), r.top() + th + bh);
        p.setFont(UiFont(11));
        const char* captions[] = { "Words", "Notes", "About the course" };
        const int limit = r.width() - 2 * bw - 2;
        int x = 10;
        for (int i = 0; i < 3; ++i) {
            const int w = QFontMetrics(p.font()).horizontalAdvance(captions[i]) + 20;
            QRect tab = i == 1 ? QRect(x, 1, w, th) : QRect(x, 0, w, th);
            bool cut = false;
            if (tab.right() + 1 > limit) {
                tab.setRight(limit - 1);
                cut = true;
            }
            tab.translate(r.topLeft());
            DrawThreePart(p, i == 1 ? active : inactive, tab, false);
            p.setPen(kBlack);
            p.drawText(cut ? tab.adjusted(10, 0, -4, 0) : tab,
                Qt::AlignVCenter | (cut ? Qt::AlignLeft : Qt::AlignHCenter), captions[i]);
            x += w;
            if (cut)
                break;
        }
        const int y = stripH > bw + 4 ? (stripH - scroll.height()) / 2 - 2 : 0;
        const int xn = r.width() - 2 - bw;
        const QImage next = Frame(scroll, 4, 2);
        const QImage prev = Frame(scroll, 4, 3);
        DrawKeyed(p, r.left() + xn, r.top() + y, next, Pixel(next, 0, next.height() - 1));
        DrawKeyed(p, r.left() + xn - bw, r.top() + y, prev, Pixel(prev, 0, prev.height() - 1));
    }

    void Menu(QPainter& p, QPoint at)
    {
        const bool mac = QString(m_v.group) == "MacOS";
        const int w = 150;
        const int itemH = mac ? 20 : 21;
        const int sepH = mac ? 12 : 5;
        const char* items[] = { "Minimise", "Maximise", "-", "Close" };
        const QImage check = m_bitmaps.at("MENU_CHECKED");
        int y = at.y();
        p.setFont(UiFont(11));
        for (int i = 0; i < 4; ++i) {
            const bool sep = QString(items[i]) == "-";
            const QRect r(at.x(), y, w, sep ? sepH : itemH);
            const bool selected = i == 1;
            if (mac) {
                const QImage source = Get(selected && !sep ? "MENU_SELECT" : "MENU_BAR");
                Stretch(p, source.copy(0, 0, 1, sep ? 12 : 20), r);
            } else if (selected) {
                p.fillRect(r, FromTColor(m_v.menuSelBg));
                p.setPen(FromTColor(m_v.menuSelBorder));
                p.drawRect(r.adjusted(0, 0, -1, -1));
            } else {
                p.fillRect(QRect(r.left(), r.top(), 26, r.height()), FromTColor(m_v.menuBar));
                p.fillRect(QRect(r.left() + 26, r.top(), r.width() - 26, r.height()),
                    FromTColor(m_v.menuBg));
                if (sep) {
                    p.setPen(QColor(0x84, 0x82, 0x84));
                    p.drawLine(r.left() + 30, r.top() + 2, r.right() - 2, r.top() + 2);
                }
            }
            if (!sep) {
                p.setPen(selected ? FromTColor(m_v.selectedFont) : kBlack);
                p.drawText(QPoint(r.left() + 30, r.top() + 15), items[i]);
                if (i == 0)
                    DrawKeyed(p, r.left() + 4, r.top() + 3, check, kWhite);
            }
            y += r.height();
        }
        p.setPen(kBlack);
        p.drawRect(QRect(at.x() - 1, at.y() - 1, w + 1, y - at.y() + 1));
    }

    void StatusBar(QPainter& p, const QRect& r)
    {
        p.fillRect(r, kWhite);
        p.setPen(QColor(160, 160, 160));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.left() + 200, r.top() + 3, r.left() + 200, r.bottom() - 2);
        p.setPen(kBlack);
        p.setFont(UiFont(11));
        p.drawText(r.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, "Demo");
        p.drawText(r.adjusted(204, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, "  3 / 20");
        const QImage grip = m_bitmaps.at("STATUSBAR_HANDLE");
        DrawKeyed(p, r.right() + 1 - grip.width() - 1, r.bottom() + 1 - grip.height() - 1, grip,
            Pixel(grip, 0, grip.height() - 1));
    }

    const TStyleValues& m_v;
    const TBitmaps& m_bitmaps;
};

} // namespace

QImage RenderMockups(const std::vector<TArtwork>& artworks)
{
    TBitmaps bitmaps;
    for (const TArtwork& a : artworks)
        bitmaps[a.name] = a.image.convertToFormat(QImage::Format_RGB32);
    // The tab strip's scroll buttons of the three later styles are shared.
    for (const char* prefix : { "DEEPBLUE", "PROTEIN", "BLUEGLASS" })
        if (bitmaps.count("MORE_SCROLLBUTTON"))
            bitmaps[QString(prefix) + "_SCROLLBUTTON"] = bitmaps["MORE_SCROLLBUTTON"];
    std::vector<QImage> pictures;
    for (const TStyleValues& v : kValues) {
        if (!bitmaps.count(QString(v.prefix) + "_TITLE_LEFT"))
            continue;
        pictures.push_back(TMockup(v, bitmaps).Render());
    }
    if (pictures.empty())
        return Solid(16, 16, kDesk);
    const int w = pictures.front().width();
    const int h = pictures.front().height();
    const int columns = 2;
    const int rows = (int(pictures.size()) + columns - 1) / columns;
    QImage sheet = Solid(w * columns, h * rows, kDesk);
    QPainter p(&sheet);
    for (size_t i = 0; i < pictures.size(); ++i)
        p.drawImage(int(i % columns) * w, int(i / columns) * h, pictures[i]);
    p.end();
    return sheet;
}

} // namespace art
