#pragma once

#include "platform/media/TAudioOutput.h"

#include <QElapsedTimer>
#include <QTimer>

// Plays in silence where there is no sound server: the sound takes its time and ends
// as it would on a real device.
class TNullAudioOutput : public TAudioOutput {
public:
    TNullAudioOutput();

    void Start(
        std::shared_ptr<const TWavSound> sound, std::int64_t fromFrame, TEndHandler onEnd) override;
    void Stop() override;
    std::int64_t Position() const override;

private:
    std::int64_t m_fromFrame = 0;
    std::int64_t m_frameCount = 0;
    int m_sampleRate = 1;
    bool m_running = false;
    QElapsedTimer m_clock;
    QTimer m_endTimer;
    TEndHandler m_onEnd;
};
