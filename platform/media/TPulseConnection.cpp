#include "platform/media/TPulseConnection.h"

#include "platform/media/TPulseLibrary.h"
#include "platform/media/TRateAdapter.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// The buffer the server is asked to keep ahead of the sink. The sink's latency follows it,
// so even a sink that cannot rewind for a new sound starts it within about this much.
constexpr int kBufferMs = 40;
// Written beyond what the server asks for, as far as its queue takes it: words reach the
// server whole, and a busy machine cannot starve them.
constexpr int kAheadMs = 10000;
constexpr char kClientName[] = "Zintaro";
constexpr char kStreamName[] = "Word";

} // namespace

// The connection thread's side: the main loop, the server context and the voices. No
// member is touched from another thread.
class TPulseConnection::TLoop {
public:
    TLoop(
        TPulseConnection& owner, const TPulseLibrary& pulse, std::string server, pa_mainloop* loop);
    ~TLoop();
    TLoop(const TLoop&) = delete;
    TLoop& operator=(const TLoop&) = delete;

    void Run();

private:
    struct TVoice {
        TVoice(std::uint64_t id, std::shared_ptr<const TWavSound> sound, TLoop& loop)
            : id(id)
            , sound(std::move(sound))
            , adapter(*this->sound)
            , loop(loop)
        {
        }
        std::uint64_t id;
        std::shared_ptr<const TWavSound> sound;
        TRateAdapter adapter;
        TLoop& loop;
        std::int64_t nextFrame = 0; // in the adapter's frames
        pa_stream* stream = nullptr; // one reference, ours
        pa_operation* drain = nullptr;
        pa_time_event* deadline = nullptr;
    };

    static void OnWake(pa_mainloop_api*, pa_io_event*, int, pa_io_event_flags_t, void* loop);
    static void OnContextState(pa_context* context, void* loop);
    static void OnVoiceState(pa_stream* stream, void* voice);
    static void OnWritable(pa_stream* stream, std::size_t bytes, void* voice);
    static void OnDrained(pa_stream* stream, int success, void* voice);
    static void OnDeadline(pa_mainloop_api*, pa_time_event* event, const timeval*, void* voice);
    static void OnOrphanState(pa_stream* stream, void* loop);

    void RunCommands();
    void Connect();
    void DropContext();
    void StartVoice(std::uint64_t id, std::shared_ptr<const TWavSound> sound, std::int64_t from);
    void OpenStream(TVoice& voice);
    void Write(TVoice& voice, std::size_t bytes);
    // Forgets the voice, telling its owner `report` if there is one.
    void EndVoice(TVoice& voice, std::optional<TVoiceEvent> report);
    void EndVoice(std::uint64_t id);
    // Leaves a stream nobody plays on to the server, which may still answer for it; the
    // last reference goes once it has answered for the last time, at the latest when the
    // context goes.
    void Orphan(pa_stream* stream);
    void Shutdown();

    TPulseConnection& m_owner;
    const TPulseLibrary& m_pulse;
    std::string m_server;
    pa_mainloop* m_mainloop;
    pa_mainloop_api* m_api;
    pa_io_event* m_wake = nullptr;
    pa_context* m_context = nullptr;
    std::map<std::uint64_t, TVoice> m_voices;
};

TPulseConnection::TLoop::TLoop(
    TPulseConnection& owner, const TPulseLibrary& pulse, std::string server, pa_mainloop* loop)
    : m_owner(owner)
    , m_pulse(pulse)
    , m_server(std::move(server))
    , m_mainloop(loop)
    , m_api(m_pulse.mainloop_get_api(loop))
{
}

TPulseConnection::TLoop::~TLoop()
{
    m_pulse.mainloop_free(m_mainloop);
}

void TPulseConnection::TLoop::Run()
{
    m_wake = m_api->io_new(m_api, m_owner.m_wakeFd, PA_IO_EVENT_INPUT, OnWake, this);
    // The first sound is already waiting: it starts once the context is ready.
    Connect();
    m_pulse.mainloop_run(m_mainloop, nullptr);
    m_api->io_free(m_wake);
}

void TPulseConnection::TLoop::OnWake(
    pa_mainloop_api*, pa_io_event*, int fd, pa_io_event_flags_t, void* loop)
{
    std::uint64_t count;
    if (::read(fd, &count, sizeof count) < 0) {
        // Nothing to read: another wake-up took the commands already.
    }
    static_cast<TLoop*>(loop)->RunCommands();
}

void TPulseConnection::TLoop::RunCommands()
{
    for (TCommand& command : m_owner.TakeCommands()) {
        switch (command.kind) {
        case TCommand::TKind::Play:
            StartVoice(command.voice, std::move(command.sound), command.fromFrame);
            break;
        case TCommand::TKind::Stop:
            EndVoice(command.voice);
            break;
        case TCommand::TKind::Quit:
            Shutdown();
            return;
        }
    }
}

void TPulseConnection::TLoop::Connect()
{
    m_context = m_pulse.context_new(m_api, kClientName);
    if (!m_context)
        return;
    m_pulse.context_set_state_callback(m_context, OnContextState, this);
    if (m_pulse.context_connect(m_context, m_server.empty() ? nullptr : m_server.c_str(),
            PA_CONTEXT_NOAUTOSPAWN, nullptr)
        < 0)
        DropContext(); // unless a failure on the way dropped it already
}

void TPulseConnection::TLoop::OnContextState(pa_context* context, void* loop)
{
    auto* self = static_cast<TLoop*>(loop);
    switch (self->m_pulse.context_get_state(context)) {
    case PA_CONTEXT_READY: {
        // Opening a stream may end its voice, so the voices are looked up one by one.
        std::vector<std::uint64_t> waiting;
        for (const auto& [id, voice] : self->m_voices)
            waiting.push_back(id);
        for (std::uint64_t id : waiting) {
            auto it = self->m_voices.find(id);
            if (it != self->m_voices.end() && !it->second.stream)
                self->OpenStream(it->second);
        }
        break;
    }
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        self->DropContext();
        break;
    default:
        break;
    }
}

void TPulseConnection::TLoop::DropContext()
{
    if (!m_context)
        return;
    pa_context* context = std::exchange(m_context, nullptr);
    m_pulse.context_set_state_callback(context, nullptr, nullptr);
    // Streams fail with their server; sounds still waiting for it find none.
    while (!m_voices.empty()) {
        TVoice& voice = m_voices.begin()->second;
        EndVoice(voice, voice.stream ? TVoiceEvent::Failed : TVoiceEvent::NoServer);
    }
    m_pulse.context_disconnect(context);
    m_pulse.context_unref(context);
}

void TPulseConnection::TLoop::StartVoice(
    std::uint64_t id, std::shared_ptr<const TWavSound> sound, std::int64_t from)
{
    // Each new sound seeks a server that was lost or never there.
    if (!m_context)
        Connect();
    if (!m_context) {
        m_owner.Report(id, TVoiceEvent::NoServer);
        return;
    }
    TVoice& voice = m_voices.try_emplace(id, id, std::move(sound), *this).first->second;
    voice.nextFrame = voice.adapter.ToOutputFrame(from);
    timeval at;
    m_pulse.timeval_add(m_pulse.gettimeofday(&at), pa_usec_t { kStartBoundMs } * PA_USEC_PER_MSEC);
    voice.deadline = m_api->time_new(m_api, &at, OnDeadline, &voice);
    if (m_pulse.context_get_state(m_context) == PA_CONTEXT_READY)
        OpenStream(voice);
}

void TPulseConnection::TLoop::OpenStream(TVoice& voice)
{
    const TWavSound& sound = *voice.sound;
    pa_sample_spec format;
    format.format = sound.type == TSampleType::Int16 ? PA_SAMPLE_S16NE : PA_SAMPLE_FLOAT32NE;
    format.rate = static_cast<std::uint32_t>(voice.adapter.Rate());
    format.channels = static_cast<std::uint8_t>(sound.channels);
    pa_buffer_attr buffer;
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength
        = static_cast<std::uint32_t>(m_pulse.usec_to_bytes(kBufferMs * PA_USEC_PER_MSEC, &format));
    buffer.prebuf = static_cast<std::uint32_t>(-1);
    buffer.minreq = static_cast<std::uint32_t>(-1);
    buffer.fragsize = static_cast<std::uint32_t>(-1);

    pa_stream* stream = m_pulse.stream_new(m_context, kStreamName, &format, nullptr);
    if (!stream) {
        EndVoice(voice, TVoiceEvent::Failed);
        return;
    }
    m_pulse.stream_set_state_callback(stream, OnVoiceState, &voice);
    m_pulse.stream_set_write_callback(stream, OnWritable, &voice);
    if (m_pulse.stream_connect_playback(
            stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr)
        < 0) {
        m_pulse.stream_unref(stream);
        EndVoice(voice, TVoiceEvent::Failed);
        return;
    }
    voice.stream = stream;
}

void TPulseConnection::TLoop::OnVoiceState(pa_stream* stream, void* voice)
{
    auto& self = *static_cast<TVoice*>(voice);
    switch (self.loop.m_pulse.stream_get_state(stream)) {
    case PA_STREAM_READY:
        if (self.deadline)
            self.loop.m_api->time_free(std::exchange(self.deadline, nullptr));
        self.loop.m_owner.Report(self.id, TVoiceEvent::Started);
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        self.loop.EndVoice(self, TVoiceEvent::Failed);
        break;
    default:
        break;
    }
}

void TPulseConnection::TLoop::OnWritable(pa_stream*, std::size_t bytes, void* voice)
{
    auto& self = *static_cast<TVoice*>(voice);
    self.loop.Write(self, bytes);
}

void TPulseConnection::TLoop::Write(TVoice& voice, std::size_t bytes)
{
    const pa_buffer_attr* buffer = m_pulse.stream_get_buffer_attr(voice.stream);
    if (buffer && buffer->maxlength > buffer->tlength) {
        const std::size_t ahead = m_pulse.usec_to_bytes(
            kAheadMs * PA_USEC_PER_MSEC, m_pulse.stream_get_sample_spec(voice.stream));
        bytes += std::min<std::size_t>(ahead, buffer->maxlength - buffer->tlength);
    }
    const std::size_t frameBytes = static_cast<std::size_t>(voice.adapter.BytesPerFrame());
    std::int64_t wanted = std::min<std::int64_t>(static_cast<std::int64_t>(bytes / frameBytes),
        voice.adapter.FrameCount() - voice.nextFrame);
    while (wanted > 0) {
        void* data = nullptr;
        std::size_t size = static_cast<std::size_t>(wanted) * frameBytes;
        if (m_pulse.stream_begin_write(voice.stream, &data, &size) < 0 || !data) {
            EndVoice(voice, TVoiceEvent::Failed);
            return;
        }
        const auto frames
            = std::min<std::int64_t>(wanted, static_cast<std::int64_t>(size / frameBytes));
        if (frames == 0) {
            m_pulse.stream_cancel_write(voice.stream);
            break;
        }
        voice.adapter.Render(voice.nextFrame, frames, data);
        if (m_pulse.stream_write(voice.stream, data, static_cast<std::size_t>(frames) * frameBytes,
                nullptr, 0, PA_SEEK_RELATIVE)
            < 0) {
            EndVoice(voice, TVoiceEvent::Failed);
            return;
        }
        voice.nextFrame += frames;
        wanted -= frames;
    }
    if (voice.nextFrame >= voice.adapter.FrameCount() && !voice.drain)
        voice.drain = m_pulse.stream_drain(voice.stream, OnDrained, &voice);
}

void TPulseConnection::TLoop::OnDrained(pa_stream*, int success, void* voice)
{
    auto& self = *static_cast<TVoice*>(voice);
    self.loop.m_pulse.operation_unref(std::exchange(self.drain, nullptr));
    self.loop.EndVoice(self, success ? TVoiceEvent::Finished : TVoiceEvent::Failed);
}

void TPulseConnection::TLoop::OnDeadline(
    pa_mainloop_api* api, pa_time_event* event, const timeval*, void* voice)
{
    auto& self = *static_cast<TVoice*>(voice);
    api->time_free(event);
    self.deadline = nullptr;
    self.loop.EndVoice(self, TVoiceEvent::Failed);
}

void TPulseConnection::TLoop::EndVoice(TVoice& voice, std::optional<TVoiceEvent> report)
{
    if (voice.deadline)
        m_api->time_free(voice.deadline);
    if (voice.drain) {
        // A cancelled request never calls back, whenever its reply comes.
        m_pulse.operation_cancel(voice.drain);
        m_pulse.operation_unref(voice.drain);
    }
    if (voice.stream)
        Orphan(voice.stream);
    if (report)
        m_owner.Report(voice.id, *report);
    m_voices.erase(voice.id);
}

void TPulseConnection::TLoop::EndVoice(std::uint64_t id)
{
    auto it = m_voices.find(id);
    if (it != m_voices.end())
        EndVoice(it->second, std::nullopt);
}

void TPulseConnection::TLoop::Orphan(pa_stream* stream)
{
    m_pulse.stream_set_write_callback(stream, nullptr, nullptr);
    m_pulse.stream_set_state_callback(stream, OnOrphanState, this);
    OnOrphanState(stream, this);
}

void TPulseConnection::TLoop::OnOrphanState(pa_stream* stream, void* loop)
{
    const TPulseLibrary& pulse = static_cast<TLoop*>(loop)->m_pulse;
    switch (pulse.stream_get_state(stream)) {
    case PA_STREAM_READY:
        // Deleting the stream drops what the server holds of it: a cut-off sound stops.
        if (pulse.stream_disconnect(stream) < 0) {
            // The context is going: the stream fails with it, and is let go then.
        }
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        pulse.stream_set_state_callback(stream, nullptr, nullptr);
        pulse.stream_unref(stream);
        break;
    default:
        // Still being made: it is disconnected once the server has made it.
        break;
    }
}

void TPulseConnection::TLoop::Shutdown()
{
    while (!m_voices.empty())
        EndVoice(m_voices.begin()->second, std::nullopt);
    if (m_context) {
        m_pulse.context_set_state_callback(m_context, nullptr, nullptr);
        // Every stream ends with the context, here and now, and is let go.
        m_pulse.context_disconnect(m_context);
        m_pulse.context_unref(std::exchange(m_context, nullptr));
    }
    m_pulse.mainloop_quit(m_mainloop, 0);
}

std::shared_ptr<TPulseConnection> TPulseConnection::For(const std::string& server)
{
    static std::map<std::string, std::weak_ptr<TPulseConnection>> connections;
    std::shared_ptr<TPulseConnection> connection = connections[server].lock();
    if (!connection) {
        connection = std::make_shared<TPulseConnection>(server);
        connections[server] = connection;
    }
    return connection;
}

TPulseConnection::TPulseConnection(std::string server, std::string library)
    : m_server(std::move(server))
    , m_library(std::move(library))
    , m_wakeFd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

void TPulseConnection::Serve()
{
    const TPulseLibrary* pulse = TPulseLibrary::Load(m_library.c_str());
    pa_mainloop* mainloop = pulse ? pulse->mainloop_new() : nullptr;
    if (!mainloop) {
        ServeWithoutServer();
        return;
    }
    TLoop(*this, *pulse, m_server, mainloop).Run();
}

void TPulseConnection::ServeWithoutServer()
{
    for (;;) {
        pollfd wake { m_wakeFd, POLLIN, 0 };
        if (::poll(&wake, 1, -1) < 0 && errno != EINTR)
            return;
        std::uint64_t count;
        if (::read(m_wakeFd, &count, sizeof count) < 0) {
            // Nothing to read: the commands were taken with an earlier wake-up.
        }
        for (const TCommand& command : TakeCommands()) {
            if (command.kind == TCommand::TKind::Quit)
                return;
            if (command.kind == TCommand::TKind::Play)
                Report(command.voice, TVoiceEvent::NoServer);
        }
    }
}

TPulseConnection::~TPulseConnection()
{
    if (m_thread.joinable()) {
        Post({ TCommand::TKind::Quit });
        m_thread.join();
    }
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

std::uint64_t TPulseConnection::Play(
    std::shared_ptr<const TWavSound> sound, std::int64_t fromFrame, TVoiceHandler onEvent)
{
    const std::uint64_t voice = ++m_lastVoice;
    m_handlers[voice] = std::move(onEvent);
    if (!m_thread.joinable() && m_wakeFd >= 0)
        m_thread = std::thread([this] { Serve(); });
    if (m_thread.joinable())
        Post({ TCommand::TKind::Play, voice, std::move(sound), fromFrame });
    else
        Report(voice, TVoiceEvent::NoServer);
    return voice;
}

void TPulseConnection::Stop(std::uint64_t voice)
{
    if (m_handlers.erase(voice) && m_thread.joinable())
        Post({ TCommand::TKind::Stop, voice });
}

void TPulseConnection::Post(TCommand command)
{
    {
        std::lock_guard lock(m_commandsLock);
        m_commands.push_back(std::move(command));
        // Commands already waiting have woken the thread, which takes them all at once:
        // a Stop and the Play after it cost one wake-up.
        if (m_commands.size() > 1)
            return;
    }
    const std::uint64_t one = 1;
    if (::write(m_wakeFd, &one, sizeof one) < 0) {
        // Only a counter at its limit refuses, and then the thread is awake already.
    }
}

std::deque<TPulseConnection::TCommand> TPulseConnection::TakeCommands()
{
    std::lock_guard lock(m_commandsLock);
    return std::exchange(m_commands, {});
}

void TPulseConnection::Report(std::uint64_t voice, TVoiceEvent event)
{
    QMetaObject::invokeMethod(
        &m_receiver, [this, voice, event] { Deliver(voice, event); }, Qt::QueuedConnection);
}

void TPulseConnection::Deliver(std::uint64_t voice, TVoiceEvent event)
{
    auto it = m_handlers.find(voice);
    if (it == m_handlers.end())
        return;
    TVoiceHandler handler = it->second;
    if (event != TVoiceEvent::Started)
        m_handlers.erase(it);
    handler(event);
}
