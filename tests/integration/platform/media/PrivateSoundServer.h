#pragma once

#include <QProcess>
#include <QTemporaryDir>

#include <string>

// A sound server of the test's own, with one null sink, on a socket in a folder of its
// own: the test may stop, kill and restart it while other tests use the shared one.
class TPrivateSoundServer {
public:
    static constexpr char kMonitor[] = "private_sink.monitor";

    ~TPrivateSoundServer();

    // Starts the server (again, after Kill); false when it did not come up.
    bool Start();
    void Pause();
    void Resume();
    void Kill();
    // A fresh null sink renders its first two seconds in one block, deaf to what starts
    // meanwhile; suspending and resuming it makes it follow its clients from now on.
    void Wake();
    // The address a client connects to.
    std::string Address() const;

private:
    QTemporaryDir m_dir;
    QProcess m_process;
};
