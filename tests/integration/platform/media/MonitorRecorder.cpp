#include "MonitorRecorder.h"

#include <cmath>
#include <cstdint>
#include <pulse/pulseaudio.h>
#include <thread>

namespace {

// Small fragments keep the sink rendering in small blocks and each arrival close to
// the moment its samples were played.
constexpr int kFragmentMs = 5;

} // namespace

TMonitorRecorder::TMonitorRecorder(const std::string& server, const std::string& monitor, int rate)
    : m_rate(rate)
{
    m_loop = pa_threaded_mainloop_new();
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "test recorder");
    pa_context_connect(m_context, server.c_str(), PA_CONTEXT_NOAUTOSPAWN, nullptr);
    pa_threaded_mainloop_start(m_loop);
    for (int waited = 0; waited < 5000; waited += 10) {
        pa_threaded_mainloop_lock(m_loop);
        pa_context_state_t state = pa_context_get_state(m_context);
        pa_threaded_mainloop_unlock(m_loop);
        if (state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state))
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    pa_threaded_mainloop_lock(m_loop);
    if (pa_context_get_state(m_context) == PA_CONTEXT_READY) {
        pa_sample_spec format { PA_SAMPLE_S16NE, static_cast<std::uint32_t>(rate), 1 };
        pa_buffer_attr buffer;
        buffer.maxlength = static_cast<std::uint32_t>(-1);
        buffer.fragsize
            = static_cast<std::uint32_t>(pa_usec_to_bytes(kFragmentMs * PA_USEC_PER_MSEC, &format));
        m_stream = pa_stream_new(m_context, "monitor", &format, nullptr);
        pa_stream_set_read_callback(m_stream, OnReadable, this);
        pa_stream_connect_record(m_stream, monitor.c_str(), &buffer, PA_STREAM_ADJUST_LATENCY);
    }
    pa_threaded_mainloop_unlock(m_loop);
}

TMonitorRecorder::~TMonitorRecorder()
{
    pa_threaded_mainloop_stop(m_loop);
    if (m_stream) {
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
    }
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    pa_threaded_mainloop_free(m_loop);
}

void TMonitorRecorder::OnReadable(pa_stream* stream, std::size_t, void* recorder)
{
    static_cast<TMonitorRecorder*>(recorder)->Read(stream);
}

void TMonitorRecorder::Read(pa_stream* stream)
{
    const void* data = nullptr;
    std::size_t bytes = 0;
    while (pa_stream_peek(stream, &data, &bytes) == 0 && bytes > 0) {
        TFragment fragment { TClock::now(), std::vector<float>(bytes / 2, 0.0F) };
        const auto* samples = static_cast<const std::int16_t*>(data);
        for (std::size_t i = 0; data && i < fragment.samples.size(); ++i)
            fragment.samples[i] = samples[i] / 32768.0F;
        pa_stream_drop(stream);
        std::lock_guard lock(m_lock);
        m_fragments.push_back(std::move(fragment));
    }
}

bool TMonitorRecorder::WaitUntilRunning(int timeoutMs)
{
    for (int waited = 0; waited < timeoutMs && m_stream; waited += 10) {
        pa_threaded_mainloop_lock(m_loop);
        const pa_stream_state_t state = pa_stream_get_state(m_stream);
        pa_threaded_mainloop_unlock(m_loop);
        if (state == PA_STREAM_READY)
            return true;
        if (!PA_STREAM_IS_GOOD(state))
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

std::optional<TMonitorRecorder::TClock::time_point> TMonitorRecorder::FirstSoundAfter(
    TClock::time_point from, float threshold) const
{
    std::lock_guard lock(m_lock);
    for (const TFragment& fragment : m_fragments)
        if (fragment.arrival > from)
            for (float sample : fragment.samples)
                if (std::fabs(sample) > threshold)
                    return fragment.arrival;
    return std::nullopt;
}

double TMonitorRecorder::SecondsAbove(TClock::time_point from, float threshold) const
{
    std::lock_guard lock(m_lock);
    std::size_t count = 0;
    for (const TFragment& fragment : m_fragments)
        if (fragment.arrival > from)
            for (float sample : fragment.samples)
                count += std::fabs(sample) > threshold;
    return static_cast<double>(count) / m_rate;
}
