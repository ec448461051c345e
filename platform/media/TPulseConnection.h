#pragma once

#include "platform/media/TPulseLibrary.h"
#include "platform/media/TWavDecoder.h"

#include <QObject>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

// What becomes of a sound handed to the server, told on the UI thread from the event loop.
enum class TVoiceEvent {
    Started, // the server took the stream and its first samples
    Finished, // the server has played the last sample
    Failed, // the server gave up on it, or did not take it within the start bound
    NoServer, // there is no server to play it on
};

// One connection to a sound server, run on a thread of its own so that the UI thread
// never waits on the server. The UI thread hands it sounds ("voices") and stops them;
// the connection thread alone touches the server's objects, and frees each one only once
// the server can no longer answer for it. A lost server is sought again by the next sound.
class TPulseConnection {
public:
    using TVoiceHandler = std::function<void(TVoiceEvent)>;

    // How long a sound may wait for the server to take it before it is dropped.
    static constexpr int kStartBoundMs = 250;

    // The connection to `server` ("" for the user's default server), shared by every
    // output of the UI thread. Its thread loads the client library and connects at the
    // first sound, so that a program's start never waits for either.
    static std::shared_ptr<TPulseConnection> For(const std::string& server);

    // `library` is the client library's file name (another one only under a test).
    explicit TPulseConnection(std::string server, std::string library = TPulseLibrary::kName);
    ~TPulseConnection();
    TPulseConnection(const TPulseConnection&) = delete;
    TPulseConnection& operator=(const TPulseConnection&) = delete;

    // Plays `sound` from `fromFrame`; `onEvent` hears of it until it ends or is stopped.
    std::uint64_t Play(
        std::shared_ptr<const TWavSound> sound, std::int64_t fromFrame, TVoiceHandler onEvent);
    // Cuts the voice off; nothing more is told of it.
    void Stop(std::uint64_t voice);

private:
    class TLoop;
    struct TCommand {
        enum class TKind { Play, Stop, Quit } kind;
        std::uint64_t voice = 0;
        std::shared_ptr<const TWavSound> sound;
        std::int64_t fromFrame = 0;
    };

    // The connection thread's whole life: the library loaded, then its main loop run.
    void Serve();
    // Without the library there is no server to seek: every sound is told so at once.
    void ServeWithoutServer();
    void Post(TCommand command);
    // Called on the connection thread; the event reaches the voice's handler on the UI thread.
    void Report(std::uint64_t voice, TVoiceEvent event);
    void Deliver(std::uint64_t voice, TVoiceEvent event);
    // Taken by the connection thread, all at once.
    std::deque<TCommand> TakeCommands();

    const std::string m_server;
    const std::string m_library;
    std::mutex m_commandsLock; // held only to push or take commands
    std::deque<TCommand> m_commands;
    int m_wakeFd = -1; // tells the connection thread there are commands
    std::thread m_thread;
    // UI thread only.
    std::uint64_t m_lastVoice = 0;
    std::map<std::uint64_t, TVoiceHandler> m_handlers;
    QObject m_receiver; // events are delivered in its (the UI) thread
};
