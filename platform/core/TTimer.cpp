#include "platform/core/TTimer.h"

TTimer::TTimer(QObject* owner)
    : QObject(owner)
{
    m_timer.setTimerType(Qt::CoarseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        // A timer without a handler never ticks; stop it so it costs no wake-ups.
        if (!OnTimer) {
            m_timer.stop();
            return;
        }
        FireEvent(OnTimer);
    });
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(int milliseconds)
{
    if (milliseconds == m_interval)
        return;
    m_interval = milliseconds;
    m_timer.stop();
    UpdateTimer();
}

TNotifyEvent* TTimer::FindEvent(std::string_view name)
{
    return name == "OnTimer" ? &OnTimer : nullptr;
}

void TTimer::UpdateTimer()
{
    bool shouldRun = m_enabled && m_interval > 0;
    if (!shouldRun)
        m_timer.stop();
    else if (!m_timer.isActive())
        m_timer.start(m_interval);
}
