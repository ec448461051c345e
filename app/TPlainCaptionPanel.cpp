#include "app/TPlainCaptionPanel.h"

#include "platform/forms/PlainPaint.h"

#include <QPainter>

namespace {

constexpr TColor kBorderColor = 0x686868;
constexpr TColor kCaptionBarColor = 0xEFEBDE;
constexpr int kCaptionIndent = 10;

} // namespace

TPlainCaptionPanel::TPlainCaptionPanel(QWidget* parent)
    : TControl(parent)
{
    SetBounds(0, 0, 100, 100);
}

QRect TPlainCaptionPanel::ClientRect() const
{
    return rect().adjusted(kInset, kCaptionBarHeight + kInset, -kInset, -kInset);
}

void TPlainCaptionPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Color()));
    QRect bar(1, 0, width() - 2, kCaptionBarHeight);
    painter.fillRect(bar, ToQColor(kCaptionBarColor));
    DrawFrame(painter, rect(), kBorderColor);
    DrawCaptionText(painter, bar.adjusted(kCaptionIndent - 1, 0, 0, 0), Caption(), *Font(),
        Qt::AlignLeft | Qt::AlignVCenter, isEnabled());
}
