#include "controls/SUIMemo.h"

#include "controls/SUIButton.h"
#include "controls/SUIControls.h"
#include "controls/SUIScrollBar.h"
#include "controls/SUITrackBar.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLayoutReader.h"
#include "support/PixelImages.h"

#include <QAccessibleTextInterface>
#include <QApplication>
#include <QCursor>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

const TsuiUIStyle kStyles[] = { MacOS, WinXP, DeepBlue, Protein, BlueGlass };

QImage Shot(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

std::string Numbered(int lines)
{
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    return text;
}

void Wheel(QWidget* target, int notches)
{
    const QPointF at(10, 10);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

// A memo at (10, 20) on a window with its bars beside it.
struct TLinkedMemo {
    QWidget window;
    TsuiMemo* memo;
    TsuiScrollBar* vBar;
    TsuiScrollBar* hBar;

    TLinkedMemo()
        : memo(new TsuiMemo(&window))
        , vBar(new TsuiScrollBar(&window))
        , hBar(new TsuiScrollBar(&window))
    {
        window.resize(400, 300);
        for (TsuiStyledControl* control : { static_cast<TsuiStyledControl*>(memo),
                 static_cast<TsuiStyledControl*>(vBar), static_cast<TsuiStyledControl*>(hBar) })
            control->SetUIStyle(WinXP);
        memo->SetBounds(10, 20, 200, 100);
        window.show();
    }
    QScrollBar* NativeV() const { return memo->Edit()->verticalScrollBar(); }
    QScrollBar* NativeH() const { return memo->Edit()->horizontalScrollBar(); }
};

// Outer ring in the border colour (the style's unless one is stored after it), inner ring
// in Color, in every style.
TEST(Memo, DrawsItsTwoRingsInBorderColorAndColor)
{
    constexpr TColor kColor = 0x3C5A78;
    constexpr TColor kStored = 0x0000C0;
    for (TsuiUIStyle style : kStyles)
        for (bool stored : { false, true }) {
            TsuiMemo memo;
            memo.SetBounds(0, 0, 60, 40);
            memo.SetUIStyle(style);
            memo.SetColor(kColor);
            if (stored)
                memo.SetBorderColor(kStored);
            const QImage shot = Shot(memo);
            const TColor outer
                = stored ? kStored : GetBuiltInColor(style, SUI_THEME_ControlBorderColor);
            for (QPoint at : { QPoint(0, 0), QPoint(59, 0), QPoint(30, 39), QPoint(0, 20) })
                EXPECT_EQ(At(shot, at.x(), at.y()), outer) << style << " " << stored;
            for (QPoint at : { QPoint(1, 1), QPoint(58, 1), QPoint(30, 38), QPoint(1, 20) })
                EXPECT_EQ(At(shot, at.x(), at.y()), kColor) << style << " " << stored;
            EXPECT_EQ(At(shot, 30, 20), kColor) << "the empty text area";
        }
}

// The main window's note: disabled, read-only, white on white, no bars.
TEST(Memo, TheMainWindowsNoteShowsWithoutFrameAndIgnoresTheMouse)
{
    TClassRegistry registry;
    RegisterSkinnedControls(registry);
    TForm form;
    form.resize(260, 320);
    ReadLayout(R"(object f: TForm
  object sMM_note: TsuiMemo
    Left = 4
    Top = 25
    Width = 226
    Height = 274
    UIStyle = WinXP
    BorderColor = clWhite
    Align = alClient
    Color = clWhite
    Ctl3D = False
    Font.Name = 'MS Sans Serif'
    Font.Height = -16
    Enabled = False
    ReadOnly = True
  end
end)",
        form, registry, form.Handlers());
    auto* memo = form.findChild<TsuiMemo*>("sMM_note");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->BorderColor(), clWhite) << "the stored colour comes after the style";
    EXPECT_FALSE(memo->Ctl3D());
    EXPECT_EQ(memo->geometry(), form.rect());
    memo->SetText(Numbered(200));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    const QImage before = Shot(*memo);
    for (int x = 0; x < before.width(); ++x)
        for (int y : { 0, 1, before.height() - 2, before.height() - 1 })
            ASSERT_EQ(At(before, x, y), clWhite) << x << "," << y << ": no frame";
    for (int y = 0; y < before.height(); ++y)
        for (int x : { 0, 1, before.width() - 2, before.width() - 1 })
            ASSERT_EQ(At(before, x, y), clWhite) << x << "," << y << ": no frame, no bar";
    int inked = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < before.width(); ++x)
            inked += At(before, x, y) != clWhite;
    EXPECT_GT(inked, 20) << "the first line shows";

    QPlainTextEdit* edit = memo->Edit();
    QWidget* viewport = edit->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(viewport, QPoint(150, viewport->height() + 40));
    QTest::qWait(250);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(150, viewport->height() + 40));
    Wheel(viewport, 3);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(20, 8));
    EXPECT_FALSE(edit->textCursor().hasSelection());
    EXPECT_EQ(edit->verticalScrollBar()->value(), 0);
    EXPECT_EQ(Shot(*memo), before) << "neither selected nor scrolled";
}

TEST(Memo, ReadsItsBarsByNameFromAStoredLayout)
{
    TClassRegistry registry;
    RegisterSkinnedControls(registry);
    TForm form;
    ReadLayout(R"(object f: TForm
  object m: TsuiMemo
    Left = 8
    Top = 8
    Width = 200
    Height = 120
    WordWrap = False
    Lines = ('first' 'second')
    VScrollBar = v
    HScrollBar = h
  end
  object v: TsuiScrollBar
  end
  object h: TsuiScrollBar
  end
end)",
        form, registry, form.Handlers());
    auto* memo = form.findChild<TsuiMemo*>("m");
    EXPECT_EQ(memo->VScrollBar(), form.findChild<TsuiScrollBar*>("v"));
    EXPECT_EQ(memo->HScrollBar(), form.findChild<TsuiScrollBar*>("h"));
    EXPECT_EQ(memo->VScrollBar()->Orientation(), suiVertical);
    EXPECT_EQ(memo->ScrollBars(), TsuiMemo::ssBoth);
    EXPECT_EQ(memo->Lines(), QStringList({ "first", "second" }));
    EXPECT_EQ(memo->VScrollBar()->geometry(), QRect(190, 9, 16, 102));
}

TEST(Memo, LaysLinkedBarsOverItsEdgesWithoutOverlapAndHidesThoseItCannotHold)
{
    struct TRow {
        bool v, h;
        QSize memo;
        QRect vBar, hBar;
        bool vShown, hShown;
        TsuiMemo::TScrollStyle native;
    };
    // WinXP bars are 16 thick; the memo sits at (10, 20).
    const TRow rows[] = {
        { true, true, { 200, 100 }, { 192, 21, 16, 82 }, { 11, 102, 182, 16 }, true, true,
            TsuiMemo::ssBoth },
        { true, false, { 200, 100 }, { 192, 21, 16, 98 }, {}, true, false, TsuiMemo::ssVertical },
        { false, true, { 200, 100 }, {}, { 11, 102, 198, 16 }, false, true,
            TsuiMemo::ssHorizontal },
        { true, true, { 16, 16 }, { 8, 21, 16, 0 }, { 11, 18, 0, 16 }, true, true,
            TsuiMemo::ssBoth },
        { true, true, { 15, 15 }, {}, {}, false, false, TsuiMemo::ssBoth },
        { false, false, { 200, 100 }, {}, {}, false, false, TsuiMemo::ssNone },
    };
    for (const TRow& row : rows) {
        TLinkedMemo linked;
        linked.memo->SetBounds(10, 20, row.memo.width(), row.memo.height());
        if (row.v)
            linked.memo->SetVScrollBar(linked.vBar);
        if (row.h)
            linked.memo->SetHScrollBar(linked.hBar);
        const auto what = &row - rows;
        EXPECT_EQ(linked.memo->ScrollBars(), row.native) << what;
        EXPECT_EQ(linked.memo->Edit()->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn, row.v)
            << what;
        if (row.v) {
            EXPECT_EQ(linked.vBar->Orientation(), suiVertical) << what;
            EXPECT_EQ(linked.vBar->Visible(), row.vShown) << what;
            if (row.vShown) {
                EXPECT_EQ(linked.vBar->geometry(), row.vBar) << what;
            }
        }
        if (row.h) {
            EXPECT_EQ(linked.hBar->Orientation(), suiHorizontal) << what;
            EXPECT_EQ(linked.hBar->Visible(), row.hShown) << what;
            if (row.hShown) {
                EXPECT_EQ(linked.hBar->geometry(), row.hBar) << what;
            }
        }
    }
}

TEST(Memo, ScrollingEitherSideMovesTheOtherOnceWithoutFeedingBack)
{
    TLinkedMemo linked;
    TsuiMemo* memo = linked.memo;
    memo->SetWordWrap(false);
    memo->SetVScrollBar(linked.vBar);
    memo->SetHScrollBar(linked.hBar);
    memo->SetText(Numbered(300) + std::string(400, 'w'));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&linked.window));
    QScrollBar* native = linked.NativeV();
    int barMoves = 0;
    auto follow = linked.vBar->OnChange;
    linked.vBar->OnChange = [&] {
        ++barMoves;
        follow();
    };

    EXPECT_EQ(linked.vBar->Max(), native->maximum());
    EXPECT_TRUE(linked.vBar->isEnabled());
    EXPECT_TRUE(linked.vBar->ThumbVisible());
    EXPECT_GE(linked.vBar->LineButton(), 18);

    auto expectInStep = [&](const char* how, int moves) {
        EXPECT_GT(native->value(), 0) << how;
        EXPECT_EQ(linked.vBar->Position(), native->value()) << how;
        EXPECT_EQ(barMoves, moves) << how << ": the bar moved once per step";
    };
    memo->Edit()->setFocus();
    QTest::keyClick(memo->Edit(), Qt::Key_PageDown);
    expectInStep("keys", 1);
    Wheel(memo->Edit()->viewport(), 1);
    expectInStep("wheel", 2);

    native->setValue(0);
    QWidget* viewport = memo->Edit()->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(viewport, QPoint(5, viewport->height() + 30));
    // The edit scrolls a selection toward where the pointer rests.
    QCursor::setPos(viewport->mapToGlobal(QPoint(5, viewport->height() + 30)));
    for (int i = 0; i < 100 && native->value() == 0; ++i)
        QTest::qWait(20);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(5, viewport->height() + 30));
    EXPECT_GT(native->value(), 0) << "selecting past the bottom scrolls";
    EXPECT_EQ(linked.vBar->Position(), native->value());

    int nativeMoves = 0;
    QObject::connect(native, &QScrollBar::valueChanged, [&] { ++nativeMoves; });
    barMoves = 0;
    linked.vBar->SetPosition(120);
    EXPECT_EQ(native->value(), 120) << "the thumb scrolls the text";
    EXPECT_EQ(memo->Edit()->cursorForPosition(QPoint(5, 5)).blockNumber(), 120);
    EXPECT_EQ(nativeMoves, 1);
    EXPECT_EQ(barMoves, 1) << "the edit's move is not copied back";

    linked.hBar->SetPosition(linked.hBar->Max());
    EXPECT_EQ(linked.NativeH()->value(), linked.NativeH()->maximum());
    EXPECT_GT(linked.NativeH()->value(), 0);

    QTest::mousePress(linked.vBar->IncreaseButton(), Qt::LeftButton, {}, QPoint(2, 2));
    for (int i = 0; i < 100 && native->value() <= 120; ++i)
        QTest::qWait(20);
    QTest::mouseRelease(linked.vBar->IncreaseButton(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_GT(native->value(), 120) << "a held arrow scrolls the text";
    EXPECT_EQ(linked.vBar->Position(), native->value());

    // The bar's range shrinks below its position before the position is copied: the
    // clamped position it reports meanwhile must not scroll the new text.
    memo->SetText(Numbered(100));
    EXPECT_EQ(native->value(), 0);
    EXPECT_EQ(linked.vBar->Position(), 0);
}

TEST(Memo, BarsGoWithoutThumbWhenTheTextFitsAndComeBackNeutral)
{
    TLinkedMemo linked;
    TsuiMemo* memo = linked.memo;
    memo->SetVScrollBar(linked.vBar);
    memo->SetHScrollBar(linked.hBar);
    memo->SetText("fits");
    for (TsuiScrollBar* bar : { linked.vBar, linked.hBar }) {
        EXPECT_FALSE(bar->isEnabled());
        EXPECT_FALSE(bar->ThumbVisible());
        EXPECT_EQ(bar->LineButton(), 0);
    }
    memo->SetText(Numbered(100));
    EXPECT_TRUE(linked.vBar->isEnabled());
    EXPECT_GT(linked.vBar->Max(), 0);
    EXPECT_FALSE(linked.hBar->isEnabled()) << "wrapped lines never need the horizontal bar";

    memo->SetVScrollBar(nullptr);
    EXPECT_EQ(memo->ScrollBars(), TsuiMemo::ssHorizontal);
    EXPECT_EQ(linked.vBar->LineButton(), 0);
    EXPECT_EQ(linked.vBar->Max(), 100);
    EXPECT_TRUE(linked.vBar->isEnabled());
    EXPECT_FALSE(linked.vBar->OnChange) << "given back without the memo's handler";

    delete linked.hBar;
    EXPECT_EQ(memo->HScrollBar(), nullptr);
    EXPECT_EQ(memo->ScrollBars(), TsuiMemo::ssNone);

    memo->SetVScrollBar(linked.vBar);
    delete memo;
    linked.vBar->SetPosition(5);
    EXPECT_FALSE(linked.vBar->OnChange) << "a memo that goes leaves no handler behind";
}

// The edit scrolls in lines; a thumb past line 65535 scrolls to its own line, not to
// that number's low 16 bits.
TEST(Memo, AThumbPastSixteenBitsScrollsToItsOwnLine)
{
    TLinkedMemo linked;
    linked.memo->SetVScrollBar(linked.vBar);
    std::string text;
    for (int i = 0; i < 70100; ++i)
        text += "x\n";
    linked.memo->SetText(text);
    ASSERT_GT(linked.vBar->Max(), 70000);
    linked.vBar->SetPosition(70000);
    EXPECT_EQ(linked.NativeV()->value(), 70000);
}

TEST(Memo, TellsAssistiveTechnologyItsTextAndThatItIsReadOnly)
{
    TsuiMemo memo;
    memo.SetText("ni hao\r\nhello");
    memo.SetReadOnly(true);
    QAccessibleInterface* described = QAccessible::queryAccessibleInterface(&memo);
    ASSERT_NE(described, nullptr);
    ASSERT_GE(described->childCount(), 1);
    QAccessibleInterface* text = described->child(0);
    EXPECT_EQ(text->role(), QAccessible::EditableText);
    EXPECT_TRUE(text->state().readOnly);
    ASSERT_NE(text->textInterface(), nullptr);
    EXPECT_EQ(
        text->textInterface()->text(0, text->textInterface()->characterCount()), "ni hao\nhello");
    memo.SetReadOnly(false);
    EXPECT_FALSE(text->state().readOnly);
}

} // namespace
