#pragma once

#include "platform/forms/TSpeedButton.h"

// Stand-in for the skinned push button: a framed button with a caption.
class TPlainButton : public TSpeedButton {
    Q_OBJECT

public:
    explicit TPlainButton(QWidget* parent = nullptr)
        : TSpeedButton(parent)
    {
        SetBounds(0, 0, 75, 25);
    }
};
