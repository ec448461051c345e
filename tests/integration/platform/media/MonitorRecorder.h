#pragma once

#include <chrono>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;

// Records a sink's monitor in small fragments and notes when each fragment arrived: a
// sample cannot arrive before the sink has played it, and arrives at most one fragment
// and the local socket's delay after, so its arrival bounds when it was played.
class TMonitorRecorder {
public:
    using TClock = std::chrono::steady_clock;

    TMonitorRecorder(const std::string& server, const std::string& monitor, int rate);
    ~TMonitorRecorder();
    TMonitorRecorder(const TMonitorRecorder&) = delete;
    TMonitorRecorder& operator=(const TMonitorRecorder&) = delete;

    // Waits until samples flow; false when they never do.
    bool WaitUntilRunning(int timeoutMs = 5000);
    // The first sample above `threshold` that arrived after `from`, and when it arrived;
    // nothing when there is none.
    std::optional<TClock::time_point> FirstSoundAfter(
        TClock::time_point from, float threshold) const;
    // Seconds of samples above `threshold` among those that arrived after `from`.
    double SecondsAbove(TClock::time_point from, float threshold) const;

private:
    struct TFragment {
        TClock::time_point arrival;
        std::vector<float> samples;
    };

    static void OnReadable(pa_stream* stream, std::size_t bytes, void* recorder);
    void Read(pa_stream* stream);

    int m_rate;
    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    mutable std::mutex m_lock;
    std::vector<TFragment> m_fragments;
};
