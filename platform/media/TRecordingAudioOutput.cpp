#include "platform/media/TRecordingAudioOutput.h"

#include <algorithm>

void TRecordingAudioOutput::Start(
    std::shared_ptr<const TWavSound> sound, std::int64_t fromFrame, TEndHandler onEnd)
{
    Stop();
    TPlay play;
    play.fromFrame = std::clamp<std::int64_t>(fromFrame, 0, sound->FrameCount());
    play.sound = std::move(sound);
    m_plays.push_back(std::move(play));
    m_onEnd = std::move(onEnd);
    m_active = true;
}

void TRecordingAudioOutput::Stop()
{
    if (m_active)
        m_plays.back().stopped = true;
    m_active = false;
    m_onEnd = nullptr;
}

std::int64_t TRecordingAudioOutput::Position() const
{
    if (m_plays.empty())
        return 0;
    const TPlay& play = m_plays.back();
    return play.fromFrame + play.framesPlayed;
}

void TRecordingAudioOutput::Advance(std::int64_t frames)
{
    if (!m_active)
        return;
    TPlay& play = m_plays.back();
    const std::int64_t left = play.sound->FrameCount() - play.fromFrame - play.framesPlayed;
    play.framesPlayed += std::min(frames, left);
    if (frames < left)
        return;
    play.finished = true;
    m_active = false;
    TEndHandler onEnd = std::move(m_onEnd);
    m_onEnd = nullptr;
    if (onEnd)
        onEnd(TPlayEnd::Finished);
}

void TRecordingAudioOutput::Fail()
{
    if (!m_active)
        return;
    m_active = false;
    TEndHandler onEnd = std::move(m_onEnd);
    m_onEnd = nullptr;
    if (onEnd)
        onEnd(TPlayEnd::Failed);
}

std::vector<float> TRecordingAudioOutput::Heard(int channel) const
{
    std::vector<float> heard;
    for (const TPlay& play : m_plays) {
        const int c = std::min(channel, play.sound->channels - 1);
        for (std::int64_t i = 0; i < play.framesPlayed; ++i)
            heard.push_back(play.sound->SampleAt(play.fromFrame + i, c));
    }
    return heard;
}
