#pragma once

#include "platform/forms/TControl.h"

// Stand-in for the skinned captioned panel: a framed panel with a caption bar on top.
// Children align in the area inside the frame below the bar.
class TPlainCaptionPanel : public TControl {
    Q_OBJECT

public:
    // The bar and the inset put a child at (4, 25) as the skinned panel does.
    static constexpr int kCaptionBarHeight = 21;
    static constexpr int kInset = 4;

    explicit TPlainCaptionPanel(QWidget* parent = nullptr);

    QRect ClientRect() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
