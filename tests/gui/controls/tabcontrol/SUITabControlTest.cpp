#include "controls/SUITabControl.h"

#include "gui/platform/forms/Input.h"
#include "platform/forms/TForm.h"
#include "support/PixelImages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The smallest concrete tabbed control: the plain strip.
class TTestTab : public TsuiTab {
public:
    explicit TTestTab(QWidget* parent)
        : TsuiTab(parent)
    {
        MakeTopPanel();
        TakeFormStyle();
    }

protected:
    TsuiTabControlTopPanel* CreateTopPanel() override { return new TsuiTabControlTopPanel(this); }
};

constexpr TColor kParent = 0x336699;

struct TFixture {
    TForm form;
    TTestTab* tab;
    TsuiTabControlTopPanel* strip;

    explicit TFixture(int width, QStringList tabs, TsuiUIStyle style = WinXP)
    {
        form.SetColor(kParent);
        form.resize(width + 20, 100);
        // Hidden widgets are resized only when shown.
        form.show();
        tab = new TTestTab(&form);
        tab->SetUIStyle(style);
        tab->SetBounds(0, 0, width, 80);
        strip = tab->TopPanel();
        strip->SetTabs(tabs);
    }
};

int CaptionWidth(const TsuiTab& tab, const QString& caption)
{
    QImage probe(1, 1, QImage::Format_RGB32);
    TCanvas canvas(probe);
    canvas.Font().Assign(*tab.TabFont());
    return canvas.TextWidth(caption.toStdString());
}

QPoint Middle(const TRect& rect)
{
    return { (rect.Left + rect.Right) / 2, rect.Top + 2 };
}

TEST(TabStrip, TabsAreCaptionPlusTwentyOrEightyWideAndHiddenOnesTakeNoRoom)
{
    TFixture f(2000, { "", "Word", "A longer caption", "x", "Hidden" });
    f.strip->SetTabShown(4, false);
    struct TRow {
        int index;
        int width;
    };
    const TRow rows[] = {
        { 0, 80 },
        { 1, CaptionWidth(*f.tab, "Word") + 20 },
        { 2, CaptionWidth(*f.tab, "A longer caption") + 20 },
        { 3, CaptionWidth(*f.tab, "x") + 20 },
        { 4, 0 },
        { 5, -1 },
    };
    int left = f.strip->LeftMargin();
    for (const TRow& row : rows) {
        EXPECT_EQ(f.strip->TabWidth(row.index), row.width) << "tab " << row.index;
        if (row.width > 0) {
            ASSERT_TRUE(f.strip->TabRect(row.index)) << "tab " << row.index;
            EXPECT_EQ(f.strip->TabRect(row.index)->Left, left) << "tab " << row.index;
            left += row.width;
        }
    }
    EXPECT_FALSE(f.strip->TabRect(4)) << "a hidden tab is not drawn";
}

// Whether the first `columns` columns of `frame` land at `at` in `shot`, its key-coloured
// pixels left out.
bool Drawn(const QImage& shot, const QImage& frame, TPoint at, TColor key, int columns)
{
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < columns; ++x)
            if (At(frame, x, y) != key && At(shot, at.x + x, at.y + y) != At(frame, x, y))
                return false;
    return true;
}

TEST(TabStrip, StylesGiveTheStripHeightAndDrawTheActiveTabLowerAndTheHotScrollFrames)
{
    for (TsuiUIStyle style : { MacOS, WinXP, DeepBlue, Protein, BlueGlass }) {
        // Three 80-pixel tabs overflow a 230-pixel strip, so the buttons show.
        TFixture f(230, { "", "", "" }, style);
        QImage active, inactive, bar;
        GetBuiltInBitmap(style, SUI_THEME_TabControlTabImage, &active, 1, 2);
        GetBuiltInBitmap(style, SUI_THEME_TabControlTabImage, &inactive, 2, 2);
        GetBuiltInBitmap(style, SUI_THEME_TabControlBarImage, &bar);
        EXPECT_EQ(f.strip->geometry(), QRect(0, 0, 230, active.height() + bar.height()));
        ASSERT_TRUE(f.strip->ScrollButtonsShown()) << int(style);
        // The left caps: the active tab sits one pixel lower than the others.
        QImage shot = f.strip->grab().toImage();
        EXPECT_TRUE(Drawn(shot, active, { 10, 1 }, clFuchsia, active.width() / 3)) << int(style);
        EXPECT_TRUE(Drawn(shot, inactive, { 90, 0 }, clFuchsia, inactive.width() / 3));

        // Scroll-button frames: 1 and 3 normally, 2 or 4 under the mouse.
        const TRect next = f.strip->NextButtonRect();
        const TRect previous = f.strip->PreviousButtonRect();
        struct TState {
            QPoint mouse;
            int nextFrame, previousFrame, hot;
        };
        const TState states[] = {
            { { 2, 2 }, 1, 3, 0 },
            { { next.Right - 1, next.Top }, 2, 3, 1 },
            { { previous.Left, previous.Bottom }, 1, 4, -1 },
        };
        for (const TState& state : states) {
            SendMouse(*f.strip, QEvent::MouseMove, state.mouse);
            EXPECT_EQ(f.strip->HotButton(), state.hot) << int(style);
            shot = f.strip->grab().toImage();
            for (auto [rect, number] : { std::pair { next, state.nextFrame },
                     std::pair { previous, state.previousFrame } }) {
                QImage frame;
                GetBuiltInBitmap(style, SUI_THEME_ScrollButtonImage, &frame, number, 4);
                EXPECT_TRUE(Drawn(shot, frame, { rect.Left, rect.Top },
                    At(frame, 0, frame.height() - 1), frame.width()))
                    << int(style) << " frame " << number;
            }
        }
    }
}

TEST(TabStrip, TabsPastTheLimitAreCutAndScrollWithTheButtonsNeverBelowZero)
{
    // WinXP buttons are 18 wide: the limit is 200 - 2 * 18 - 2 = 162.
    TFixture f(200, { "", "", "" });
    ASSERT_EQ(f.strip->ButtonWidth(), 18);
    EXPECT_EQ(*f.strip->TabRect(1), (TRect { 90, 0, 162, 18 })) << "cut at the limit";
    EXPECT_EQ(f.strip->TabWidth(1), 72);
    EXPECT_FALSE(f.strip->TabRect(2));
    EXPECT_TRUE(f.strip->Overflow());

    const QPoint next = Middle(f.strip->NextButtonRect());
    const QPoint previous = Middle(f.strip->PreviousButtonRect());
    struct TStep {
        QPoint at;
        int firstShown;
        bool overflow;
    };
    const TStep steps[] = {
        { next, 1, true },
        { next, 2, false },
        { next, 2, false }, // the next button works only while the tabs overflow
        { previous, 1, true },
        { previous, 0, true },
        { previous, 0, true },
    };
    for (const TStep& step : steps) {
        Click(*f.strip, step.at);
        EXPECT_EQ(f.strip->FirstShown(), step.firstShown);
        EXPECT_EQ(f.strip->Overflow(), step.overflow);
        EXPECT_TRUE(f.strip->ScrollButtonsShown());
    }
    EXPECT_EQ(f.strip->TabIndex(), 0) << "the buttons select nothing";

    // Selecting a tab out of view scrolls until it is wholly shown, either way.
    f.strip->SetTabIndex(2);
    EXPECT_EQ(f.strip->FirstShown(), 2);
    EXPECT_EQ(f.strip->TabRect(2)->Left, 10);
    f.strip->SetTabIndex(0);
    EXPECT_EQ(f.strip->FirstShown(), 0);
}

TEST(TabStrip, AClickHitsOneOfTheFirstSixtyThreeTabsStrictlyInsideItsEdges)
{
    QStringList tabs;
    for (int i = 0; i < 70; ++i)
        tabs << "";
    TFixture f(6000, tabs);
    const int height = f.strip->TabHeight();
    const int tab63 = f.strip->TabRect(63)->Left + 40;
    struct TRow {
        QPoint at;
        int selected;
    };
    const TRow rows[] = {
        { { 10, 5 }, 9 }, // the first tab's left edge
        { { 11, 5 }, 0 }, { { 89, 5 }, 0 }, { { 90, 5 }, 9 }, // the shared edge belongs to neither
        { { 91, 5 }, 1 }, { { 50, 0 }, 9 }, { { 50, height - 1 }, 0 }, { { 50, height }, 9 },
        { { tab63 - 80, 5 }, 62 },
        { { tab63, 5 }, 9 }, // drawn, but past the end of the width table
    };
    for (const TRow& row : rows) {
        f.strip->SetTabIndex(9);
        Click(*f.strip, row.at);
        EXPECT_EQ(f.strip->TabIndex(), row.selected) << row.at.x() << "," << row.at.y();
    }
}

TEST(TabStrip, AClickAsksOnChangingThenTellsOnTabActiveAndOnChange)
{
    TFixture f(220, { "", "", "", "" });
    std::vector<std::string> log;
    bool allow = true;
    f.tab->OnChanging = [&](bool& allowChange) {
        EXPECT_TRUE(allowChange);
        log.push_back("changing");
        allowChange = allow;
    };
    f.tab->OnTabActive = [&](int index) { log.push_back("active " + std::to_string(index)); };
    f.tab->OnChange = [&] { log.push_back("change"); };

    Click(*f.strip, Middle(*f.strip->TabRect(1)));
    EXPECT_EQ(log, (std::vector<std::string> { "changing", "active 1", "change" }));

    log.clear();
    Click(*f.strip, Middle(*f.strip->TabRect(1)));
    EXPECT_TRUE(log.empty()) << "a click on the selected tab";

    f.strip->SetTabIndex(3);
    EXPECT_EQ(log, (std::vector<std::string> { "active 3", "change" })) << "code is not asked";
    EXPECT_EQ(f.strip->FirstShown(), 2);

    // Refused: nothing moves, though the selected tab is scrolled out of view.
    Click(*f.strip, Middle(f.strip->PreviousButtonRect()));
    Click(*f.strip, Middle(f.strip->PreviousButtonRect()));
    ASSERT_EQ(f.strip->FirstShown(), 0);
    log.clear();
    allow = false;
    const QPoint second = Middle(*f.strip->TabRect(1));
    SendMouse(*f.strip, QEvent::MouseMove, second);
    const QImage before = f.strip->grab().toImage();
    Click(*f.strip, second);
    EXPECT_EQ(log, (std::vector<std::string> { "changing" }));
    EXPECT_EQ(f.strip->TabIndex(), 3);
    EXPECT_EQ(f.strip->FirstShown(), 0);
    EXPECT_EQ(f.strip->grab().toImage(), before);
}

} // namespace
