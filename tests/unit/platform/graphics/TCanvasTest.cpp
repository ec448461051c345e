#include "platform/graphics/TCanvas.h"
#include "support/PixelImages.h"

#include <QImage>

#include <chrono>
#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr TColor kBack = 0xFFFFFF;
constexpr TColor kInk = 0x0000FF;
constexpr TColor kFill = 0x00FF00;

// Bounding box of every pixel that differs from the background.
TRect InkBox(const QImage& image, TColor background)
{
    TRect box { image.width(), image.height(), -1, -1 };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) != background) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box;
}

} // namespace

TEST(TCanvasColours, PixelsAndColoursConvertBothWays)
{
    EXPECT_EQ(ToPixel(0xC82C00), 0xFF002CC8u); // $00BBGGRR -> 0xAARRGGBB
    EXPECT_EQ(FromPixel(0xFF112233u), 0x332211u);
    EXPECT_EQ(ToPixel(clBtnFace), ToPixel(ColorToRGB(clBtnFace)));
}

TEST(TCanvasRectangles, FillRectLeavesOutRightColumnAndBottomRow)
{
    QImage image = Blank(8, 6);
    TCanvas canvas(image);
    canvas.Brush.Color = kFill;
    canvas.FillRect({ 1, 1, 4, 3 });
    EXPECT_EQ(Map(image, kFill),
        (std::vector<std::string> {
            "........",
            ".###....",
            ".###....",
            "........",
            "........",
            "........",
        }));
}

TEST(TCanvasRectangles, FrameRectIsOnePixelInBrushColour)
{
    QImage image = Blank(7, 6);
    TCanvas canvas(image);
    canvas.Brush.Color = kFill;
    canvas.FrameRect({ 1, 1, 6, 5 });
    EXPECT_EQ(Map(image, kFill),
        (std::vector<std::string> {
            ".......",
            ".#####.",
            ".#...#.",
            ".#...#.",
            ".#####.",
            ".......",
        }));
}

TEST(TCanvasRectangles, RectangleOutlinesWithPenAndFillsWithBrush)
{
    QImage image = Blank(6, 5);
    TCanvas canvas(image);
    canvas.Pen.Color = kInk;
    canvas.Brush.Color = kFill;
    canvas.Rectangle({ 0, 0, 5, 4 });
    EXPECT_EQ(Map(image, kInk),
        (std::vector<std::string> {
            "#####.",
            "#...#.",
            "#...#.",
            "#####.",
            "......",
        }));
    EXPECT_EQ(Map(image, kFill),
        (std::vector<std::string> {
            "......",
            ".###..",
            ".###..",
            "......",
            "......",
        }));
}

TEST(TCanvasRectangles, RectangleWithoutPenFillsOneLessEachWay)
{
    QImage image = Blank(5, 4);
    TCanvas canvas(image);
    canvas.Pen.Style = TPenStyle::Clear;
    canvas.Brush.Color = kFill;
    canvas.Rectangle({ 0, 0, 4, 3 });
    EXPECT_EQ(Map(image, kFill),
        (std::vector<std::string> {
            "###..",
            "###..",
            ".....",
            ".....",
        }));
}

TEST(TCanvasRectangles, ClearPenAndBrushDrawNothing)
{
    QImage image = Blank(4, 4);
    TCanvas canvas(image);
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.Pen.Style = TPenStyle::Clear;
    canvas.FillRect({ 0, 0, 4, 4 });
    canvas.FrameRect({ 0, 0, 4, 4 });
    canvas.Rectangle({ 0, 0, 4, 4 });
    canvas.RoundRect({ 0, 0, 4, 4 }, 2, 2);
    canvas.MoveTo(0, 0);
    canvas.LineTo(3, 3);
    canvas.Polyline({ { 0, 0 }, { 3, 0 } });
    EXPECT_EQ(image, Blank(4, 4));
}

TEST(TCanvasRectangles, PatternBrushTilesFromImageOrigin)
{
    QImage pattern = Blank(2, 1, kInk);
    pattern.setPixel(1, 0, ToPixel(kFill));
    QImage image = Blank(6, 1);
    TCanvas canvas(image);
    canvas.Brush.Pattern = pattern;
    canvas.FillRect({ 1, 0, 5, 1 });
    EXPECT_EQ(Map(image, kInk)[0], "..#.#.");
    EXPECT_EQ(Map(image, kFill)[0], ".#.#..");
}

TEST(TCanvasRectangles, RoundRectCutsCornersSymmetrically)
{
    QImage image = Blank(13, 11);
    TCanvas canvas(image);
    canvas.Pen.Color = kInk;
    canvas.Brush.Color = kFill;
    canvas.RoundRect({ 0, 0, 12, 10 }, 6, 6);
    // Right column and bottom row stay outside, as for every rectangle.
    for (int y = 0; y < 11; ++y)
        EXPECT_EQ(At(image, 12, y), kBack);
    for (int x = 0; x < 13; ++x)
        EXPECT_EQ(At(image, x, 10), kBack);
    EXPECT_EQ(At(image, 0, 0), kBack);
    EXPECT_EQ(At(image, 11, 9), kBack);
    EXPECT_EQ(At(image, 6, 0), kInk); // straight top edge
    EXPECT_EQ(At(image, 0, 5), kInk); // straight left edge
    EXPECT_EQ(At(image, 11, 5), kInk); // straight right edge
    EXPECT_EQ(At(image, 6, 5), kFill);
    // Mirror symmetry both ways within the 12 x 10 box.
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x) {
            EXPECT_EQ(At(image, x, y), At(image, 11 - x, y)) << x << "," << y;
            EXPECT_EQ(At(image, x, y), At(image, x, 9 - y)) << x << "," << y;
        }
    // The outline is closed: every row has ink at both ends of its span.
    for (int y = 0; y < 10; ++y) {
        std::string row = Map(image, kBack)[y];
        std::size_t left = row.find('.');
        std::size_t right = row.rfind('.', 11);
        EXPECT_EQ(At(image, static_cast<int>(left), y), kInk);
        EXPECT_EQ(At(image, static_cast<int>(right), y), kInk);
    }
}

TEST(TCanvasLines, LineToLeavesOutEndPointAndMovesThePen)
{
    QImage image = Blank(6, 6);
    TCanvas canvas(image);
    canvas.Pen.Color = kInk;
    canvas.MoveTo(1, 1);
    canvas.LineTo(4, 1);
    canvas.LineTo(4, 4);
    canvas.LineTo(1, 1);
    EXPECT_EQ(canvas.PenPos(), (TPoint { 1, 1 }));
    EXPECT_EQ(Map(image, kInk),
        (std::vector<std::string> {
            "......",
            ".####.",
            "..#.#.",
            "...##.",
            "....#.",
            "......",
        }));
}

TEST(TCanvasLines, ShallowLineRoundsToNearestRow)
{
    QImage image = Blank(7, 3);
    TCanvas canvas(image);
    canvas.Pen.Color = kInk;
    canvas.MoveTo(0, 0);
    canvas.LineTo(6, 2);
    EXPECT_EQ(Map(image, kInk), (std::vector<std::string> { "##.....", "..###..", ".....#." }));
}

TEST(TCanvasLines, PolylineLeavesOutOnlyTheLastPoint)
{
    QImage image = Blank(5, 5);
    TCanvas canvas(image);
    canvas.Pen.Color = kInk;
    canvas.MoveTo(4, 4);
    canvas.Polyline({ { 0, 0 }, { 3, 0 }, { 3, 3 }, { 0, 3 } });
    EXPECT_EQ(canvas.PenPos(), (TPoint { 4, 4 }));
    EXPECT_EQ(Map(image, kInk),
        (std::vector<std::string> {
            "####.",
            "...#.",
            "...#.",
            ".###.",
            ".....",
        }));
}

TEST(TCanvasLines, FarEndPointsAreClippedWithoutWalkingThem)
{
    QImage image = Blank(10, 3);
    TCanvas canvas(image);
    canvas.Pen.Color = kInk;
    auto start = std::chrono::steady_clock::now();
    canvas.MoveTo(-2000000000, 1);
    canvas.LineTo(2000000000, 1);
    canvas.MoveTo(2000000000, 2000000000);
    canvas.LineTo(-2000000000, -2000000000);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(Map(image, kInk)[1], "##########");
    EXPECT_EQ(At(image, 0, 0), kInk); // the diagonal through the origin
    EXPECT_EQ(At(image, 2, 2), kInk);
}

TEST(TCanvasClipping, OriginShiftsAndClipLimitsEveryOperation)
{
    QImage image = Blank(6, 6);
    TCanvas canvas(image);
    canvas.SetViewportOrigin({ 2, 1 });
    canvas.Brush.Color = kFill;
    canvas.FillRect({ 0, 0, 2, 2 });
    EXPECT_EQ(At(image, 2, 1), kFill);
    EXPECT_EQ(At(image, 3, 2), kFill);
    EXPECT_EQ(At(image, 4, 1), kBack);
    EXPECT_EQ(canvas.Pixel(0, 0), kFill);

    canvas.SetClipRect({ 0, 0, 3, 3 }); // image pixels 2..4, 1..3
    canvas.Brush.Color = kInk;
    canvas.FillRect({ -10, -10, 10, 10 });
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            bool inside = x >= 2 && x < 5 && y >= 1 && y < 4;
            EXPECT_EQ(At(image, x, y) == kInk, inside) << x << "," << y;
        }
    EXPECT_EQ(canvas.Pixel(3, 0), kInvalidPixel);
    canvas.ResetClip();
    canvas.SetViewportOrigin({ 0, 0 });
    canvas.SetPixel(5, 5, kFill);
    EXPECT_EQ(At(image, 5, 5), kFill);
    canvas.SetPixel(6, 6, kFill); // outside: ignored
    EXPECT_EQ(canvas.Pixel(-1, 0), kInvalidPixel);
}

TEST(TCanvasBitmaps, DrawCopiesAndClipsAtEveryEdge)
{
    QImage source = Blank(3, 2, kInk);
    source.setPixel(0, 0, ToPixel(kFill));
    QImage image = Blank(4, 4);
    TCanvas canvas(image);
    canvas.Draw(-1, -1, source);
    canvas.Draw(3, 3, source);
    EXPECT_EQ(Map(image, kInk),
        (std::vector<std::string> {
            "##..",
            "....",
            "....",
            "....",
        }));
    EXPECT_EQ(At(image, 3, 3), kFill);
    canvas.Draw(1, 1, source);
    EXPECT_EQ(Map(image, kInk),
        (std::vector<std::string> {
            "##..",
            "..##",
            ".###",
            "....",
        }));
    EXPECT_EQ(At(image, 1, 1), kFill);
    EXPECT_EQ(At(image, 3, 3), kFill);
}

TEST(TCanvasBitmaps, KeyColourPixelsAreNotCopied)
{
    QImage source = Blank(3, 1, clFuchsia);
    source.setPixel(1, 0, ToPixel(kInk));
    QImage image = Blank(3, 1, kFill);
    TCanvas canvas(image);
    canvas.DrawTransparent(0, 0, source, clFuchsia);
    EXPECT_EQ(Map(image, kFill)[0], "#.#");
    EXPECT_EQ(At(image, 1, 0), kInk);
    // A key is compared on colour only: an alpha channel in the source does not hide it.
    QImage argb(1, 1, QImage::Format_ARGB32);
    argb.setPixel(0, 0, 0x80FF00FFu);
    canvas.DrawTransparent(0, 0, argb, clFuchsia);
    EXPECT_EQ(At(image, 0, 0), kFill);
}

TEST(TCanvasBitmaps, StretchCopiesNearestPixelsWithoutBlending)
{
    QImage source = Blank(2, 1, kInk);
    source.setPixel(1, 0, ToPixel(kFill));
    QImage image = Blank(5, 2);
    TCanvas canvas(image);
    canvas.StretchDraw({ 0, 0, 5, 2 }, source);
    // Target column x samples source column (2x + 1) * 2 / 10.
    EXPECT_EQ(Map(image, kInk), (std::vector<std::string> { "##...", "##..." }));
    EXPECT_EQ(Map(image, kFill), (std::vector<std::string> { "..###", "..###" }));

    QImage wide = Blank(4, 1);
    for (int x = 0; x < 4; ++x)
        wide.setPixel(x, 0, ToPixel(static_cast<TColor>(x * 0x40)));
    QImage half = Blank(2, 1);
    TCanvas small(half);
    small.StretchDraw({ 0, 0, 2, 1 }, wide);
    EXPECT_EQ(At(half, 0, 0), 0x40u); // centres of 2-pixel cells: columns 1 and 3
    EXPECT_EQ(At(half, 1, 0), 0xC0u);
}

TEST(TCanvasBitmaps, CopyRectTakesPartOfTheSourceAndIgnoresEmptyRects)
{
    QImage source = Blank(4, 1, kInk);
    source.setPixel(2, 0, ToPixel(kFill));
    QImage image = Blank(4, 1);
    TCanvas canvas(image);
    canvas.CopyRect({ 0, 0, 2, 1 }, source, { 2, 0, 3, 1 });
    EXPECT_EQ(Map(image, kFill)[0], "##..");
    canvas.CopyRect({ 3, 0, 2, 1 }, source, { 0, 0, 4, 1 }); // inverted target
    canvas.CopyRect({ 0, 0, 4, 1 }, source, { 0, 0, 0, 1 }); // empty source
    canvas.CopyRect({ 0, 0, 4, 1 }, QImage(), { 0, 0, 4, 1 });
    EXPECT_EQ(Map(image, kFill)[0], "##..");
    // Samples outside the source leave the target alone.
    canvas.CopyRect({ 0, 0, 4, 1 }, source, { 2, 0, 6, 1 });
    EXPECT_EQ(Map(image, kFill)[0], "#...");
    EXPECT_EQ(Map(image, kInk)[0], ".#..");
    EXPECT_EQ(At(image, 2, 0), kBack);
    // So do sources at the far ends of the coordinates.
    canvas.CopyRect({ 0, 0, 4, 1 }, source, { INT_MAX - 4, 0, INT_MAX, 1 });
    canvas.CopyRect({ 0, 0, 4, 1 }, source, { INT_MIN, 0, INT_MIN + 4, 1 });
    EXPECT_EQ(Map(image, kFill)[0], "#...");
}

TEST(TCanvasBitmaps, DrawingAnImageOntoItselfReadsTheOriginal)
{
    QImage image = Blank(4, 1, kInk);
    image.setPixel(0, 0, ToPixel(kFill));
    TCanvas canvas(image);
    canvas.Draw(1, 0, image);
    EXPECT_EQ(Map(image, kFill)[0], "##..");
}

TEST(TCanvasBitmaps, CanvasTakesOverImagesOfOtherFormats)
{
    QImage image(3, 3, QImage::Format_ARGB32);
    image.fill(Qt::white);
    TCanvas canvas(image);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    canvas.Brush.Color = kFill;
    canvas.FillRect({ 0, 0, 1, 1 });
    EXPECT_EQ(At(image, 0, 0), kFill);
}

TEST(TCanvasFocus, FocusRectInvertsAlternatePixelsAndTwiceRestores)
{
    QImage image = Blank(8, 6, 0x123456);
    image.setPixel(3, 3, ToPixel(kInk));
    const QImage original = image.copy();
    TCanvas canvas(image);
    canvas.DrawFocusRect({ 1, 1, 7, 5 });
    const TColor inverted = 0x123456 ^ 0xFFFFFF;
    EXPECT_EQ(Map(image, inverted),
        (std::vector<std::string> {
            "........",
            ".#.#.#..",
            "......#.",
            ".#......",
            "..#.#.#.",
            "........",
        }));
    canvas.DrawFocusRect({ 1, 1, 7, 5 });
    EXPECT_EQ(image, original);
}

TEST(TCanvasFocus, ThinFocusRectInvertsEachPixelOnce)
{
    QImage image = Blank(3, 4, 0x000000);
    TCanvas canvas(image);
    canvas.DrawFocusRect({ 1, 0, 2, 4 }); // one column: left and right edges coincide
    EXPECT_EQ(Map(image, 0xFFFFFF),
        (std::vector<std::string> {
            "...",
            ".#.",
            "...",
            ".#.",
        }));
}

class TCanvasText : public testing::Test {
protected:
    QImage image = Blank(120, 40);
    TCanvas canvas { image };
    void SetUp() override
    {
        canvas.Font().SetName("Tahoma");
        canvas.Font().SetHeight(-11);
        canvas.Font().SetColor(clBlack);
        canvas.Brush.Style = TBrushStyle::Clear;
    }
};

TEST_F(TCanvasText, DrawTextAlignsSingleLinesAndClipsToTheRectangle)
{
    const TRect rect { 10, 5, 110, 35 };
    const int width = canvas.TextWidth("Chinese");
    canvas.DrawText("Chinese", rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    TRect ink = InkBox(image, kBack);
    ASSERT_LT(ink.Left, ink.Right);
    const int left = rect.Left + (rect.Width() - width) / 2;
    EXPECT_GE(ink.Left, left - 1);
    EXPECT_LE(ink.Right, left + width + 1);
    const int middle = (ink.Top + ink.Bottom) / 2;
    EXPECT_NEAR(middle, (rect.Top + rect.Bottom) / 2, 3);

    image.fill(ToPixel(kBack));
    canvas.DrawText("Chinese", rect, DT_SINGLELINE | DT_RIGHT);
    ink = InkBox(image, kBack);
    EXPECT_LE(ink.Right, rect.Right);
    EXPECT_GE(ink.Right, rect.Right - 2);
    EXPECT_LE(ink.Top, rect.Top + 4);

    image.fill(ToPixel(kBack));
    canvas.DrawText("A caption far too long to fit", { 0, 0, 30, 40 }, DT_SINGLELINE);
    EXPECT_LE(InkBox(image, kBack).Right, 30);

    // Outside the canvas's clip a line draws nothing and is still one line high.
    const int lineHeight = canvas.DrawText("Chinese", rect, DT_SINGLELINE);
    image.fill(ToPixel(kBack));
    canvas.SetClipRect({ 0, 0, 5, 5 });
    EXPECT_EQ(canvas.DrawText("Chinese", rect, DT_SINGLELINE), lineHeight);
    EXPECT_EQ(Map(image, kBack)[20], std::string(120, '#'));
    canvas.ResetClip();
}

TEST_F(TCanvasText, EndEllipsisShortensToTheWidth)
{
    const TRect rect { 0, 0, 60, 20 };
    canvas.DrawText("A caption far too long to fit", rect, DT_SINGLELINE | DT_END_ELLIPSIS);
    const TRect ink = InkBox(image, kBack);
    EXPECT_LE(ink.Right, 60);
    EXPECT_LE(
        canvas.CalcTextRect("A caption far too long to fit", rect, DT_SINGLELINE | DT_END_ELLIPSIS)
            .Right,
        60);
}

TEST_F(TCanvasText, AccessKeyMarkIsRemovedAndUnderlined)
{
    const TRect rect { 0, 0, 120, 20 };
    EXPECT_EQ(canvas.CalcTextRect("&Open", rect, DT_SINGLELINE).Width(), canvas.TextWidth("Open"));
    EXPECT_EQ(canvas.CalcTextRect("&Open", rect, DT_SINGLELINE | DT_NOPREFIX).Width(),
        canvas.TextWidth("&Open"));
    EXPECT_EQ(canvas.CalcTextRect("A&&B", rect, DT_SINGLELINE).Width(), canvas.TextWidth("A&B"));

    canvas.DrawText("&Open", rect, DT_SINGLELINE);
    const QImage marked = image.copy();
    image.fill(ToPixel(kBack));
    canvas.DrawText("&Open", rect, DT_SINGLELINE | DT_HIDEPREFIX);
    EXPECT_NE(marked, image);
    EXPECT_GT(InkBox(marked, kBack).Bottom, InkBox(image, kBack).Bottom - 1);
}

TEST_F(TCanvasText, LinesStackAndWordsBreakToTheWidth)
{
    const TRect rect { 0, 0, 40, 200 };
    const int line = canvas.TextHeight("W");
    EXPECT_EQ(canvas.CalcTextRect("one\ntwo", rect, 0).Height(), 2 * line);
    EXPECT_EQ(canvas.CalcTextRect("one\ntwo", rect, DT_SINGLELINE).Height(), line);
    const TRect wrapped = canvas.CalcTextRect("aa bb cc dd ee ff", rect, DT_WORDBREAK);
    EXPECT_GT(wrapped.Height(), line);
    EXPECT_LE(wrapped.Width(), 40);
    EXPECT_EQ(canvas.DrawText("aa bb cc dd ee ff", rect, DT_WORDBREAK), wrapped.Height());
}

TEST_F(TCanvasText, SolidBrushFillsTheTextCell)
{
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.Brush.Color = kFill;
    canvas.TextOut(5, 5, "Hi");
    const int w = canvas.TextWidth("Hi");
    const int h = canvas.TextHeight("Hi");
    EXPECT_EQ(At(image, 5, 5), kFill);
    EXPECT_EQ(At(image, 5 + w - 1, 5 + h - 1), kFill);
    EXPECT_EQ(At(image, 5 + w, 5), kBack);
    EXPECT_EQ(At(image, 5, 5 + h), kBack);
    EXPECT_NE(InkBox(image, kFill), TRect {});

    // Left-aligned DrawText needs the width for nothing but this cell.
    canvas.DrawText("Hi", { 60, 5, 110, 35 }, DT_SINGLELINE);
    EXPECT_EQ(At(image, 60 + w - 1, 5 + h - 1), kFill);
    EXPECT_EQ(At(image, 60 + w, 5), kBack);
}
