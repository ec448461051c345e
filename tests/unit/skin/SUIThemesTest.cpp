#include "skin/SUIThemes.h"

#include "skin/SUIForm.h"
#include "skin/SUIMgr.h"

#include <QImage>
#include <QMetaEnum>
#include <QWidget>

#include <gtest/gtest.h>
#include <string>

namespace {

// A non-widget component carrying the same name must not count.
class TsuiFormLookalike : public QObject {
    Q_OBJECT
    Q_PROPERTY(int UIStyle READ UIStyle)
public:
    using QObject::QObject;
    int UIStyle() const { return WinXP; }
};

struct TValueCase {
    uint8_t style;
    int element;
    int32_t expected; // colours compared as their 32-bit value, booleans as 0/1
};

constexpr TValueCase kValueCases[] = {
    { MacOS, SUI_THEME_ButtonTransparentBool, 1 },
    { MacOS, SUI_THEME_TitleBarButtonRightOffsetInt, -2 },
    { MacOS, SUI_THEME_FormBorderColor, 0x7F7F7F },
    { MacOS, SUI_THEME_MenuBackgroundColor, 0x000000 },
    { MacOS, SUI_THEME_ScrollBarBackgroundColor, 0xC9C9C9 },
    { WinXP, SUI_THEME_TitleBarButtonTopInt, 5 },
    { WinXP, SUI_THEME_FormMinWidthInt, 150 },
    { WinXP, SUI_THEME_FormRoundCornerInt, 13 },
    { WinXP, SUI_THEME_FormBorderColor, 0xC82C00 },
    { WinXP, SUI_THEME_FormBorderWidthInt, 3 },
    { WinXP, SUI_THEME_MenuSelectedBackgroundColor, 0xEFD3C6 },
    { WinXP, SUI_THEME_ControlFontColor, 0xCF4602 },
    { WinXP, SUI_THEME_ToolBarButtonDownBackgroundColor, 0xE1AC93 },
    { DeepBlue, SUI_THEME_TitleBarButtonLeftOffsetInt, 0 },
    { DeepBlue, SUI_THEME_FormBackgroundColor, 0xE8E8E8 },
    { DeepBlue, SUI_THEME_MenuSelectedBorderColor, 0xA04A44 },
    { DeepBlue, SUI_THEME_ButtonTransparentBool, 0 },
    { Protein, SUI_THEME_TitleBarButtonTransparentBool, 1 },
    { Protein, SUI_THEME_ControlBackgroundColor, 0xFBFBFB },
    { Protein, SUI_THEME_MenuSelectedBackgroundColor, 0xC4302D },
    { Protein, SUI_THEME_ScrollBarBackgroundColor, 0xF5F5F5 },
    { BlueGlass, SUI_THEME_TitleBarButtonRightOffsetInt, -3 },
    { BlueGlass, SUI_THEME_TitleBarButtonTopInt, 6 },
    { BlueGlass, SUI_THEME_FormMinWidthInt, 270 },
    { BlueGlass, SUI_THEME_FormRoundCornerInt, 11 },
    { BlueGlass, SUI_THEME_MenuBackgroundColor, 0xE7E7E7 },
    { BlueGlass, SUI_THEME_ScrollBarBackgroundColor, 0xF4F4F4 },
    { BlueGlass, SUI_THEME_MenuBarColor, 0xCED3D6 },
};

int32_t Lookup(uint8_t style, int element)
{
    switch (ThemeElementKind(element)) {
    case TsuiElementKind::Integer:
        return GetBuiltInInt(style, element);
    case TsuiElementKind::Colour:
        return static_cast<int32_t>(GetBuiltInColor(style, element));
    case TsuiElementKind::Boolean:
        return GetBuiltInBool(style, element) ? 1 : 0;
    case TsuiElementKind::Bitmap:
        break;
    }
    return -99;
}

} // namespace

class BuiltInValues : public testing::TestWithParam<TValueCase> { };

TEST_P(BuiltInValues, MatchTheStyleTable)
{
    const TValueCase& c = GetParam();
    EXPECT_EQ(Lookup(c.style, c.element), c.expected)
        << "style " << int(c.style) << " element " << c.element;
    // The top bit of a style byte is not part of the style.
    EXPECT_EQ(Lookup(static_cast<uint8_t>(c.style | 0x80), c.element), c.expected);
}

INSTANTIATE_TEST_SUITE_P(SpotChecks, BuiltInValues, testing::ValuesIn(kValueCases));

TEST(BuiltInLookups, StylesWithoutATableGiveNeutralValues)
{
    for (int style : { int(FromThemeFile), 6, 0x7F, 0x80 }) {
        SCOPED_TRACE(style);
        EXPECT_EQ(GetBuiltInInt(static_cast<uint8_t>(style), SUI_THEME_FormBorderWidthInt), -1);
        EXPECT_EQ(GetBuiltInColor(static_cast<uint8_t>(style), SUI_THEME_FormBorderColor), 0u);
        EXPECT_FALSE(GetBuiltInBool(static_cast<uint8_t>(style), SUI_THEME_ButtonTransparentBool));
        EXPECT_EQ(GetBuiltInBitmapName(static_cast<uint8_t>(style), SUI_THEME_ButtonImage), "");
        QImage target(2, 2, QImage::Format_RGB32);
        target.fill(Qt::red);
        GetBuiltInBitmap(static_cast<uint8_t>(style), SUI_THEME_ButtonImage, &target, 1, 3);
        EXPECT_EQ(target.size(), QSize(2, 2));
    }
}

TEST(BuiltInLookups, ElementOfAnotherKindGivesNeutralValues)
{
    EXPECT_EQ(GetBuiltInColor(WinXP, SUI_THEME_ButtonImage), 0u);
    EXPECT_EQ(GetBuiltInColor(WinXP, SUI_THEME_FormBorderWidthInt), 0u);
    EXPECT_EQ(GetBuiltInInt(WinXP, SUI_THEME_FormBorderColor), -1);
    EXPECT_EQ(GetBuiltInInt(MacOS, SUI_THEME_ButtonTransparentBool), -1);
    EXPECT_FALSE(GetBuiltInBool(MacOS, SUI_THEME_FormBorderWidthInt));
    EXPECT_FALSE(GetBuiltInBool(BlueGlass, SUI_THEME_ButtonImage));
    EXPECT_EQ(GetBuiltInBitmapName(WinXP, SUI_THEME_FormBorderColor), "");
    // Numbers outside the element list are just as neutral.
    EXPECT_EQ(GetBuiltInInt(WinXP, 0), -1);
    EXPECT_EQ(GetBuiltInInt(WinXP, 43), -1);
    EXPECT_EQ(GetBuiltInColor(WinXP, -5), 0u);

    QImage target(3, 1, QImage::Format_RGB32);
    target.fill(Qt::green);
    const QImage before = target.copy();
    GetBuiltInBitmap(WinXP, SUI_THEME_FormBorderColor, &target);
    GetBuiltInBitmap(WinXP, SUI_THEME_FormBorderColor, &target, 1, 3);
    EXPECT_EQ(target, before);
    GetBuiltInBitmap(WinXP, SUI_THEME_ButtonImage, nullptr, 1, 3); // no target: nothing happens
}

TEST(BuiltInLookups, BitmapNamesArePrefixAndSuffix)
{
    const char* prefixes[] = { "MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS" };
    const std::pair<int, const char*> suffixes[] = {
        { 1, "BUTTON" },
        { 3, "CHECKBOX" },
        { 4, "RADIOBUTTON" },
        { 5, "TITLEBTN" },
        { 10, "TITLE_LEFT" },
        { 11, "TITLE_CLIENT" },
        { 12, "TITLE_RIGHT" },
        { 24, "PROGRESSBAR" },
        { 28, "TRACKBAR_BAR" },
        { 29, "TRACKBAR_SLIDER" },
        { 30, "TRACKBAR_SLIDER_V" },
        { 32, "SCROLLBAR_BUTTON" },
        { 33, "SCROLLBAR_TRACK" },
        { 34, "CHECKLIST" },
        { 38, "SCROLLBUTTON" },
        { 39, "TAB" },
        { 40, "TAB_LINE" },
        { 41, "SIDECHENNEL_HANDLE" },
        { 42, "SIDECHENNEL_BAR" },
    };
    int bitmapElements = 0;
    for (int element = 1; element <= kThemeElementCount; ++element)
        bitmapElements += ThemeElementKind(element) == TsuiElementKind::Bitmap;
    EXPECT_EQ(bitmapElements, static_cast<int>(std::size(suffixes)));

    for (int style = MacOS; style <= BlueGlass; ++style) {
        for (const auto& [element, suffix] : suffixes) {
            std::string expected = std::string(prefixes[style - 1]) + "_" + suffix;
            if (element == SUI_THEME_ScrollButtonImage && style >= DeepBlue)
                expected = "MORE_SCROLLBUTTON";
            EXPECT_EQ(GetBuiltInBitmapName(static_cast<uint8_t>(style), element), expected);
        }
    }
}

TEST(UseFileTheme, OnlyFromThemeFileWithALoadedThemeReadsTheFile)
{
    TsuiUIStyle effective = MacOS;
    EXPECT_FALSE(UseFileTheme(nullptr, WinXP, effective));
    EXPECT_EQ(effective, WinXP);

    TsuiFileTheme unloaded;
    ASSERT_FALSE(unloaded.Loaded());
    EXPECT_FALSE(UseFileTheme(&unloaded, Protein, effective));
    EXPECT_EQ(effective, Protein);

    effective = MacOS;
    EXPECT_FALSE(UseFileTheme(nullptr, FromThemeFile, effective));
    EXPECT_EQ(effective, DeepBlue);
    effective = MacOS;
    EXPECT_FALSE(UseFileTheme(&unloaded, FromThemeFile, effective));
    EXPECT_EQ(effective, DeepBlue);
    // 0x80 is FromThemeFile once the top bit is dropped.
    effective = MacOS;
    EXPECT_FALSE(UseFileTheme(nullptr, 0x80, effective));
    EXPECT_EQ(effective, DeepBlue);
}

TEST(StyleNames, LayoutNamesMapToOrdinals)
{
    const QMetaEnum names = QMetaEnum::fromType<TsuiUIStyle>();
    EXPECT_EQ(names.keyToValue("FromThemeFile"), 0);
    EXPECT_EQ(names.keyToValue("WinXP"), 2);
    EXPECT_EQ(names.keyToValue("BlueGlass"), 5);
    EXPECT_STREQ(names.valueToKey(DeepBlue), "DeepBlue");
}

TEST(GetFormUIStyle, NoFormMeansDeepBlue)
{
    EXPECT_EQ(GetFormUIStyle(nullptr), DeepBlue);
    QObject component;
    EXPECT_EQ(GetFormUIStyle(&component), DeepBlue);

    QWidget window;
    (new TsuiForm(&window))->SetUIStyle(WinXP);
    QWidget inner(&window);
    (new TsuiForm(&inner))->SetUIStyle(MacOS);
    // A control inside the window is no form, even when it holds a TsuiForm itself.
    EXPECT_EQ(GetFormUIStyle(&inner), DeepBlue);

    QWidget bare;
    new QWidget(&bare);
    new TsuiFormLookalike(&bare);
    EXPECT_EQ(GetFormUIStyle(&bare), DeepBlue);
}

TEST(GetFormUIStyle, TheDirectTsuiFormGivesTheStyle)
{
    QWidget window;
    QWidget* panel = new QWidget(&window);
    (new TsuiForm(panel))->SetUIStyle(MacOS); // not a direct child
    new TsuiFormLookalike(&window);
    (new TsuiForm(&window))->SetUIStyle(Protein);
    EXPECT_EQ(GetFormUIStyle(&window), Protein);
}

TEST(GetFormUIStyle, FormInFromThemeFileReportsIt)
{
    QWidget window;
    (new TsuiForm(&window))->SetUIStyle(FromThemeFile);
    EXPECT_EQ(GetFormUIStyle(&window), FromThemeFile);
}

#include "SUIThemesTest.moc"
