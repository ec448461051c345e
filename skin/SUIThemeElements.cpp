#include "skin/SUIThemes.h"

#include <array>

namespace {

struct TElementInfo {
    std::string_view key;
    TsuiElementKind kind;
};

constexpr std::array<TElementInfo, kThemeElementCount> kElements = {{
#define SUI_ELEMENT_INFO(number, key, kind) {#key, TsuiElementKind::kind},
    SUI_ENUMERATE_THEME_ELEMENTS(SUI_ELEMENT_INFO)
#undef SUI_ELEMENT_INFO
}};

#define SUI_ELEMENT_ORDER(number, key, kind) static_assert(number >= 1 && number <= kThemeElementCount);
SUI_ENUMERATE_THEME_ELEMENTS(SUI_ELEMENT_ORDER)
#undef SUI_ELEMENT_ORDER

bool IsElement(int element) { return element >= 1 && element <= kThemeElementCount; }

} // namespace

std::string_view ThemeElementKey(int element)
{
    return IsElement(element) ? kElements[static_cast<std::size_t>(element - 1)].key : std::string_view();
}

TsuiElementKind ThemeElementKind(int element)
{
    return IsElement(element) ? kElements[static_cast<std::size_t>(element - 1)].kind
                              : TsuiElementKind::Integer;
}
