#include "skin/SUIPublic.h"
#include "support/PixelImages.h"

#include "skin/SUIMgr.h"
#include "skin/SUIThemes.h"

#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr TColor kBack = 0xFFFFFF;
constexpr TColor kKey = 0x00FF00;

// Records the order in which its published setters run.
class TStyleProbe : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(QObject* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    TStyleProbe(QWidget* parent, std::vector<std::string>& log, std::string name)
        : QWidget(parent)
        , m_log(log)
        , m_name(std::move(name))
    {
    }
    int UIStyle() const { return m_style; }
    void SetUIStyle(int style)
    {
        m_style = style;
        m_log.push_back(m_name + ".UIStyle=" + std::to_string(style));
    }
    QObject* FileTheme() const { return m_theme; }
    void SetFileTheme(QObject* theme)
    {
        m_theme = theme;
        m_log.push_back(m_name + ".FileTheme");
    }

private:
    std::vector<std::string>& m_log;
    std::string m_name;
    int m_style = -1;
    QObject* m_theme = nullptr;
};

// The same protocol with the property typed as the theme class itself.
class TTypedStyleProbe : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    using QWidget::QWidget;
    int UIStyle() const { return m_style; }
    void SetUIStyle(int style) { m_style = style; }
    TsuiFileTheme* FileTheme() const { return m_theme; }
    void SetFileTheme(TsuiFileTheme* theme) { m_theme = theme; }
    int m_style = -1;
    TsuiFileTheme* m_theme = nullptr;
};

// Publishes only one half of the protocol.
class TStyleOnly : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int UIStyle READ UIStyle WRITE SetUIStyle)
public:
    using QWidget::QWidget;
    int UIStyle() const { return m_style; }
    void SetUIStyle(int style) { m_style = style; }
    int m_style = -1;
};

} // namespace

TEST(CutFrame, TakesTheFrameColumnsAndSize)
{
    const QImage source = Coded(10, 2); // 3 frames of 3 columns, column 9 left over
    QImage target;
    CutFrame(source, target, 3, 2);
    ASSERT_EQ(target.size(), QSize(3, 2));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(At(target, x, y), Code(3 + x, y));
}

TEST(CutFrame, OutOfRangeFramesComeOutBlackAndBadCountsChangeNothing)
{
    const QImage source = Coded(10, 2);
    QImage target;
    CutFrame(source, target, 3, 4); // columns 9..11: one real column, then outside
    ASSERT_EQ(target.size(), QSize(3, 2));
    EXPECT_EQ(At(target, 0, 0), Code(9, 0));
    EXPECT_EQ(At(target, 1, 0), 0u);
    CutFrame(source, target, 3, 0);
    EXPECT_EQ(Map(target, 0), (std::vector<std::string> { "###", "###" }));
    CutFrame(source, target, 3, 2000000000);
    EXPECT_EQ(Map(target, 0), (std::vector<std::string> { "###", "###" }));

    QImage untouched = Blank(1, 1, kKey);
    CutFrame(source, untouched, 0, 1);
    CutFrame(source, untouched, -3, 1);
    EXPECT_EQ(untouched.size(), QSize(1, 1));
    CutFrame(source, untouched, 11, 1); // frames narrower than a pixel
    EXPECT_TRUE(untouched.isNull());
}

TEST(DrawThreePart, CapsAreKeyedAndTheMiddleIsStretchedOpaque)
{
    // Frames of 2 columns: left cap, middle, right cap. The caps hold one magenta pixel
    // and start with the corner colour kKey.
    QImage bitmap = Blank(6, 2, 0x111111);
    bitmap.setPixel(0, 0, ToPixel(kKey));
    bitmap.setPixel(1, 1, ToPixel(clFuchsia));
    bitmap.setPixel(4, 0, ToPixel(kKey));
    bitmap.setPixel(5, 1, ToPixel(clFuchsia));
    bitmap.setPixel(2, 0, ToPixel(clFuchsia)); // in the middle frame: always drawn
    for (bool cornerKey : { true, false }) {
        SCOPED_TRACE(cornerKey);
        QImage image = Blank(10, 4);
        TCanvas canvas(image);
        DrawThreePart(bitmap, canvas, { 1, 0, 9, 4 }, cornerKey);
        const TColor hidden = cornerKey ? kKey : clFuchsia;
        const TColor shown = cornerKey ? clFuchsia : kKey;
        // Left cap at (1, 0), two rows high only.
        EXPECT_EQ(At(image, 1, 0), hidden == kKey ? kBack : kKey);
        EXPECT_EQ(At(image, 2, 1), hidden == clFuchsia ? kBack : clFuchsia);
        EXPECT_EQ(At(image, 1, 2), kBack);
        // Right cap at (Right - w, Top) = (7, 0).
        EXPECT_EQ(At(image, 7, 0), hidden == kKey ? kBack : shown);
        EXPECT_EQ(At(image, 8, 1), hidden == clFuchsia ? kBack : shown);
        // Middle stretched over columns 3..6 and all four rows, magenta included.
        EXPECT_EQ(Map(image, clFuchsia)[0].substr(3, 4), "##..");
        EXPECT_EQ(Map(image, clFuchsia)[2].substr(3, 4), "....");
        EXPECT_EQ(At(image, 5, 3), 0x111111u);
        EXPECT_EQ(At(image, 0, 0), kBack);
        EXPECT_EQ(At(image, 9, 0), kBack);
    }
}

TEST(DrawThreePart, NarrowRectangleGetsOnlyTheCaps)
{
    QImage bitmap = Blank(6, 1, 0x222222);
    bitmap.setPixel(2, 0, ToPixel(kKey));
    bitmap.setPixel(3, 0, ToPixel(kKey));
    QImage image = Blank(6, 1);
    TCanvas canvas(image);
    DrawThreePart(bitmap, canvas, { 0, 0, 3, 1 }, false);
    EXPECT_EQ(Map(image, kKey)[0], "......");
    EXPECT_EQ(Map(image, 0x222222)[0], "###...");
    DrawThreePart(QImage(), canvas, { 0, 0, 3, 1 }, true); // nothing to draw
}

TEST(TilePicture, TilesStartAtTheCanvasOriginWhateverTheRectangle)
{
    const QImage picture = Coded(4, 3);
    QImage image = Blank(10, 8, kKey);
    TCanvas canvas(image);
    TilePicture(canvas, picture, { 3, 2, 10, 8 });
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(At(image, x, y), Code(x % 4, y % 3)) << x << "," << y;
}

TEST(TilePicture, ExtentComesFromTheRectangleSizeOnly)
{
    const QImage picture = Coded(4, 4);
    QImage image = Blank(20, 4);
    TCanvas canvas(image);
    // RW = 5: tiles at x = 0, 4 and 8 (x < RW + pw = 9), not beyond.
    TilePicture(canvas, picture, { 10, 0, 15, 4 });
    EXPECT_EQ(At(image, 11, 0), Code(3, 0));
    EXPECT_EQ(At(image, 12, 0), kBack);
    TilePicture(canvas, QImage(), { 0, 0, 20, 4 });
    TilePicture(canvas, picture, { 0, 0, 2000000000, 2000000000 }); // bounded by the canvas
    EXPECT_EQ(At(image, 19, 3), Code(3, 3));
}

TEST(TilePicture, KeyColourLeavesTheCanvasShowing)
{
    QImage picture = Blank(2, 1, clFuchsia);
    picture.setPixel(0, 0, ToPixel(kKey));
    QImage image = Blank(4, 1);
    TCanvas canvas(image);
    TilePicture(canvas, picture, { 0, 0, 4, 1 }, clFuchsia);
    EXPECT_EQ(Map(image, kKey)[0], "#.#.");
    EXPECT_EQ(Map(image, kBack)[0], ".#.#");
}

TEST(Rotate, LeftAndRightMapEveryPixel)
{
    const int w = 4;
    const int h = 3;
    const QImage source = Coded(w, h);

    QImage left = source;
    RotateBitmapLeft(left);
    ASSERT_EQ(left.size(), QSize(h, w));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            EXPECT_EQ(At(left, y, w - 1 - x), Code(x, y));

    QImage right = source;
    RotateBitmapRight(right);
    ASSERT_EQ(right.size(), QSize(h, w));
    for (int y = 0; y < w; ++y)
        for (int x = 0; x < h; ++x)
            EXPECT_EQ(At(right, x, y), Code(y, h - 1 - x));

    RotateBitmapRight(left);
    EXPECT_EQ(left, source);
    EXPECT_EQ(At(source, 0, 0), Code(0, 0)); // the shared original is untouched

    QImage empty;
    RotateBitmapLeft(empty);
    RotateBitmapRight(empty);
    EXPECT_TRUE(empty.isNull());
}

TEST(PointInRect, BothEdgesCount)
{
    const TRect r { 10, 20, 30, 40 };
    struct TCase {
        TPoint p;
        bool inside;
    };
    const TCase cases[] = {
        { { 10, 20 }, true },
        { { 30, 40 }, true },
        { { 30, 20 }, true },
        { { 10, 40 }, true },
        { { 20, 30 }, true },
        { { 9, 20 }, false },
        { { 31, 40 }, false },
        { { 30, 41 }, false },
        { { 10, 19 }, false },
    };
    for (const TCase& c : cases)
        EXPECT_EQ(PointInRect(c.p, r), c.inside) << c.p.x << "," << c.p.y;
}

TEST(FrameWindowBorder, OuterRingAndOptionalInnerRing)
{
    QImage window = Blank(6, 5);
    FrameWindowBorder(window, 0x0000FF, kKey, true);
    EXPECT_EQ(Map(window, 0x0000FF),
        (std::vector<std::string> {
            "######",
            "#....#",
            "#....#",
            "#....#",
            "######",
        }));
    EXPECT_EQ(Map(window, kKey),
        (std::vector<std::string> {
            "......",
            ".####.",
            ".#..#.",
            ".####.",
            "......",
        }));

    QImage outerOnly = Blank(6, 5);
    FrameWindowBorder(outerOnly, 0x0000FF, kKey, false);
    EXPECT_EQ(Map(outerOnly, kKey)[1], "......");

    QImage painted = Blank(6, 5);
    {
        QPainter painter(&painted);
        FrameWindowBorder(painter, painted.size(), 0x0000FF, kKey, true);
    }
    EXPECT_EQ(painted, window);
}

TEST(ApplyStyleToChildren, ThemeThenStyleOnDirectChildrenInOrder)
{
    std::vector<std::string> log;
    QWidget container;
    new TStyleProbe(&container, log, "a");
    TStyleOnly* half = new TStyleOnly(&container);
    QObject* component = new QObject(&container);
    QWidget* plain = new QWidget(&container);
    new TStyleProbe(plain, log, "grandchild");
    TStyleProbe* b = new TStyleProbe(&container, log, "b");
    TTypedStyleProbe* typed = new TTypedStyleProbe(&container);
    (void)component;

    TsuiFileTheme theme;
    ApplyStyleToChildren(&container, WinXP, &theme);
    EXPECT_EQ(log,
        (std::vector<std::string> {
            "a.FileTheme",
            "a.UIStyle=2",
            "b.FileTheme",
            "b.UIStyle=2",
        }));
    EXPECT_EQ(b->FileTheme(), &theme);
    EXPECT_EQ(half->m_style, -1);
    EXPECT_EQ(typed->m_style, WinXP);
    EXPECT_EQ(typed->m_theme, &theme);

    log.clear();
    ApplyStyleToChildren(&container, DeepBlue, nullptr);
    EXPECT_EQ(b->FileTheme(), nullptr);
    EXPECT_EQ(b->UIStyle(), DeepBlue);
    EXPECT_EQ(typed->m_theme, nullptr);
    ApplyStyleToChildren(nullptr, DeepBlue, nullptr);
}

TEST(HasPublishedProperty, DeclaredPropertiesOnly)
{
    std::vector<std::string> log;
    TStyleProbe probe(nullptr, log, "p");
    EXPECT_TRUE(HasPublishedProperty(&probe, "UIStyle"));
    EXPECT_TRUE(HasPublishedProperty(&probe, "geometry")); // inherited counts
    EXPECT_FALSE(HasPublishedProperty(&probe, "Caption"));
    probe.setProperty("Caption", "dynamic");
    EXPECT_FALSE(HasPublishedProperty(&probe, "Caption"));
    EXPECT_FALSE(HasPublishedProperty(nullptr, "UIStyle"));
}

TEST(ControlGeometry, BoundsFromARectangle)
{
    QWidget parent;
    QWidget child(&parent);
    SetControlBounds(&child, { 5, 6, 25, 36 });
    EXPECT_EQ(child.geometry(), QRect(5, 6, 20, 30));
    SetControlPos(&child, { -3, 7 });
    EXPECT_EQ(child.geometry(), QRect(-3, 7, 20, 30));
    SetControlBounds(nullptr, {});
    EXPECT_FALSE(GetWorkArea().IsEmpty());
}

TEST(MenuDrawing, SeparatorLineAndRectangleColours)
{
    QImage image = Blank(20, 5);
    TCanvas canvas(image);
    DrawMenuSeparator(canvas, { 0, 0, 20, 5 }, 0x848284, 3);
    // From (Left + offset + 4, Top + 2) up to, not including, (Right - 2, Top + 2).
    EXPECT_EQ(Map(image, 0x848284)[2], ".......###########..");
    EXPECT_EQ(Map(image, 0x848284)[1], "....................");

    canvas.Brush.Style = TBrushStyle::Clear;
    FillRectColor(canvas, { 0, 0, 3, 2 }, kKey);
    FrameRectColor(canvas, { 5, 0, 8, 3 }, 0x0000FF);
    EXPECT_EQ(Map(image, kKey)[0].substr(0, 4), "###.");
    EXPECT_EQ(Map(image, 0x0000FF)[1].substr(4, 5), ".#.#.");
}

TEST(MenuDrawing, ShadowFrameAroundThePopup)
{
    QImage desktop = Blank(11, 9, 0x123456);
    constexpr TColor kFrame = 0x000000;
    constexpr TColor kShade = 0xE8E8E8;
    DrawMenuShadowFrame(desktop, { 1, 1, 9, 8 }, kFrame, kShade);
    EXPECT_EQ(Map(desktop, kFrame),
        (std::vector<std::string> {
            "...........",
            "...........",
            ".#######...",
            ".#.....#...",
            ".#.....#...",
            ".#.....#...",
            ".#######...",
            "...........",
            "...........",
        }));
    EXPECT_EQ(Map(desktop, kShade),
        (std::vector<std::string> {
            "...........",
            "..########.",
            "........#..",
            "........#..",
            "........#..",
            "........#..",
            "........#..",
            ".########..",
            "...........",
        }));
    // The white frame sits inside the first one.
    EXPECT_EQ(Map(desktop, clWhite)[3], "..#####....");
    EXPECT_EQ(Map(desktop, clWhite)[4], "..#...#....");
    EXPECT_EQ(Map(desktop, clWhite)[5], "..#####....");
}

#include "SUIPublicTest.moc"
