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

const TsuiUIStyle kStyles[] = { MacOS, WinXP, DeepBlue, Protein, BlueGlass };

// The real heights a panel takes, as its resize events report them.
class THeights : public QObject {
public:
    explicit THeights(QWidget* panel) { panel->installEventFilter(this); }
    std::vector<int> seen;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            seen.push_back(static_cast<QWidget*>(watched)->height());
        return false;
    }
};

// A shown 100 x 100 panel with its fold button, in `style`.
struct TShownPanel {
    explicit TShownPanel(TsuiUIStyle style = WinXP)
    {
        form.resize(300, 300);
        panel = new TsuiPanel(&form);
        panel->SetUIStyle(style);
        form.show();
    }
    TForm form;
    TsuiPanel* panel;
};

void Move(QWidget& widget, QPoint at)
{
    QMouseEvent event(
        QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
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
    for (const TRow& row : rows) {
        TShownPanel shown;
        TsuiFileTheme theme;
        theme.SetThemeFile(dir.File("nobar.theme"));
        if (row.withoutBar) {
            shown.panel->SetFileTheme(&theme);
            shown.panel->SetUIStyle(FromThemeFile);
        }
        int pushed = 0, popped = 0;
        shown.panel->OnPush = [&] { ++pushed; };
        shown.panel->OnPop = [&] { ++popped; };
        THeights heights(shown.panel);
        shown.panel->Fold();
        EXPECT_EQ(heights.seen, row.folding);
        EXPECT_EQ(shown.panel->Height(), 100) << "the full height is kept while folded";
        shown.panel->SetHeight(row.heightWhileFolded);
        EXPECT_EQ(shown.panel->height(), row.folding.back());
        heights.seen.clear();
        shown.panel->Unfold();
        EXPECT_EQ(heights.seen, row.unfolding);
        EXPECT_EQ(shown.panel->Height(), row.heightWhileFolded);
        EXPECT_EQ(std::make_pair(pushed, popped), std::make_pair(1, 1));
    }
}

TEST(CaptionPanel, TheButtonFoldsOnlyWhereItIsAndWhileItIsShown)
{
    struct TRow {
        QPoint release;
        bool showButton;
        bool folds;
    };
    const TRow rows[] = {
        { { 82, 4 }, true, true }, { { 95, 16 }, true, true }, { { 81, 10 }, true, false },
        { { 88, 17 }, true, false },
        { kOnButton, false, false }, // hovered before the button was switched off
    };
    for (const TRow& row : rows) {
        TShownPanel shown;
        Move(*shown.panel, kOnButton);
        shown.panel->SetShowButton(row.showButton);
        QTest::mouseClick(shown.panel, Qt::LeftButton, {}, row.release);
        EXPECT_EQ(shown.panel->Expanded(), !row.folds)
            << row.release.x() << "," << row.release.y() << " button " << row.showButton;
        if (row.folds) {
            QTest::mouseClick(shown.panel, Qt::LeftButton, {}, row.release);
            EXPECT_TRUE(shown.panel->Expanded()) << "a second click unfolds";
        }
    }
}

// Runs `action` from inside the first step of a fold.
void DuringFold(TsuiPanel* panel, const std::function<void()>& action)
{
    QTimer::singleShot(0, action);
    panel->Fold();
}

TEST(CaptionPanel, SurvivesItsDestructionDuringAFold)
{
    TShownPanel shown;
    QPointer<TsuiPanel> panel = shown.panel;
    bool pushed = false;
    panel->OnPush = [&] { pushed = true; };
    DuringFold(panel, [&] { delete panel; });
    EXPECT_TRUE(panel.isNull());
    EXPECT_FALSE(pushed);
}

TEST(CaptionPanel, FinishesAFoldWhoseWindowClosedMeanwhile)
{
    TShownPanel shown;
    DuringFold(shown.panel, [&] { shown.form.close(); });
    EXPECT_EQ(shown.panel->height(), 21);
    EXPECT_EQ(shown.panel->Height(), 100);
    shown.panel->Unfold();
    EXPECT_EQ(shown.panel->height(), 100);
}

TEST(CaptionPanel, IgnoresFoldRequestsDuringAFoldButKeepsANewHeight)
{
    TShownPanel shown;
    int pushed = 0, popped = 0;
    shown.panel->OnPush = [&] { ++pushed; };
    shown.panel->OnPop = [&] { ++popped; };
    DuringFold(shown.panel, [&] {
        shown.panel->Fold();
        shown.panel->Unfold();
        QTest::mouseClick(shown.panel, Qt::LeftButton, {}, kOnButton);
        shown.panel->SetHeight(130);
    });
    EXPECT_EQ(shown.panel->height(), 21);
    EXPECT_EQ(shown.panel->Height(), 130);
    EXPECT_EQ(std::make_pair(pushed, popped), std::make_pair(1, 0));
    shown.panel->Unfold();
    EXPECT_EQ(shown.panel->height(), 130);
}

TEST(CaptionPanel, DrawsBarBorderAndTheButtonFrameOfItsStateInEveryStyle)
{
    struct TRow {
        bool folded, hot, showButton;
        int frame; // 0: no button
    };
    const TRow rows[] = {
        { false, false, true, 1 },
        { false, true, true, 2 },
        { true, false, true, 3 },
        { true, true, true, 4 },
        { false, true, false, 0 },
    };
    const QImage frames = LoadSkinBitmap("PANEL_BUTTON");
    for (TsuiUIStyle style : kStyles) {
        QImage bar;
        GetBuiltInBitmap(style, SUI_THEME_SideChannelBarImage, &bar);
        const TColor border = GetBuiltInColor(style, SUI_THEME_ControlBorderColor);
        for (const TRow& row : rows) {
            TShownPanel shown(style);
            TsuiPanel& panel = *shown.panel;
            panel.SetShowButton(row.showButton);
            if (row.folded)
                panel.Fold();
            Move(panel, row.hot ? kOnButton : QPoint(50, 10));
            const QImage shot = panel.grab().toImage();
            const std::string where
                = "style " + std::to_string(style) + " frame " + std::to_string(row.frame);
            EXPECT_EQ(At(shot, 0, shot.height() - 1), border) << where;
            EXPECT_EQ(At(shot, 99, 10), border) << where;
            EXPECT_EQ(At(shot, 60, 7), At(bar, 0, 7)) << where;
            if (!row.folded) {
                EXPECT_EQ(At(shot, 50, 60), clWhite) << where;
            }
            EXPECT_EQ(panel.CaptionFontColor(),
                style == MacOS ? clBlack : GetBuiltInColor(style, SUI_THEME_MenuSelectedFontColor));
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
  Width = 500
  Height = 400
  object sPanel_image: TsuiPanel
    Left = 18
    Top = 2
    Width = 382
    Height = 302
    UIStyle = WinXP
    BorderColor = $686868
    Caption = 'Chinese'
    ShowButton = False
    CaptionFontColor = clBlack
    Color = clWhite
    object img_word: TsuiImagePanel
      Align = alClient
    end
  end
  object sPanel_Control: TsuiPanel
    Top = 310
    ShowButton = True
    OnPush = sPanel_ControlPush
  end
end)",
        form, registry, form.Handlers());
    auto* image = form.findChild<TsuiPanel*>("sPanel_image");
    EXPECT_EQ(image->UIStyle(), WinXP);
    EXPECT_EQ(image->BorderColor(), 0x686868u);
    EXPECT_EQ(image->Caption(), "Chinese");
    EXPECT_FALSE(image->ShowButton());
    EXPECT_EQ(image->CaptionFontColor(), clBlack);
    EXPECT_EQ(image->Color(), clWhite);
    EXPECT_EQ(image->Height(), 302);
    EXPECT_EQ(form.findChild<TsuiImagePanel*>("img_word")->geometry(), QRect(4, 25, 374, 273));
    auto* control = form.findChild<TsuiPanel*>("sPanel_Control");
    control->Fold();
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
    EXPECT_TRUE(about->state().expandable);
    EXPECT_TRUE(about->state().expanded);
    shown.panel->Fold();
    EXPECT_TRUE(about->state().collapsed);
    EXPECT_FALSE(about->state().expanded);
    shown.panel->SetShowButton(false);
    EXPECT_FALSE(about->state().expandable);
}

} // namespace
