#include "controls/SUISideChannel.h"

#include "controls/SUIControls.h"
#include "gui/platform/forms/Input.h"
#include "platform/forms/FrameworkClasses.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLayoutReader.h"
#include "platform/forms/TSpeedButton.h"
#include "skin/SUIThemes.h"
#include "support/PixelImages.h"

#include <QAccessible>
#include <QCursor>
#include <QPointer>

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

// Calls back with the width at every resize of the watched widget.
class TResizeWatch : public QObject {
public:
    TResizeWatch(QWidget& widget, std::function<void(int)> seen)
        : m_seen(std::move(seen))
    {
        widget.installEventFilter(this);
    }
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            m_seen(static_cast<QWidget*>(object)->width());
        return false;
    }

private:
    std::function<void(int)> m_seen;
};

using TMotion = TsuiSideChannel::TMotion;

// A shown, active window with a channel 300 high whose full width is 75.
struct TWindow {
    explicit TWindow(TsuiUIStyle style = WinXP)
    {
        window.setGeometry(200, 150, 400, 300);
        channel = new TsuiSideChannel(&window);
        channel->SetUIStyle(style);
        channel->SetWidth(75);
        window.show();
        QApplication::setActiveWindow(&window);
    }
    TTimer& Timer() const { return *channel->findChild<TTimer*>({}, Qt::FindDirectChildrenOnly); }
    TsuiSideChannelPin& Pin() const { return *channel->findChild<TsuiSideChannelPin*>(); }
    TForm window;
    TsuiSideChannel* channel;
};

TEST(SideChannel, MovesBetweenTheStripAndItsFullWidthInFifteenPixelStepsOrAtOnce)
{
    struct Row {
        bool open;
        TMotion motion;
        std::vector<int> widths;
    };
    const Row rows[] = {
        { false, TMotion::Stepped, { 25, 40, 55, 70, 75 } },
        { false, TMotion::Quick, { 75 } },
        { true, TMotion::Stepped, { 60, 45, 30, 15, 10 } },
        { true, TMotion::Quick, { 10 } },
    };
    for (const Row& row : rows) {
        TWindow w;
        EXPECT_EQ(w.channel->width(), 10) << "a new channel is collapsed; Width is kept";
        if (row.open)
            w.channel->PopOut(TMotion::Quick);
        int pops = 0, pushes = 0;
        w.channel->OnPop = [&] { ++pops; };
        w.channel->OnPush = [&] { ++pushes; };
        std::vector<int> widths;
        TResizeWatch watch(*w.channel, [&](int width) { widths.push_back(width); });
        row.open ? w.channel->Collapse(row.motion) : w.channel->PopOut(row.motion);
        EXPECT_EQ(widths, row.widths);
        EXPECT_EQ(w.channel->PoppedOut(), !row.open);
        EXPECT_EQ(std::pair(pops, pushes), row.open ? std::pair(0, 1) : std::pair(1, 0));
        EXPECT_EQ(w.channel->Width(), 75);
    }
}

TEST(SideChannel, CollapsesAtTheFirstCheckThatFindsThePointerOnOrOutsideItsEdges)
{
    struct Row {
        QPoint at; // the open channel is 75 x 300
        bool collapses;
    };
    const Row rows[] = { { { 30, 150 }, false }, { { 1, 1 }, false }, { { 74, 299 }, false },
        { { 0, 150 }, true }, { { 30, 0 }, true }, { { 75, 150 }, true }, { { 30, 300 }, true },
        { { 300, 150 }, true } };
    for (const Row& row : rows) {
        TWindow w;
        w.channel->PopOut(TMotion::Quick);
        ASSERT_TRUE(w.Timer().Enabled());
        EXPECT_EQ(w.Timer().Interval(), 1000);
        QCursor::setPos(w.channel->mapToGlobal(row.at));
        w.Timer().OnTimer();
        EXPECT_EQ(!w.channel->PoppedOut(), row.collapses) << row.at.x() << "," << row.at.y();
        EXPECT_EQ(w.Timer().Enabled(), !row.collapses) << "a collapsed channel does not check";
    }
}

TEST(SideChannel, OpensOnAMoveWhileItsWindowIsActiveOrOnAClickInClickMode)
{
    struct Row {
        TsuiSideChannel::TsuiSideChannelPopupMode mode;
        bool active;
        QEvent::Type input;
        bool opens;
    };
    const Row rows[] = {
        { TsuiSideChannel::suiMouseOn, true, QEvent::MouseMove, true },
        { TsuiSideChannel::suiMouseOn, false, QEvent::MouseMove, false },
        { TsuiSideChannel::suiMouseOn, true, QEvent::MouseButtonRelease, false },
        { TsuiSideChannel::suiMouseClick, true, QEvent::MouseMove, false },
        { TsuiSideChannel::suiMouseClick, false, QEvent::MouseButtonRelease, true },
    };
    for (const Row& row : rows) {
        TWindow w;
        TForm other;
        other.show();
        QApplication::setActiveWindow(row.active ? static_cast<QWidget*>(&w.window) : &other);
        w.channel->SetPopupMode(row.mode);
        SendMouse(*w.channel, row.input, QPoint(5, 150));
        EXPECT_EQ(w.channel->width(), row.opens ? 75 : 10)
            << int(row.mode) << " " << row.active << " " << int(row.input);
    }
}

TEST(SideChannel, PinnedItStaysOpenWithoutChecksAndItsWidthKeepsItsLimits)
{
    TWindow w;
    w.channel->SetStayOn(true);
    EXPECT_TRUE(w.channel->PoppedOut() && w.Pin().Down() && w.Pin().isVisible());
    EXPECT_FALSE(w.Timer().Enabled()) << "a pinned channel costs no wake-ups";
    Click(w.Pin(), QPoint(10, 8));
    EXPECT_FALSE(w.channel->StayOn() || w.Pin().Down()) << "the pin unpins";
    EXPECT_TRUE(w.channel->PoppedOut() && w.Timer().Enabled()) << "it waits for the check";
    Click(w.Pin(), QPoint(10, 8));
    EXPECT_TRUE(w.channel->StayOn() && !w.Timer().Enabled()) << "and pins again";
    w.channel->SetStayOn(false);
    EXPECT_FALSE(w.channel->PoppedOut() || w.Timer().Enabled() || w.Pin().isVisible());

    w.channel->SetShowButton(false);
    EXPECT_TRUE(w.channel->PoppedOut() && w.channel->StayOn() && !w.Pin().isVisible());
    w.channel->SetUIStyle(MacOS);
    EXPECT_FALSE(w.Pin().isVisible()) << "a style does not bring a hidden pin back";
    w.channel->SetShowButton(true);
    EXPECT_EQ(w.Pin().geometry(), QRect(75 - 21, 1, 20, 16));

    w.channel->SetSideBarWidth(20);
    EXPECT_EQ(w.channel->SideBarWidth(), 10);
    for (auto [asked, shown] : { std::pair(49, 75), std::pair(50, 50), std::pair(120, 120) }) {
        w.channel->SetWidth(asked);
        EXPECT_EQ(std::pair(w.channel->width(), w.channel->Width()), std::pair(shown, shown))
            << "open, asked for " << asked;
    }
}

TEST(SideChannel, ARequestOrAnEndDuringTheStepsIsSafe)
{
    using TAct = std::function<void(TWindow&)>;
    const TAct popOut = [](TWindow& w) { w.channel->PopOut(TMotion::Stepped); };
    const TAct collapse = [](TWindow& w) { w.channel->Collapse(TMotion::Stepped); };
    const TAct pin = [](TWindow& w) { w.channel->SetStayOn(true); };
    const TAct unpin = [](TWindow& w) { w.channel->SetStayOn(false); };
    struct Row {
        const char* what;
        bool open;
        TAct steps, meanwhile;
        int width, pops, pushes; // afterwards; width -1: the channel is gone
    };
    const Row rows[] = {
        { "collapse while popping out", false, popOut, collapse, 10, 0, 1 },
        { "pop-out while collapsing", true, collapse, popOut, 75, 1, 0 },
        { "unpinned while pinning", false, pin, unpin, 10, 0, 1 },
        { "window closed", false, popOut, [](TWindow& w) { w.window.close(); }, 75, 1, 0 },
        { "channel destroyed", false, popOut, [](TWindow& w) { delete w.channel; }, -1, 0, 0 },
    };
    for (const Row& row : rows) {
        TWindow w;
        if (row.open)
            w.channel->PopOut(TMotion::Quick);
        QPointer<TsuiSideChannel> channel(w.channel);
        int pops = 0, pushes = 0;
        w.channel->OnPop = [&] { ++pops; };
        w.channel->OnPush = [&] { ++pushes; };
        QMetaObject::invokeMethod(
            qApp, [&] { row.meanwhile(w); }, Qt::QueuedConnection);
        row.steps(w);
        ASSERT_EQ(channel.isNull(), row.width < 0) << row.what;
        if (channel.isNull())
            continue;
        EXPECT_EQ(channel->width(), row.width) << row.what;
        EXPECT_EQ(channel->PoppedOut(), row.width == 75) << row.what;
        EXPECT_EQ(w.Timer().Enabled(), row.width == 75) << row.what;
        EXPECT_FALSE(channel->StayOn() || w.Pin().Down()) << row.what << ": the last request wins";
        EXPECT_EQ(std::pair(pops, pushes), std::pair(row.pops, row.pushes)) << row.what;
    }
}

bool Shows(const QImage& image, TColor color)
{
    for (const std::string& row : Map(image, color))
        if (row.find('#') != std::string::npos)
            return true;
    return false;
}

TEST(SideChannel, PaintsFrameBarCaptionStripAndGripInEveryStyle)
{
    enum class State { Collapsed, PoppingOut, Open };
    for (TsuiUIStyle style : { MacOS, WinXP, DeepBlue, Protein, BlueGlass }) {
        QImage bar, grip;
        GetBuiltInBitmap(style, SUI_THEME_SideChannelBarImage, &bar);
        GetBuiltInBitmap(style, SUI_THEME_SideChannelHandleImage, &grip);
        const TColor caption
            = style == MacOS ? clBlack : GetBuiltInColor(style, SUI_THEME_MenuSelectedFontColor);
        for (State state : { State::Collapsed, State::PoppingOut, State::Open }) {
            TWindow w(style);
            w.channel->SetCaption("Menu");
            w.channel->SetWidth(120);
            QImage shot;
            std::optional<TResizeWatch> watch;
            if (state == State::PoppingOut)
                watch.emplace(*w.channel, [&](int width) {
                    if (width == 55)
                        shot = w.channel->grab().toImage();
                });
            if (state != State::Collapsed)
                w.channel->PopOut(state == State::Open ? TMotion::Quick : TMotion::Stepped);
            if (state != State::PoppingOut)
                shot = w.channel->grab().toImage();
            const int width = shot.width(), h = shot.height();
            SCOPED_TRACE(
                "state " + std::to_string(int(state)) + ", style " + std::to_string(style));
            ASSERT_EQ(width, state == State::Collapsed ? 10 : state == State::Open ? 120 : 55);

            const TColor border = GetBuiltInColor(style, SUI_THEME_ControlBorderColor);
            EXPECT_EQ(At(shot, 0, 150), border);
            EXPECT_EQ(At(shot, 5, h - 1), border);
            EXPECT_EQ(At(shot, width - 1, 150), width == 10 ? TColor(0x808080) : border);
            // Between the pin-wide margins the bar shows its image unless the caption is on it.
            const int titleWidth = std::max(0, width - 42);
            QImage plain(titleWidth, bar.height(), QImage::Format_RGB32);
            for (int y = 0; y < bar.height(); ++y) {
                EXPECT_EQ(At(shot, 1, y), At(bar, 0, y)) << "bar row " << y;
                for (int x = 0; x < titleWidth; ++x)
                    plain.setPixel(x, y, ToPixel(At(bar, 0, y)));
            }
            const QImage title = shot.copy(21, 0, titleWidth, bar.height());
            EXPECT_EQ(title != plain, state == State::Open) << "the caption shows only while open";
            EXPECT_EQ(Shows(title, caption), state == State::Open);
            if (width > 10) {
                EXPECT_EQ(At(shot, width / 2, 150), clWhite);
            }

            const TColor strip = GetBuiltInColor(style, SUI_THEME_FormBackgroundColor);
            EXPECT_EQ(At(shot, 4, bar.height()), strip);
            EXPECT_EQ(At(shot, 8, h - 2), strip);
            EXPECT_EQ(At(shot, 9, bar.height()), TColor(0x808080));
            const int gripTop = std::max((h - grip.height()) / 2, bar.height() + 1);
            EXPECT_EQ(shot.copy(1, gripTop, grip.width(), grip.height()),
                grip.convertToFormat(QImage::Format_RGB32));
        }
    }
}

TEST(SideChannel, ThePinShowsItsStateInEveryStyle)
{
    enum class State { Up, Hot, Pushed, Down };
    for (TsuiUIStyle style : { MacOS, WinXP, DeepBlue, Protein, BlueGlass }) {
        QImage bar;
        GetBuiltInBitmap(style, SUI_THEME_SideChannelBarImage, &bar);
        for (State state : { State::Up, State::Hot, State::Pushed, State::Down }) {
            TWindow w(style);
            w.channel->PopOut(TMotion::Quick);
            TsuiSideChannelPin& pin = w.Pin();
            if (state == State::Hot)
                Enter(pin);
            if (state == State::Pushed)
                SendMouse(pin, QEvent::MouseButtonPress, QPoint(10, 8));
            if (state == State::Down)
                w.channel->SetStayOn(true);
            const QImage shot = pin.grab().toImage();
            SCOPED_TRACE(
                "state " + std::to_string(int(state)) + ", style " + std::to_string(style));
            const bool framed = state != State::Up;
            const TColor fill = GetBuiltInColor(style,
                state == State::Hot ? SUI_THEME_ToolBarButtonBackgroundColor
                                    : SUI_THEME_ToolBarButtonDownBackgroundColor);
            EXPECT_EQ(At(shot, 0, 0),
                framed ? GetBuiltInColor(style, SUI_THEME_ToolBarButtonBorderColor)
                       : At(bar, 0, pin.y()));
            EXPECT_EQ(At(shot, 1, 1), framed ? fill : At(bar, 0, pin.y() + 1));
            // The black pin: upright 7 wide and 9 high, lying 9 wide and 7 high.
            QRect ink;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 20; ++x)
                    if (At(shot, x, y) == clBlack && (framed || At(bar, 0, pin.y() + y) != clBlack))
                        ink |= QRect(x, y, 1, 1);
            EXPECT_EQ(ink.size(), state == State::Down ? QSize(9, 7) : QSize(7, 9));
        }
    }
}

TEST(SideChannel, ReadsTheMainWindowsStoredChannelAndDescribesItself)
{
    TClassRegistry registry;
    RegisterFrameworkClasses(registry);
    RegisterSkinnedControls(registry);
    TForm form;
    int opened = 0;
    form.Handlers()["SBTN_OpenClick"] = [&] { ++opened; };
    bool eventsRan = false;
    QMetaObject::invokeMethod(
        qApp, [&] { eventsRan = true; }, Qt::QueuedConnection);
    ReadLayout(R"(object f: TForm
  Width = 400
  Height = 458
  object sSC: TsuiSideChannel
    Left = 3
    Top = 22
    Width = 75
    Height = 433
    UIStyle = WinXP
    BorderColor = $686868
    CaptionFontColor = clWindowText
    ShowButton = True
    SideBarColor = $DEEBEF
    Caption = 'Menu'
    Font.Name = 'Tahoma'
    Font.Height = -11
    Align = suiLeft
    StayOn = True
    Color = clWhite
    PopupMode = suiMouseOn
    QuickMove = True
    SideBarWidth = 10
    object SBTN_Open: TSpeedButton
      Left = 14
      Top = 34
      Width = 56
      Height = 30
      Caption = 'Open'
      Flat = True
      OnClick = SBTN_OpenClick
    end
  end
end)",
        form, registry, form.Handlers());
    EXPECT_FALSE(eventsRan) << "pinned open before QuickMove is read: no steps while reading";
    QApplication::processEvents();
    auto* channel = form.findChild<TsuiSideChannel*>("sSC");
    EXPECT_EQ(channel->geometry(), QRect(0, 0, 75, 458)) << "docked left, pinned open";
    EXPECT_TRUE(channel->StayOn() && channel->QuickMove());
    EXPECT_EQ(channel->PopupMode(), TsuiSideChannel::suiMouseOn);
    EXPECT_EQ(std::tuple(channel->SideBarColor(), channel->BorderColor(), channel->Color()),
        std::tuple(TColor(0xDEEBEF), TColor(0x686868), clWhite));
    auto* pin = channel->findChild<TsuiSideChannelPin*>();
    EXPECT_EQ(pin->UIStyle(), WinXP) << "skinned children take the channel's style";

    auto* open = form.findChild<TSpeedButton*>("SBTN_Open");
    EXPECT_EQ(open->geometry(), QRect(14, 34, 56, 30)) << "placed children keep their places";
    EXPECT_EQ(open->Font()->Name(), "Tahoma");
    EXPECT_EQ(open->Font()->Color(), clWindowText);
    Click(*open, QPoint(20, 10));
    EXPECT_EQ(opened, 1);

    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(channel);
    EXPECT_EQ(face->role(), QAccessible::Grouping);
    EXPECT_EQ(face->text(QAccessible::Name), "Menu");
    QAccessibleInterface* pinFace = QAccessible::queryAccessibleInterface(pin);
    EXPECT_EQ(pinFace->role(), QAccessible::Button);
    EXPECT_TRUE(pinFace->state().checkable);
    for (bool open : { true, false }) {
        channel->SetStayOn(open);
        EXPECT_EQ(std::tuple(face->state().expandable, face->state().expanded,
                      face->state().collapsed, pinFace->state().checked),
            std::tuple(true, open, !open, open));
    }
}

TEST(SideChannel, LaysOutAlignedChildrenClearOfTheStripTheBarAndAMargin)
{
    TWindow w;
    w.channel->PopOut(TMotion::Quick);
    auto* top = new TSpeedButton(w.channel);
    top->SetAlign(TControl::alTop);
    auto* rest = new TSpeedButton(w.channel);
    rest->SetAlign(TControl::alClient);
    EXPECT_EQ(top->geometry(), QRect(13, 24, 75 - 16, top->height()));
    EXPECT_EQ(rest->geometry(), QRect(13, 24 + top->height(), 75 - 16, 300 - 27 - top->height()));
}

} // namespace
