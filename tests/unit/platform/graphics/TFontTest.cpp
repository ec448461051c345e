#include "platform/graphics/TFont.h"

#include "platform/core/Exceptions.h"

#include <climits>
#include <gtest/gtest.h>

TEST(TFont, PointSizesAndHeightsAgreeAtDesignResolution)
{
    TFont font;
    for (auto [points, height] : { std::pair { 8, -11 }, { 12, -16 }, { 16, -21 } }) {
        font.SetSize(points);
        EXPECT_EQ(font.Height(), height);
        EXPECT_EQ(font.Size(), points);
        EXPECT_EQ(font.ToQFont().pixelSize(), -height);
    }
}

TEST(TFont, HostileHeightsGiveABoundedFont)
{
    TFont font;
    font.SetHeight(INT_MIN);
    EXPECT_EQ(font.ToQFont().pixelSize(), 1000);
    font.SetHeight(INT_MAX);
    EXPECT_EQ(font.ToQFont().pixelSize(), 1000);
    font.SetHeight(0);
    EXPECT_EQ(font.ToQFont().pixelSize(), 1);
}

TEST(TFont, StylesRoundTripAndUnknownNamesAreRefused)
{
    TFont font;
    font.SetStyleText("[fsBold, fsUnderline]");
    EXPECT_EQ(font.Styles(), unsigned(TFont::fsBold | TFont::fsUnderline));
    EXPECT_EQ(font.StyleText(), "[fsBold,fsUnderline]");
    EXPECT_TRUE(font.ToQFont().bold());
    EXPECT_THROW(font.SetStyleText("[fsBlod]"), EInvalidOperation);
    EXPECT_EQ(font.Styles(), unsigned(TFont::fsBold | TFont::fsUnderline))
        << "a refused value keeps the old one";
    EXPECT_EQ(SubstituteFontFamily("tahoma"), "DejaVu Sans");
}

TEST(TFont, EveryChangeAndAssignmentReachesTheQtFontAfterItWasUsed)
{
    TFont font, copy;
    EXPECT_EQ(font.ToQFont().family(), "DejaVu Sans");
    EXPECT_FALSE(copy.ToQFont().italic());
    font.SetName("Courier New");
    font.SetStyles(TFont::fsItalic);
    font.SetColor(clRed);
    EXPECT_EQ(font.ToQFont().family(), "DejaVu Sans Mono");
    copy.Assign(font);
    EXPECT_EQ(copy.ToQFont().family(), "DejaVu Sans Mono");
    EXPECT_TRUE(copy.ToQFont().italic());
}
