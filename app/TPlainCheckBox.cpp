#include "app/TPlainCheckBox.h"

#include "platform/forms/PlainPaint.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// The box and the gaps of the skinned check box, so auto-sized boxes match in size.
constexpr int kBoxSize = 13;
constexpr int kTextGap = 4;
constexpr int kAutoSizeExtraWidth = 8;
constexpr int kAutoSizeExtraHeight = 4;

} // namespace

TPlainCheckBox::TPlainCheckBox(QWidget* parent)
    : TControl(parent)
{
    SetBounds(0, 0, 93, 17);
}

void TPlainCheckBox::SetChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    update();
    if (!Loading())
        TControl::Click();
}

void TPlainCheckBox::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    AdjustBounds();
}

void TPlainCheckBox::CaptionChanged()
{
    AdjustBounds();
    update();
}

void TPlainCheckBox::FontChanged()
{
    AdjustBounds();
    update();
}

void TPlainCheckBox::paintEvent(QPaintEvent*)
{
    bool enabled = isEnabled();
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Color()));

    QRect box(1, (height() - kBoxSize) / 2, kBoxSize, kBoxSize);
    painter.fillRect(box, ToQColor(enabled ? clWhite : clBtnFace));
    DrawFrame(painter, box, clBtnShadow);
    if (m_checked)
        painter.fillRect(box.adjusted(3, 3, -3, -3), ToQColor(enabled ? clBlack : clGrayText));

    // The caption keeps the font colour when disabled, as the skinned box draws it.
    int textHeight = QFontMetrics(Font()->ToQFont()).height();
    QRect text(kBoxSize + kTextGap, (height() - textHeight) / 2, width(), textHeight);
    DrawCaptionText(painter, text, Caption(), *Font(), Qt::AlignLeft | Qt::AlignTop);
}

void TPlainCheckBox::AdjustBounds()
{
    if (!m_autoSize || Loading())
        return;
    QFontMetrics metrics(Font()->ToQFont());
    int height = std::max(metrics.height() + 2, kBoxSize) + kAutoSizeExtraHeight;
    int width = kBoxSize + metrics.horizontalAdvance(Caption()) + kAutoSizeExtraWidth;
    SetBounds(x(), y(), width, height);
}
