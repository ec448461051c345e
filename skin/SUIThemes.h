#pragma once

#include <QObject>

#include <cstdint>
#include <string_view>

class QImage;

// A control's published UIStyle property has this enumeration's type, known to Qt's
// meta-type system (Q_ENUM_NS), so layouts name the style ("UIStyle = WinXP") and
// setProperty("UIStyle", 2) and property("UIStyle").toInt() convert the ordinal.
namespace SuiStyles {
Q_NAMESPACE

// The styles a skinned control can draw in; the ordinals are stored in layouts.
enum TsuiUIStyle : uint8_t {
    FromThemeFile = 0,
    MacOS = 1,
    WinXP = 2,
    DeepBlue = 3,
    Protein = 4,
    BlueGlass = 5,
};
Q_ENUM_NS(TsuiUIStyle)

// Which way a track bar or scroll bar runs.
enum TsuiProgressBarOrientation : uint8_t {
    suiHorizontal = 0,
    suiVertical = 1,
};
Q_ENUM_NS(TsuiProgressBarOrientation)

} // namespace SuiStyles

using SuiStyles::TsuiUIStyle;
using enum SuiStyles::TsuiUIStyle;
using SuiStyles::TsuiProgressBarOrientation;
using enum SuiStyles::TsuiProgressBarOrientation;

// The built-in styles run from MacOS to BlueGlass.
constexpr int kBuiltInStyleCount = 5;

// How a theme element's value is stored; the ordinals are those of the element table.
enum class TsuiElementKind : uint8_t {
    Integer = 0,
    Colour = 1,
    Bitmap = 2,
    Boolean = 3,
};

// The 42 theme elements: number, key, kind. Written once; the enum, the key table and the
// kind table are all generated from it.
#define SUI_ENUMERATE_THEME_ELEMENTS(X)                                                            \
    X(1, ButtonImage, Bitmap)                                                                      \
    X(2, ButtonTransparentBool, Boolean)                                                           \
    X(3, CheckBoxImage, Bitmap)                                                                    \
    X(4, RadioButtonImage, Bitmap)                                                                 \
    X(5, TitleBarButtonImage, Bitmap)                                                              \
    X(6, TitleBarButtonTransparentBool, Boolean)                                                   \
    X(7, TitleBarButtonLeftOffsetInt, Integer)                                                     \
    X(8, TitleBarButtonRightOffsetInt, Integer)                                                    \
    X(9, TitleBarButtonTopInt, Integer)                                                            \
    X(10, TitleBarLeftImage, Bitmap)                                                               \
    X(11, TitleBarClientImage, Bitmap)                                                             \
    X(12, TitleBarRightImage, Bitmap)                                                              \
    X(13, FormMinWidthInt, Integer)                                                                \
    X(14, FormRoundCornerInt, Integer)                                                             \
    X(15, FormBackgroundColor, Colour)                                                             \
    X(16, FormBorderColor, Colour)                                                                 \
    X(17, FormBorderWidthInt, Integer)                                                             \
    X(18, MenuSelectedBorderColor, Colour)                                                         \
    X(19, MenuSelectedBackgroundColor, Colour)                                                     \
    X(20, MenuSelectedFontColor, Colour)                                                           \
    X(21, MenuBackgroundColor, Colour)                                                             \
    X(22, MenuFontColor, Colour)                                                                   \
    X(23, MenuBarColor, Colour)                                                                    \
    X(24, ProgressBarImage, Bitmap)                                                                \
    X(25, ControlBorderColor, Colour)                                                              \
    X(26, ControlBackgroundColor, Colour)                                                          \
    X(27, ControlFontColor, Colour)                                                                \
    X(28, TrackBarBarImage, Bitmap)                                                                \
    X(29, TrackBarSliderImage, Bitmap)                                                             \
    X(30, TrackBarSliderVImage, Bitmap)                                                            \
    X(31, ScrollBarBackgroundColor, Colour)                                                        \
    X(32, ScrollBarButtonImage, Bitmap)                                                            \
    X(33, ScrollBarSliderImage, Bitmap)                                                            \
    X(34, CheckListBoxImage, Bitmap)                                                               \
    X(35, ToolBarButtonBorderColor, Colour)                                                        \
    X(36, ToolBarButtonBackgroundColor, Colour)                                                    \
    X(37, ToolBarButtonDownBackgroundColor, Colour)                                                \
    X(38, ScrollButtonImage, Bitmap)                                                               \
    X(39, TabControlTabImage, Bitmap)                                                              \
    X(40, TabControlBarImage, Bitmap)                                                              \
    X(41, SideChannelHandleImage, Bitmap)                                                          \
    X(42, SideChannelBarImage, Bitmap)

// Element numbers as constants: SUI_THEME_ButtonImage == 1.
enum TsuiThemeElement : int {
#define SUI_ELEMENT_NUMBER(number, key, kind) SUI_THEME_##key = number,
    SUI_ENUMERATE_THEME_ELEMENTS(SUI_ELEMENT_NUMBER)
#undef SUI_ELEMENT_NUMBER
};

constexpr int kThemeElementCount = 42;

// The key a theme file stores element `element` under; "" outside 1..42.
std::string_view ThemeElementKey(int element);

// The element's kind; Integer outside 1..42.
TsuiElementKind ThemeElementKind(int element);

// ---- Built-in lookups. A style is passed as a byte; only its low seven bits count. ----

#include "platform/graphics/TColor.h"

class TsuiFileTheme;

// Whether a control in `style` reads from `fileTheme`. `effective` becomes the style to
// read built-in values with: `style` itself, or DeepBlue when FromThemeFile has no
// loaded theme.
bool UseFileTheme(const TsuiFileTheme* fileTheme, uint8_t style, TsuiUIStyle& effective);

// Fill `target` with the element's bitmap: the whole resource when `count` is 0, else
// frame `index` of `count`. Leaves `target` untouched for a null target or a non-bitmap.
void GetBuiltInBitmap(uint8_t style, int element, QImage* target, int index = 0, int count = 0);
TColor GetBuiltInColor(uint8_t style, int element);
int32_t GetBuiltInInt(uint8_t style, int element);
bool GetBuiltInBool(uint8_t style, int element);

// The name of the bitmap resource a built-in style uses for a bitmap element; "" for
// other kinds and other styles.
std::string_view GetBuiltInBitmapName(uint8_t style, int element);

// The skin bitmap resource of that name (decoded once, handed out as a copy); a null
// image when there is none. The copy shares pixels with the cache until it is written
// to; any write detaches it first, so the cached picture never changes.
QImage LoadSkinBitmap(std::string_view name);

// The style a control created with this owner starts in: the UIStyle of the first
// TsuiForm among the direct child widgets of a top-level widget; DeepBlue for anything
// else (no owner, not a window, no TsuiForm).
TsuiUIStyle GetFormUIStyle(const QObject* owner);
