#include "UnwrittenFifo.h"

#include <chrono>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr auto kGrace = std::chrono::seconds(2);

} // namespace

TUnwrittenFifo::TUnwrittenFifo(std::string path)
    : m_path(std::move(path))
{
    if (::mkfifo(m_path.c_str(), 0600) != 0)
        throw std::runtime_error("cannot make named pipe " + m_path);
    m_watch = std::thread([this] {
        const auto deadline = std::chrono::steady_clock::now() + kGrace;
        while (!m_done) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (std::chrono::steady_clock::now() < deadline)
                continue;
            // Succeeds only while a reader has the pipe open, that is, waits in open().
            int fd = ::open(m_path.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                ::close(fd);
                ++m_rescues;
            }
        }
    });
}

TUnwrittenFifo::~TUnwrittenFifo()
{
    m_done = true;
    m_watch.join();
    ::unlink(m_path.c_str());
}
