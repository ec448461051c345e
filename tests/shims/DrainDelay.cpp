// Preloaded under a test: the sound thread sleeps 30 ms after asking the server to drain
// or delete a stream, so the server's replies come late against whatever the program
// does next, as on a busy desktop.

#include <dlfcn.h>
#include <pulse/stream.h>
#include <unistd.h>

namespace {

constexpr useconds_t kDelayUs = 30000;

template <typename T> T Real(const char* name)
{
    return reinterpret_cast<T>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" pa_operation* pa_stream_drain(pa_stream* stream, pa_stream_success_cb_t done, void* data)
{
    static const auto real = Real<decltype(&pa_stream_drain)>("pa_stream_drain");
    pa_operation* operation = real(stream, done, data);
    usleep(kDelayUs);
    return operation;
}

extern "C" int pa_stream_disconnect(pa_stream* stream)
{
    static const auto real = Real<decltype(&pa_stream_disconnect)>("pa_stream_disconnect");
    const int result = real(stream);
    usleep(kDelayUs);
    return result;
}
