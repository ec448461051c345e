#pragma once

#include "platform/forms/TControl.h"

// Stand-in for the skinned check box: a box and a caption. A click toggles Checked;
// OnClick fires on every change of Checked, except while loading. With AutoSize the
// control takes the size of its box and caption.
class TPlainCheckBox : public TControl {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)

public:
    explicit TPlainCheckBox(QWidget* parent = nullptr);

    bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);

protected:
    void Click() override { SetChecked(!m_checked); }
    void CaptionChanged() override;
    void FontChanged() override;
    void Loaded() override { AdjustBounds(); }
    void paintEvent(QPaintEvent* event) override;

private:
    void AdjustBounds();

    bool m_checked = false;
    bool m_autoSize = true;
};
