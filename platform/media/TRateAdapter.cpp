#include "platform/media/TRateAdapter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>

TRateAdapter::TRateAdapter(const TWavSound& sound)
    : m_sound(sound)
    , m_rate(sound.sampleRate)
{
    if (m_rate < kMinRate) {
        m_up = (kMinRate + m_rate - 1) / std::max(1, m_rate);
        m_rate *= m_up;
    } else if (m_rate > kMaxRate) {
        m_down = (m_rate + kMaxRate - 1) / kMaxRate;
        // A rate that is no multiple of the factor plays a few parts per million fast.
        m_rate = (m_rate + m_down / 2) / m_down;
    }
}

std::int64_t TRateAdapter::FrameCount() const
{
    return (m_sound.FrameCount() * m_up + m_down - 1) / m_down;
}

std::int64_t TRateAdapter::ToOutputFrame(std::int64_t frame) const
{
    return frame * m_up / m_down;
}

void TRateAdapter::Render(std::int64_t first, std::int64_t count, void* out) const
{
    if (m_sound.type == TSampleType::Int16)
        RenderSamples(m_sound.int16Samples.data(), first, count, static_cast<std::int16_t*>(out));
    else
        RenderSamples(m_sound.floatSamples.data(), first, count, static_cast<float*>(out));
}

template <typename T>
void TRateAdapter::RenderSamples(const T* in, std::int64_t first, std::int64_t count, T* out) const
{
    const int channels = m_sound.channels;
    const std::int64_t last = m_sound.FrameCount() - 1;
    if (m_up == 1 && m_down == 1) {
        std::memcpy(
            out, in + first * channels, static_cast<std::size_t>(count * channels) * sizeof(T));
        return;
    }
    // Wide enough for a sum of a few samples or a difference times the factor.
    using TWide = std::conditional_t<std::is_integral_v<T>, std::int64_t, double>;
    for (std::int64_t j = first; j < first + count; ++j) {
        for (int c = 0; c < channels; ++c) {
            TWide value;
            if (m_up > 1) {
                const std::int64_t i = j / m_up;
                const TWide from = in[i * channels + c];
                const TWide to = in[std::min(i + 1, last) * channels + c];
                value = from + (to - from) * static_cast<TWide>(j % m_up) / m_up;
            } else {
                const std::int64_t begin = j * m_down;
                const std::int64_t end = std::min(begin + m_down, last + 1);
                TWide sum = 0;
                for (std::int64_t i = begin; i < end; ++i)
                    sum += in[i * channels + c];
                value = sum / static_cast<TWide>(end - begin);
            }
            *out++ = static_cast<T>(value);
        }
    }
}
