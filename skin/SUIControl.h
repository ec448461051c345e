#pragma once

#include "platform/forms/TControl.h"
#include "skin/SUIStyledControl.h"

#include <QImage>

class TCanvas;

// The base of every skinned control: a framework control (bounds, Align, colour, font,
// loading, the press behaviour) that speaks the style protocol, starts in the style of the
// form that owns it and paints through one off-screen image.
//
//     class TsuiThing : public TsuiControl {
//         Q_OBJECT
//     public:
//         explicit TsuiThing(QWidget* parent = nullptr) : TsuiControl(parent)
//         {
//             ... own defaults ...
//             TakeFormStyle();
//         }
//     protected:
//         void ApplyStyle(const TsuiStyleSource& source) override;
//         void Paint(TCanvas& canvas) const override;
//     };
class TsuiControl : public TControl, public TsuiStyledControl {
    Q_OBJECT
    SUI_STYLED_CONTROL_PROPERTIES

public:
    // Containers whose skinned children go to DeepBlue with them when their theme goes.
    enum class TThemeLoss { SelfOnly, WithChildren };

    explicit TsuiControl(QWidget* parent = nullptr, TThemeLoss themeLoss = TThemeLoss::SelfOnly);

    // The form whose TsuiForm gives the first style: the window the control sits in,
    // however deep; nullptr for a control without a parent.
    QWidget* OwningForm() const;

protected:
    // Applies the style of the owning form. Each concrete control calls it last in its
    // constructor, once its own defaults are set; ApplyStyle is not callable earlier.
    void TakeFormStyle();

    // Draws the whole control into `canvas`, whose image is BufferSize() and whose font is
    // the control's Font. Reads state only: everything it needs was decided before.
    virtual void Paint(TCanvas& canvas) const = 0;
    virtual QSize BufferSize() const { return size(); }
    // The parent's look behind the control when transparent, else a fill with Color.
    void PaintBackground(TCanvas& canvas, bool transparent) const;

    void FileThemeGone() override;
    void paintEvent(QPaintEvent* event) override;

private:
    TThemeLoss m_themeLoss;
};
