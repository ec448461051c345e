#pragma once

#include "platform/forms/TControl.h"

// One line of text. With AutoSize the label takes the size of its text, keeping its
// top-left corner; while a layout is read this waits until the label is loaded.
class TLabel : public TControl {
    Q_OBJECT
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(TAlignment Alignment READ Alignment WRITE SetAlignment)

public:
    explicit TLabel(QWidget* parent = nullptr);

    // A transparent label paints only its text over the parent.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);

    QAccessible::Role AccessibleRole() const override { return QAccessible::StaticText; }

protected:
    void CaptionChanged() override;
    void FontChanged() override;
    void Loaded() override { AdjustBounds(); }
    void paintEvent(QPaintEvent* event) override;

private:
    void AdjustBounds();

    TAlignment m_alignment = taLeftJustify;
    bool m_transparent = false;
    bool m_autoSize = true;
};
