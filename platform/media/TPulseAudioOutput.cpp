#include "platform/media/TPulseAudioOutput.h"

#include <algorithm>
#include <utility>

TPulseAudioOutput::TPulseAudioOutput(const std::string& server)
    : m_connection(TPulseConnection::For(server))
{
}

TPulseAudioOutput::~TPulseAudioOutput()
{
    Stop();
}

void TPulseAudioOutput::Start(
    std::shared_ptr<const TWavSound> sound, std::int64_t fromFrame, TEndHandler onEnd)
{
    Stop();
    m_fromFrame = std::clamp<std::int64_t>(fromFrame, 0, sound->FrameCount());
    m_stoppedAt = m_fromFrame;
    m_sound = std::move(sound);
    m_onEnd = std::move(onEnd);
    m_started = false;
    m_inSilence = false;
    m_voice
        = m_connection->Play(m_sound, m_fromFrame, [this](TVoiceEvent event) { OnVoice(event); });
}

void TPulseAudioOutput::OnVoice(TVoiceEvent event)
{
    switch (event) {
    case TVoiceEvent::Started:
        m_started = true;
        m_clock.start();
        return;
    case TVoiceEvent::NoServer:
        m_voice = 0;
        m_inSilence = true;
        m_silent.Start(std::move(m_sound), m_fromFrame, std::exchange(m_onEnd, nullptr));
        return;
    case TVoiceEvent::Finished:
    case TVoiceEvent::Failed:
        break;
    }
    const TPlayEnd how = event == TVoiceEvent::Finished ? TPlayEnd::Finished : TPlayEnd::Failed;
    m_stoppedAt = how == TPlayEnd::Finished ? m_sound->FrameCount() : Position();
    m_voice = 0;
    m_sound.reset();
    TEndHandler onEnd = std::exchange(m_onEnd, nullptr);
    if (onEnd)
        onEnd(how);
}

void TPulseAudioOutput::Stop()
{
    if (m_voice) {
        m_stoppedAt = Position();
        m_connection->Stop(std::exchange(m_voice, 0));
    }
    m_silent.Stop();
    m_sound.reset();
    m_onEnd = nullptr;
}

std::int64_t TPulseAudioOutput::Position() const
{
    if (m_inSilence)
        return m_silent.Position();
    if (!m_voice)
        return m_stoppedAt;
    if (!m_started)
        return m_fromFrame;
    const std::int64_t played = m_clock.elapsed() * m_sound->sampleRate / 1000;
    return std::min(m_fromFrame + played, m_sound->FrameCount());
}
