#include "platform/graphics/TColor.h"

#include <array>

namespace {

// System colours numbered as layouts store them ($FF0000nn), in a light desktop scheme.
constexpr std::array<TColor, 31> kSystemColors = {
    0xC8D0D4, // 0 scroll bar
    0xA56E3A, // 1 background
    0x6A240A, // 2 active caption
    0x808080, // 3 inactive caption
    0xFFFFFF, // 4 menu
    0xFFFFFF, // 5 window
    0x000000, // 6 window frame
    0x000000, // 7 menu text
    0x000000, // 8 window text
    0xFFFFFF, // 9 caption text
    0xC8D0D4, // 10 active border
    0xC8D0D4, // 11 inactive border
    0x808080, // 12 application workspace
    0x6A240A, // 13 highlight
    0xFFFFFF, // 14 highlight text
    0xC8D0D4, // 15 button face
    0x808080, // 16 button shadow
    0x808080, // 17 grey text
    0x000000, // 18 button text
    0xC8D0D4, // 19 inactive caption text
    0xFFFFFF, // 20 button highlight
    0x404040, // 21 3-D dark shadow
    0xC8D0D4, // 22 3-D light
    0x000000, // 23 info text
    0xE1FFFF, // 24 info background
    0xB5B5B5, // 25 hot light (unused slot)
    0xCC6600, // 26 hot light
    0xEAD1A6, // 27 gradient active caption
    0xF2E4D7, // 28 gradient inactive caption
    0xC56A31, // 29 menu highlight
    0xF0F0F0, // 30 menu bar
};

} // namespace

TColor ColorToRGB(TColor color)
{
    if (!IsSystemColor(color))
        return color & 0x00FFFFFFu;
    unsigned index = color & 0xFFu;
    return index < kSystemColors.size() ? kSystemColors[index] : 0;
}

QColor ToQColor(TColor color)
{
    TColor rgb = ColorToRGB(color);
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

TColor FromQColor(const QColor& color)
{
    return static_cast<TColor>(color.red()) | (static_cast<TColor>(color.green()) << 8)
           | (static_cast<TColor>(color.blue()) << 16);
}
