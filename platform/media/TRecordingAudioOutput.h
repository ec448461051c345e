#pragma once

#include "platform/media/TAudioOutput.h"

#include <vector>

// An output for tests: it keeps every sound it was given and plays only when told to,
// frame by frame, so that what was heard is known exactly.
class TRecordingAudioOutput : public TAudioOutput {
public:
    struct TPlay {
        std::shared_ptr<const TWavSound> sound;
        std::int64_t fromFrame = 0;
        std::int64_t framesPlayed = 0;
        bool stopped = false; // cut off before its end
        bool finished = false; // reached its end
    };

    void Start(
        std::shared_ptr<const TWavSound> sound, std::int64_t fromFrame, TEndHandler onEnd) override;
    void Stop() override;
    std::int64_t Position() const override;

    // Plays up to `frames` more of the current sound; at its end the end handler runs.
    void Advance(std::int64_t frames);
    void AdvanceToEnd() { Advance(INT64_MAX); }
    // The device gives up on the current sound.
    void Fail();

    bool Playing() const { return m_active; }
    const std::vector<TPlay>& Plays() const { return m_plays; }
    // Every sample played so far, in order, on a -1..1 scale; `channel` of each frame.
    std::vector<float> Heard(int channel = 0) const;

private:
    std::vector<TPlay> m_plays;
    bool m_active = false;
    TEndHandler m_onEnd;
};
