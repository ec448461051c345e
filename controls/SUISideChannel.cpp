#include "controls/SUISideChannel.h"

#include "platform/graphics/TCanvas.h"
#include "skin/SUIPublic.h"

#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>

#include <algorithm>

namespace {

// The collapsed strip, grip and border included.
constexpr int kSideBarWidth = 10;
constexpr int kStep = 15;
constexpr int kCheckInterval = 1000;
// Narrower than this an open channel has no room for its caption and pin.
constexpr int kMinOpenWidth = 50;
constexpr int kPinWidth = 20;
constexpr int kPinHeight = 16;
constexpr int kGripStripRight = 9;
constexpr TColor kGripLineColor = 0x808080;

// Aligned children keep clear of the grip strip and the caption bar.
constexpr int kClientLeft = 13;
constexpr int kClientMargin = 3;

const QImage& UprightPin()
{
    static const QImage pin = LoadSkinBitmap("SIDECHANNEL_BTN");
    return pin;
}

const QImage& LyingPin()
{
    static const QImage pin = [] {
        QImage turned = UprightPin();
        RotateBitmapRight(turned);
        return turned;
    }();
    return pin;
}

unsigned AlignmentFlag(TControl::TAlignment alignment)
{
    switch (alignment) {
    case TControl::taRightJustify:
        return DT_RIGHT;
    case TControl::taCenter:
        return DT_CENTER;
    case TControl::taLeftJustify:
        break;
    }
    return DT_LEFT;
}

} // namespace

// ---- The pin --------------------------------------------------------------------------

TsuiSideChannelPin::TsuiSideChannelPin(QWidget* parent)
    : TsuiControl(parent)
{
    SetBounds(0, 0, kPinWidth, kPinHeight);
    TakeFormStyle();
}

void TsuiSideChannelPin::SetDown(bool down)
{
    if (down == m_down)
        return;
    m_down = down;
    update();
    QAccessible::State changed;
    changed.checked = true;
    NotifyAccessibleState(changed);
}

void TsuiSideChannelPin::AddAccessibleState(QAccessible::State& state) const
{
    state.checkable = true;
    state.checked = m_down;
}

void TsuiSideChannelPin::Click()
{
    SetDown(!m_down);
    TsuiControl::Click();
}

void TsuiSideChannelPin::ApplyStyle(const TsuiStyleSource& source)
{
    m_borderColor = source.GetColor(SUI_THEME_ToolBarButtonBorderColor);
    m_hotColor = source.GetColor(SUI_THEME_ToolBarButtonBackgroundColor);
    m_downColor = source.GetColor(SUI_THEME_ToolBarButtonDownBackgroundColor);
    update();
}

void TsuiSideChannelPin::Paint(TCanvas& canvas) const
{
    const bool pushed = m_down || Press().Pressed();
    const bool hot = MouseOver();

    if (pushed || hot) {
        canvas.Pen.Color = m_borderColor;
        canvas.Brush.Color = pushed ? m_downColor : m_hotColor;
        canvas.Rectangle(TRect::FromSize(canvas.Width(), canvas.Height()));
    } else {
        PaintBackground(canvas, true);
    }

    const QImage& glyph = m_down ? LyingPin() : UprightPin();
    const TColor key = FromPixel(glyph.pixel(0, glyph.height() - 1));
    canvas.DrawTransparent(
        (canvas.Width() - glyph.width()) / 2, (canvas.Height() - glyph.height()) / 2, glyph, key);
}

// ---- The channel ----------------------------------------------------------------------

TsuiSideChannel::TsuiSideChannel(QWidget* parent)
    : TsuiControl(parent, TThemeLoss::WithChildren)
    // Children, so they go with the channel and not before it: a child leaving early
    // would realign a channel that is half gone.
    , m_pin(new TsuiSideChannelPin(this))
    , m_collapseTimer(new TTimer(this))
{
    SetBounds(0, 0, 185, 41);
    m_fullWidth = width();
    m_pin->OnClick = [this] { PinClicked(); };
    m_pin->hide();
    m_collapseTimer->SetEnabled(false);
    m_collapseTimer->SetInterval(kCheckInterval);
    m_collapseTimer->OnTimer = [this] { CheckPointer(); };
    TControl::SetAlign(alLeft);
    Font()->SetName("Tahoma");
    // Over the collapsed strip a move without a button held pops the channel out.
    setMouseTracking(true);
    TakeFormStyle();
    Collapse(TMotion::Quick);
}

void TsuiSideChannel::SetBorderColor(TColor color)
{
    m_borderColor = color;
    update();
}

void TsuiSideChannel::SetShowButton(bool showButton)
{
    m_showButton = showButton;
    if (showButton)
        m_pinTop = 1;
    PlacePin();
    if (!showButton)
        SetStayOn(true);
}

void TsuiSideChannel::SetWidth(int width)
{
    if (m_poppedOut && !m_animating && width < kMinOpenWidth)
        return;
    m_fullWidth = std::clamp(width, 0, QWIDGETSIZE_MAX);
    if (m_poppedOut)
        TControl::SetWidth(m_fullWidth);
    PlacePin();
}

void TsuiSideChannel::SetSideBarColor(TColor color)
{
    m_sideBarColor = color;
    update();
}

void TsuiSideChannel::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    update();
}

void TsuiSideChannel::SetAlign(TsuiSideChannelAlign align)
{
    m_align = align;
    TControl::SetAlign(align == suiRight ? alRight : alLeft);
}

void TsuiSideChannel::SetStayOn(bool stayOn)
{
    m_stayOn = stayOn;
    QPointer<TsuiSideChannel> self(this);
    if (stayOn) {
        // A request that took over during the steps decides the pin too.
        if (!PopOut(Motion()) || !self)
            return;
        m_pin->SetDown(true);
    } else {
        m_pin->SetDown(false);
        if (!Collapse(TMotion::Quick) || !self)
            return;
    }
    PinClicked();
}

int TsuiSideChannel::SideBarWidth() const
{
    return kSideBarWidth;
}

bool TsuiSideChannel::PopOut(TMotion motion)
{
    m_animating = true;
    m_pinShown = true;
    PlacePin();
    if (!MoveTo(m_fullWidth, motion))
        return false;
    m_animating = false;
    m_poppedOut = true;
    UpdateCollapseTimer();
    OpenStateChanged();
    FireEvent(OnPop);
    return true;
}

bool TsuiSideChannel::Collapse(TMotion motion)
{
    m_animating = true;
    m_poppedOut = false;
    UpdateCollapseTimer();
    if (!MoveTo(kSideBarWidth, motion))
        return false;
    m_pinShown = false;
    PlacePin();
    m_animating = false;
    OpenStateChanged();
    FireEvent(OnPush);
    return true;
}

TNotifyEvent* TsuiSideChannel::FindEvent(std::string_view name)
{
    if (name == "OnPop")
        return &OnPop;
    if (name == "OnPush")
        return &OnPush;
    return TsuiControl::FindEvent(name);
}

QRect TsuiSideChannel::ClientRect() const
{
    return QRect(QPoint(kClientLeft, BarHeight() + kClientMargin),
        QPoint(width() - kClientMargin - 1, height() - kClientMargin - 1));
}

void TsuiSideChannel::AddAccessibleState(QAccessible::State& state) const
{
    state.expandable = true;
    state.expanded = m_poppedOut;
    state.collapsed = !m_poppedOut;
}

void TsuiSideChannel::ApplyStyle(const TsuiStyleSource& source)
{
    SetColor(clWhite);
    m_sideBarColor = source.GetColor(SUI_THEME_FormBackgroundColor);
    source.GetBitmap(SUI_THEME_SideChannelHandleImage, &m_gripImage);
    source.GetBitmap(SUI_THEME_SideChannelBarImage, &m_barImage);
    m_borderColor = source.GetColor(SUI_THEME_ControlBorderColor);
    // The built-in MacOS bar is light: its caption reads in black.
    m_captionColor = !source.FromFile() && source.Style() == MacOS
        ? clBlack
        : source.GetColor(SUI_THEME_MenuSelectedFontColor);
    m_pinTop = std::min((BarHeight() - kPinHeight) / 2, 5);
    PlacePin();
    ApplyStyleToChildren(this, source.Style(), FileTheme());
    Realign();
    update();
}

void TsuiSideChannel::Paint(TCanvas& canvas) const
{
    const int w = width();
    const int h = height();
    const int barHeight = BarHeight();

    // Frame and background.
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.Brush.Color = Color();
    canvas.Pen.Color = m_borderColor;
    canvas.Rectangle(TRect::FromSize(w, h));

    // Caption bar, with the caption only while open.
    const TRect bar { 1, 0, w - 1, barHeight };
    canvas.StretchDraw(bar, m_barImage);
    if (m_poppedOut) {
        canvas.Font().SetColor(m_captionColor);
        canvas.Brush.Style = TBrushStyle::Clear;
        canvas.DrawText(Caption().toStdString(), bar.Inflate(-kPinWidth, 0),
            DT_SINGLELINE | DT_VCENTER | AlignmentFlag(m_alignment));
        canvas.Brush.Style = TBrushStyle::Solid;
    }

    // Grip strip along the left edge, whichever side the channel docks to.
    canvas.Brush.Color = m_sideBarColor;
    canvas.FillRect({ 1, barHeight, kGripStripRight, h - 1 });
    canvas.Pen.Color = kGripLineColor;
    canvas.MoveTo(kGripStripRight, barHeight);
    canvas.LineTo(kGripStripRight, h - 1);

    const int gripTop = std::max((h - m_gripImage.height()) / 2, barHeight + 1);
    canvas.Draw(1, gripTop, m_gripImage);
}

void TsuiSideChannel::resizeEvent(QResizeEvent* event)
{
    TsuiControl::resizeEvent(event);
    if (!m_animating && width() > kSideBarWidth)
        m_fullWidth = width();
    PlacePin();
}

void TsuiSideChannel::mouseMoveEvent(QMouseEvent* event)
{
    TsuiControl::mouseMoveEvent(event);
    if (m_animating || m_poppedOut || m_popupMode != suiMouseOn)
        return;
    const QWidget* form = window();
    if (form != this && form->isActiveWindow() && IsFormActive(form))
        PopOut(Motion());
}

void TsuiSideChannel::mouseReleaseEvent(QMouseEvent* event)
{
    QPointer<TsuiSideChannel> self(this);
    TsuiControl::mouseReleaseEvent(event);
    if (self && !m_poppedOut && m_popupMode == suiMouseClick)
        PopOut(Motion());
}

bool TsuiSideChannel::MoveTo(int target, TMotion motion)
{
    const unsigned move = ++m_moves;
    const int step = target > width() ? kStep : -kStep;
    auto beforeTarget
        = [&] { return step > 0 ? width() + step < target : width() + step > target; };
    // Steps that nobody can see are skipped, so a layout being read or a hidden window
    // never runs the event loop.
    if (motion == TMotion::Stepped && isVisible()) {
        QPointer<TsuiSideChannel> self(this);
        while (beforeTarget()) {
            TControl::SetWidth(width() + step);
            repaint();
            QCoreApplication::processEvents();
            if (!self || move != m_moves)
                return false;
            if (!isVisible())
                break;
        }
    }
    TControl::SetWidth(target);
    repaint();
    return true;
}

void TsuiSideChannel::PinClicked()
{
    m_stayOn = m_pin->Down();
    UpdateCollapseTimer();
}

void TsuiSideChannel::CheckPointer()
{
    if (m_animating)
        return;
    if (parentWidget()) {
        const QPoint pointer = QCursor::pos();
        const QPoint topLeft = mapToGlobal(QPoint(0, 0));
        const QPoint bottomRight = mapToGlobal(QPoint(width(), height()));
        const bool inside = topLeft.x() < pointer.x() && pointer.x() < bottomRight.x()
            && topLeft.y() < pointer.y() && pointer.y() < bottomRight.y();
        if (inside)
            return;
    }
    Collapse(Motion());
}

void TsuiSideChannel::UpdateCollapseTimer()
{
    // Only an open channel that is not pinned has anything to check.
    m_collapseTimer->SetEnabled(m_poppedOut && !m_stayOn);
}

void TsuiSideChannel::PlacePin()
{
    m_pin->SetBounds(m_fullWidth - kPinWidth - 1, m_pinTop, kPinWidth, kPinHeight);
    m_pin->setVisible(m_pinShown && m_showButton);
}

void TsuiSideChannel::OpenStateChanged()
{
    update();
    QAccessible::State changed;
    changed.expanded = true;
    changed.collapsed = true;
    NotifyAccessibleState(changed);
}
