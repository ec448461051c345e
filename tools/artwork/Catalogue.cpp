#include "tools/artwork/Catalogue.h"

#include "tools/artwork/ArtKit.h"
#include "tools/artwork/Controls.h"
#include "tools/artwork/Styles.h"

#include <map>

namespace art {

std::vector<TArtwork> AllArtworks()
{
    std::vector<TArtwork> all;
    AddMacOS(all);
    AddWinXP(all);
    AddDeepBlue(all);
    AddProtein(all);
    AddBlueGlass(all);
    AddShared(all);
    for (TArtwork& a : all)
        a.image = Opaque(a.image);
    return all;
}

QString KeyRuleText(TKeyRule rule)
{
    switch (rule) {
    case TKeyRule::Opaque:
        return "opaque";
    case TKeyRule::ThreePart:
        return "key magenta = top-left";
    case TKeyRule::BottomLeftMagenta:
        return "key bottom-left (magenta)";
    case TKeyRule::TopLeftCorner:
        return "key top-left (backdrop)";
    case TKeyRule::White:
        return "key white";
    }
    return {};
}

namespace {

// The sizes every element bitmap must have, per style.
struct TExpected {
    int w, h, frames;
};

std::map<QString, TExpected> ExpectedSizes()
{
    std::map<QString, TExpected> expected;
    const char* prefixes[kStyleCount] = { "MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS" };
    struct TElement {
        const char* suffix;
        int frames;
    };
    const TElement elements[] = {
        { "BUTTON", 3 },
        { "CHECKBOX", 4 },
        { "RADIOBUTTON", 4 },
        { "TITLEBTN", 18 },
        { "TITLE_LEFT", 1 },
        { "TITLE_CLIENT", 1 },
        { "TITLE_RIGHT", 1 },
        { "PROGRESSBAR", 1 },
        { "TRACKBAR_BAR", 3 },
        { "TRACKBAR_SLIDER", 1 },
        { "TRACKBAR_SLIDER_V", 1 },
        { "SCROLLBAR_BUTTON", 6 },
        { "SCROLLBAR_TRACK", 3 },
        { "CHECKLIST", 4 },
        { "TAB", 2 },
        { "TAB_LINE", 1 },
        { "SIDECHENNEL_HANDLE", 1 },
        { "SIDECHENNEL_BAR", 1 },
    };
    for (int style = 0; style < kStyleCount; ++style) {
        for (const TElement& e : elements) {
            const TSize size = SizeOf(e.suffix, TStyleIndex(style));
            expected[QString(prefixes[style]) + "_" + e.suffix] = { size.w, size.h, e.frames };
        }
    }
    expected["MACOS_SCROLLBUTTON"] = { 72, 18, 4 };
    expected["WINXP_SCROLLBUTTON"] = { 72, 18, 4 };
    expected["MORE_SCROLLBUTTON"] = { 72, 17, 4 };
    expected["MACOS_FORM_BACKGROUND"] = { 8, 8, 1 };
    expected["PROTEIN_FORM_BACKGROUND"] = { 8, 8, 1 };
    expected["MACOS_MENU_BAR"] = { 1, 22, 1 };
    expected["MACOS_MENU_SELECT"] = { 1, 21, 1 };
    expected["MENU_CHECKED"] = { 16, 16, 1 };
    expected["PANEL_BUTTON"] = { 52, 12, 4 };
    expected["SIDECHANNEL_BTN"] = { 7, 9, 1 };
    expected["STATUSBAR_HANDLE"] = { 11, 11, 1 };
    return expected;
}

bool HasColour(const QImage& image, const QRect& area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return true;
    return false;
}

} // namespace

std::vector<QString> Validate(const std::vector<TArtwork>& artworks)
{
    std::vector<QString> problems;
    std::map<QString, TExpected> expected = ExpectedSizes();
    const QRgb magenta = kMagenta.rgb();
    for (const TArtwork& a : artworks) {
        const QImage& img = a.image;
        auto problem = [&](const QString& text) { problems.push_back(a.name + ": " + text); };
        const auto it = expected.find(a.name);
        if (it != expected.end()) {
            if (img.width() != it->second.w || img.height() != it->second.h)
                problem(QString("is %1x%2, wants %3x%4")
                            .arg(img.width())
                            .arg(img.height())
                            .arg(it->second.w)
                            .arg(it->second.h));
            if (a.frames != it->second.frames)
                problem(QString("has %1 frames, wants %2").arg(a.frames).arg(it->second.frames));
            expected.erase(it);
        }
        if (a.frames < 1 || img.width() % a.frames != 0) {
            problem("width is not a whole number of frames");
            continue;
        }
        const int fw = img.width() / a.frames;
        for (int f = 0; f < a.frames; ++f) {
            const QRect frame(f * fw, 0, fw, img.height());
            switch (a.key) {
            case TKeyRule::Opaque:
            case TKeyRule::TopLeftCorner:
            case TKeyRule::White:
                if (HasColour(img, frame, magenta))
                    problem(QString("frame %1 holds magenta").arg(f + 1));
                break;
            case TKeyRule::ThreePart: {
                // Tabs draw each frame in three parts; a track bar bar is three parts itself.
                const bool perFrame = a.frames == 2;
                const QRect whole = perFrame ? frame : img.rect();
                if (!perFrame && f > 0)
                    break;
                if ((img.pixel(whole.topLeft()) & 0xFFFFFF) != (magenta & 0xFFFFFF))
                    problem(QString("frame %1 top-left is not magenta").arg(f + 1));
                const int third = whole.width() / 3;
                if (HasColour(img, QRect(whole.left() + third, 0, third, img.height()), magenta))
                    problem(QString("middle of frame %1 holds magenta").arg(f + 1));
                break;
            }
            case TKeyRule::BottomLeftMagenta:
                if ((img.pixel(frame.left(), frame.bottom()) & 0xFFFFFF) != (magenta & 0xFFFFFF))
                    problem(QString("frame %1 bottom-left is not magenta").arg(f + 1));
                break;
            }
        }
        if (a.key == TKeyRule::White) {
            const QRgb corner = img.pixel(0, 0) & 0xFFFFFF;
            if (corner != 0xFFFFFF)
                problem("top-left is not white");
        }
    }
    for (const auto& missing : expected)
        problems.push_back(missing.first + ": missing");
    return problems;
}

} // namespace art
