#pragma once

#include "platform/media/TAudioOutput.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QElapsedTimer>
#include <QTimer>

// Plays through Qt's audio sink on one device. The sink pulls the samples from a
// buffer over the decoded sound, on the UI thread.
class TQtAudioOutput : public TAudioOutput {
public:
    explicit TQtAudioOutput(const QAudioDevice& device);
    ~TQtAudioOutput() override;

    void Start(
        std::shared_ptr<const TWavSound> sound, std::int64_t fromFrame, TEndHandler onEnd) override;
    void Stop() override;
    std::int64_t Position() const override;
    bool IsStale() const override;

private:
    void OnStateChanged(QAudio::State state);
    // Reports the end after `delayMs`, from the event loop.
    void End(TPlayEnd how, int delayMs);
    void OnEndTimer();

    QAudioDevice m_device;
    std::shared_ptr<const TWavSound> m_sound;
    std::unique_ptr<QAudioSink> m_sink;
    QBuffer m_buffer;
    std::int64_t m_fromFrame = 0;
    std::int64_t m_stoppedAt = 0;
    QElapsedTimer m_clock;
    QTimer m_endTimer;
    TPlayEnd m_pendingEnd = TPlayEnd::Finished;
    TEndHandler m_onEnd;
};
