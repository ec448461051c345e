#include "skin/SUIControl.h"

#include "platform/graphics/TCanvas.h"
#include "skin/SUIPublic.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QPainter>

namespace {

// One description for every skinned control, filled in by the control's own answers.
class TsuiAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TsuiAccessible(TsuiControl* control)
        : QAccessibleWidget(control, control->AccessibleRole())
    {
    }

    TsuiControl* Control() const { return static_cast<TsuiControl*>(widget()); }

    QAccessible::Role role() const override { return Control()->AccessibleRole(); }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return Control()->AccessibleName();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        Control()->AddAccessibleState(state);
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface && Control()->AccessibleValue())
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return Field(&TsuiControl::TAccessibleValue::value); }
    void setCurrentValue(const QVariant& value) override
    {
        Control()->SetAccessibleValue(value.toInt());
    }
    QVariant maximumValue() const override { return Field(&TsuiControl::TAccessibleValue::maximum); }
    QVariant minimumValue() const override { return Field(&TsuiControl::TAccessibleValue::minimum); }
    QVariant minimumStepSize() const override { return Field(&TsuiControl::TAccessibleValue::step); }

private:
    QVariant Field(int TsuiControl::TAccessibleValue::*field) const
    {
        auto value = Control()->AccessibleValue();
        return value ? QVariant((*value).*field) : QVariant();
    }
};

QAccessibleInterface* SkinnedControlAccessible(const QString&, QObject* object)
{
    if (auto* control = qobject_cast<TsuiControl*>(object))
        return new TsuiAccessible(control);
    return nullptr;
}

} // namespace

TsuiControl::TsuiControl(QWidget* parent, TThemeLoss themeLoss)
    : TControl(parent)
    , TsuiStyledControl(this)
    , m_themeLoss(themeLoss)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(SkinnedControlAccessible);
        return true;
    }();
    (void)factoryInstalled;
    // Every paint covers the whole control; nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

QWidget* TsuiControl::OwningForm() const
{
    return parentWidget() ? parentWidget()->window() : nullptr;
}

QString TsuiControl::AccessibleName() const
{
    return Caption().trimmed().remove('&');
}

void TsuiControl::TakeFormStyle()
{
    SetUIStyle(GetFormUIStyle(OwningForm()));
}

void TsuiControl::PaintBackground(TCanvas& canvas, bool transparent) const
{
    if (transparent) {
        PaintParentBackground(canvas, this);
        return;
    }
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.Brush.Color = Color();
    canvas.FillRect(TRect::FromSize(canvas.Width(), canvas.Height()));
}

void TsuiControl::NotifyAccessibleState(QAccessible::State changed)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void TsuiControl::NotifyAccessibleValue()
{
    if (!QAccessible::isActive())
        return;
    if (auto value = AccessibleValue()) {
        QAccessibleValueChangeEvent event(this, value->value);
        QAccessible::updateAccessibility(&event);
    }
}

void TsuiControl::FileThemeGone()
{
    if (m_themeLoss == TThemeLoss::WithChildren)
        ApplyStyleToChildren(this, DeepBlue, nullptr);
    TsuiStyledControl::FileThemeGone();
}

void TsuiControl::paintEvent(QPaintEvent*)
{
    const QSize size = BufferSize();
    if (size.isEmpty())
        return;
    if (m_buffer.size() != size)
        m_buffer = QImage(size, QImage::Format_RGB32);
    {
        TCanvas canvas(m_buffer);
        canvas.Font().Assign(*Font());
        Paint(canvas);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_buffer);
}
