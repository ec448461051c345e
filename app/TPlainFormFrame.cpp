#include "app/TPlainFormFrame.h"

#include "platform/forms/PlainPaint.h"

#include <QPainter>

namespace {

constexpr TColor kTitleBarColor = 0xC82C00;
constexpr TColor kTitleTextColor = clWhite;
constexpr int kCaptionIndent = 8;

} // namespace

TPlainFormFrame::TPlainFormFrame(QWidget* parent)
    : TControl(parent)
{
    SetBounds(0, 0, 300, 200);
}

QRect TPlainFormFrame::ClientRect() const
{
    return rect().adjusted(0, kTitleBarHeight, 0, 0);
}

void TPlainFormFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Color()));
    QRect bar(0, 0, width(), kTitleBarHeight);
    painter.fillRect(bar, ToQColor(kTitleBarColor));
    TFont title;
    title.Assign(*Font());
    title.SetColor(kTitleTextColor);
    DrawCaptionText(painter, bar.adjusted(kCaptionIndent, 0, 0, 0), Caption(), title,
        Qt::AlignLeft | Qt::AlignVCenter);
}
