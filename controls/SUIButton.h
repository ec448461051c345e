#pragma once

#include "skin/SUIControl.h"

#include <QImage>
#include <QKeySequence>
#include <QList>
#include <QPointer>
#include <QShortcut>

#include <functional>
#include <vector>

// Keys that act on a control from anywhere in its window: Qt shortcuts of the window,
// which fire only while the control is visible and enabled in the active window, and
// not when the focused control takes the key itself (a text field taking letters).
class TsuiWindowKeys {
public:
    // Replaces the keys; an empty list removes them.
    void Set(
        QWidget* control, const QList<QKeySequence>& keys, const std::function<void()>& action);

private:
    std::vector<QPointer<QShortcut>> m_shortcuts;
};

// A custom-painted push button. It shows one of four looks (disabled, pressed, mouse on,
// normal, in that priority) cut from the style's button bitmap, a centred caption and,
// while focused, a dotted focus frame. Holding the left button on it fires
// OnMouseContinuouslyDown every MouseContinuouslyDownInterval ms. As a dialog button,
// Enter clicks it when Default is on, Esc when Cancel is on, and a click hands
// ModalResult to its window.
class TsuiCustomButton : public TsuiControl {
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(int MouseContinuouslyDownInterval READ MouseContinuouslyDownInterval WRITE
            SetMouseContinuouslyDownInterval)
    Q_PROPERTY(int FocusedRectMargin READ FocusedRectMargin WRITE SetFocusedRectMargin)

public:
    enum class TLook { Normal, MouseOn, MouseDown, Disabled };

    explicit TsuiCustomButton(QWidget* parent = nullptr);

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool cancel);
    bool Default() const { return m_default; }
    void SetDefault(bool isDefault);
    // Paint the parent's background instead of Color, and leave the picture's pixels of
    // its top-left colour out.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int modalResult) { m_modalResult = modalResult; }
    // 0 or less: holding the button fires nothing.
    int MouseContinuouslyDownInterval() const { return m_repeatInterval; }
    void SetMouseContinuouslyDownInterval(int milliseconds);
    int FocusedRectMargin() const { return m_focusedRectMargin; }
    void SetFocusedRectMargin(int margin);

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;
    TNotifyEvent OnMouseContinuouslyDown;
    TNotifyEvent* FindEvent(std::string_view name) override;

    QAccessible::Role AccessibleRole() const override { return QAccessible::Button; }
    void AddAccessibleState(QAccessible::State& state) const override;

protected:
    // For subclasses, which take the form's style themselves once their defaults are set.
    struct TStyleLater { };
    TsuiCustomButton(QWidget* parent, TStyleLater);

    TLook Look() const;
    // Sizes the button to its normal look when AutoSize is on.
    virtual void UpdateAutoSize();
    // The picture for a look; a null image when there is none.
    virtual QImage LookPicture(TLook look) const;
    // Draws the state picture at (0, 0).
    virtual void DrawPicture(TCanvas& canvas, const QImage& picture) const;
    virtual bool ShowsFocusFrame() const { return true; }

    void Click() override;
    void ApplyStyle(const TsuiStyleSource& source) override;
    void Paint(TCanvas& canvas) const override;
    void CaptionChanged() override;
    void MouseStateChanged() override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage StatePicture(TLook look) const;
    void DrawCaption(TCanvas& canvas, TLook look) const;
    void DrawFocusFrame(TCanvas& canvas) const;
    void UpdateDialogKeys();

    // Normal, mouse on and mouse down, as the style's button bitmap holds them.
    QImage m_frames[3];
    TsuiWindowKeys m_acceleratorKeys;
    TsuiWindowKeys m_dialogKeys;
    int m_modalResult = 0;
    int m_repeatInterval = 100;
    int m_focusedRectMargin = 2;
    bool m_autoSize = false;
    bool m_cancel = false;
    bool m_default = false;
    bool m_transparent = false;
    bool m_reportedPressed = false;
};

// A push button whose looks are four pictures set by the program; a look without a
// picture shows PicNormal, and without any picture the button shows only its colour (or
// the parent's background) and its caption. UIStyle is kept but does not change the
// look, and always reads FromThemeFile.
class TsuiImageButton : public TsuiCustomButton {
    Q_OBJECT
    Q_PROPERTY(SuiStyles::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyleProperty)
    Q_PROPERTY(QImage PicNormal READ PicNormal WRITE SetPicNormal)
    Q_PROPERTY(QImage PicMouseOn READ PicMouseOn WRITE SetPicMouseOn)
    Q_PROPERTY(QImage PicMouseDown READ PicMouseDown WRITE SetPicMouseDown)
    Q_PROPERTY(QImage PicDisabled READ PicDisabled WRITE SetPicDisabled)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(bool DrawFocused READ DrawFocused WRITE SetDrawFocused)

public:
    explicit TsuiImageButton(QWidget* parent = nullptr);

    TsuiUIStyle UIStyle() const { return FromThemeFile; }

    QImage PicNormal() const { return m_pictures[0]; }
    void SetPicNormal(const QImage& picture) { SetPicture(TLook::Normal, picture); }
    QImage PicMouseOn() const { return m_pictures[1]; }
    void SetPicMouseOn(const QImage& picture) { SetPicture(TLook::MouseOn, picture); }
    QImage PicMouseDown() const { return m_pictures[2]; }
    void SetPicMouseDown(const QImage& picture) { SetPicture(TLook::MouseDown, picture); }
    QImage PicDisabled() const { return m_pictures[3]; }
    void SetPicDisabled(const QImage& picture) { SetPicture(TLook::Disabled, picture); }
    // Stretch the picture over the whole button.
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);
    // Whether focus shows a focus frame.
    bool DrawFocused() const { return m_drawFocused; }
    void SetDrawFocused(bool drawFocused);

protected:
    void UpdateAutoSize() override;
    QImage LookPicture(TLook look) const override;
    void DrawPicture(TCanvas& canvas, const QImage& picture) const override;
    bool ShowsFocusFrame() const override { return m_drawFocused; }
    void ApplyStyle(const TsuiStyleSource& source) override;

private:
    void SetPicture(TLook look, const QImage& picture);

    // One per look, in TLook order.
    QImage m_pictures[4];
    bool m_stretch = false;
    bool m_drawFocused = false;
};

// A check box: a glyph cut from the style's check box bitmap (checked or not, enabled
// or not), then its caption in the font colour, also when disabled. OnClick fires on
// every change of Checked, by the learner or by the program, but not while the window
// is being loaded. With AutoSize the box takes the size of its glyph and caption.
class TsuiCheckBox : public TsuiControl {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(TCheckBoxState State READ State WRITE SetState)

public:
    enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
    Q_ENUM(TCheckBoxState)

    explicit TsuiCheckBox(QWidget* parent = nullptr);

    bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    // Reads cbChecked or cbUnchecked; cbGrayed unchecks.
    TCheckBoxState State() const { return m_checked ? cbChecked : cbUnchecked; }
    void SetState(TCheckBoxState state) { SetChecked(state == cbChecked); }
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);

    QAccessible::Role AccessibleRole() const override { return QAccessible::CheckBox; }
    void AddAccessibleState(QAccessible::State& state) const override;

protected:
    // A click, Space, Enter or the accelerator: focus, then toggle.
    void Click() override;
    void ApplyStyle(const TsuiStyleSource& source) override;
    void Paint(TCanvas& canvas) const override;
    void Loaded() override { AdjustBounds(); }
    void CaptionChanged() override;
    void FontChanged() override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void AdjustBounds();

    // Checked, unchecked, checked disabled, unchecked disabled.
    QImage m_glyphs[4];
    TsuiWindowKeys m_acceleratorKeys;
    bool m_checked = false;
    bool m_transparent = false;
    bool m_autoSize = false;
};
