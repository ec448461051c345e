#pragma once

#include "platform/core/TEvents.h"
#include "platform/forms/TPressBehaviour.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"

#include <QAccessible>
#include <QRect>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

// The base of every control. Bounds are in the parent's widget coordinates; aligned
// children are laid out by our own code (no Qt layouts) inside ClientRect() whenever
// the control is resized or an aligned child changes.
class TControl : public QWidget, public IEventSource {
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_PROPERTY(TCursor Cursor READ Cursor WRITE SetCursor)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)

public:
    enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
    Q_ENUM(TAlign)
    enum TCursor { crDefault, crHandPoint };
    Q_ENUM(TCursor)
    enum TAlignment { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(TAlignment)

    explicit TControl(QWidget* parent = nullptr);

    int Left() const { return x(); }
    void SetLeft(int left) { SetBounds(left, y(), width(), height()); }
    int Top() const { return y(); }
    void SetTop(int top) { SetBounds(x(), top, width(), height()); }
    int Width() const { return width(); }
    void SetWidth(int width) { SetBounds(x(), y(), width, height()); }
    int Height() const { return height(); }
    void SetHeight(int height) { SetBounds(x(), y(), width(), height); }
    // Out-of-range values are clamped to what a widget can hold.
    void SetBounds(int left, int top, int width, int height);

    TAlign Align() const { return m_align; }
    void SetAlign(TAlign align);
    // The control's own flag: a visible control on a hidden parent stays Visible.
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }
    void SetEnabled(bool enabled);

    // Setting Color clears ParentColor; setting ParentColor takes the parent's colour now
    // and follows it from then on. Font and ParentFont work the same way.
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool parentColor);
    TFont* Font() const { return m_font.get(); }
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool parentFont);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    QString Hint() const { return m_hint; }
    void SetHint(const QString& hint) { m_hint = hint; }
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor cursor);
    // Whether Tab and a click give the control the focus.
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus); }

    TNotifyEvent OnClick;
    TNotifyEvent* FindEvent(std::string_view name) override;

    // What assistive technology is told: the accessible name a window gave the control,
    // else its caption; and role, state and value, which each kind of control answers.
    virtual QString AccessibleName() const;
    struct TAccessibleValue {
        int value, minimum, maximum, step;
    };
    virtual QAccessible::Role AccessibleRole() const { return QAccessible::Client; }
    virtual void AddAccessibleState(QAccessible::State& /*state*/) const { }
    virtual std::optional<TAccessibleValue> AccessibleValue() const { return std::nullopt; }
    virtual void SetAccessibleValue(int /*value*/) { }

    // Where aligned children go, in this control's coordinates.
    virtual QRect ClientRect() const { return rect(); }
    void Realign();

    // The layout reader sets a control loading while it applies the stored properties
    // and ends it when the whole tree is read. Alignment waits until then, so stored
    // places decide the order of children aligned alike; Loaded() then settles what
    // depends on other components.
    bool Loading() const { return m_loading; }
    void BeginLoading() { m_loading = true; }
    void EndLoading();

protected:
    // A left-button press and release inside the control; fires OnClick.
    virtual void Click();
    virtual void Loaded() { }
    virtual void CaptionChanged() { update(); }
    virtual void ColorChanged() { update(); }
    virtual void FontChanged() { update(); }
    // Hover or press changed; controls with hover looks repaint here.
    virtual void MouseStateChanged() { }

    bool MouseOver() const { return m_press.Hot(); }
    bool MouseDown() const { return m_press.Held(); }
    TPressBehaviour& Press() { return m_press; }
    const TPressBehaviour& Press() const { return m_press; }
    // Space and Enter press the control while it has the focus and click it on release.
    void SetClickKeys(bool clickKeys) { m_clickKeys = clickKeys; }
    TControl* ParentControl() const;

    // Tells assistive technology that the name, state or value changed.
    void NotifyAccessibleName();
    void NotifyAccessibleState(QAccessible::State changed);
    void NotifyAccessibleValue();

    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void childEvent(QChildEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    static void InstallAccessibility();
    void ApplyColor(TColor color);
    void InheritFont();
    void FontChange();
    void Place(const QRect& bounds);
    void RealignParent();

    std::unique_ptr<TFont> m_font;
    QString m_caption;
    QString m_hint;
    TColor m_color = clBtnFace;
    TAlign m_align = alNone;
    TCursor m_cursor = crDefault;
    int m_tag = 0;
    bool m_visible = true;
    bool m_parentColor = true;
    bool m_parentFont = true;
    bool m_inheritingFont = false;
    bool m_aligning = false;
    bool m_loading = false;
    bool m_clickKeys = false;
    TPressBehaviour m_press;
};
