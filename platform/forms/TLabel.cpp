#include "platform/forms/TLabel.h"

#include "platform/forms/PlainPaint.h"

#include <QFontMetrics>
#include <QPainter>

TLabel::TLabel(QWidget* parent)
    : TControl(parent)
{
    SetBounds(0, 0, 65, 13);
}

void TLabel::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    update();
}

void TLabel::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    update();
}

void TLabel::CaptionChanged()
{
    AdjustBounds();
    update();
}

void TLabel::FontChanged()
{
    AdjustBounds();
    update();
}

void TLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_transparent)
        painter.fillRect(rect(), ToQColor(Color()));
    int horizontal = m_alignment == taCenter ? Qt::AlignHCenter
        : m_alignment == taRightJustify      ? Qt::AlignRight
                                             : Qt::AlignLeft;
    DrawCaptionText(painter, rect(), Caption(), *Font(), horizontal | Qt::AlignTop, isEnabled());
}

void TLabel::AdjustBounds()
{
    if (!m_autoSize || Loading())
        return;
    QFontMetrics metrics(Font()->ToQFont());
    SetBounds(x(), y(), metrics.horizontalAdvance(Caption()), metrics.height());
}
