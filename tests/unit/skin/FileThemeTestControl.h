#pragma once

#include "skin/SUIStyledControl.h"

#include <QImage>
#include <QWidget>

// A skinned control reduced to what it reads when a style is applied.
class TTestStyledWidget : public QWidget, public TsuiStyledControl {
public:
    explicit TTestStyledWidget(QWidget* parent)
        : QWidget(parent)
        , TsuiStyledControl(this)
    {
    }

    int applications = 0;
    bool fromFile = false;
    TsuiUIStyle readStyle = FromThemeFile;
    int32_t borderWidth = 0;
    TColor borderColor = 0;
    bool transparent = false;
    QImage button; // frame 2 of 3
    QImage sliderWhole;

protected:
    void ApplyStyle(const TsuiStyleSource& source) override
    {
        ++applications;
        fromFile = source.FromFile();
        readStyle = source.Style();
        borderWidth = source.GetInt(SUI_THEME_FormBorderWidthInt);
        borderColor = source.GetColor(SUI_THEME_FormBorderColor);
        transparent = source.GetBool(SUI_THEME_ButtonTransparentBool);
        source.GetBitmapFrame(SUI_THEME_ButtonImage, &button, 2, 3);
        source.GetBitmap(SUI_THEME_TrackBarSliderImage, &sliderWhole);
    }
};

// A skinned control: its class name begins with "Tsui".
class TsuiTestControl : public TTestStyledWidget {
    Q_OBJECT
    SUI_STYLED_CONTROL_PROPERTIES
public:
    using TTestStyledWidget::TTestStyledWidget;
};

// The same properties on a class that is no skinned control by name.
class TPlainTestControl : public TTestStyledWidget {
    Q_OBJECT
    SUI_STYLED_CONTROL_PROPERTIES
public:
    using TTestStyledWidget::TTestStyledWidget;
};
