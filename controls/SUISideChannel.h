#pragma once

#include "platform/core/TTimer.h"
#include "skin/SUIControl.h"

#include <QImage>

// The pin in a side channel's caption bar: a flat button that goes down at one click and
// comes up at the next, showing an upright pin, or a lying one while down.
//
//   state                      look
//   up                         the caption bar behind it
//   up, mouse over             framed, hot fill
//   pushed in by a held click  framed, down fill
//   down                       framed, down fill, pin lying
class TsuiSideChannelPin : public TsuiControl {
    Q_OBJECT

public:
    explicit TsuiSideChannelPin(QWidget* parent);

    bool Down() const { return m_down; }
    void SetDown(bool down);

    QString AccessibleName() const override { return QStringLiteral("Pin"); }
    QAccessible::Role AccessibleRole() const override { return QAccessible::Button; }
    void AddAccessibleState(QAccessible::State& state) const override;

protected:
    // Goes down or up, then reports the click.
    void Click() override;
    void MouseStateChanged() override { update(); }
    void ApplyStyle(const TsuiStyleSource& source) override;
    void Paint(TCanvas& canvas) const override;

private:
    TColor m_borderColor = clBlack;
    TColor m_hotColor = clWhite;
    TColor m_downColor = clWhite;
    bool m_down = false;
};

// A container docked to the left or right edge of its parent. Collapsed it is a 10-pixel
// strip with a grip; it pops out to its full width when the mouse moves over it while its
// window is active (or when it is clicked), shows its caption and the pin, and collapses
// again at the first one-second check that finds the pointer outside, unless it is pinned
// (StayOn). Width reads and writes the full width, whatever the channel shows now.
class TsuiSideChannel : public TsuiControl {
    Q_OBJECT
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(quint32 CaptionFontColor READ CaptionFontColor WRITE SetCaptionFontColor)
    Q_PROPERTY(bool ShowButton READ ShowButton WRITE SetShowButton)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(quint32 SideBarColor READ SideBarColor WRITE SetSideBarColor)
    Q_PROPERTY(TControl::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(TsuiSideChannelAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(bool StayOn READ StayOn WRITE SetStayOn)
    Q_PROPERTY(TsuiSideChannelPopupMode PopupMode READ PopupMode WRITE SetPopupMode)
    Q_PROPERTY(bool QuickMove READ QuickMove WRITE SetQuickMove)
    Q_PROPERTY(int SideBarWidth READ SideBarWidth WRITE SetSideBarWidth)

public:
    enum TsuiSideChannelAlign { suiLeft, suiRight };
    Q_ENUM(TsuiSideChannelAlign)
    enum TsuiSideChannelPopupMode { suiMouseOn, suiMouseClick };
    Q_ENUM(TsuiSideChannelPopupMode)
    enum class TMotion { Stepped, Quick };

    explicit TsuiSideChannel(QWidget* parent = nullptr);

    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor color);
    // The colour of Font, which children with ParentFont take over; the caption itself is
    // drawn in the style's caption colour.
    TColor CaptionFontColor() const { return Font()->Color(); }
    void SetCaptionFontColor(TColor color) { Font()->SetColor(color); }
    bool ShowButton() const { return m_showButton; }
    // Hiding the pin pins the channel open.
    void SetShowButton(bool showButton);
    int Width() const { return m_fullWidth; }
    // While open, a width below 50 is refused.
    void SetWidth(int width);
    TColor SideBarColor() const { return m_sideBarColor; }
    void SetSideBarColor(TColor color);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TsuiSideChannelAlign Align() const { return m_align; }
    void SetAlign(TsuiSideChannelAlign align);
    bool StayOn() const { return m_stayOn; }
    void SetStayOn(bool stayOn);
    TsuiSideChannelPopupMode PopupMode() const { return m_popupMode; }
    void SetPopupMode(TsuiSideChannelPopupMode mode) { m_popupMode = mode; }
    bool QuickMove() const { return m_quickMove; }
    void SetQuickMove(bool quickMove) { m_quickMove = quickMove; }
    // The collapsed width is fixed; stored layouts still name it.
    int SideBarWidth() const;
    void SetSideBarWidth(int) { }

    bool PoppedOut() const { return m_poppedOut; }
    // Grow to the full width, or shrink to the strip: in 15-pixel steps with a repaint and
    // the pending events between them, or at once. A second request while one runs takes
    // over from it; the first then stops where it is, fires nothing and returns false, as
    // it does when the channel was destroyed meanwhile. OnPop and OnPush run last.
    bool PopOut(TMotion motion);
    bool Collapse(TMotion motion);

    TNotifyEvent OnPop;
    TNotifyEvent OnPush;
    TNotifyEvent* FindEvent(std::string_view name) override;

    QRect ClientRect() const override;

    QAccessible::Role AccessibleRole() const override { return QAccessible::Grouping; }
    void AddAccessibleState(QAccessible::State& state) const override;

protected:
    void ApplyStyle(const TsuiStyleSource& source) override;
    void Paint(TCanvas& canvas) const override;

    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TMotion Motion() const { return m_quickMove ? TMotion::Quick : TMotion::Stepped; }
    // Moves the real width to `target`; false when the control went away or another
    // request took over meanwhile.
    bool MoveTo(int target, TMotion motion);
    void PinClicked();
    void CheckPointer();
    void UpdateCollapseTimer();
    void PlacePin();
    // Repaints and tells assistive technology that the channel opened or closed.
    void OpenStateChanged();
    int BarHeight() const { return m_barImage.height(); }

    QImage m_barImage;
    QImage m_gripImage;
    TColor m_borderColor = clBlack;
    TColor m_sideBarColor = clBtnFace;
    TColor m_captionColor = clBlack;
    int m_fullWidth = 0;
    int m_pinTop = 1;
    // Counts size requests, so one that was overtaken during its steps knows it.
    unsigned m_moves = 0;
    TAlignment m_alignment = taCenter;
    TsuiSideChannelAlign m_align = suiLeft;
    TsuiSideChannelPopupMode m_popupMode = suiMouseOn;
    bool m_poppedOut = false;
    bool m_animating = false;
    bool m_pinShown = false;
    bool m_showButton = true;
    bool m_stayOn = false;
    bool m_quickMove = false;
    TsuiSideChannelPin* m_pin;
    TTimer* m_collapseTimer;
};
