#pragma once

#include "platform/forms/TLabel.h"

// Static text: drawn as a label, flat, with no sunken border.
class TStaticText : public TLabel {
    Q_OBJECT

public:
    explicit TStaticText(QWidget* parent = nullptr)
        : TLabel(parent)
    {
    }
};
