#include "skin/SUITitleBar.h"

#include "gui/platform/forms/Input.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLayoutReader.h"
#include "skin/SUIForm.h"
#include "skin/SUIMgr.h"
#include "skin/SUIThemes.h"
#include "support/PixelImages.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>
#include <string>
#include <vector>

using enum SuiTitleBar::TsuiTitleBarBtnType;
using enum SuiTitleBar::TsuiTitleBarAlign;

namespace {

constexpr TsuiUIStyle kStyles[] = { MacOS, WinXP, DeepBlue, Protein, BlueGlass };

// A 760 x 491 window whose skinned frame carries a 760-pixel bar.
struct TWindow {
    explicit TWindow(TsuiUIStyle style)
    {
        frame = new TsuiForm(&window);
        frame->SetUIStyle(style);
        window.resize(760, 491);
        bar = &frame->TitleBar();
        bar->SetAlign(TControl::alNone);
        bar->SetBounds(0, 0, 760, bar->Height());
        bar->SetCaption("Varnel  Zintaro");
    }
    TForm window;
    TsuiForm* frame;
    TsuiTitleBar* bar;
};

// Whether the shot shows the picture with its top-left corner at (x, y).
bool Shows(const QImage& shot, int x, int y, const QImage& picture)
{
    if (picture.isNull())
        return false;
    for (int py = 0; py < picture.height(); ++py)
        for (int px = 0; px < picture.width(); ++px)
            if (At(shot, x + px, y + py) != At(picture, px, py))
                return false;
    return true;
}

TsuiTitleBarButton& ButtonOfType(TsuiTitleBar& bar, TsuiTitleBarBtnType type)
{
    return bar.Buttons().Item(bar.Buttons().IndexOfType(type));
}

// Answers the next modal dialog with OK and keeps its text.
struct TDialogWatch {
    TDialogWatch()
    {
        QTimer::singleShot(0, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text().toStdString();
                box->button(QMessageBox::Ok)->click();
            }
        });
    }
    std::string text;
};

TEST(TitleBar, LaysButtonsFromTheRightAndTheCaptionAfterTheControlBox)
{
    struct Row {
        const char* what;
        TsuiUIStyle style;
        int interval;
        bool appIcon, controlBox;
        int close, minimise, controlBoxAt, caption;
    };
    const Row rows[] = {
        { "WinXP", WinXP, 0, false, true, 737, 715, 2, 28 },
        { "gap between buttons", WinXP, 3, false, true, 734, 709, 2, 28 },
        { "program icon", WinXP, 0, true, true, 737, 715, 2, 23 },
        { "no control box, no offset", DeepBlue, 0, false, false, 741, 721, -1, 6 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TWindow w(row.style);
        ButtonOfType(*w.bar, suiMax).SetVisible(false);
        ButtonOfType(*w.bar, suiControlBox).SetVisible(row.controlBox);
        w.bar->SetButtonInterval(row.interval);
        w.bar->SetDrawAppIcon(row.appIcon);
        const auto arrangement = w.bar->Arrange();
        std::vector<int> lefts;
        for (const auto& place : arrangement.buttons)
            lefts.push_back(place.rect.Left);
        std::vector<int> expected = { row.close, row.minimise };
        if (row.controlBox)
            expected.push_back(row.controlBoxAt);
        EXPECT_EQ(lefts, expected);
        EXPECT_EQ(arrangement.captionLeft, row.caption);

        const QImage shot = w.bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int top = ButtonOfType(*w.bar, suiClose).Top();
        EXPECT_TRUE(Shows(shot, row.close, top, ButtonOfType(*w.bar, suiClose).PicNormal()));
        EXPECT_TRUE(Shows(shot, row.minimise, top, ButtonOfType(*w.bar, suiMin).PicNormal()));
    }
}

TEST(TitleBar, CutsACaptionTooWideToItsLongestPrefixAndAnEllipsis)
{
    const auto sevenEach = [](const std::string& s) { return 7 * int(s.size()); };
    struct Row {
        int room;
        std::string shown;
    };
    const Row rows[] = {
        { 98, "Varnel Zintaro" }, // 14 characters fit exactly
        { 97, "Varnel Zin..." },
        { 42, "Var..." },
        { 21, "..." },
        { 20, "" }, // not even the ellipsis fits
        { -30, "" },
    };
    for (const Row& row : rows)
        EXPECT_EQ(TsuiTitleBar::FitCaption("Varnel Zintaro", row.room, sevenEach), row.shown)
            << row.room;
    // Characters are cut whole, never a byte of one.
    EXPECT_EQ(TsuiTitleBar::FitCaption("最小化最小化", 3 + 3 * 2,
                  [](const std::string& s) { return int(QString::fromStdString(s).size()); }),
        "最小化最小化");
    EXPECT_EQ(TsuiTitleBar::FitCaption("最小化最小化", 5,
                  [](const std::string& s) { return int(QString::fromStdString(s).size()); }),
        "最小...");

    // On the bar, nothing of the caption reaches into the buttons.
    TWindow w(WinXP);
    w.bar->SetCaption(QString(200, 'W'));
    const QImage with = w.bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    w.bar->SetCaption("");
    const QImage without = w.bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int right = w.bar->Arrange().captionRight;
    bool captionShown = false;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x) {
            const bool differs = At(with, x, y) != At(without, x, y);
            captionShown |= differs;
            EXPECT_FALSE(differs && x >= right) << x << "," << y;
        }
    EXPECT_TRUE(captionShown);
}

TEST(TitleBar, CustomKeepsTheUsersSectionsButtonsOffsetsAndCornerThroughAStyleChange)
{
    TWindow w(WinXP);
    w.bar->SetCustom(true);
    w.bar->Sections().Item(0).SetWidth(99);
    w.bar->Buttons().Item(1).SetTop(9);
    w.bar->Buttons().Add();
    w.bar->SetLeftBtnXOffset(11);
    w.bar->SetRightBtnXOffset(-7);
    w.bar->SetRoundCorner(5);
    const QImage picture = w.bar->Buttons().Item(1).PicNormal();

    w.bar->SetUIStyle(BlueGlass);

    EXPECT_EQ(w.bar->Sections().Count(), 3);
    EXPECT_EQ(w.bar->Sections().Item(0).Width(), 99);
    EXPECT_EQ(w.bar->Buttons().Count(), 5);
    EXPECT_EQ(w.bar->Buttons().Item(1).Top(), 9);
    EXPECT_EQ(w.bar->Buttons().Item(1).UIStyle(), WinXP);
    EXPECT_EQ(w.bar->Buttons().Item(1).PicNormal(), picture);
    EXPECT_EQ(w.bar->LeftBtnXOffset(), 11);
    EXPECT_EQ(w.bar->RightBtnXOffset(), -7);
    EXPECT_EQ(w.bar->RoundCorner(), 5);

    w.bar->SetCustom(false);
    w.bar->SetUIStyle(BlueGlass);
    EXPECT_EQ(w.bar->Buttons().Item(1).UIStyle(), BlueGlass);
    EXPECT_EQ(w.bar->LeftBtnXOffset(), 4);
    EXPECT_EQ(w.bar->RoundCorner(), 11);
    EXPECT_EQ(w.bar->Sections().Item(0).Width(), 162);
}

TEST(TitleBar, RoundsOnlyTheWindowsTopCorners)
{
    TWindow w(WinXP);
    w.bar->SetRoundCorner(13);
    const QRegion mask = w.window.mask();
    struct Row {
        QPoint point;
        bool inside;
    };
    const Row rows[] = {
        { { 0, 0 }, false },
        { { 759, 0 }, false },
        { { 1, 1 }, false },
        { { 6, 0 }, true },
        { { 0, 6 }, true },
        { { 380, 0 }, true },
        { { 0, 490 }, true },
        { { 759, 490 }, true },
        { { 759, 245 }, true },
    };
    for (const Row& row : rows)
        EXPECT_EQ(mask.contains(row.point), row.inside) << row.point.x() << "," << row.point.y();

    w.bar->SetRoundCorner(0);
    EXPECT_TRUE(w.window.mask().isEmpty());

    // A bar on a window without a skinned frame leaves the window alone.
    TForm plain;
    plain.resize(300, 200);
    TsuiTitleBar bare(&plain);
    bare.SetRoundCorner(13);
    EXPECT_TRUE(plain.mask().isEmpty());
}

TEST(TitleBar, RefusesASecondControlBoxOrClientSectionAndChangesNothing)
{
    TWindow w(WinXP);
    TsuiTitleBarButton& close = ButtonOfType(*w.bar, suiClose);
    const QImage closePicture = close.PicNormal();
    {
        TDialogWatch dialog;
        close.SetButtonType(suiControlBox);
        EXPECT_EQ(dialog.text, "Sorry, only one button's ButtonType property can be \"suiControlBox\"");
    }
    EXPECT_EQ(close.ButtonType(), suiClose);
    EXPECT_EQ(close.PicNormal(), closePicture);

    TsuiTitleBarSection& left = w.bar->Sections().Item(0);
    {
        TDialogWatch dialog;
        left.SetAlign(suiClient);
        EXPECT_EQ(dialog.text, "Sorry, only one section's Align property can be \"suiClient\"");
    }
    EXPECT_EQ(left.Align(), suiLeft);
    EXPECT_FALSE(left.Stretch());
}

TEST(TitleBar, PaintsEachButtonStateInEveryStyle)
{
    // Pointer away, pointer on the close button, pointer on it and pressed.
    struct Row {
        const char* what;
        bool over, pressed;
        const QImage& (TsuiTitleBarButton::*picture)() const;
    };
    const Row rows[] = {
        { "normal", false, false, &TsuiTitleBarButton::PicNormal },
        { "hot", true, false, &TsuiTitleBarButton::PicMouseOn },
        { "pressed", true, true, &TsuiTitleBarButton::PicMouseDown },
    };
    for (TsuiUIStyle style : kStyles)
        for (const Row& row : rows) {
            SCOPED_TRACE(std::to_string(int(style)) + " " + row.what);
            TWindow w(style);
            TsuiTitleBarButton& close = ButtonOfType(*w.bar, suiClose);
            close.SetTransparent(false);
            const TRect rect = w.bar->Arrange().buttons.front().rect;
            const QPoint centre((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
            if (row.over)
                SendMouse(*w.bar, QEvent::MouseMove, centre);
            if (row.pressed)
                SendMouse(*w.bar, QEvent::MouseButtonPress, centre);
            const QImage shot = w.bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
            EXPECT_TRUE(Shows(shot, rect.Left, rect.Top, (close.*row.picture)()));
            QImage(shot).save(QString("/tmp/titlebar-%1-%2.png").arg(int(style)).arg(row.what));
        }
}

TEST(TitleBar, PaintsTheCaptionInTheStylesColourOrGreyWhileInactive)
{
    struct Row {
        TsuiUIStyle style;
        bool active;
        TColor colour;
    };
    const Row rows[] = {
        { MacOS, true, clBlack },
        { WinXP, true, clWhite },
        { BlueGlass, true, clWhite },
        { WinXP, false, 0x808080 },
    };
    for (const Row& row : rows) {
        TWindow w(row.style);
        w.bar->SetFormActive(row.active);
        w.bar->SetCaption("");
        const QImage without = w.bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
        w.bar->SetCaption("WWWWWWWWWW");
        const QImage with = w.bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int count = 0;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                count += At(with, x, y) != At(without, x, y) && At(with, x, y) == row.colour;
        EXPECT_GT(count, 40) << int(row.style) << row.active;
    }
}

TEST(TitleBar, TakesItsLookFromAThemeWithoutResettingTheCaptionColour)
{
    TWindow w(FromThemeFile);
    w.bar->Font()->SetColor(clRed);
    TsuiFileTheme theme;
    theme.SetThemeFile(ZINTARO_SOURCE_DIR "/resources/themes/Jade.theme");
    w.bar->SetFileTheme(&theme);

    EXPECT_EQ(w.bar->Font()->Color(), clRed);
    QImage left;
    theme.GetBitmap(SUI_THEME_TitleBarLeftImage, &left);
    ASSERT_FALSE(left.isNull());
    EXPECT_EQ(w.bar->Sections().Item(0).Picture(), left);
    EXPECT_EQ(w.bar->Buttons().Item(0).UIStyle(), FromThemeFile);
    EXPECT_EQ(w.bar->LeftBtnXOffset(), theme.GetInt(SUI_THEME_TitleBarButtonLeftOffsetInt));

    w.bar->SetUIStyle(MacOS);
    EXPECT_EQ(w.bar->Font()->Color(), clBlack);
}

TEST(TitleBar, MaximiseButtonShowsRestoreWhileTheWindowIsMaximised)
{
    TWindow w(WinXP);
    TsuiTitleBarButton& max = ButtonOfType(*w.bar, suiMax);
    QImage restore, maximise;
    GetBuiltInBitmap(WinXP, SUI_THEME_TitleBarButtonImage, &restore, 10, 18);
    GetBuiltInBitmap(WinXP, SUI_THEME_TitleBarButtonImage, &maximise, 7, 18);
    EXPECT_EQ(max.PicNormal(), maximise);

    // A double click away from the buttons works the maximise button, though hidden.
    max.SetVisible(false);
    w.window.show();
    SendMouse(*w.bar, QEvent::MouseButtonDblClick, { 300, 15 });
    EXPECT_TRUE(w.window.isMaximized());
    EXPECT_EQ(max.PicNormal(), restore);
    SendMouse(*w.bar, QEvent::MouseButtonDblClick, { 300, 15 });
    EXPECT_FALSE(w.window.isMaximized());
    EXPECT_EQ(max.PicNormal(), maximise);
}

TEST(TitleBar, ReleasingOnAButtonDoesItsWork)
{
    TWindow w(WinXP);
    w.window.show();
    std::vector<std::pair<std::string, int>> events;
    w.bar->OnCustomBtnsClick = [&](QObject*, int index) { events.push_back({ "custom", index }); };
    w.bar->OnHelpBtnClick = [&](QObject*, int index) { events.push_back({ "help", index }); };
    w.bar->Buttons().Add().SetButtonType(suiHelp);
    TsuiTitleBarButton& custom = w.bar->Buttons().Add();
    custom.SetPicNormal(Blank(10, 10, clRed));

    auto clickOn = [&](int index) {
        for (const auto& place : w.bar->Arrange().buttons)
            if (place.index == index)
                Click(*w.bar, { place.rect.Left + 1, place.rect.Top + 1 });
    };
    clickOn(4);
    clickOn(5);
    EXPECT_EQ(events, (std::vector<std::pair<std::string, int>> { { "help", 4 }, { "custom", 5 } }));
    EXPECT_TRUE(w.window.isVisible());
    // Pressing and leaving the button before the release does nothing.
    const TRect close = w.bar->Arrange().buttons.front().rect;
    SendMouse(*w.bar, QEvent::MouseButtonPress, { close.Left + 1, close.Top + 1 });
    SendMouse(*w.bar, QEvent::MouseButtonRelease, { 300, 15 });
    EXPECT_TRUE(w.window.isVisible());
    clickOn(1);
    EXPECT_FALSE(w.window.isVisible());
}

TEST(TitleBar, DoubleClickOnTheControlBoxClosesTheWindow)
{
    TWindow w(WinXP);
    w.window.show();
    SendMouse(*w.bar, QEvent::MouseButtonDblClick, { 5, 10 });
    EXPECT_FALSE(w.window.isVisible());
}

TEST(TitleBar, TopRowsResizeOnlyASizeableFramedWindow)
{
    struct Row {
        bool sizeable;
        QPoint point;
        Qt::Edges edges;
    };
    const Row rows[] = {
        { true, { 300, 0 }, Qt::TopEdge },
        { true, { 300, 4 }, Qt::TopEdge },
        { true, { 300, 5 }, {} },
        { true, { 4, 2 }, Qt::TopEdge | Qt::LeftEdge },
        { true, { 5, 2 }, Qt::TopEdge },
        { true, { 756, 2 }, Qt::TopEdge | Qt::RightEdge },
        { true, { 755, 2 }, Qt::TopEdge },
        { false, { 300, 0 }, {} },
        { false, { 4, 2 }, {} },
    };
    for (const Row& row : rows) {
        TWindow w(WinXP);
        w.bar->SetInitialBorderSizeable(row.sizeable);
        EXPECT_EQ(w.bar->ResizeEdgesAt(row.point), row.edges)
            << row.sizeable << " " << row.point.x() << "," << row.point.y();
    }
    TWindow maximised(WinXP);
    maximised.bar->SetInitialBorderSizeable(true);
    maximised.window.showMaximized();
    EXPECT_EQ(maximised.bar->ResizeEdgesAt({ 300, 0 }), Qt::Edges());
}

TEST(TitleBar, ReadsTheStoredButtonsAndSections)
{
    TClassRegistry registry;
    registry.Register<TsuiTitleBar>();
    TForm form;
    ReadLayout(R"(object frm: TForm
  object bar: TsuiTitleBar
    UIStyle = WinXP
    Buttons = <
      item
        ButtonType = suiControlBox
        UIStyle = WinXP
        Transparent = False
        Top = 5
      end
      item
        ButtonType = suiClose
        UIStyle = WinXP
        Transparent = False
        Top = 5
      end
      item
        ButtonType = suiMax
        UIStyle = WinXP
        Transparent = False
        Top = 5
        Visible = False
      end
      item
        ButtonType = suiMin
        UIStyle = WinXP
        Transparent = False
        Top = 5
      end>
    Sections = <
      item
        AutoSize = True
        Width = 35
        Align = suiLeft
        Stretch = False
      end
      item
        AutoSize = True
        Width = 35
        Align = suiRight
        Stretch = False
      end
      item
        AutoSize = False
        Width = 10
        Align = suiClient
        Stretch = True
      end>
  end
end
)",
        form, registry, {});
    auto* bar = form.findChild<TsuiTitleBar*>("bar");
    ASSERT_NE(bar, nullptr);
    bar->SetWidth(760);

    ASSERT_EQ(bar->Buttons().Count(), 4);
    const TsuiTitleBarBtnType types[] = { suiControlBox, suiClose, suiMax, suiMin };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(bar->Buttons().Item(i).ButtonType(), types[i]);
        EXPECT_EQ(bar->Buttons().Item(i).Top(), 5);
        EXPECT_EQ(bar->Buttons().Item(i).PicNormal().size(), QSize(21, 21));
    }
    EXPECT_FALSE(bar->Buttons().Item(2).Visible());
    // Layouts store no pictures: the sections show the style's.
    ASSERT_EQ(bar->Sections().Count(), 3);
    const int elements[] = { SUI_THEME_TitleBarLeftImage, SUI_THEME_TitleBarRightImage,
        SUI_THEME_TitleBarClientImage };
    for (int i = 0; i < 3; ++i) {
        QImage picture;
        GetBuiltInBitmap(WinXP, elements[i], &picture);
        EXPECT_EQ(bar->Sections().Item(i).Picture(), picture);
    }
    EXPECT_EQ(bar->Sections().Item(1).Width(), 35);
    EXPECT_TRUE(bar->Sections().Item(2).Stretch());
    EXPECT_EQ(bar->Height(), 29);
    EXPECT_EQ(bar->Arrange().captionLeft, 28);
}

} // namespace

namespace {

TEST(TitleBar, SystemMenuEnablesItsItemsFromTheButtonTypesNotTheirVisibility)
{
    struct Row {
        const char* what;
        std::vector<TsuiTitleBarBtnType> removed;
        bool minimise, maximise, close;
    };
    const Row rows[] = {
        { "main window, maximise hidden", {}, true, true, true },
        { "no minimise", { suiMin }, false, true, true },
        { "control box alone", { suiMin, suiMax, suiClose }, false, false, false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TWindow w(WinXP);
        ButtonOfType(*w.bar, suiMax).SetVisible(false);
        for (TsuiTitleBarBtnType type : row.removed) {
            TsuiTitleBarButton& button = ButtonOfType(*w.bar, type);
            button.SetVisible(false);
            button.SetButtonType(suiCustom);
        }
        w.window.show();
        Click(*w.bar, { 5, 10 });

        const QList<TsuiMenuItem*> items = w.bar->SystemMenu().Items();
        ASSERT_EQ(items.size(), 4);
        EXPECT_EQ(items[0]->Caption(), "最小化(&N)");
        EXPECT_EQ(items[1]->Caption(), "最大化/还原(&X)");
        EXPECT_TRUE(items[2]->IsSeparator());
        EXPECT_EQ(items[3]->Caption(), "关闭(&C)");
        EXPECT_EQ(items[0]->Enabled(), row.minimise);
        EXPECT_EQ(items[1]->Enabled(), row.maximise);
        EXPECT_EQ(items[3]->Enabled(), row.close);
        QMenu* menu = w.bar->SystemMenu().Menu();
        EXPECT_TRUE(menu->isVisible());
        EXPECT_EQ(menu->pos(), w.bar->mapToGlobal(QPoint(0, 29)));
        menu->close();
    }
}

TEST(TitleBar, TellsAssistiveTechnologyItIsATitleBarNamedByItsCaption)
{
    TWindow w(WinXP);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w.bar);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::TitleBar);
    EXPECT_EQ(face->text(QAccessible::Name), "Varnel  Zintaro");
}

TEST(TitleBar, SystemMenuMaximisesRestoresAndCloses)
{
    TWindow w(WinXP);
    ButtonOfType(*w.bar, suiMax).SetVisible(false);
    w.window.show();
    const QList<TsuiMenuItem*> items = w.bar->SystemMenu().Items();
    items[1]->trigger();
    EXPECT_TRUE(w.window.isMaximized());
    items[1]->trigger();
    EXPECT_FALSE(w.window.isMaximized());
    items[3]->trigger();
    EXPECT_FALSE(w.window.isVisible());
}

} // namespace
