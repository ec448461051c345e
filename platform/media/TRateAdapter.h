#pragma once

#include "platform/media/TWavDecoder.h"

#include <cstdint>

// A sound's frames at a rate the sound server takes. Rates below the range are raised
// by a whole factor (linear interpolation), rates above it lowered by one (averaging),
// so a sound keeps its length and no rate the decoder accepts reaches the server.
class TRateAdapter {
public:
    // The lowest rate sound devices commonly run at; far below it the server's buffer
    // sizes, counted in whole frames, come out at nothing.
    static constexpr int kMinRate = 8000;
    // The highest rate the server takes.
    static constexpr int kMaxRate = 384000;

    // The sound must outlive the adapter.
    explicit TRateAdapter(const TWavSound& sound);

    int Rate() const { return m_rate; }
    std::int64_t FrameCount() const;
    int BytesPerFrame() const { return m_sound.BytesPerFrame(); }
    // The output frame where input frame `frame` is heard.
    std::int64_t ToOutputFrame(std::int64_t frame) const;
    // Writes `count` frames from output frame `first` to `out`, in the sound's sample type.
    void Render(std::int64_t first, std::int64_t count, void* out) const;

private:
    template <typename T>
    void RenderSamples(const T* in, std::int64_t first, std::int64_t count, T* out) const;

    const TWavSound& m_sound;
    int m_up = 1; // output frames per input frame
    int m_down = 1; // input frames per output frame
    int m_rate;
};
