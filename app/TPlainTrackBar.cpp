#include "app/TPlainTrackBar.h"

#include "platform/forms/PlainPaint.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <climits>

namespace {

// The knob's size matches the skinned slider picture.
constexpr int kKnobWidth = 11;
constexpr int kKnobHeight = 21;
constexpr int kChannelHeight = 4;
constexpr int kTickLength = 3;

} // namespace

TPlainTrackBar::TPlainTrackBar(QWidget* parent)
    : TControl(parent)
{
    SetBounds(0, 0, 150, 45);
    setFocusPolicy(Qt::StrongFocus);
}

void TPlainTrackBar::SetMin(int min)
{
    m_min = min;
    SetPosition(m_position);
    update();
}

void TPlainTrackBar::SetMax(int max)
{
    m_max = max;
    SetPosition(m_position);
    update();
}

void TPlainTrackBar::SetPosition(int position)
{
    position = std::clamp(position, m_min, std::max(m_min, m_max));
    if (position == m_position)
        return;
    m_position = position;
    update();
    if (!Loading())
        FireEvent(OnChange);
}

void TPlainTrackBar::SetFrequency(int frequency)
{
    m_frequency = frequency;
    update();
}

void TPlainTrackBar::SetShowTick(bool showTick)
{
    m_showTick = showTick;
    update();
}

TNotifyEvent* TPlainTrackBar::FindEvent(std::string_view name)
{
    return name == "OnChange" ? &OnChange : TControl::FindEvent(name);
}

long long TPlainTrackBar::Range() const
{
    return std::max(0LL, (long long)m_max - m_min);
}

int TPlainTrackBar::KnobLeft() const
{
    long long span = std::max(0, width() - kKnobWidth);
    long long range = Range();
    return range == 0 ? 0 : int(((long long)m_position - m_min) * span / range);
}

int TPlainTrackBar::PositionAt(int x) const
{
    long long span = std::max(0, width() - kKnobWidth);
    if (span == 0)
        return m_min;
    long long offset = std::clamp<long long>(x - kKnobWidth / 2, 0, span);
    return int(m_min + (offset * Range() + span / 2) / span);
}

void TPlainTrackBar::MoveBy(long long delta)
{
    long long target = std::clamp<long long>(m_position + delta, INT_MIN, INT_MAX);
    SetPosition(int(target));
}

void TPlainTrackBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Color()));
    int knobHeight = std::min(kKnobHeight, height());
    int channelTop = (knobHeight - kChannelHeight) / 2;
    QRect channel(kKnobWidth / 2, channelTop, std::max(0, width() - kKnobWidth), kChannelHeight);
    DrawBevel(painter, channel, TBevel::Sunken);

    // Ticks are drawn only while they stay at least two pixels apart.
    long long range = Range();
    if (m_showTick && m_frequency > 0 && range / m_frequency <= channel.width() / 2) {
        for (long long step = 0; step <= range; step += m_frequency) {
            int x = channel.left() + int(range == 0 ? 0 : step * channel.width() / range);
            painter.fillRect(QRect(x, knobHeight, 1, kTickLength), ToQColor(clBtnShadow));
        }
    }

    QRect knob(KnobLeft(), 0, kKnobWidth, knobHeight);
    painter.fillRect(knob, ToQColor(clBtnFace));
    DrawBevel(painter, knob, TBevel::Raised);
}

void TPlainTrackBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        SetPosition(PositionAt(event->position().toPoint().x()));
}

void TPlainTrackBar::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        SetPosition(PositionAt(event->position().toPoint().x()));
}

void TPlainTrackBar::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        return MoveBy(-(long long)m_lineSize);
    case Qt::Key_Right:
    case Qt::Key_Down:
        return MoveBy(m_lineSize);
    case Qt::Key_PageUp:
        return MoveBy(-(long long)m_pageSize);
    case Qt::Key_PageDown:
        return MoveBy(m_pageSize);
    case Qt::Key_Home:
        return SetPosition(m_min);
    case Qt::Key_End:
        return SetPosition(m_max);
    default:
        TControl::keyPressEvent(event);
    }
}
