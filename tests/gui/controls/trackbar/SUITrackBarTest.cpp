#include "controls/SUITrackBar.h"

#include "controls/SUIImagePanel.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLayoutReader.h"
#include "support/PixelImages.h"

#include <QAccessibleValueInterface>
#include <QTest>

#include <climits>
#include <gtest/gtest.h>

namespace {

using namespace TrackBarGeometry;

constexpr TColor kMagenta = 0xFF00FF;

TEST(TrackBarGeometry, KnobAndValueArithmeticHoldsForHostileRanges)
{
    struct TRow {
        int (*rule)(const TTrack&, int);
        TTrack track;
        int at, expected;
    };
    const TRow rows[] = {
        { KnobOffset, { 124, 11, 0, 30 }, 3, 11 },
        { KnobOffset, { 124, 11, 7, 7 }, 7, 0 },
        { KnobOffset, { 5, 11, 0, 10 }, 10, -6 }, // a knob longer than the bar
        { KnobOffset, { 124, 11, INT_MIN, INT_MAX }, 0, 56 },
        { ValueForPixel, { 124, 11, 0, 30 }, 20, 4 },
        { ValueForPixel, { 13, 11, 0, 1 }, 6, 0 }, // 0.5 rounds to even
        { ValueForPixel, { 13, 11, 0, 1 }, 8, 2 }, // 1.5
        { ValueForPixel, { 11, 11, 5, 9 }, 3, 0 }, // the knob fills the bar: 0, not Min
        { ValueForPixel, { 124, 11, 7, 7 }, 60, 7 },
        { ValueForPixel, { 124, 11, INT_MIN, INT_MAX }, 61, -19004281 },
        { ValueForPixel, { 124, 11, INT_MIN, INT_MAX }, 100000, INT_MAX },
    };
    for (const TRow& row : rows)
        EXPECT_EQ(row.rule(row.track, row.at), row.expected) << row.at;
}

// The ticks as the walk over every value with a counter places them.
std::vector<int> CountedTicks(const TTrack& t, int frequency)
{
    std::vector<int> offsets;
    for (int v = t.min, c = 0; t.min != t.max && v <= t.max; ++v) {
        bool draw = v == t.max;
        if (!draw && c == frequency)
            c = 1, draw = true;
        else if (!draw)
            draw = ++c == 1;
        const int at = (t.length - t.knobLength) * (v - t.min) / (t.max - t.min) + t.knobLength / 2;
        if (draw && (offsets.empty() || offsets.back() != at))
            offsets.push_back(at);
    }
    return offsets;
}

TEST(TrackBarGeometry, TicksMatchTheCountedWalkWithoutWalkingEveryValue)
{
    for (int length : { 4, 11, 30, 124 })
        for (int min : { -3, 0 })
            for (int max : { 0, 1, 7, 30, 200 })
                for (int frequency : { -1, 0, 1, 2, 7, 40 }) {
                    const TTrack track { length, 11, min, max };
                    EXPECT_EQ(TickOffsets(track, frequency), CountedTicks(track, frequency))
                        << length << " " << min << ".." << max << " every " << frequency;
                }
    EXPECT_EQ(TickOffsets({ 124, 11, INT_MIN, INT_MAX }, 1).size(), 114u) << "one per pixel";
}

TEST(TrackBar, ClampsWhatItIsGivenAndReportsOnlyChanges)
{
    struct TRow {
        const char* property;
        int value, min, max, position, pageSize, lineSize, changes;
    };
    const TRow rows[] = {
        { "Position", 100, 0, 30, 30, 2, 1, 1 },
        { "Position", 3, 0, 30, 3, 2, 1, 0 },
        { "Min", 40, 30, 30, 30, 2, 1, 1 },
        { "Min", 5, 5, 30, 5, 2, 1, 1 },
        { "Max", -10, 0, 0, 0, 2, 1, 1 },
        { "PageSize", 40, 0, 30, 3, 2, 1, 0 },
        { "PageSize", -1, 0, 30, 3, 2, 1, 0 },
        { "PageSize", 30, 0, 30, 3, 30, 1, 0 },
        { "LineSize", 31, 0, 30, 3, 2, 1, 0 },
    };
    for (const TRow& row : rows) {
        TsuiTrackBar bar;
        bar.SetMax(30);
        bar.SetPosition(3);
        int changes = 0;
        bar.OnChange = [&] { ++changes; };
        bar.setProperty(row.property, row.value);
        EXPECT_EQ(std::vector<int>({ bar.Min(), bar.Max(), bar.Position(), bar.PageSize(),
                      bar.LineSize(), changes }),
            std::vector<int>(
                { row.min, row.max, row.position, row.pageSize, row.lineSize, row.changes }))
            << row.property << " " << row.value;
    }
}

QImage Shot(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage BuiltIn(TsuiUIStyle style, int element)
{
    QImage image;
    GetBuiltInBitmap(style, element, &image);
    return image.convertToFormat(QImage::Format_RGB32);
}

TEST(TrackBar, TheMainWindowsSliderHasItsKnobAtElevenAndATickPerValue)
{
    struct TRow {
        int min, max, position, knobLeft;
        std::vector<int> ticks; // beside the knob, on the bottom row
    };
    std::vector<int> everyValue;
    for (int v = 0; v <= 30; ++v)
        if (int x = 113 * v / 30 + 5; x < 11 || x >= 22)
            everyValue.push_back(x);
    for (const TRow& row : { TRow { 0, 30, 3, 11, everyValue }, TRow { 5, 5, 5, 0, {} } }) {
        TsuiTrackBar bar;
        bar.SetUIStyle(WinXP);
        bar.SetColor(clWhite);
        bar.SetBounds(11, 46, 124, 21);
        bar.SetMax(row.max);
        bar.SetMin(row.min);
        bar.SetPosition(row.position);
        const QImage shot = Shot(bar);
        EXPECT_EQ(bar.findChild<TsuiImagePanel*>()->geometry(), QRect(row.knobLeft, 0, 11, 21));
        std::vector<int> ticks;
        for (int x = 0; x < shot.width(); ++x)
            if ((x < row.knobLeft || x >= row.knobLeft + 11) && At(shot, x, 20) == clBlack)
                ticks.push_back(x);
        EXPECT_EQ(ticks, row.ticks) << row.min << ".." << row.max;
    }
}

TEST(TrackBar, DrawsBarKnobAndTicksInEveryStyleBothWays)
{
    for (TsuiUIStyle style : { MacOS, WinXP, DeepBlue, Protein, BlueGlass })
        for (bool across : { true, false }) {
            const std::string where
                = std::to_string(style) + (across ? " horizontal" : " vertical");
            TsuiTrackBar bar;
            bar.SetColor(clWhite);
            bar.SetOrientation(across ? suiHorizontal : suiVertical);
            bar.SetUIStyle(style);
            EXPECT_EQ(bar.Transparent(), style == MacOS) << where;
            bar.SetTransparent(false);
            bar.SetBounds(0, 0, 124, 124);
            bar.SetPosition(bar.Max());
            const QImage shot = Shot(bar);
            const QImage art = BuiltIn(style, SUI_THEME_TrackBarBarImage);
            const QImage knob = BuiltIn(
                style, across ? SUI_THEME_TrackBarSliderImage : SUI_THEME_TrackBarSliderVImage);
            const int thickness = across ? shot.height() : shot.width();
            ASSERT_EQ(thickness, std::max(art.height(), across ? knob.height() : knob.width()));
            // The left cap; turned left, a vertical bar has the right cap at its top.
            const int barAt = (thickness - art.height()) / 2;
            for (int i = 0; i < art.width() / 3; ++i)
                for (int j = 0; j < art.height(); ++j) {
                    const TColor pixel = across ? At(art, i, j) : At(art, art.width() - 1 - i, j);
                    ASSERT_EQ(across ? At(shot, i, barAt + j) : At(shot, barAt + j, i),
                        pixel == kMagenta ? clWhite : pixel)
                        << where;
                }
            // The knob at the far end: only the horizontal one lets the bar show through.
            const QPoint knobAt = bar.findChild<TsuiImagePanel*>()->pos();
            const TColor key = At(knob, 0, knob.height() - 1);
            for (int x = 0; x < knob.width(); ++x)
                for (int y = 0; y < knob.height(); ++y)
                    if (!across || At(knob, x, y) != key) {
                        ASSERT_EQ(At(shot, knobAt.x() + x, knobAt.y() + y), At(knob, x, y))
                            << where;
                    }
            const int knobLength = across ? knob.width() : knob.height();
            for (int at : TickOffsets({ 124, knobLength, 0, 10 }, 1))
                if (at < 124 - knobLength) {
                    EXPECT_EQ(across ? At(shot, at, thickness - 1) : At(shot, 0, at), clBlack);
                    EXPECT_EQ(across ? clBlack : At(shot, thickness - 1, at), clBlack);
                }
        }
}

// A shown window with the track bar at (10, 10), driven through the window system.
struct TWindow {
    explicit TWindow(TsuiProgressBarOrientation way = suiHorizontal)
    {
        window.resize(400, 400);
        bar = new TsuiTrackBar(&window);
        bar->SetUIStyle(WinXP);
        bar->SetOrientation(way);
        bar->SetBounds(10, 10, way == suiHorizontal ? 324 : 22, way == suiHorizontal ? 21 : 324);
        bar->SetMax(30);
        bar->SetPosition(3);
        bar->OnChange = [this] { changes.push_back(bar->Position()); };
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    // 324 long: the value under `along` is round((along - 5) * 30 / 313).
    QPoint At(int along) const
    {
        return bar->Orientation() == suiHorizontal ? QPoint(10 + along, 20)
                                                   : QPoint(20, 10 + along);
    }
    void Press(int along)
    {
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, At(along));
    }
    void Move(int along) { QTest::mouseMove(window.windowHandle(), At(along)); }
    void Release(int along)
    {
        QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, At(along));
    }
    TForm window;
    TsuiTrackBar* bar;
    std::vector<int> changes;
};

TEST(TrackBar, APressBesideTheKnobPagesButNeverPastThePressedPoint)
{
    struct TRow {
        int from, pressAt, expected;
    };
    for (const TRow& row : { TRow { 3, 45, 4 }, TRow { 3, 300, 5 }, TRow { 20, 200, 19 } }) {
        TWindow w;
        w.bar->SetPosition(row.from);
        w.Press(row.pressAt);
        w.Release(row.pressAt);
        EXPECT_EQ(w.bar->Position(), row.expected) << row.from << " pressed at " << row.pressAt;
        EXPECT_TRUE(w.bar->hasFocus());
    }
}

TEST(TrackBar, HoldingPagesEveryTickTowardWhereThePointerIsNow)
{
    const std::pair<TsuiProgressBarOrientation, std::vector<int>> rows[] = {
        { suiHorizontal, { 5, 11, 14, 20, 23 } }, // three pages a tick
        { suiVertical, { 5, 7, 9, 11, 13, 14, 16, 18, 20, 22, 23 } },
    };
    for (const auto& [way, expected] : rows) {
        TWindow w(way);
        w.Press(150); // worth 14
        EXPECT_TRUE(QTest::qWaitFor([&] { return w.bar->Position() == 14; }, 3000));
        QTest::qWait(250);
        w.Move(250); // worth 23
        EXPECT_TRUE(QTest::qWaitFor([&] { return w.bar->Position() == 23; }, 3000));
        w.Move(380); // off the bar: paging stops
        QTest::qWait(250);
        w.Release(380);
        EXPECT_EQ(w.changes, expected);
    }
}

TEST(TrackBar, TheKnobDragsWithTheMouseCapturedAndClicksStillReachTheBar)
{
    TWindow w;
    int clicks = 0;
    w.bar->OnClick = [&] { ++clicks; };
    w.Press(36); // on the knob: 31 to 41
    EXPECT_EQ(QWidget::mouseGrabber(), w.bar);
    QTest::mouseMove(w.window.windowHandle(), w.At(150) + QPoint(0, 200)); // below the bar
    w.Move(380);
    w.Release(380);
    EXPECT_EQ(w.changes, (std::vector<int> { 14, 30 }));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_TRUE(w.bar->hasFocus());
    w.Move(150);
    QTest::mouseClick(w.window.windowHandle(), Qt::LeftButton, {}, w.At(100));
    EXPECT_EQ(w.changes, (std::vector<int> { 14, 30, 28 }));
    EXPECT_EQ(clicks, 1) << "the knob's press was no click of the bar";
}

TEST(TrackBar, KeysMoveByPagesLinesAndToTheEnds)
{
    const std::tuple<int, int, int> rows[]
        = { { Qt::Key_PageUp, 3, 1 }, { Qt::Key_PageDown, 29, 30 }, { Qt::Key_End, 3, 30 },
              { Qt::Key_Home, 3, 0 }, { Qt::Key_Left, 3, 2 }, { Qt::Key_Up, 0, 0 },
              { Qt::Key_Right, 3, 4 }, { Qt::Key_Down, 3, 4 }, { Qt::Key_A, 3, 3 } };
    TWindow w;
    w.bar->setFocus();
    for (const auto& [key, from, expected] : rows) {
        w.bar->SetPosition(from);
        QTest::keyClick(w.window.windowHandle(), Qt::Key(key));
        EXPECT_EQ(w.bar->Position(), expected) << key;
    }
}

TEST(TrackBar, ReadsTheMainWindowsStoredSettingsWithoutReportingThem)
{
    TClassRegistry registry;
    registry.Register<TsuiTrackBar>();
    TForm form;
    int changes = 0;
    ReadLayout(R"(object f: TForm
  Color = clWhite
  object sTB_interval: TsuiTrackBar
    Left = 11
    Top = 46
    Width = 124
    Height = 21
    Orientation = suiHorizontal
    UIStyle = WinXP
    Max = 30
    Min = 0
    Position = 3
    PageSize = 2
    LineSize = 1
    ShowTick = True
    Transparent = False
    Frequency = 1
    ParentColor = True
    OnChange = sTB_intervalChange
  end
end)",
        form, registry, { { "sTB_intervalChange", [&] { ++changes; } } });
    auto* bar = form.findChild<TsuiTrackBar*>("sTB_interval");
    EXPECT_EQ(std::vector<int>({ bar->UIStyle(), bar->Min(), bar->Max(), bar->Position(),
                  bar->PageSize(), bar->LineSize(), bar->Frequency(), bar->height() }),
        std::vector<int>({ WinXP, 0, 30, 3, 2, 1, 1, 21 }));
    EXPECT_TRUE(bar->ShowTick() && !bar->Transparent() && bar->Color() == clWhite);
    EXPECT_EQ(changes, 0);
    bar->SetPosition(4);
    EXPECT_EQ(changes, 1);
}

TEST(TrackBar, StylePicturesReplaceTheUsersButAScrollTrackKeepsItsOwn)
{
    const QImage red = Blank(5, 7, clRed);
    TsuiTrackBar bar;
    TsuiScrollTrackBar track;
    for (TsuiTrackBar* each : std::initializer_list<TsuiTrackBar*> { &bar, &track }) {
        each->show(); // shown controls refresh as they are resized
        each->SetSliderImage(red);
        each->SetWidth(200);
    }
    EXPECT_EQ(bar.SliderImage(), BuiltIn(DeepBlue, SUI_THEME_TrackBarSliderImage));
    track.AutoSizeSlider();
    EXPECT_EQ(track.findChild<TsuiImagePanel*>()->size(), QSize(5, 7));
    track.SetSliderVisible(false);
    EXPECT_FALSE(track.findChild<TsuiImagePanel*>()->isVisible());
}

TEST(TrackBar, TellsAssistiveTechnologyItIsASliderWithARange)
{
    TsuiTrackBar bar;
    bar.SetMax(30);
    bar.SetPosition(3);
    QAccessibleInterface* about = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->role(), QAccessible::Slider);
    QAccessibleValueInterface* value = about->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(QVariantList({ value->currentValue(), value->minimumValue(), value->maximumValue(),
                  value->minimumStepSize() }),
        QVariantList({ 3, 0, 30, 1 }));
    value->setCurrentValue(100);
    EXPECT_EQ(bar.Position(), 30);
}

} // namespace
