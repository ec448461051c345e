#include "skin/SUIPublic.h"
#include "skin/SUIThemes.h"
#include "support/PixelImages.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace {

struct TSize {
    int w;
    int h;
};

struct TBitmapElement {
    int element;
    std::array<TSize, kBuiltInStyleCount> sizes; // MacOS, WinXP, DeepBlue, Protein, BlueGlass
    int frames; // as the controls cut it; 0 = used whole
};

// Sizes and frame counts every built-in bitmap must have.
constexpr TBitmapElement kBitmaps[] = {
    { SUI_THEME_ButtonImage, { { { 252, 23 }, { 54, 21 }, { 222, 21 }, { 222, 21 }, { 231, 27 } } },
        3 },
    { SUI_THEME_CheckBoxImage, { { { 60, 17 }, { 52, 13 }, { 52, 13 }, { 52, 13 }, { 52, 13 } } },
        4 },
    { SUI_THEME_RadioButtonImage,
        { { { 64, 17 }, { 52, 13 }, { 52, 13 }, { 52, 13 }, { 52, 13 } } }, 0 },
    { SUI_THEME_TitleBarButtonImage,
        { { { 306, 17 }, { 378, 21 }, { 342, 19 }, { 342, 19 }, { 342, 19 } } }, 18 },
    { SUI_THEME_TitleBarLeftImage,
        { { { 48, 23 }, { 35, 29 }, { 97, 32 }, { 441, 23 }, { 162, 33 } } }, 0 },
    { SUI_THEME_TitleBarClientImage,
        { { { 49, 23 }, { 37, 29 }, { 98, 32 }, { 1, 23 }, { 179, 33 } } }, 0 },
    { SUI_THEME_TitleBarRightImage,
        { { { 48, 23 }, { 35, 29 }, { 97, 32 }, { 1, 23 }, { 101, 33 } } }, 0 },
    { SUI_THEME_ProgressBarImage, { { { 13, 10 }, { 6, 10 }, { 1, 10 }, { 1, 10 }, { 1, 10 } } },
        0 },
    { SUI_THEME_TrackBarBarImage, { { { 45, 5 }, { 45, 8 }, { 45, 4 }, { 45, 4 }, { 45, 4 } } },
        3 },
    { SUI_THEME_TrackBarSliderImage,
        { { { 11, 20 }, { 11, 21 }, { 11, 20 }, { 11, 20 }, { 11, 20 } } }, 0 },
    { SUI_THEME_TrackBarSliderVImage,
        { { { 19, 11 }, { 22, 11 }, { 18, 11 }, { 18, 11 }, { 18, 11 } } }, 0 },
    { SUI_THEME_ScrollBarButtonImage,
        { { { 96, 22 }, { 96, 17 }, { 96, 16 }, { 96, 16 }, { 102, 16 } } }, 6 },
    { SUI_THEME_ScrollBarSliderImage,
        { { { 33, 16 }, { 21, 16 }, { 21, 16 }, { 21, 16 }, { 21, 16 } } }, 3 },
    { SUI_THEME_CheckListBoxImage,
        { { { 40, 11 }, { 44, 11 }, { 44, 11 }, { 44, 11 }, { 44, 11 } } }, 0 },
    { SUI_THEME_ScrollButtonImage,
        { { { 72, 18 }, { 72, 18 }, { 72, 17 }, { 72, 17 }, { 72, 17 } } }, 4 },
    { SUI_THEME_TabControlTabImage,
        { { { 36, 27 }, { 18, 18 }, { 12, 17 }, { 18, 17 }, { 18, 17 } } }, 2 },
    { SUI_THEME_TabControlBarImage, { { { 17, 7 }, { 8, 1 }, { 5, 5 }, { 10, 5 }, { 10, 5 } } },
        0 },
    { SUI_THEME_SideChannelHandleImage,
        { { { 7, 84 }, { 8, 86 }, { 8, 83 }, { 8, 83 }, { 8, 86 } } }, 0 },
    { SUI_THEME_SideChannelBarImage, { { { 1, 21 }, { 1, 21 }, { 1, 20 }, { 1, 21 }, { 1, 21 } } },
        0 },
};

struct TNamedBitmap {
    const char* name;
    TSize size;
};

constexpr TNamedBitmap kOtherBitmaps[] = {
    { "MACOS_FORM_BACKGROUND", { 8, 8 } },
    { "PROTEIN_FORM_BACKGROUND", { 8, 8 } },
    { "MACOS_MENU_BAR", { 1, 22 } },
    { "MACOS_MENU_SELECT", { 1, 21 } },
    { "MENU_CHECKED", { 16, 16 } },
    { "PANEL_BUTTON", { 52, 12 } },
    { "SIDECHANNEL_BTN", { 7, 9 } },
    { "STATUSBAR_HANDLE", { 11, 11 } },
};

} // namespace

TEST(SkinResources, EveryStyleBitmapExistsAtItsSize)
{
    for (const TBitmapElement& bitmap : kBitmaps) {
        for (int style = MacOS; style <= BlueGlass; ++style) {
            const std::string name(
                GetBuiltInBitmapName(static_cast<uint8_t>(style), bitmap.element));
            SCOPED_TRACE(name);
            const QImage image = LoadSkinBitmap(name);
            ASSERT_FALSE(image.isNull()) << "missing";
            const TSize size = bitmap.sizes[static_cast<std::size_t>(style - MacOS)];
            EXPECT_EQ(image.size(), QSize(size.w, size.h));
            EXPECT_EQ(image.format(), QImage::Format_RGB32);
            if (bitmap.frames > 0) {
                EXPECT_EQ(image.width() % bitmap.frames, 0) << bitmap.frames << " frames";
            }
        }
    }
}

TEST(SkinResources, BitmapsLoadedByNameExistAtTheirSize)
{
    for (const TNamedBitmap& bitmap : kOtherBitmaps) {
        SCOPED_TRACE(bitmap.name);
        const QImage image = LoadSkinBitmap(bitmap.name);
        ASSERT_FALSE(image.isNull()) << "missing";
        EXPECT_EQ(image.size(), QSize(bitmap.size.w, bitmap.size.h));
    }
    EXPECT_FALSE(LoadSkinBitmap("MAINICON").isNull());
}

// The pixels the build stored for the program are the drawn bitmaps', row for row.
TEST(SkinResources, StoredPixelsAreTheDrawnBitmaps)
{
    const QDir drawn(ZINTARO_SOURCE_DIR "/resources/skin");
    const QStringList files = drawn.entryList({ "*.png" });
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const QImage expected = QImage(drawn.filePath(file)).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(LoadSkinBitmap(QFileInfo(file).completeBaseName().toStdString()), expected);
    }
}

TEST(SkinResources, MissingNamesGiveNullImages)
{
    EXPECT_TRUE(LoadSkinBitmap("NO_SUCH_BITMAP").isNull());
    EXPECT_TRUE(LoadSkinBitmap("NO_SUCH_BITMAP").isNull()); // and again from the cache
    EXPECT_TRUE(LoadSkinBitmap("").isNull());
}

TEST(SkinResources, CopiesHandedOutCannotChangeTheCache)
{
    QImage first = LoadSkinBitmap("WINXP_TITLEBTN");
    ASSERT_FALSE(first.isNull());
    const TColor original = At(first, 0, 0);
    first.setPixel(0, 0, ToPixel(original ^ 0xFFFFFF));
    {
        TCanvas canvas(first);
        canvas.Brush.Color = original ^ 0x0F0F0F;
        canvas.FillRect({ 1, 0, 5, 5 });
    }
    const QImage second = LoadSkinBitmap("WINXP_TITLEBTN");
    EXPECT_EQ(At(second, 0, 0), original);
    EXPECT_NE(At(second, 2, 2), original ^ 0x0F0F0F);
}

TEST(SkinResources, TitleButtonFrameIsCutFromTheResource)
{
    const QImage whole = LoadSkinBitmap("WINXP_TITLEBTN");
    ASSERT_EQ(whole.size(), QSize(378, 21));
    QImage frame;
    GetBuiltInBitmap(WinXP, SUI_THEME_TitleBarButtonImage, &frame, 3, 18);
    ASSERT_EQ(frame.size(), QSize(21, 21));
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            ASSERT_EQ(At(frame, x, y), At(whole, 42 + x, y)) << x << "," << y;

    QImage all;
    GetBuiltInBitmap(WinXP, SUI_THEME_TitleBarButtonImage, &all);
    EXPECT_EQ(all, whole);
}

TEST(SkinResources, ShapedStylesShareOneScrollButtonBitmap)
{
    const QImage shared = LoadSkinBitmap("MORE_SCROLLBUTTON");
    ASSERT_FALSE(shared.isNull());
    for (uint8_t style : { DeepBlue, Protein, BlueGlass }) {
        QImage image;
        GetBuiltInBitmap(style, SUI_THEME_ScrollButtonImage, &image);
        EXPECT_EQ(image, shared) << int(style);
    }
    QImage mac;
    GetBuiltInBitmap(MacOS, SUI_THEME_ScrollButtonImage, &mac);
    EXPECT_EQ(mac, LoadSkinBitmap("MACOS_SCROLLBUTTON"));
}

TEST(SkinResources, MacMenuBarsUseOnlyTheirTopRows)
{
    const QImage bar = LoadSkinBitmap("MACOS_MENU_BAR");
    const QImage select = LoadSkinBitmap("MACOS_MENU_SELECT");
    ASSERT_FALSE(bar.isNull());
    ASSERT_FALSE(select.isNull());
    struct TCase {
        void (*draw)(TCanvas&, const TRect&);
        const QImage* source;
        int rows;
    };
    const TCase cases[] = { { DrawMacMenuBar, &bar, 12 }, { DrawMacMenuItemBar, &bar, 20 },
        { DrawMacMenuSelect, &select, 20 } };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.rows);
        // Stretched to twice the cut height, row y shows source row y / 2.
        QImage image(3, 2 * c.rows, QImage::Format_RGB32);
        image.fill(Qt::black);
        TCanvas canvas(image);
        c.draw(canvas, { 0, 0, 3, 2 * c.rows });
        for (int y = 0; y < 2 * c.rows; ++y)
            EXPECT_EQ(At(image, 2, y), At(*c.source, 0, y / 2)) << y;
    }
}
