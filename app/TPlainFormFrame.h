#pragma once

#include "platform/forms/TControl.h"

// Stand-in for the skinned window frame: a title bar with the caption over a client
// area in Color, where the children align.
class TPlainFormFrame : public TControl {
    Q_OBJECT

public:
    static constexpr int kTitleBarHeight = 28;

    explicit TPlainFormFrame(QWidget* parent = nullptr);

    QRect ClientRect() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
