#pragma once

#include "platform/core/TEvents.h"

#include <QObject>
#include <QTimer>

// A window timer: calls OnTimer every Interval ms while Enabled. Enabling an enabled
// timer leaves its period running; enabling a disabled one starts a fresh period.
class TTimer : public QObject, public IEventSource {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(int Interval READ Interval WRITE SetInterval)

public:
    explicit TTimer(QObject* owner = nullptr);

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    int Interval() const { return m_interval; }
    void SetInterval(int milliseconds);

    TNotifyEvent OnTimer;
    TNotifyEvent* FindEvent(std::string_view name) override;

    // Whether a period is running now.
    bool Running() const { return m_timer.isActive(); }

private:
    void UpdateTimer();

    QTimer m_timer;
    bool m_enabled = true;
    int m_interval = 1000;
};
