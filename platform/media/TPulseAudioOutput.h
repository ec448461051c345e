#pragma once

#include "platform/media/TAudioOutput.h"
#include "platform/media/TNullAudioOutput.h"
#include "platform/media/TPulseConnection.h"

#include <QElapsedTimer>

#include <string>

// Plays on a PulseAudio (or PipeWire) server through a connection on its own thread:
// starting and stopping never wait on the server. Where there is no server the sound
// plays in silence, and the next sound looks for one again.
class TPulseAudioOutput : public TAudioOutput {
public:
    // `server` as the server's clients name it ("unix:/run/.../native"); "" for the default.
    explicit TPulseAudioOutput(const std::string& server = "");
    ~TPulseAudioOutput() override;

    void Start(
        std::shared_ptr<const TWavSound> sound, std::int64_t fromFrame, TEndHandler onEnd) override;
    void Stop() override;
    std::int64_t Position() const override;

private:
    void OnVoice(TVoiceEvent event);

    std::shared_ptr<TPulseConnection> m_connection;
    std::uint64_t m_voice = 0; // 0 when the server plays nothing of ours
    std::shared_ptr<const TWavSound> m_sound;
    std::int64_t m_fromFrame = 0;
    std::int64_t m_stoppedAt = 0;
    bool m_started = false;
    QElapsedTimer m_clock; // since the server took the sound
    TEndHandler m_onEnd;
    TNullAudioOutput m_silent;
    bool m_inSilence = false;
};
