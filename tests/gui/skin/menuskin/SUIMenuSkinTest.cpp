#include "skin/SUIMenuSkin.h"

#include "platform/graphics/TCanvas.h"
#include "skin/SUIPublic.h"
#include "skin/SUIThemes.h"
#include "support/PixelImages.h"

#include <QMenu>

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace {

constexpr TsuiUIStyle kStyles[] = { MacOS, WinXP, DeepBlue, Protein, BlueGlass };
constexpr int kWidth = 160;

TsuiMenuSkin& Styled(TsuiMenuSkin& skin, TsuiUIStyle style)
{
    skin.SetUIStyle(style);
    return skin;
}

QImage Drawn(
    const TsuiMenuSkin& skin, const QAction& item, bool selected, int height, int width = kWidth)
{
    QImage image = Blank(width, height, 0x123456);
    TCanvas canvas(image);
    skin.DrawItem(item, canvas, TRect::FromSize(width, height), selected);
    return image;
}

// A picture of our own for an item's image: a red square with a blue dot on white.
QImage Picture()
{
    QImage picture = Blank(16, 16, clWhite);
    for (int y = 2; y < 14; ++y)
        for (int x = 2; x < 14; ++x)
            picture.setPixel(x, y, ToPixel(x == 7 && y == 7 ? clBlue : clRed));
    return picture;
}

// The colours of the pixels where the item's text is: those that differ from the same
// item drawn without any.
std::vector<TColor> TextColours(const QImage& withText, const QImage& without)
{
    std::vector<TColor> colours;
    for (int y = 0; y < withText.height(); ++y)
        for (int x = 0; x < withText.width(); ++x)
            if (withText.pixel(x, y) != without.pixel(x, y))
                colours.push_back(At(withText, x, y));
    return colours;
}

bool Has(const std::vector<TColor>& colours, TColor colour)
{
    return std::find(colours.begin(), colours.end(), colour) != colours.end();
}

TEST(MenuSkin, MeasuresSeparatorsAndItemsByStyle)
{
    struct Row {
        TsuiUIStyle style;
        const char* caption;
        const char* shortCut;
        int height;
    };
    const Row rows[] = {
        { WinXP, "-", "", 5 },
        { MacOS, "-", "", 12 },
        { WinXP, "&Open", "Ctrl+O", 21 },
        { MacOS, "&Open", "Ctrl+O", 20 },
        { BlueGlass, "--", "", 21 },
        { DeepBlue, "", "", 21 },
    };
    for (const Row& row : rows) {
        TsuiMenuSkin skin;
        TsuiMenuItem* item = Styled(skin, row.style).Add(row.caption);
        item->SetShortCutText(row.shortCut);
        QImage probe = Blank(1, 1);
        TCanvas canvas(probe);
        int width = 0;
        int height = 0;
        skin.MeasureItem(*item, canvas, width, height);
        SCOPED_TRACE(std::string(row.caption) + " in style " + std::to_string(row.style));
        EXPECT_EQ(height, row.height);
        EXPECT_EQ(width, canvas.TextWidth(row.caption) + canvas.TextWidth(row.shortCut) + 26 + 40);
    }
}

TEST(MenuSkin, MacOSKeepsItsHeightsAndAnotherStyleBringsItsOwnBack)
{
    TsuiMenuSkin skin;
    Styled(skin, MacOS).SetMenuItemHeight(30);
    skin.SetSeparatorHeight(9);
    EXPECT_EQ(skin.MenuItemHeight(), 20);
    EXPECT_EQ(skin.SeparatorHeight(), 12);
    Styled(skin, WinXP);
    EXPECT_EQ(skin.MenuItemHeight(), 21);
    EXPECT_EQ(skin.SeparatorHeight(), 5);
    skin.SetMenuItemHeight(30);
    EXPECT_EQ(skin.MenuItemHeight(), 30);
    EXPECT_TRUE(skin.OwnerDraw());
    skin.setProperty("OwnerDraw", false);
    EXPECT_TRUE(skin.OwnerDraw());
}

// One row per look of an item, in every style: what the background shows and in which
// colour the text is drawn.
TEST(MenuSkin, DrawsEachItemStateInEveryStyle)
{
    enum class Ground { Plain, Highlight };
    struct Row {
        const char* state;
        bool enabled, selected;
        Ground ground;
        bool greyText;
    };
    const Row rows[] = {
        { "plain", true, false, Ground::Plain, false },
        { "selected", true, true, Ground::Highlight, false },
        { "disabled", false, false, Ground::Plain, true },
        { "disabled and selected", false, true, Ground::Plain, true },
    };
    for (TsuiUIStyle style : kStyles) {
        TsuiMenuSkin skin;
        Styled(skin, style);
        const int h = skin.MenuItemHeight();
        const TRect r = TRect::FromSize(kWidth, h);
        QImage plain = Blank(kWidth, h);
        QImage highlight = Blank(kWidth, h);
        {
            TCanvas p(plain);
            TCanvas s(highlight);
            if (style == MacOS) {
                DrawMacMenuItemBar(p, r);
                DrawMacMenuSelect(s, r);
            } else {
                FillRectColor(p, { 0, 0, 26, h }, GetBuiltInColor(style, SUI_THEME_MenuBarColor));
                FillRectColor(
                    p, { 26, 0, kWidth, h }, GetBuiltInColor(style, SUI_THEME_MenuBackgroundColor));
                FillRectColor(s, r, GetBuiltInColor(style, SUI_THEME_MenuSelectedBackgroundColor));
                FrameRectColor(s, r, GetBuiltInColor(style, SUI_THEME_MenuSelectedBorderColor));
            }
        }
        TsuiMenuItem* item = skin.Add("&Open");
        TsuiMenuItem* blank = skin.Add("");
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.state) + " in style " + std::to_string(style));
            item->SetEnabled(row.enabled);
            blank->SetEnabled(row.enabled);
            const QImage shot = Drawn(skin, *item, row.selected, h);
            const QImage bare = Drawn(skin, *blank, row.selected, h);
            EXPECT_EQ(bare, row.ground == Ground::Plain ? plain : highlight);
            const std::vector<TColor> text = TextColours(shot, bare);
            ASSERT_FALSE(text.empty());
            EXPECT_EQ(shot.copy(0, 0, 30, h), bare.copy(0, 0, 30, h)) << "caption at x = 30";
            const TColor expected = row.greyText ? 0x808080
                : row.selected ? GetBuiltInColor(style, SUI_THEME_MenuSelectedFontColor)
                               : GetBuiltInColor(style, SUI_THEME_MenuFontColor);
            EXPECT_TRUE(Has(text, expected));
        }
    }
}

TEST(MenuSkin, DrawsSeparatorsAsALineOrTheMacBar)
{
    for (TsuiUIStyle style : kStyles) {
        TsuiMenuSkin skin;
        TsuiMenuItem* separator = Styled(skin, style).Add("-");
        const int h = skin.SeparatorHeight();
        QImage expected = Blank(kWidth, h);
        TCanvas canvas(expected);
        if (style == MacOS)
            DrawMacMenuBar(canvas, TRect::FromSize(kWidth, h));
        else {
            FillRectColor(canvas, { 0, 0, 26, h }, GetBuiltInColor(style, SUI_THEME_MenuBarColor));
            FillRectColor(canvas, { 26, 0, kWidth, h },
                GetBuiltInColor(style, SUI_THEME_MenuBackgroundColor));
            for (int x = 30; x < kWidth - 2; ++x)
                canvas.SetPixel(x, 2, 0x848284);
        }
        EXPECT_EQ(Drawn(skin, *separator, true, h), expected) << "style " << style;
    }
}

// The check mark, or the item's image on a black-framed box in SelectedColor; both in the
// shadow colour on a disabled item.
TEST(MenuSkin, DrawsTheCheckMarkOrTheImageOnItsBox)
{
    const QImage check = LoadSkinBitmap("MENU_CHECKED");
    const TColor shadow = ColorToRGB(clBtnShadow);
    struct Row {
        const char* what;
        bool checked;
        int imageIndex;
        bool box, mark, image;
    };
    const Row rows[] = {
        { "checked", true, -1, false, true, false },
        { "checked with an image", true, 0, true, false, true },
        { "image only", false, 0, false, false, true },
        { "checked, image index past the list", true, 1, false, true, false },
    };
    for (TsuiUIStyle style : kStyles)
        for (bool enabled : { true, false })
            for (const Row& row : rows) {
                TsuiMenuSkin skin;
                Styled(skin, style).SetImages({ Picture() });
                TsuiMenuItem* item = skin.Add("");
                item->SetEnabled(enabled);
                item->SetChecked(row.checked);
                item->SetImageIndex(row.imageIndex);
                const QImage shot = Drawn(skin, *item, false, skin.MenuItemHeight());
                SCOPED_TRACE(std::string(row.what) + (enabled ? "" : ", disabled") + ", style "
                    + std::to_string(style));
                bool mark = true;
                for (int y = 0; y < check.height(); ++y)
                    for (int x = 0; x < check.width(); ++x)
                        if (At(check, x, y) != clWhite)
                            mark &= At(shot, 4 + x, 3 + y) == (enabled ? At(check, x, y) : shadow);
                // A disabled image is all shadow where the mark would be.
                if (enabled || !row.image) {
                    EXPECT_EQ(mark, row.mark);
                }
                EXPECT_EQ(At(shot, 11, 10) == (enabled ? clBlue : shadow)
                        && At(shot, 6, 5) == (enabled ? clRed : shadow),
                    row.image);
                const bool box = At(shot, 2, 1) == clBlack && At(shot, 20, 19) == clBlack
                    && At(shot, 3, 2)
                        == GetBuiltInColor(style, SUI_THEME_MenuSelectedBackgroundColor);
                EXPECT_EQ(box, row.box);
            }
}

TEST(MenuSkin, DrawsTheDefaultItemBold)
{
    TsuiMenuSkin skin;
    TsuiMenuItem* item = Styled(skin, WinXP).Add("Minimise");
    TsuiMenuItem* other = skin.Add("Minimise");
    auto inkOf = [&](const QAction& action) {
        const QImage shot = Drawn(skin, action, false, 21);
        return std::count(shot.bits(), shot.bits() + shot.sizeInBytes(), 0);
    };
    const auto regular = inkOf(*item);
    item->SetDefault(true);
    EXPECT_TRUE(item->Default());
    EXPECT_GT(inkOf(*item), regular);
    other->SetDefault(true);
    EXPECT_FALSE(item->Default()) << "one default item per menu";
}

// The popup itself: a raised 3-pixel frame, then the items one under the other at their
// measured heights, as wide as the widest, each drawn exactly as DrawItem draws it.
TEST(MenuSkin, ThePopupLaysItsItemsOutAtTheirMeasuredSizes)
{
    for (TsuiUIStyle style : { MacOS, WinXP }) {
        TsuiMenuSkin skin;
        Styled(skin, style);
        TsuiMenuItem* open = skin.Add("&Open");
        open->SetShortCutText("Ctrl+O");
        TsuiMenuItem* separator = skin.Add("-");
        TsuiMenuItem* close = skin.Add("&Close");
        QMenu& menu = *skin.Menu();
        menu.setActiveAction(close);
        const QImage shot = menu.grab().toImage();

        auto measured = [&](const QAction& item) {
            QImage probe = Blank(1, 1);
            TCanvas canvas(probe);
            GetMenuFont(canvas.Font());
            QSize size;
            skin.MeasureItem(item, canvas, size.rwidth(), size.rheight());
            return size;
        };
        // The widest item, the one with the shortcut, sets the width of all.
        const int width = measured(*open).width();
        const int h1 = measured(*open).height();
        const int h2 = measured(*separator).height();
        const int h3 = measured(*close).height();
        SCOPED_TRACE("style " + std::to_string(style));
        EXPECT_EQ(menu.actionGeometry(open), QRect(3, 3, width, h1));
        EXPECT_EQ(menu.actionGeometry(separator), QRect(3, 3 + h1, width, h2));
        EXPECT_EQ(menu.actionGeometry(close), QRect(3, 3 + h1 + h2, width, h3));
        EXPECT_EQ(shot.size(), QSize(width + 6, 6 + h1 + h2 + h3));
        EXPECT_EQ(shot.copy(menu.actionGeometry(close)), Drawn(skin, *close, true, h3, width));
        EXPECT_EQ(At(shot, 0, 0), ColorToRGB(cl3DLight));
        EXPECT_EQ(At(shot, shot.width() - 1, 5), ColorToRGB(cl3DDkShadow));

        // The flat frame: black, then white, with the shade along the top and the right.
        skin.SetFlatMenu(true);
        const QImage flat = menu.grab().toImage();
        const int right = flat.width() - 1;
        const TColor shade = GetBuiltInColor(style, SUI_THEME_FormBackgroundColor);
        const TColor face = ColorToRGB(clBtnFace);
        for (auto [x, y, colour] :
            { std::tuple { 1, 0, shade }, { 0, 1, clBlack }, { 1, 2, clWhite }, { 2, 3, face },
                { right, 5, shade }, { right - 1, 5, clBlack }, { right - 2, 5, clWhite } })
            EXPECT_EQ(At(flat, x, y), colour) << x << "," << y;
        EXPECT_EQ(flat.copy(menu.actionGeometry(close)), shot.copy(menu.actionGeometry(close)));
    }
}

} // namespace
