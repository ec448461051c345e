#include "controls/SUIImagePanel.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLayoutReader.h"
#include "skin/SUIMgr.h"
#include "skin/SUIPublic.h"
#include "skin/SUIThemeFile.h"
#include "support/PixelImages.h"
#include "support/TempDir.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A shown 100 x 100 panel with its fold button; it records the real heights it takes.
struct TShownPanel : QObject {
    explicit TShownPanel(TsuiUIStyle style = WinXP)
    {
        form.resize(300, 300);
        panel = new TsuiPanel(&form);
        panel->SetUIStyle(style);
        panel->OnPush = [this] { ++pushed; };
        panel->OnPop = [this] { ++popped; };
        form.show();
        panel->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            heights.push_back(panel->height());
        return false;
    }
    TForm form;
    TsuiPanel* panel;
    std::vector<int> heights;
    int pushed = 0, popped = 0;
};

void Hover(QWidget& widget, QPoint at)
{
    QMouseEvent move(
        QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

// WinXP: bar 21 high, button frames 13 x 12, so the hit area is (82, 4)-(95, 16).
const QPoint kOnButton(88, 8);

TEST(CaptionPanel, FoldsInStepsOf15ToItsBarAndUnfoldsToExactlyItsHeight)
{
    struct TRow {
        bool withoutBar;
        int heightWhileFolded;
        std::vector<int> folding, unfolding;
    };
    const TRow rows[] = {
        { false, 100, { 85, 70, 55, 40, 25, 21 }, { 36, 51, 66, 81, 96, 100 } },
        { true, 100, { 85, 70, 55, 40, 25, 20 }, { 35, 50, 65, 80, 95, 100 } },
        { false, 60, { 85, 70, 55, 40, 25, 21 }, { 36, 51, 60 } },
    };
    TTempDir dir;
    TsuiThemeFileWriter noBar;
    noBar.AddInteger("FormBorderWidthInt", 1);
    dir.Write("nobar.theme", noBar.Bytes());
    TsuiFileTheme theme;
    theme.SetThemeFile(dir.File("nobar.theme"));
    for (const TRow& row : rows) {
        TShownPanel shown;
        if (row.withoutBar) {
            shown.panel->SetFileTheme(&theme);
            shown.panel->SetUIStyle(FromThemeFile);
        }
        shown.heights.clear();
        shown.panel->Fold();
        EXPECT_EQ(shown.heights, row.folding);
        EXPECT_EQ(shown.panel->Height(), 100) << "the full height is kept while folded";
        shown.panel->SetHeight(row.heightWhileFolded);
        EXPECT_EQ(shown.panel->height(), row.folding.back());
        shown.heights.clear();
        shown.panel->Unfold();
        EXPECT_EQ(shown.heights, row.unfolding);
        EXPECT_EQ(std::make_pair(shown.pushed, shown.popped), std::make_pair(1, 1));
    }
}

TEST(CaptionPanel, TheButtonFoldsOnlyWhereItIsAndWhileItIsShown)
{
    struct TRow {
        QPoint release;
        bool showButton, folds;
    };
    const TRow rows[] = { { { 82, 4 }, true, true }, { { 95, 16 }, true, true },
        { { 81, 10 }, true, false }, { { 88, 17 }, true, false },
        { kOnButton, false, false } }; // hovered before the button was switched off
    for (const TRow& row : rows) {
        TShownPanel shown;
        Hover(*shown.panel, kOnButton);
        shown.panel->SetShowButton(row.showButton);
        for (int click = 1; click <= 2; ++click) {
            QTest::mouseClick(shown.panel, Qt::LeftButton, {}, row.release);
            EXPECT_EQ(shown.panel->Expanded(), !row.folds || click == 2)
                << row.release.x() << "," << row.release.y() << " click " << click;
        }
    }
}

TEST(CaptionPanel, AFoldSurvivesWhatHappensBetweenItsSteps)
{
    struct TRow {
        const char* what;
        std::function<void(TShownPanel&)> meanwhile;
        int height, fullHeight, pushed;
    };
    const TRow rows[] = {
        { "window closed", [](TShownPanel& s) { s.form.close(); }, 21, 100, 1 },
        { "more requests",
            [](TShownPanel& s) {
                s.panel->Fold();
                s.panel->Unfold();
                QTest::mouseClick(s.panel, Qt::LeftButton, {}, kOnButton);
                s.panel->SetHeight(130);
            },
            21, 130, 1 },
        { "panel destroyed", [](TShownPanel& s) { delete s.panel; }, 0, 0, 0 },
    };
    for (const TRow& row : rows) {
        TShownPanel shown;
        QPointer<TsuiPanel> panel = shown.panel;
        QTimer::singleShot(0, [&] { row.meanwhile(shown); });
        panel->Fold();
        EXPECT_EQ(shown.pushed, row.pushed) << row.what;
        if (!row.height) {
            EXPECT_TRUE(panel.isNull()) << row.what;
            continue;
        }
        EXPECT_EQ(panel->height(), row.height) << row.what;
        EXPECT_EQ(panel->Height(), row.fullHeight) << row.what;
        panel->Unfold();
        EXPECT_EQ(panel->height(), row.fullHeight) << row.what;
    }
}

TEST(CaptionPanel, DrawsBarBorderAndTheButtonFrameOfItsStateInEveryStyle)
{
    struct TRow {
        bool folded, hot, showButton;
        int frame; // 0: no button, the bar shows
    };
    const TRow rows[] = { { false, false, true, 1 }, { false, true, true, 2 },
        { true, false, true, 3 }, { true, true, true, 4 }, { false, true, false, 0 } };
    const QImage frames = LoadSkinBitmap("PANEL_BUTTON");
    for (TsuiUIStyle style : { MacOS, WinXP, DeepBlue, Protein, BlueGlass }) {
        QImage bar;
        GetBuiltInBitmap(style, SUI_THEME_SideChannelBarImage, &bar);
        const TColor border = GetBuiltInColor(style, SUI_THEME_ControlBorderColor);
        for (const TRow& row : rows) {
            TShownPanel shown(style);
            shown.panel->SetShowButton(row.showButton);
            if (row.folded)
                shown.panel->Fold();
            Hover(*shown.panel, row.hot ? kOnButton : QPoint(50, 10));
            const QImage shot = shown.panel->grab().toImage();
            const std::string where
                = "style " + std::to_string(style) + " frame " + std::to_string(row.frame);
            EXPECT_EQ(At(shot, 0, shot.height() - 1), border) << where;
            EXPECT_EQ(At(shot, 99, 10), border) << where;
            EXPECT_EQ(At(shot, 60, 7), At(bar, 0, 7)) << where;
            EXPECT_EQ(At(shot, 50, shot.height() - 2),
                row.folded ? At(bar, 0, shot.height() - 2) : clWhite)
                << where;
            // The button sits 4 pixels from the right end, in the middle of the bar.
            const int top = (bar.height() - frames.height()) / 2 / 2 + 2;
            QImage expected = bar.copy(0, top, 1, 12).scaled(13, 12);
            if (row.frame)
                CutFrame(frames, expected, 4, row.frame);
            EXPECT_EQ(shot.copy(83, top, 13, 12), expected.convertToFormat(QImage::Format_RGB32))
                << where;
        }
    }
}

TEST(CaptionPanel, ReadsTheMainWindowsStoredSettingsAndLaysItsChildrenBelowTheBar)
{
    TClassRegistry registry;
    registry.Register<TsuiPanel>();
    registry.Register<TsuiImagePanel>();
    TForm form;
    int pushed = 0;
    form.Handlers()["sPanel_ControlPush"] = [&] { ++pushed; };
    ReadLayout(R"(object f: TForm
  object sPanel_image: TsuiPanel
    Width = 382
    Height = 302
    UIStyle = WinXP
    BorderColor = $686868
    Caption = 'Chinese'
    ShowButton = False
    CaptionFontColor = clBlack
    Color = clWhite
    OnPush = sPanel_ControlPush
    object img_word: TsuiImagePanel
      Align = alClient
      DrawStyle = suiTile
      Alignment = taLeftJustify
    end
  end
end)",
        form, registry, form.Handlers());
    auto* panel = form.findChild<TsuiPanel*>("sPanel_image");
    EXPECT_FALSE(panel->ShowButton());
    EXPECT_EQ(panel->Height(), 302);
    auto* image = form.findChild<TsuiImagePanel*>("img_word");
    EXPECT_EQ(image->geometry(), QRect(4, 25, 374, 273));
    EXPECT_EQ(image->DrawStyle(), TsuiImagePanel::suiTile);
    EXPECT_EQ(image->Alignment(), TControl::taLeftJustify);
    panel->Fold();
    EXPECT_EQ(pushed, 1);
}

TEST(CaptionPanel, TellsAssistiveTechnologyWhetherItIsFolded)
{
    TShownPanel shown;
    shown.panel->SetCaption("Control Panel");
    QAccessibleInterface* about = QAccessible::queryAccessibleInterface(shown.panel);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->role(), QAccessible::Grouping);
    EXPECT_EQ(about->text(QAccessible::Name), "Control Panel");
    EXPECT_TRUE(about->state().expandable && about->state().expanded);
    shown.panel->Fold();
    EXPECT_TRUE(about->state().collapsed && !about->state().expanded);
    shown.panel->SetShowButton(false);
    EXPECT_FALSE(about->state().expandable);
}

} // namespace
