#include "PrivateSoundServer.h"

#include <QElapsedTimer>
#include <QThread>

#include <csignal>

TPrivateSoundServer::~TPrivateSoundServer()
{
    Kill();
}

bool TPrivateSoundServer::Start()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", m_dir.path());
    environment.insert("PULSE_RUNTIME_PATH", m_dir.path() + "/pulse");
    environment.insert("HOME", m_dir.path());
    m_process.setProcessEnvironment(environment);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.setStandardErrorFile(m_dir.path() + "/server.log");
    // -n skips the default configuration, so root may run it as a private user server.
    m_process.start("pulseaudio",
        { "-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit", "--use-pid-file=false",
            "--log-target=stderr", "--log-level=error",
            "--load=module-null-sink sink_name=private_sink rate=44100",
            "--load=module-native-protocol-unix auth-anonymous=1 socket=" + m_dir.path()
                + "/native" });
    if (!m_process.waitForStarted(3000))
        return false;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        QProcess info;
        info.start("pactl", { "--server", QString::fromStdString(Address()), "info" });
        if (info.waitForFinished(3000) && info.exitCode() == 0)
            return true;
        QThread::msleep(50);
    }
    return false;
}

void TPrivateSoundServer::Pause()
{
    ::kill(static_cast<pid_t>(m_process.processId()), SIGSTOP);
}

void TPrivateSoundServer::Resume()
{
    ::kill(static_cast<pid_t>(m_process.processId()), SIGCONT);
}

void TPrivateSoundServer::Kill()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    ::kill(static_cast<pid_t>(m_process.processId()), SIGKILL);
    m_process.waitForFinished(5000);
}

void TPrivateSoundServer::Wake()
{
    for (const char* suspended : { "1", "0" })
        QProcess::execute("pactl",
            { "--server", QString::fromStdString(Address()), "suspend-sink", "private_sink",
                suspended });
}

std::string TPrivateSoundServer::Address() const
{
    return "unix:" + m_dir.path().toStdString() + "/native";
}
