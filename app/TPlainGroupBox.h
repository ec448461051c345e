#pragma once

#include "platform/forms/TControl.h"

// Stand-in for the skinned group box: a one-pixel frame with no caption. Children align
// inside it, below the room a caption in the box's font would take.
class TPlainGroupBox : public TControl {
    Q_OBJECT

public:
    explicit TPlainGroupBox(QWidget* parent = nullptr);

    QRect ClientRect() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int FontRows() const;
};
