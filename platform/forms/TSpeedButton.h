#pragma once

#include "platform/forms/TControl.h"

// A push button with a caption that never stays down. OnClick fires when the left
// button is released over it.
//
//   state                        Flat False   Flat True
//   normal                       raised       no frame
//   mouse over                   raised       raised
//   pressed, pointer over it     sunken       sunken
//   pressed, pointer moved off   raised       no frame
//   disabled                     raised       no frame, grey caption
class TSpeedButton : public TControl {
    Q_OBJECT
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)

public:
    explicit TSpeedButton(QWidget* parent = nullptr);

    bool Flat() const { return m_flat; }
    void SetFlat(bool flat);

    QAccessible::Role AccessibleRole() const override { return QAccessible::Button; }

protected:
    void MouseStateChanged() override { update(); }
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_flat = false;
};
