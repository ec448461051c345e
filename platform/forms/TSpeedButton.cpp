#include "platform/forms/TSpeedButton.h"

#include "platform/forms/PlainPaint.h"

#include <QPainter>

TSpeedButton::TSpeedButton(QWidget* parent)
    : TControl(parent)
{
    SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetFlat(bool flat)
{
    m_flat = flat;
    update();
}

void TSpeedButton::paintEvent(QPaintEvent*)
{
    bool enabled = isEnabled();
    bool over = enabled && MouseOver();
    bool sunken = over && MouseDown();
    bool framed = sunken || over || !m_flat;

    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Color()));
    if (framed)
        DrawBevel(painter, rect(), sunken ? TBevel::Sunken : TBevel::Raised);
    QRect textRect = sunken ? rect().translated(1, 1) : rect();
    DrawCaptionText(painter, textRect, Caption(), *Font(), Qt::AlignCenter, enabled);
}
