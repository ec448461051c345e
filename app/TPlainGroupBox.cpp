#include "app/TPlainGroupBox.h"

#include "platform/forms/PlainPaint.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr TColor kBorderColor = 0x686868;
constexpr int kInset = 3;
// Extra room between a caption's height and the first child row.
constexpr int kCaptionGap = 2;

} // namespace

TPlainGroupBox::TPlainGroupBox(QWidget* parent)
    : TControl(parent)
{
    SetBounds(0, 0, 185, 105);
}

QRect TPlainGroupBox::ClientRect() const
{
    return rect().adjusted(kInset, FontRows() + kInset + kCaptionGap, -kInset, -kInset);
}

void TPlainGroupBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Color()));
    // The frame's top line runs where a caption's middle would be.
    int top = FontRows() / 2 + 1;
    DrawFrame(painter, rect().adjusted(0, top, 0, 0), kBorderColor);
}

int TPlainGroupBox::FontRows() const
{
    long long rows = std::llabs(static_cast<long long>(Font()->Height()));
    return int(std::min<long long>(rows, height()));
}
