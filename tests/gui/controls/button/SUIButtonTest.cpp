#include "controls/SUIButton.h"

#include "controls/SUIControls.h"
#include "gui/platform/forms/Input.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLayoutReader.h"
#include "support/PixelImages.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>
#include <vector>

namespace {

using TLook = TsuiCustomButton::TLook;

constexpr TsuiUIStyle kStyles[] = { MacOS, WinXP, DeepBlue, Protein, BlueGlass };
constexpr TColor kGreen = 0x00A000;
constexpr TColor kBlue = 0xC00000;
constexpr TColor kRed = 0x0000C0;
constexpr TColor kYellow = 0x00E0E0;

QImage Shot(QWidget& widget)
{
    return widget.grab().toImage();
}

QImage Frame(TsuiUIStyle style, int element, int index, int count)
{
    QImage frame;
    GetBuiltInBitmap(style, element, &frame, index, count);
    return frame.convertToFormat(QImage::Format_RGB32);
}

// Whether `shot` shows `expected` at (left, top), pixel for pixel.
testing::AssertionResult Shows(
    const QImage& shot, const QImage& expected, int left = 0, int top = 0)
{
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (At(shot, left + x, top + y) != FromPixel(expected.pixel(x, y)))
                return testing::AssertionFailure() << "differs at " << x << "," << y;
    return testing::AssertionSuccess();
}

// The frame as a disabled button shows it, or with its corner colour showing `behind`.
QImage Expected(QImage frame, bool greyed, std::optional<TColor> behind)
{
    const QRgb key = frame.pixel(0, 0);
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) {
            const int level = qGray(frame.pixel(x, y));
            if (behind && frame.pixel(x, y) == key)
                frame.setPixel(x, y, ToPixel(*behind));
            else if (greyed)
                frame.setPixel(x, y, qRgb(level, level, level));
        }
    return frame;
}

// Brings the button into a look as the learner would; disabled comes after a press, so
// it also shows that disabled wins.
void Bring(TsuiCustomButton& button, TLook look)
{
    if (look != TLook::Normal)
        Enter(button);
    if (look == TLook::MouseDown || look == TLook::Disabled)
        SendMouse(button, QEvent::MouseButtonPress, { 2, 2 });
    if (look == TLook::Disabled)
        button.SetEnabled(false);
}

// A window that is shown and active, so focus and window keys work.
struct TShownForm : TForm {
    TShownForm()
    {
        SetBounds(0, 0, 300, 200);
        show();
        activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(this));
    }
};

TEST(Button, ShowsTheStylesFrameForEachLookInPriorityOrder)
{
    struct Row {
        TLook look;
        int frame;
        bool transparent;
    } rows[] = { { TLook::Normal, 1, false }, { TLook::MouseOn, 2, false },
        { TLook::MouseDown, 3, false }, { TLook::Disabled, 1, false }, { TLook::Normal, 1, true },
        { TLook::Disabled, 1, true } };
    for (TsuiUIStyle style : kStyles) {
        for (const Row& row : rows) {
            SCOPED_TRACE(testing::Message() << int(style) << " frame " << row.frame);
            TForm form;
            form.SetColor(kGreen);
            auto* button = new TsuiCustomButton(&form);
            button->SetUIStyle(style);
            button->SetTransparent(row.transparent);
            QImage frame = Frame(style, SUI_THEME_ButtonImage, row.frame, 3);
            button->SetBounds(0, 0, frame.width() + 4, frame.height());
            Bring(*button, row.look);
            QImage shot = Shot(*button);
            bool greyed = row.look == TLook::Disabled;
            EXPECT_TRUE(Shows(
                shot, Expected(frame, greyed, row.transparent ? kGreen : std::optional<TColor>())));
            EXPECT_EQ(At(shot, frame.width() + 1, 1), kGreen) << "drawn in its own size";
        }
    }
}

TEST(ImageButton, ALookWithoutItsPictureShowsPicNormalAndNoPictureOnlyTheColour)
{
    const TColor own[] = { kRed, kGreen, kBlue, kYellow };
    void (TsuiImageButton::*setters[])(const QImage&)
        = { &TsuiImageButton::SetPicNormal, &TsuiImageButton::SetPicMouseOn,
              &TsuiImageButton::SetPicMouseDown, &TsuiImageButton::SetPicDisabled };
    struct Row {
        int pictures;
        TLook look;
        TColor shown;
    } rows[] = { { 4, TLook::Normal, kRed }, { 4, TLook::MouseOn, kGreen },
        { 4, TLook::MouseDown, kBlue }, { 4, TLook::Disabled, kYellow },
        { 1, TLook::MouseOn, kRed }, { 1, TLook::MouseDown, kRed }, { 1, TLook::Disabled, kRed },
        { 0, TLook::MouseDown, clWhite } };
    for (const Row& row : rows) {
        TsuiImageButton button;
        button.SetColor(clWhite);
        button.SetBounds(0, 0, 20, 20);
        for (int i = 0; i < row.pictures; ++i)
            (button.*setters[i])(Blank(10, 10, own[i]));
        Bring(button, row.look);
        EXPECT_EQ(At(Shot(button), 5, 5), row.shown) << int(row.look);
        EXPECT_EQ(At(Shot(button), 15, 15), clWhite) << "in its own size";
        button.SetStretch(true);
        EXPECT_EQ(At(Shot(button), 15, 15), row.shown) << "stretched";
    }

    TForm form;
    form.SetColor(kGreen);
    auto* button = new TsuiImageButton(&form);
    QImage picture = Blank(12, 8, kBlue);
    picture.setPixel(0, 0, ToPixel(kRed));
    picture.setPixel(5, 5, ToPixel(kRed));
    button->SetAutoSize(true);
    button->SetPicNormal(picture);
    EXPECT_EQ(button->size(), QSize(12, 8));
    button->SetTransparent(true);
    QImage before = Shot(*button);
    EXPECT_EQ(At(before, 5, 5), kGreen);
    EXPECT_EQ(At(before, 6, 5), kBlue);
    button->setProperty("UIStyle", int(WinXP));
    EXPECT_EQ(button->property("UIStyle").toInt(), int(FromThemeFile));
    EXPECT_EQ(Shot(*button), before) << "the style changes nothing";
}

TEST(Button, CaptionIsGreyOverAWhiteCopyWhenDisabledAndShiftsWhenPressed)
{
    TsuiImageButton button;
    button.SetColor(kGreen);
    button.SetBounds(0, 0, 60, 24);
    button.SetCaption("&HIH");
    const TColor ink = 0x000000;
    button.Font()->SetColor(ink);
    button.Font()->SetHeight(-16);
    QImage normal = Shot(button);
    Bring(button, TLook::MouseDown);
    QImage pressed = Shot(button);
    button.SetEnabled(false);
    QImage disabled = Shot(button);

    int inked = 0;
    for (int y = 0; y + 1 < normal.height(); ++y)
        for (int x = 0; x + 1 < normal.width(); ++x) {
            ASSERT_EQ(At(pressed, x + 1, y + 1), At(normal, x, y)) << x << "," << y;
            bool full = At(normal, x, y) == ink;
            inked += full;
            ASSERT_EQ(At(disabled, x, y) == TColor(0x808080), full) << x << "," << y;
            if (full && At(normal, x + 1, y + 1) == kGreen) {
                ASSERT_EQ(At(disabled, x + 1, y + 1), clWhite) << x << "," << y;
            }
        }
    EXPECT_GT(inked, 10);
    button.SetCaption("   ");
    EXPECT_EQ(Map(Shot(button), kGreen), Map(Blank(60, 24, kGreen), kGreen)) << "blanks only";
}

TEST(Button, FocusInvertsEveryOtherPixelOfAFrameInsetByTheMargin)
{
    TShownForm form;
    auto* button = new TsuiCustomButton(&form);
    button->SetFocusedRectMargin(3);
    QImage plain = Shot(*button);
    button->setFocus();
    QImage focused = Shot(*button);
    const TRect f { 3, 3, button->width() - 3, button->height() - 3 };
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            bool onFrame = x >= f.Left && x < f.Right && y >= f.Top && y < f.Bottom
                && (x == f.Left || x == f.Right - 1 || y == f.Top || y == f.Bottom - 1);
            bool inverted = onFrame && (x + y) % 2 == 0;
            ASSERT_EQ(At(focused, x, y), At(plain, x, y) ^ (inverted ? 0xFFFFFF : 0))
                << x << "," << y;
        }

    auto* image = new TsuiImageButton(&form);
    QImage unfocused = Shot(*image);
    image->setFocus();
    EXPECT_EQ(Shot(*image), unfocused) << "no frame without DrawFocused";
    image->SetDrawFocused(true);
    EXPECT_NE(Shot(*image), unfocused);
}

TEST(Button, ReleaseOutsideFiresNoClickAndHoldingRepeatsEveryInterval)
{
    TShownForm form;
    auto* button = new TsuiImageButton(&form);
    int clicks = 0;
    button->OnClick = [&] { ++clicks; };
    QTest::mousePress(button, Qt::LeftButton, {}, { 5, 5 });
    QTest::mouseRelease(button, Qt::LeftButton, {}, { 150, 150 });
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(button, Qt::LeftButton, {}, { 5, 5 });
    EXPECT_EQ(clicks, 1);

    QElapsedTimer clock;
    std::vector<qint64> ticks;
    button->OnMouseContinuouslyDown = [&] { ticks.push_back(clock.elapsed()); };
    clock.start();
    QTest::mousePress(button, Qt::LeftButton, {}, { 5, 5 });
    QTest::qWait(1000);
    const qint64 held = clock.elapsed();
    QTest::mouseRelease(button, Qt::LeftButton, {}, { 5, 5 });
    ASSERT_FALSE(ticks.empty());
    // Timers come a little early at most, and late on a busy machine: never more often.
    EXPECT_GE(ticks.front(), 90);
    EXPECT_LE(qint64(ticks.size()), held / 90);
    EXPECT_GE(ticks.size(), 4u);
    const size_t atRelease = ticks.size();
    QTest::qWait(300);
    EXPECT_EQ(ticks.size(), atRelease) << "the release ends the repeat";

    for (int interval : { 0, -5 }) {
        button->SetMouseContinuouslyDownInterval(interval);
        QTest::mousePress(button, Qt::LeftButton, {}, { 5, 5 });
        QTest::qWait(300);
        QTest::mouseRelease(button, Qt::LeftButton, {}, { 5, 5 });
        EXPECT_EQ(ticks.size(), atRelease) << interval;
    }
}

TEST(Button, EscEnterAndTheAcceleratorClickWithoutModifiersFromAnywhereInTheWindow)
{
    TShownForm form;
    auto* ok = new TsuiImageButton(&form);
    ok->SetDefault(true);
    ok->SetModalResult(1);
    auto* cancel = new TsuiImageButton(&form);
    cancel->SetCancel(true);
    cancel->SetModalResult(2);
    cancel->SetCaption("&Back");
    auto* box = new TsuiCheckBox(&form);
    box->SetCaption("Rep&lay");
    auto* other = new QWidget(&form);
    other->setFocusPolicy(Qt::StrongFocus);
    other->show();
    std::vector<std::string> clicked;
    ok->OnClick = [&] { clicked.push_back("ok"); };
    cancel->OnClick = [&] { clicked.push_back("cancel"); };
    box->OnClick = [&] { clicked.push_back("box"); };

    struct Row {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* clicked;
        int modalResult;
    } rows[] = { { Qt::Key_Escape, {}, "cancel", 2 }, { Qt::Key_Return, {}, "ok", 1 },
        { Qt::Key_B, Qt::AltModifier, "cancel", 2 }, { Qt::Key_B, {}, "cancel", 2 },
        { Qt::Key_L, {}, "box", 0 }, { Qt::Key_Return, Qt::ShiftModifier, "", 0 },
        { Qt::Key_Return, Qt::ControlModifier, "", 0 },
        { Qt::Key_Escape, Qt::AltModifier, "", 0 } };
    for (const Row& row : rows) {
        clicked.clear();
        form.SetModalResult(0);
        other->setFocus();
        QTest::keyClick(other, row.key, row.modifiers);
        EXPECT_EQ(clicked, std::vector<std::string>(*row.clicked ? 1 : 0, row.clicked))
            << row.key << " " << row.modifiers;
        EXPECT_EQ(form.ModalResult(), row.modalResult) << row.key;
    }
    ok->SetEnabled(false);
    cancel->SetCaption("Back");
    clicked.clear();
    QTest::keyClick(other, Qt::Key_Return);
    QTest::keyClick(other, Qt::Key_B, Qt::AltModifier);
    EXPECT_TRUE(clicked.empty()) << "disabled, or no accelerator any more";
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(clicked, std::vector<std::string> { "box" }) << "Space toggles the focused box";
}

TEST(CheckBox, AutoSizesToGlyphAndCaption)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(scratch);
    ASSERT_EQ(canvas.TextHeight("W"), 13) << "the rows assume the default font";
    // Height max(13 + 2, glyph height) + 4; width glyph width + caption + 8.
    struct Row {
        TsuiUIStyle style;
        int height, glyphWidth;
    } rows[] = { { WinXP, 19, 13 }, { MacOS, 21, 15 }, { DeepBlue, 19, 13 } };
    for (const Row& row : rows) {
        TsuiCheckBox box;
        box.SetUIStyle(row.style);
        box.SetCaption("Replay");
        EXPECT_EQ(box.height(), row.height) << int(row.style);
        EXPECT_EQ(box.width(), row.glyphWidth + canvas.TextWidth("Replay") + 8) << int(row.style);
    }
    TsuiCheckBox fixed;
    fixed.SetAutoSize(false);
    fixed.SetCaption("A much longer caption");
    EXPECT_EQ(fixed.size(), QSize(93, 17));
}

TEST(CheckBox, DrawsTheGlyphFrameOfItsStateAndTheCaptionInTheFontColour)
{
    struct Row {
        bool checked, enabled;
        int frame;
    } rows[] = { { true, true, 1 }, { false, true, 2 }, { true, false, 3 }, { false, false, 4 } };
    for (TsuiUIStyle style : kStyles) {
        QImage enabledCaption;
        for (const Row& row : rows) {
            SCOPED_TRACE(testing::Message() << int(style) << " frame " << row.frame);
            TsuiCheckBox box;
            box.SetUIStyle(style);
            box.SetCaption("Replay");
            box.SetChecked(row.checked);
            box.SetEnabled(row.enabled);
            QImage glyph = Frame(style, SUI_THEME_CheckBoxImage, row.frame, 4);
            QImage shot = Shot(box);
            EXPECT_TRUE(Shows(shot, glyph, 1, (box.height() - glyph.height()) / 2));
            QImage caption = shot.copy(glyph.width() + 2, 0, shot.width(), shot.height());
            if (enabledCaption.isNull())
                enabledCaption = caption;
            EXPECT_EQ(caption, enabledCaption);
        }
    }
}

TEST(ButtonAndCheckBox, ReadTheMainWindowsSettingsAndFireOnClickOnlyForAChange)
{
    TClassRegistry registry;
    RegisterSkinnedControls(registry);
    TForm form;
    int played = 0, replayClicks = 0;
    form.Handlers()["sIB_PlayClick"] = [&] { ++played; };
    form.Handlers()["sCB_ReplayClick"] = [&] { ++replayClicks; };
    ReadLayout(R"(object frm_main: TForm
  object sIB_Play: TsuiImageButton
    Width = 42
    Height = 30
    AutoSize = False
    UIStyle = FromThemeFile
    DrawFocused = False
    FocusedRectMargin = 2
    Stretch = False
    MouseContinuouslyDownInterval = 100
    Transparent = False
    ModalResult = 0
    Caption = 'Play'
    OnClick = sIB_PlayClick
  end
  object sCB_Replay: TsuiCheckBox
    OnClick = sCB_ReplayClick
    Width = 54
    Height = 30
    UIStyle = WinXP
    AutoSize = True
    Checked = True
    Checked = False
    State = cbUnchecked
    Transparent = False
    Caption = 'Replay'
  end
end)",
        form, registry, form.Handlers());
    auto* play = form.findChild<TsuiImageButton*>("sIB_Play");
    ASSERT_NE(play, nullptr);
    EXPECT_EQ(play->size(), QSize(42, 30));
    EXPECT_EQ(play->property("UIStyle").toInt(), int(FromThemeFile));
    EXPECT_EQ(play->MouseContinuouslyDownInterval(), 100);
    EXPECT_EQ(play->Caption(), "Play");
    Click(*play, { 5, 5 });
    EXPECT_EQ(played, 1);

    auto* replay = form.findChild<TsuiCheckBox*>("sCB_Replay");
    ASSERT_NE(replay, nullptr);
    EXPECT_EQ(replay->UIStyle(), WinXP);
    EXPECT_EQ(replay->State(), TsuiCheckBox::cbUnchecked);
    EXPECT_EQ(replay->height(), 19) << "sized once loaded";
    EXPECT_EQ(replayClicks, 0) << "no OnClick while loading";
    replay->SetChecked(false);
    EXPECT_EQ(replayClicks, 0) << "no change";
    Click(*replay, { 3, 3 });
    replay->SetChecked(true);
    EXPECT_EQ(replayClicks, 1);
    replay->SetState(TsuiCheckBox::cbGrayed);
    EXPECT_EQ(replay->State(), TsuiCheckBox::cbUnchecked);
    EXPECT_EQ(replayClicks, 2);
}

TEST(ButtonAndCheckBox, TellAssistiveTechnologyRoleNameAndState)
{
    TsuiImageButton button;
    button.SetCaption("&Play");
    QAccessibleInterface* about = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->role(), QAccessible::Button);
    EXPECT_EQ(about->text(QAccessible::Name), "Play");
    EXPECT_FALSE(about->state().pressed);
    Bring(button, TLook::MouseDown);
    EXPECT_TRUE(about->state().pressed);

    TsuiCheckBox box;
    box.SetCaption("Re&play");
    about = QAccessible::queryAccessibleInterface(&box);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->role(), QAccessible::CheckBox);
    EXPECT_EQ(about->text(QAccessible::Name), "Replay");
    EXPECT_TRUE(about->state().checkable);
    EXPECT_FALSE(about->state().checked);
    box.SetChecked(true);
    EXPECT_TRUE(about->state().checked);
}

} // namespace
