#include "platform/forms/PlainPaint.h"

#include "platform/graphics/TFont.h"

#include <QPainter>

namespace {

void FillLine(QPainter& painter, int x, int y, int width, int height, TColor color)
{
    painter.fillRect(QRect(x, y, width, height), ToQColor(color));
}

} // namespace

void DrawFrame(QPainter& painter, const QRect& rect, TColor color)
{
    if (rect.isEmpty())
        return;
    FillLine(painter, rect.left(), rect.top(), rect.width(), 1, color);
    FillLine(painter, rect.left(), rect.bottom(), rect.width(), 1, color);
    FillLine(painter, rect.left(), rect.top(), 1, rect.height(), color);
    FillLine(painter, rect.right(), rect.top(), 1, rect.height(), color);
}

void DrawBevel(QPainter& painter, const QRect& rect, TBevel bevel)
{
    if (rect.isEmpty())
        return;
    TColor topLeft = bevel == TBevel::Raised ? clBtnHighlight : clBtnShadow;
    TColor bottomRight = bevel == TBevel::Raised ? clBtnShadow : clBtnHighlight;
    FillLine(painter, rect.left(), rect.top(), rect.width(), 1, topLeft);
    FillLine(painter, rect.left(), rect.top(), 1, rect.height(), topLeft);
    FillLine(painter, rect.left(), rect.bottom(), rect.width(), 1, bottomRight);
    FillLine(painter, rect.right(), rect.top(), 1, rect.height(), bottomRight);
}

void DrawCaptionText(QPainter& painter, const QRect& rect, const QString& text, const TFont& font,
    int flags, bool enabled)
{
    if (text.isEmpty())
        return;
    painter.setFont(font.ToQFont());
    painter.setPen(ToQColor(enabled ? font.Color() : clGrayText));
    painter.drawText(rect, flags | Qt::TextSingleLine, text);
}
