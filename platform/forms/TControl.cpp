#include "platform/forms/TControl.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

// The largest extent a widget accepts; layouts are hostile input, so every stored
// coordinate is clamped to it and sums of them stay far from overflow.
constexpr long long kMaxExtent = QWIDGETSIZE_MAX;

int ClampCoordinate(long long value)
{
    return int(std::clamp(value, -kMaxExtent, kMaxExtent));
}
int ClampExtent(long long value)
{
    return int(std::clamp(value, 0LL, kMaxExtent));
}

// The part of the client rectangle that aligned children have not taken yet.
struct TFreeSpace {
    long long left, top, right, bottom;
    long long Width() const { return std::max(0LL, right - left); }
    long long Height() const { return std::max(0LL, bottom - top); }
};

QRect MakeRect(long long left, long long top, long long width, long long height)
{
    return QRect(
        ClampCoordinate(left), ClampCoordinate(top), ClampExtent(width), ClampExtent(height));
}

// Takes the control's strip off the free space and returns its new bounds.
QRect TakeSpace(TControl::TAlign align, const TControl& control, TFreeSpace& space)
{
    long long w = control.width();
    long long h = control.height();
    switch (align) {
    case TControl::alTop:
        space.top += h;
        return MakeRect(space.left, space.top - h, space.Width(), h);
    case TControl::alBottom:
        space.bottom -= h;
        return MakeRect(space.left, space.bottom, space.Width(), h);
    case TControl::alLeft:
        space.left += w;
        return MakeRect(space.left - w, space.top, w, space.Height());
    case TControl::alRight:
        space.right -= w;
        return MakeRect(space.right, space.top, w, space.Height());
    case TControl::alClient:
        return MakeRect(space.left, space.top, space.Width(), space.Height());
    case TControl::alNone:
        break;
    }
    return control.geometry();
}

// Within one kind, children keep the order of their places: the topmost alTop first,
// the lowest alBottom first, and so on.
bool PlacedBefore(TControl::TAlign align, const TControl* a, const TControl* b)
{
    switch (align) {
    case TControl::alTop:
        return a->y() < b->y();
    case TControl::alBottom:
        return a->geometry().bottom() > b->geometry().bottom();
    case TControl::alLeft:
        return a->x() < b->x();
    case TControl::alRight:
        return a->geometry().right() > b->geometry().right();
    default:
        return false;
    }
}

// Space, Return and the keypad's Enter; held keys repeat presses, not clicks.
bool IsClickKey(const QKeyEvent* event)
{
    return !event->isAutoRepeat()
        && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return
            || event->key() == Qt::Key_Enter);
}

} // namespace

TControl::TControl(QWidget* parent)
    : QWidget(parent)
    , m_font(std::make_unique<TFont>())
{
    m_font->OnChange = [this] { FontChange(); };
    m_press.OnChanged = [this] { MouseStateChanged(); };
    InstallAccessibility();
    if (TControl* parentControl = ParentControl()) {
        m_color = parentControl->m_color;
        InheritFont();
    }
    // Qt shows children only together with their parent; one added later shows itself.
    if (parent && parent->isVisible())
        show();
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    Place(MakeRect(left, top, width, height));
    if (m_align != alNone)
        RealignParent();
}

void TControl::SetAlign(TAlign align)
{
    if (align == m_align)
        return;
    m_align = align;
    RealignParent();
}

void TControl::SetVisible(bool visible)
{
    m_visible = visible;
    // A top-level window is shown by the program, never by its stored layout.
    if (parentWidget() || !visible)
        setVisible(visible);
    RealignParent();
}

void TControl::SetEnabled(bool enabled)
{
    setEnabled(enabled);
    update();
}

void TControl::SetColor(TColor color)
{
    m_parentColor = false;
    ApplyColor(color);
}

void TControl::SetParentColor(bool parentColor)
{
    m_parentColor = parentColor;
    if (TControl* parentControl = ParentControl(); parentColor && parentControl)
        ApplyColor(parentControl->m_color);
}

void TControl::SetParentFont(bool parentFont)
{
    m_parentFont = parentFont;
    if (parentFont)
        InheritFont();
}

void TControl::SetCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    CaptionChanged();
    NotifyAccessibleName();
}

void TControl::SetCursor(TCursor cursor)
{
    m_cursor = cursor;
    if (cursor == crHandPoint)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

TNotifyEvent* TControl::FindEvent(std::string_view name)
{
    return name == "OnClick" ? &OnClick : nullptr;
}

void TControl::Realign()
{
    // While a layout is read, stored places decide the order; alignment waits for the end.
    if (m_aligning || m_loading)
        return;
    m_aligning = true;
    QRect client = ClientRect();
    TFreeSpace space { client.x(), client.y(), client.x() + (long long)client.width(),
        client.y() + (long long)client.height() };
    const auto children = findChildren<TControl*>(Qt::FindDirectChildrenOnly);
    for (TAlign align : { alTop, alBottom, alLeft, alRight, alClient }) {
        std::vector<TControl*> aligned;
        std::copy_if(children.begin(), children.end(), std::back_inserter(aligned),
            [align](TControl* child) { return child->m_align == align && child->m_visible; });
        std::stable_sort(aligned.begin(), aligned.end(),
            [align](TControl* a, TControl* b) { return PlacedBefore(align, a, b); });
        for (TControl* child : aligned)
            child->Place(TakeSpace(align, *child, space));
    }
    m_aligning = false;
}

void TControl::EndLoading()
{
    m_loading = false;
    Realign();
    Loaded();
}

void TControl::Click()
{
    // An error in a handler is the application's to report, not the window system's.
    FireEvent(OnClick);
}

TControl* TControl::ParentControl() const
{
    return qobject_cast<TControl*>(parentWidget());
}

void TControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Realign();
}

void TControl::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ParentChange)
        return;
    if (TControl* parentControl = ParentControl(); parentControl && m_parentColor)
        ApplyColor(parentControl->m_color);
    InheritFont();
    RealignParent();
}

void TControl::childEvent(QChildEvent* event)
{
    QWidget::childEvent(event);
    if (event->removed())
        Realign();
}

void TControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_press.Press();
}

void TControl::mouseMoveEvent(QMouseEvent* event)
{
    // While a button is held the pointer stays grabbed; enter and leave wait for release.
    m_press.Move(rect().contains(event->position().toPoint()));
}

void TControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // Last: the handler may close the window.
    if (m_press.Release(rect().contains(event->position().toPoint())))
        Click();
}

void TControl::enterEvent(QEnterEvent*)
{
    m_press.Enter();
}

void TControl::leaveEvent(QEvent*)
{
    m_press.Leave();
}

void TControl::keyPressEvent(QKeyEvent* event)
{
    if (!m_clickKeys || !IsClickKey(event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (isEnabled())
        m_press.KeyDown();
}

void TControl::keyReleaseEvent(QKeyEvent* event)
{
    if (!m_clickKeys || !IsClickKey(event)) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (isEnabled() && m_press.KeyUp())
        Click();
}

void TControl::ApplyColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    ColorChanged();
    for (TControl* child : findChildren<TControl*>(Qt::FindDirectChildrenOnly)) {
        if (child->m_parentColor)
            child->ApplyColor(color);
    }
}

void TControl::InheritFont()
{
    TControl* parentControl = ParentControl();
    if (!m_parentFont || !parentControl)
        return;
    m_inheritingFont = true;
    m_font->Assign(*parentControl->m_font);
    m_inheritingFont = false;
}

void TControl::FontChange()
{
    if (!m_inheritingFont)
        m_parentFont = false;
    FontChanged();
    for (TControl* child : findChildren<TControl*>(Qt::FindDirectChildrenOnly))
        child->InheritFont();
}

void TControl::RealignParent()
{
    if (TControl* parentControl = ParentControl())
        parentControl->Realign();
}

void TControl::Place(const QRect& bounds)
{
    QSize before = size();
    setGeometry(bounds);
    // A hidden widget gets its resize event only when shown; its children align now.
    if (size() != before)
        Realign();
}
