#include "platform/media/TNullAudioOutput.h"

#include <algorithm>
#include <climits>

TNullAudioOutput::TNullAudioOutput()
{
    m_endTimer.setSingleShot(true);
    m_endTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_endTimer, &QTimer::timeout, [this] {
        m_running = false;
        m_fromFrame = m_frameCount;
        TEndHandler onEnd = std::move(m_onEnd);
        m_onEnd = nullptr;
        if (onEnd)
            onEnd(TPlayEnd::Finished);
    });
}

void TNullAudioOutput::Start(
    std::shared_ptr<const TWavSound> sound, std::int64_t fromFrame, TEndHandler onEnd)
{
    Stop();
    m_frameCount = sound->FrameCount();
    m_sampleRate = std::max(1, sound->sampleRate);
    m_fromFrame = std::clamp<std::int64_t>(fromFrame, 0, m_frameCount);
    m_onEnd = std::move(onEnd);
    m_running = true;
    const std::int64_t frames = m_frameCount - m_fromFrame;
    const std::int64_t ms = (frames * 1000 + m_sampleRate - 1) / m_sampleRate;
    m_clock.start();
    m_endTimer.start(static_cast<int>(std::min<std::int64_t>(ms, INT_MAX)));
}

void TNullAudioOutput::Stop()
{
    m_fromFrame = Position();
    m_running = false;
    m_endTimer.stop();
    m_onEnd = nullptr;
}

std::int64_t TNullAudioOutput::Position() const
{
    if (!m_running)
        return m_fromFrame;
    const std::int64_t played = m_clock.elapsed() * m_sampleRate / 1000;
    return std::min(m_fromFrame + played, m_frameCount);
}
