#include "skin/SUIControl.h"

#include "platform/graphics/TCanvas.h"
#include "skin/SUIPublic.h"

#include <QPainter>

TsuiControl::TsuiControl(QWidget* parent, TThemeLoss themeLoss)
    : TControl(parent)
    , TsuiStyledControl(this)
    , m_themeLoss(themeLoss)
{
    // Every paint covers the whole control; nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

QWidget* TsuiControl::OwningForm() const
{
    return parentWidget() ? parentWidget()->window() : nullptr;
}

void TsuiControl::TakeFormStyle()
{
    SetUIStyle(GetFormUIStyle(OwningForm()));
}

void TsuiControl::PaintBackground(TCanvas& canvas, bool transparent) const
{
    if (transparent) {
        PaintParentBackground(canvas, this);
        return;
    }
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.Brush.Color = Color();
    canvas.FillRect(TRect::FromSize(canvas.Width(), canvas.Height()));
}

void TsuiControl::FileThemeGone()
{
    if (m_themeLoss == TThemeLoss::WithChildren)
        ApplyStyleToChildren(this, DeepBlue, nullptr);
    TsuiStyledControl::FileThemeGone();
}

void TsuiControl::paintEvent(QPaintEvent* event)
{
    const QSize size = BufferSize();
    if (size.isEmpty())
        return;
    if (m_buffer.size() != size)
        m_buffer = QImage(size, QImage::Format_RGB32);
    {
        TCanvas canvas(m_buffer);
        // Only the exposed part reaches the screen; the rest of the buffer may stay stale.
        canvas.SetClipRect(TRect::FromQRect(event->rect()));
        canvas.Font().Assign(*Font());
        Paint(canvas);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_buffer);
}
