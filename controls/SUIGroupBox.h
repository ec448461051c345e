#pragma once

#include "controls/SUIImagePanel.h"

// A group frame: a one-pixel rectangle in the style's border colour with the caption set
// into its top line. It passes its style on to its skinned children, and enabling or
// disabling it does the same to each of its direct children.
class TsuiCustomGroupBox : public TsuiCustomPanel {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)

public:
    explicit TsuiCustomGroupBox(QWidget* parent = nullptr);

    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor color);
    // Hides the framework's setter on purpose, so that code and layouts alike reach the
    // children.
    void SetEnabled(bool enabled);

    QRect ClientRect() const override;

    QAccessible::Role AccessibleRole() const override { return QAccessible::Grouping; }

protected:
    void ApplyStyle(const TsuiStyleSource& source) override;
    void Paint(TCanvas& canvas) const override;
    // The caption's height moves the children.
    void FontChanged() override;

private:
    int FontPixelHeight() const;

    TColor m_borderColor = clBlack;
};

// The group box with its border colour published.
class TsuiGroupBox : public TsuiCustomGroupBox {
    Q_OBJECT
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)

public:
    explicit TsuiGroupBox(QWidget* parent = nullptr)
        : TsuiCustomGroupBox(parent)
    {
    }
};
