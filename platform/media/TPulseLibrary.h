#pragma once

#include <pulse/pulseaudio.h>

// Every function of the sound server's client library that the connection uses.
#define ZINTARO_PULSE_FUNCTIONS(F)                                                                 \
    F(context_connect)                                                                             \
    F(context_disconnect)                                                                          \
    F(context_get_state)                                                                           \
    F(context_new)                                                                                 \
    F(context_set_state_callback)                                                                  \
    F(context_unref)                                                                               \
    F(gettimeofday)                                                                                \
    F(mainloop_free)                                                                               \
    F(mainloop_get_api)                                                                            \
    F(mainloop_new)                                                                                \
    F(mainloop_quit)                                                                               \
    F(mainloop_run)                                                                                \
    F(operation_cancel)                                                                            \
    F(operation_unref)                                                                             \
    F(stream_begin_write)                                                                          \
    F(stream_cancel_write)                                                                         \
    F(stream_connect_playback)                                                                     \
    F(stream_disconnect)                                                                           \
    F(stream_drain)                                                                                \
    F(stream_get_buffer_attr)                                                                      \
    F(stream_get_sample_spec)                                                                      \
    F(stream_get_state)                                                                            \
    F(stream_new)                                                                                  \
    F(stream_set_state_callback)                                                                   \
    F(stream_set_write_callback)                                                                   \
    F(stream_unref)                                                                                \
    F(stream_write)                                                                                \
    F(timeval_add)                                                                                 \
    F(usec_to_bytes)

// The sound server's client library, loaded by the connection thread at the first sound
// rather than linked into the program: the start neither waits for it and the dozen codec
// libraries it brings nor shares the processor with their loading while the window first
// paints. `pulse.stream_new(...)` calls pa_stream_new.
struct TPulseLibrary {
    static constexpr const char* kName = "libpulse.so.0";

    // The library of that name, loaded once and kept; null if it is not installed or lacks
    // a function, with the reason written to the error output.
    static const TPulseLibrary* Load(const char* name = kName);

#define ZINTARO_PULSE_POINTER(name) decltype(&::pa_##name) name = nullptr;
    ZINTARO_PULSE_FUNCTIONS(ZINTARO_PULSE_POINTER)
#undef ZINTARO_PULSE_POINTER
};
