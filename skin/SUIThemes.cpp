#include "skin/SUIThemes.h"

#include "skin/SUIMgr.h"
#include "skin/SUIPublic.h"

#include <QImage>
#include <QVariant>
#include <QWidget>

#include <array>

namespace {

// Only the low seven bits of a style byte name the style.
constexpr uint8_t kStyleMask = 0x7F;

// A row entry of each kind. None has a default constructor, so a style row that leaves
// out an element does not compile; designated initialisers must also follow the element
// order, so a row cannot swap two elements either.
struct TIntEntry {
    constexpr TIntEntry(int32_t v)
        : value(v)
    {
    }
    int32_t value;
};
struct TColourEntry {
    constexpr TColourEntry(TColor v)
        : value(v)
    {
    }
    TColor value;
};
struct TBoolEntry {
    constexpr TBoolEntry(bool v)
        : value(v)
    {
    }
    bool value;
};
struct TBitmapEntry {
    constexpr TBitmapEntry(const char* v)
        : name(v)
    {
    }
    std::string_view name;
};

template <TsuiElementKind Kind> struct TEntryOf;
template <> struct TEntryOf<TsuiElementKind::Integer> {
    using Type = TIntEntry;
};
template <> struct TEntryOf<TsuiElementKind::Colour> {
    using Type = TColourEntry;
};
template <> struct TEntryOf<TsuiElementKind::Boolean> {
    using Type = TBoolEntry;
};
template <> struct TEntryOf<TsuiElementKind::Bitmap> {
    using Type = TBitmapEntry;
};

// One built-in style, every element by its key.
struct TStyleValues {
#define SUI_STYLE_FIELD(number, key, kind) TEntryOf<TsuiElementKind::kind>::Type key;
    SUI_ENUMERATE_THEME_ELEMENTS(SUI_STYLE_FIELD)
#undef SUI_STYLE_FIELD
};

// Bitmap entries hold the resource name (style prefix, "_", element suffix; the suffixes
// keep their historical spelling "SIDECHENNEL"). DeepBlue, Protein and BlueGlass share
// one ScrollButtonImage.
constexpr TStyleValues kMacOS = {
    .ButtonImage = "MACOS_BUTTON",
    .ButtonTransparentBool = true,
    .CheckBoxImage = "MACOS_CHECKBOX",
    .RadioButtonImage = "MACOS_RADIOBUTTON",
    .TitleBarButtonImage = "MACOS_TITLEBTN",
    .TitleBarButtonTransparentBool = false,
    .TitleBarButtonLeftOffsetInt = 3,
    .TitleBarButtonRightOffsetInt = -2,
    .TitleBarButtonTopInt = 4,
    .TitleBarLeftImage = "MACOS_TITLE_LEFT",
    .TitleBarClientImage = "MACOS_TITLE_CLIENT",
    .TitleBarRightImage = "MACOS_TITLE_RIGHT",
    .FormMinWidthInt = 130,
    .FormRoundCornerInt = 0,
    .FormBackgroundColor = 0xE7E7E7,
    .FormBorderColor = 0x7F7F7F,
    .FormBorderWidthInt = 1,
    .MenuSelectedBorderColor = 0xC47339,
    .MenuSelectedBackgroundColor = 0xC47339,
    .MenuSelectedFontColor = 0xFFFFFF,
    .MenuBackgroundColor = 0x000000,
    .MenuFontColor = 0x000000,
    .MenuBarColor = 0x000000,
    .ProgressBarImage = "MACOS_PROGRESSBAR",
    .ControlBorderColor = 0x7F7F7F,
    .ControlBackgroundColor = 0xE7E7E7,
    .ControlFontColor = 0x000000,
    .TrackBarBarImage = "MACOS_TRACKBAR_BAR",
    .TrackBarSliderImage = "MACOS_TRACKBAR_SLIDER",
    .TrackBarSliderVImage = "MACOS_TRACKBAR_SLIDER_V",
    .ScrollBarBackgroundColor = 0xC9C9C9,
    .ScrollBarButtonImage = "MACOS_SCROLLBAR_BUTTON",
    .ScrollBarSliderImage = "MACOS_SCROLLBAR_TRACK",
    .CheckListBoxImage = "MACOS_CHECKLIST",
    .ToolBarButtonBorderColor = 0x474747,
    .ToolBarButtonBackgroundColor = 0xEFEFEF,
    .ToolBarButtonDownBackgroundColor = 0xD8D8D8,
    .ScrollButtonImage = "MACOS_SCROLLBUTTON",
    .TabControlTabImage = "MACOS_TAB",
    .TabControlBarImage = "MACOS_TAB_LINE",
    .SideChannelHandleImage = "MACOS_SIDECHENNEL_HANDLE",
    .SideChannelBarImage = "MACOS_SIDECHENNEL_BAR",
};

constexpr TStyleValues kWinXP = {
    .ButtonImage = "WINXP_BUTTON",
    .ButtonTransparentBool = false,
    .CheckBoxImage = "WINXP_CHECKBOX",
    .RadioButtonImage = "WINXP_RADIOBUTTON",
    .TitleBarButtonImage = "WINXP_TITLEBTN",
    .TitleBarButtonTransparentBool = false,
    .TitleBarButtonLeftOffsetInt = 2,
    .TitleBarButtonRightOffsetInt = -2,
    .TitleBarButtonTopInt = 5,
    .TitleBarLeftImage = "WINXP_TITLE_LEFT",
    .TitleBarClientImage = "WINXP_TITLE_CLIENT",
    .TitleBarRightImage = "WINXP_TITLE_RIGHT",
    .FormMinWidthInt = 150,
    .FormRoundCornerInt = 13,
    .FormBackgroundColor = 0xDEEBEF,
    .FormBorderColor = 0xC82C00,
    .FormBorderWidthInt = 3,
    .MenuSelectedBorderColor = 0xC66931,
    .MenuSelectedBackgroundColor = 0xEFD3C6,
    .MenuSelectedFontColor = 0x000000,
    .MenuBackgroundColor = 0xFFFFFF,
    .MenuFontColor = 0x000000,
    .MenuBarColor = 0xCED3D6,
    .ProgressBarImage = "WINXP_PROGRESSBAR",
    .ControlBorderColor = 0x686868,
    .ControlBackgroundColor = 0xDEEBEF,
    .ControlFontColor = 0xCF4602,
    .TrackBarBarImage = "WINXP_TRACKBAR_BAR",
    .TrackBarSliderImage = "WINXP_TRACKBAR_SLIDER",
    .TrackBarSliderVImage = "WINXP_TRACKBAR_SLIDER_V",
    .ScrollBarBackgroundColor = 0xF9F9F9,
    .ScrollBarButtonImage = "WINXP_SCROLLBAR_BUTTON",
    .ScrollBarSliderImage = "WINXP_SCROLLBAR_TRACK",
    .CheckListBoxImage = "WINXP_CHECKLIST",
    .ToolBarButtonBorderColor = 0xC66931,
    .ToolBarButtonBackgroundColor = 0xEFD3C6,
    .ToolBarButtonDownBackgroundColor = 0xE1AC93,
    .ScrollButtonImage = "WINXP_SCROLLBUTTON",
    .TabControlTabImage = "WINXP_TAB",
    .TabControlBarImage = "WINXP_TAB_LINE",
    .SideChannelHandleImage = "WINXP_SIDECHENNEL_HANDLE",
    .SideChannelBarImage = "WINXP_SIDECHENNEL_BAR",
};

constexpr TStyleValues kDeepBlue = {
    .ButtonImage = "DEEPBLUE_BUTTON",
    .ButtonTransparentBool = false,
    .CheckBoxImage = "DEEPBLUE_CHECKBOX",
    .RadioButtonImage = "DEEPBLUE_RADIOBUTTON",
    .TitleBarButtonImage = "DEEPBLUE_TITLEBTN",
    .TitleBarButtonTransparentBool = false,
    .TitleBarButtonLeftOffsetInt = 0,
    .TitleBarButtonRightOffsetInt = 0,
    .TitleBarButtonTopInt = 2,
    .TitleBarLeftImage = "DEEPBLUE_TITLE_LEFT",
    .TitleBarClientImage = "DEEPBLUE_TITLE_CLIENT",
    .TitleBarRightImage = "DEEPBLUE_TITLE_RIGHT",
    .FormMinWidthInt = 130,
    .FormRoundCornerInt = 0,
    .FormBackgroundColor = 0xE8E8E8,
    .FormBorderColor = 0x000000,
    .FormBorderWidthInt = 1,
    .MenuSelectedBorderColor = 0xA04A44,
    .MenuSelectedBackgroundColor = 0xA04A44,
    .MenuSelectedFontColor = 0xFFFFFF,
    .MenuBackgroundColor = 0xFFFFFF,
    .MenuFontColor = 0x000000,
    .MenuBarColor = 0xCED3D6,
    .ProgressBarImage = "DEEPBLUE_PROGRESSBAR",
    .ControlBorderColor = 0x000000,
    .ControlBackgroundColor = 0xE8E8E8,
    .ControlFontColor = 0x000000,
    .TrackBarBarImage = "DEEPBLUE_TRACKBAR_BAR",
    .TrackBarSliderImage = "DEEPBLUE_TRACKBAR_SLIDER",
    .TrackBarSliderVImage = "DEEPBLUE_TRACKBAR_SLIDER_V",
    .ScrollBarBackgroundColor = 0xF5F5F5,
    .ScrollBarButtonImage = "DEEPBLUE_SCROLLBAR_BUTTON",
    .ScrollBarSliderImage = "DEEPBLUE_SCROLLBAR_TRACK",
    .CheckListBoxImage = "DEEPBLUE_CHECKLIST",
    .ToolBarButtonBorderColor = 0x474747,
    .ToolBarButtonBackgroundColor = 0xEFEFEF,
    .ToolBarButtonDownBackgroundColor = 0xD8D8D8,
    .ScrollButtonImage = "MORE_SCROLLBUTTON",
    .TabControlTabImage = "DEEPBLUE_TAB",
    .TabControlBarImage = "DEEPBLUE_TAB_LINE",
    .SideChannelHandleImage = "DEEPBLUE_SIDECHENNEL_HANDLE",
    .SideChannelBarImage = "DEEPBLUE_SIDECHENNEL_BAR",
};

constexpr TStyleValues kProtein = {
    .ButtonImage = "PROTEIN_BUTTON",
    .ButtonTransparentBool = false,
    .CheckBoxImage = "PROTEIN_CHECKBOX",
    .RadioButtonImage = "PROTEIN_RADIOBUTTON",
    .TitleBarButtonImage = "PROTEIN_TITLEBTN",
    .TitleBarButtonTransparentBool = true,
    .TitleBarButtonLeftOffsetInt = 0,
    .TitleBarButtonRightOffsetInt = 0,
    .TitleBarButtonTopInt = 2,
    .TitleBarLeftImage = "PROTEIN_TITLE_LEFT",
    .TitleBarClientImage = "PROTEIN_TITLE_CLIENT",
    .TitleBarRightImage = "PROTEIN_TITLE_RIGHT",
    .FormMinWidthInt = 130,
    .FormRoundCornerInt = 0,
    .FormBackgroundColor = 0xFBFBFB,
    .FormBorderColor = 0x000000,
    .FormBorderWidthInt = 1,
    .MenuSelectedBorderColor = 0xC4302D,
    .MenuSelectedBackgroundColor = 0xC4302D,
    .MenuSelectedFontColor = 0xFFFFFF,
    .MenuBackgroundColor = 0xFFFFFF,
    .MenuFontColor = 0x000000,
    .MenuBarColor = 0xCED3D6,
    .ProgressBarImage = "PROTEIN_PROGRESSBAR",
    .ControlBorderColor = 0x000000,
    .ControlBackgroundColor = 0xFBFBFB,
    .ControlFontColor = 0x000000,
    .TrackBarBarImage = "PROTEIN_TRACKBAR_BAR",
    .TrackBarSliderImage = "PROTEIN_TRACKBAR_SLIDER",
    .TrackBarSliderVImage = "PROTEIN_TRACKBAR_SLIDER_V",
    .ScrollBarBackgroundColor = 0xF5F5F5,
    .ScrollBarButtonImage = "PROTEIN_SCROLLBAR_BUTTON",
    .ScrollBarSliderImage = "PROTEIN_SCROLLBAR_TRACK",
    .CheckListBoxImage = "PROTEIN_CHECKLIST",
    .ToolBarButtonBorderColor = 0x474747,
    .ToolBarButtonBackgroundColor = 0xEFEFEF,
    .ToolBarButtonDownBackgroundColor = 0xD8D8D8,
    .ScrollButtonImage = "MORE_SCROLLBUTTON",
    .TabControlTabImage = "PROTEIN_TAB",
    .TabControlBarImage = "PROTEIN_TAB_LINE",
    .SideChannelHandleImage = "PROTEIN_SIDECHENNEL_HANDLE",
    .SideChannelBarImage = "PROTEIN_SIDECHENNEL_BAR",
};

constexpr TStyleValues kBlueGlass = {
    .ButtonImage = "BLUEGLASS_BUTTON",
    .ButtonTransparentBool = true,
    .CheckBoxImage = "BLUEGLASS_CHECKBOX",
    .RadioButtonImage = "BLUEGLASS_RADIOBUTTON",
    .TitleBarButtonImage = "BLUEGLASS_TITLEBTN",
    .TitleBarButtonTransparentBool = true,
    .TitleBarButtonLeftOffsetInt = 4,
    .TitleBarButtonRightOffsetInt = -3,
    .TitleBarButtonTopInt = 6,
    .TitleBarLeftImage = "BLUEGLASS_TITLE_LEFT",
    .TitleBarClientImage = "BLUEGLASS_TITLE_CLIENT",
    .TitleBarRightImage = "BLUEGLASS_TITLE_RIGHT",
    .FormMinWidthInt = 270,
    .FormRoundCornerInt = 11,
    .FormBackgroundColor = 0xE7E7E7,
    .FormBorderColor = 0x000000,
    .FormBorderWidthInt = 1,
    .MenuSelectedBorderColor = 0xEC5E5E,
    .MenuSelectedBackgroundColor = 0xEC5E5E,
    .MenuSelectedFontColor = 0xFFFFFF,
    .MenuBackgroundColor = 0xE7E7E7,
    .MenuFontColor = 0x000000,
    .MenuBarColor = 0xCED3D6,
    .ProgressBarImage = "BLUEGLASS_PROGRESSBAR",
    .ControlBorderColor = 0x000000,
    .ControlBackgroundColor = 0xE7E7E7,
    .ControlFontColor = 0x000000,
    .TrackBarBarImage = "BLUEGLASS_TRACKBAR_BAR",
    .TrackBarSliderImage = "BLUEGLASS_TRACKBAR_SLIDER",
    .TrackBarSliderVImage = "BLUEGLASS_TRACKBAR_SLIDER_V",
    .ScrollBarBackgroundColor = 0xF4F4F4,
    .ScrollBarButtonImage = "BLUEGLASS_SCROLLBAR_BUTTON",
    .ScrollBarSliderImage = "BLUEGLASS_SCROLLBAR_TRACK",
    .CheckListBoxImage = "BLUEGLASS_CHECKLIST",
    .ToolBarButtonBorderColor = 0x474747,
    .ToolBarButtonBackgroundColor = 0xEFEFEF,
    .ToolBarButtonDownBackgroundColor = 0xD8D8D8,
    .ScrollButtonImage = "MORE_SCROLLBUTTON",
    .TabControlTabImage = "BLUEGLASS_TAB",
    .TabControlBarImage = "BLUEGLASS_TAB_LINE",
    .SideChannelHandleImage = "BLUEGLASS_SIDECHENNEL_HANDLE",
    .SideChannelBarImage = "BLUEGLASS_SIDECHENNEL_BAR",
};
// The table as lookups read it: per style, 42 entries in element order.
struct TThemeEntry {
    int32_t value = -1;
    std::string_view bitmap;
};
using TStyleRow = std::array<TThemeEntry, kThemeElementCount>;

constexpr TThemeEntry MakeEntry(TIntEntry e)
{
    return { e.value, {} };
}
constexpr TThemeEntry MakeEntry(TColourEntry e)
{
    return { static_cast<int32_t>(e.value), {} };
}
constexpr TThemeEntry MakeEntry(TBoolEntry e)
{
    return { e.value ? 1 : 0, {} };
}
constexpr TThemeEntry MakeEntry(TBitmapEntry e)
{
    return { -1, e.name };
}

constexpr TStyleRow MakeRow(const TStyleValues& values)
{
    return { {
#define SUI_ROW_ENTRY(number, key, kind) MakeEntry(values.key),
        SUI_ENUMERATE_THEME_ELEMENTS(SUI_ROW_ENTRY)
#undef SUI_ROW_ENTRY
    } };
}

// MakeRow puts entries in X-macro order; that order must be the element numbering.
constexpr bool ElementsInNumberOrder()
{
    constexpr std::array<int, kThemeElementCount> numbers = { {
#define SUI_ELEMENT_NUMBER_OF(number, key, kind) number,
        SUI_ENUMERATE_THEME_ELEMENTS(SUI_ELEMENT_NUMBER_OF)
#undef SUI_ELEMENT_NUMBER_OF
    } };
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i] != static_cast<int>(i) + 1)
            return false;
    }
    return true;
}
static_assert(ElementsInNumberOrder());

// Indexed by style - 1.
constexpr std::array<TStyleRow, kBuiltInStyleCount> kRows = {
    MakeRow(kMacOS),
    MakeRow(kWinXP),
    MakeRow(kDeepBlue),
    MakeRow(kProtein),
    MakeRow(kBlueGlass),
};
static_assert(BlueGlass - MacOS + 1 == kBuiltInStyleCount);

// The entry a built-in lookup reads, or null (neutral value) for another style or a number
// outside the table.
const TThemeEntry* FindEntry(uint8_t style, int element, TsuiElementKind kind)
{
    const int builtIn = style & kStyleMask;
    if (builtIn < MacOS || builtIn > BlueGlass || element < 1 || element > kThemeElementCount)
        return nullptr;
    if (ThemeElementKind(element) != kind)
        return nullptr;
    return &kRows[static_cast<std::size_t>(builtIn - MacOS)][static_cast<std::size_t>(element - 1)];
}

} // namespace

bool UseFileTheme(const TsuiFileTheme* fileTheme, uint8_t style, TsuiUIStyle& effective)
{
    effective = static_cast<TsuiUIStyle>(style);
    if ((style & kStyleMask) != FromThemeFile)
        return false;
    if (fileTheme && fileTheme->Loaded())
        return true;
    effective = DeepBlue;
    return false;
}

std::string_view GetBuiltInBitmapName(uint8_t style, int element)
{
    const TThemeEntry* entry = FindEntry(style, element, TsuiElementKind::Bitmap);
    return entry ? entry->bitmap : std::string_view();
}

void GetBuiltInBitmap(uint8_t style, int element, QImage* target, int index, int count)
{
    if (!target)
        return;
    const std::string_view name = GetBuiltInBitmapName(style, element);
    if (name.empty())
        return;
    const QImage resource = LoadSkinBitmap(name);
    if (resource.isNull())
        return;
    if (count > 0)
        CutFrame(resource, *target, count, index);
    else
        *target = resource;
}

TColor GetBuiltInColor(uint8_t style, int element)
{
    const TThemeEntry* entry = FindEntry(style, element, TsuiElementKind::Colour);
    return entry ? static_cast<TColor>(entry->value) : 0;
}

int32_t GetBuiltInInt(uint8_t style, int element)
{
    const TThemeEntry* entry = FindEntry(style, element, TsuiElementKind::Integer);
    return entry ? entry->value : -1;
}

bool GetBuiltInBool(uint8_t style, int element)
{
    const TThemeEntry* entry = FindEntry(style, element, TsuiElementKind::Boolean);
    return entry && entry->value != 0;
}

TsuiUIStyle GetFormUIStyle(const QObject* owner)
{
    const QWidget* form = qobject_cast<const QWidget*>(owner);
    if (!form || !form->isWindow())
        return DeepBlue;
    for (const QObject* child : form->children()) {
        if (!child->isWidgetType() || !child->inherits("TsuiForm"))
            continue;
        bool ok = false;
        const int style = child->property("UIStyle").toInt(&ok);
        return ok && style >= FromThemeFile && style <= BlueGlass ? static_cast<TsuiUIStyle>(style)
                                                                  : DeepBlue;
    }
    return DeepBlue;
}
