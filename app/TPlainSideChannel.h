#pragma once

#include "app/TPlainCaptionPanel.h"

// Stand-in for the skinned side pane: a captioned panel aligned to the left, always open.
class TPlainSideChannel : public TPlainCaptionPanel {
    Q_OBJECT

public:
    explicit TPlainSideChannel(QWidget* parent = nullptr)
        : TPlainCaptionPanel(parent)
    {
        SetCaption("Menu");
        SetAlign(alLeft);
    }
};
