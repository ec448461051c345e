#include "controls/SUIScrollBar.h"

#include "controls/SUIButton.h"
#include "controls/SUITrackBar.h"
#include "skin/SUIPublic.h"
#include "support/PixelImages.h"

#include <QAccessibleValueInterface>
#include <QApplication>
#include <QEnterEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const TsuiUIStyle kStyles[] = { MacOS, WinXP, DeepBlue, Protein, BlueGlass };

QImage Frame(TsuiUIStyle style, int element, int index, int count)
{
    QImage whole;
    GetBuiltInBitmap(style, element, &whole);
    QImage frame;
    CutFrame(whole, frame, count, index);
    return frame.convertToFormat(QImage::Format_RGB32);
}

QImage Shot(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool Shows(const QImage& shot, QPoint at, const QImage& picture)
{
    return shot.copy(QRect(at, picture.size())) == picture;
}

TEST(ScrollBar, LaysOutArrowsAndTrackAlongEitherOrientation)
{
    TsuiScrollBar bar;
    bar.SetUIStyle(WinXP);
    bar.show();
    bar.SetOrientation(suiVertical);
    bar.SetHeight(185);
    // WinXP arrows are 16 x 17; one pixel of the bar shows below the track.
    EXPECT_EQ(bar.width(), 16);
    EXPECT_EQ(bar.DecreaseButton()->geometry(), QRect(0, 0, 16, 17));
    EXPECT_EQ(bar.Track()->geometry(), QRect(0, 17, 16, 150));
    EXPECT_EQ(bar.IncreaseButton()->geometry(), QRect(0, 168, 16, 17));
    EXPECT_EQ(bar.FreeLength(), 151);

    bar.SetOrientation(suiHorizontal);
    bar.SetWidth(185);
    EXPECT_EQ(bar.height(), 16);
    EXPECT_EQ(bar.DecreaseButton()->geometry(), QRect(0, 0, 17, 16));
    EXPECT_EQ(bar.Track()->geometry(), QRect(17, 0, 151, 16));
    EXPECT_EQ(bar.IncreaseButton()->geometry(), QRect(168, 0, 17, 16));
}

TEST(ScrollBar, BuildsTheThumbFromLineButtonOrPageSize)
{
    struct TRow {
        TsuiProgressBarOrientation orientation;
        int max, pageSize, lineButton;
        int thumb, storedLineButton;
    };
    // Tracks of 150 (vertical) and 151 (horizontal) pixels.
    const TRow rows[] = {
        { suiVertical, 100, 2, 5, 18, 18 }, // raised to something to grab
        { suiVertical, 100, 2, 40, 40, 40 },
        { suiVertical, 100, 2, 151, 151, 151 }, // exactly the room between the arrows
        { suiVertical, 100, 2, 152, 15, 0 }, // longer than the room: refused
        { suiVertical, 100, 0, 0, 15, 0 }, // page sizes outside 10..100 give 10 %
        { suiVertical, 1000, 150, 0, 15, 0 },
        { suiVertical, 100, 9, 0, 15, 0 },
        { suiVertical, 100, 10, 0, 15, 0 },
        { suiVertical, 100, 50, 0, 75, 0 },
        { suiVertical, 100, 100, 0, 150, 0 },
        { suiHorizontal, 100, 33, 0, 49, 0 }, // 33 x 151 / 100 truncates
        { suiHorizontal, 100, 2, 5, 18, 18 },
    };
    for (const TRow& row : rows) {
        TsuiScrollBar bar;
        bar.SetUIStyle(WinXP);
        bar.show();
        bar.SetOrientation(row.orientation);
        bar.SetBounds(0, 0, 185, 185);
        bar.SetMax(row.max);
        bar.SetPageSize(row.pageSize);
        bar.SetLineButton(row.lineButton);
        const QImage thumb = bar.Track()->SliderImage();
        const int length = row.orientation == suiVertical ? thumb.height() : thumb.width();
        EXPECT_EQ(length, row.thumb) << row.pageSize << " " << row.lineButton;
        EXPECT_EQ(bar.LineButton(), row.storedLineButton) << row.lineButton;
    }
}

TEST(ScrollBar, LargeChangeIsThePageSizeSeenAsSixteenBits)
{
    TsuiScrollBar bar;
    bar.SetMax(100000);
    bar.SetLargeChange(65536 + 30);
    EXPECT_EQ(bar.PageSize(), 30);
    bar.SetPageSize(65535);
    EXPECT_EQ(bar.LargeChange(), -1);
    bar.SetLargeChange(-1);
    EXPECT_EQ(bar.PageSize(), 65535);
}

// Every look of the bar in every style: which arrow frame shows, whether the thumb shows,
// the track in the style's background colour.
TEST(ScrollBar, ShowsTheStylesArrowsThumbAndBackgroundInEveryState)
{
    enum class TArrow { None, DecreaseHot, DecreasePressed, IncreaseHot, IncreasePressed };
    struct TRow {
        TArrow arrow;
        bool thumb;
        int decreaseFrame, increaseFrame;
    };
    const TRow rows[] = {
        { TArrow::None, true, 1, 4 },
        { TArrow::DecreaseHot, true, 2, 4 },
        { TArrow::DecreasePressed, true, 3, 4 },
        { TArrow::IncreaseHot, true, 1, 5 },
        { TArrow::IncreasePressed, true, 1, 6 },
        { TArrow::None, false, 1, 4 },
    };
    for (TsuiUIStyle style : kStyles)
        for (TsuiProgressBarOrientation orientation : { suiVertical, suiHorizontal })
            for (const TRow& row : rows) {
                const bool vertical = orientation == suiVertical;
                TsuiScrollBar bar;
                bar.SetUIStyle(style);
                bar.SetOrientation(orientation);
                bar.SetBounds(0, 0, 120, 120);
                bar.SetPageSize(40);
                bar.SetThumbVisible(row.thumb);
                bar.show();
                TsuiImageButton* hot
                    = row.arrow == TArrow::DecreaseHot || row.arrow == TArrow::DecreasePressed
                    ? bar.DecreaseButton()
                    : bar.IncreaseButton();
                if (row.arrow != TArrow::None) {
                    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
                    QApplication::sendEvent(hot, &enter);
                }
                const bool pressed
                    = row.arrow == TArrow::DecreasePressed || row.arrow == TArrow::IncreasePressed;
                if (pressed)
                    QTest::mousePress(hot, Qt::LeftButton, {}, QPoint(1, 1));
                const QImage shot = Shot(bar);
                if (pressed)
                    QTest::mouseRelease(hot, Qt::LeftButton, {}, QPoint(1, 1));

                auto arrow = [&](int index) {
                    QImage frame = Frame(style, SUI_THEME_ScrollBarButtonImage, index, 6);
                    if (!vertical)
                        RotateBitmapLeft(frame);
                    return frame;
                };
                const std::string what = std::to_string(style) + (vertical ? " v " : " h ")
                    + std::to_string(&row - rows);
                EXPECT_TRUE(Shows(shot, { 0, 0 }, arrow(row.decreaseFrame))) << what;
                EXPECT_TRUE(Shows(shot, bar.IncreaseButton()->pos(), arrow(row.increaseFrame)))
                    << what;

                QImage head = Frame(style, SUI_THEME_ScrollBarSliderImage, 1, 3);
                if (vertical)
                    RotateBitmapRight(head);
                const QPoint trackAt = bar.Track()->pos();
                const TColor background
                    = GetBuiltInColor(style, SUI_THEME_ScrollBarBackgroundColor);
                if (row.thumb) {
                    EXPECT_TRUE(Shows(shot, trackAt, head)) << what << ": the thumb's head";
                } else {
                    const QRect track = bar.Track()->geometry();
                    for (QPoint at : { track.topLeft(), track.center(), track.bottomRight() })
                        EXPECT_EQ(At(shot, at.x(), at.y()), background) << what;
                }
                // The far end of the track, past any thumb of 40 %.
                const QPoint far = vertical ? bar.IncreaseButton()->pos() - QPoint(0, 3)
                                            : bar.IncreaseButton()->pos() - QPoint(3, 0);
                EXPECT_EQ(At(shot, far.x(), far.y()), background) << what;
            }
}

// Lets a held arrow step until `done`, for at most two seconds of a busy machine.
template <class TDone> void HoldUntil(TDone done)
{
    for (int i = 0; i < 100 && !done(); ++i)
        QTest::qWait(20);
}

TEST(ScrollBar, HeldArrowsStepBySmallChangeAndAQuickClickDoesNot)
{
    TsuiScrollBar bar;
    bar.SetOrientation(suiVertical);
    bar.SetBounds(0, 0, 16, 185);
    bar.SetSmallChange(7);
    bar.show();
    int changes = 0;
    bar.OnChange = [&] { ++changes; };

    QTest::mouseClick(bar.IncreaseButton(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(bar.Position(), 0) << "released before the first step";

    QTest::mousePress(bar.IncreaseButton(), Qt::LeftButton, {}, QPoint(2, 2));
    HoldUntil([&] { return bar.Position() >= 14; });
    QTest::mouseRelease(bar.IncreaseButton(), Qt::LeftButton, {}, QPoint(2, 2));
    const int held = bar.Position();
    EXPECT_GE(held, 14);
    EXPECT_EQ(held % 7, 0);
    EXPECT_EQ(changes, held / 7);
    QTest::qWait(250);
    EXPECT_EQ(bar.Position(), held) << "the release stops the steps";

    bar.SetPosition(96);
    QTest::mousePress(bar.IncreaseButton(), Qt::LeftButton, {}, QPoint(2, 2));
    HoldUntil([&] { return bar.Position() == 100; });
    QTest::qWait(150);
    QTest::mouseRelease(bar.IncreaseButton(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(bar.Position(), 100) << "held against Max";

    QTest::mousePress(bar.DecreaseButton(), Qt::LeftButton, {}, QPoint(2, 2));
    HoldUntil([&] { return bar.Position() < 100; });
    QTest::mouseRelease(bar.DecreaseButton(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_LT(bar.Position(), 100);
}

TEST(ScrollBar, TellsAssistiveTechnologyItsValue)
{
    TsuiScrollBar bar;
    bar.SetMax(40);
    bar.SetPosition(12);
    QAccessibleInterface* described = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_NE(described, nullptr);
    EXPECT_EQ(described->role(), QAccessible::ScrollBar);
    QAccessibleValueInterface* value = described->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 12);
    EXPECT_EQ(value->maximumValue().toInt(), 40);
    value->setCurrentValue(30);
    EXPECT_EQ(bar.Position(), 30);
}

} // namespace
