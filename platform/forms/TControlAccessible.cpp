#include "platform/forms/TControl.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

namespace {

// One description for every control, filled in by the control's own answers.
class TControlAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TControlAccessible(TControl* control)
        : QAccessibleWidget(control, control->AccessibleRole())
    {
    }

    TControl* Control() const { return static_cast<TControl*>(widget()); }

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

    QVariant currentValue() const override { return Field(&TControl::TAccessibleValue::value); }
    void setCurrentValue(const QVariant& value) override { Control()->SetAccessibleValue(value.toInt()); }
    QVariant maximumValue() const override { return Field(&TControl::TAccessibleValue::maximum); }
    QVariant minimumValue() const override { return Field(&TControl::TAccessibleValue::minimum); }
    QVariant minimumStepSize() const override { return Field(&TControl::TAccessibleValue::step); }

private:
    QVariant Field(int TControl::TAccessibleValue::*field) const
    {
        auto value = Control()->AccessibleValue();
        return value ? QVariant((*value).*field) : QVariant();
    }
};

QAccessibleInterface* ControlAccessible(const QString&, QObject* object)
{
    if (auto* control = qobject_cast<TControl*>(object))
        return new TControlAccessible(control);
    return nullptr;
}

} // namespace

void TControl::InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(ControlAccessible);
        return true;
    }();
    (void)installed;
}

QString TControl::AccessibleName() const
{
    if (!accessibleName().isEmpty())
        return accessibleName();
    return Caption().trimmed().remove('&');
}

void TControl::NotifyAccessibleName()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void TControl::NotifyAccessibleState(QAccessible::State changed)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void TControl::NotifyAccessibleValue()
{
    if (!QAccessible::isActive())
        return;
    if (auto value = AccessibleValue()) {
        QAccessibleValueChangeEvent event(this, value->value);
        QAccessible::updateAccessibility(&event);
    }
}
