#include "platform/core/FileBytes.h"

#include "platform/core/Exceptions.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;

[[noreturn]] void ThrowOpenError(const std::string& path, int error)
{
    throw EFOpenError("Cannot open file \"" + ExpandFileName(path) + "\". " + std::strerror(error));
}

class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~TFileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

std::string ReadAll(const std::string& path, const TFileLimit* limit)
{
    TFileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0)
        ThrowOpenError(path, errno);
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0)
        ThrowOpenError(path, errno);
    if (S_ISDIR(info.st_mode))
        ThrowOpenError(path, EISDIR);
    if (limit && info.st_size > 0 && static_cast<std::size_t>(info.st_size) > limit->maxBytes)
        throw EOutOfResources(limit->tooLargeMessage);

    std::string bytes;
    if (info.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    char chunk[kReadChunk];
    for (;;) {
        ssize_t got = ::read(file.Get(), chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ThrowOpenError(path, errno);
        }
        if (got == 0)
            break;
        bytes.append(chunk, static_cast<std::size_t>(got));
        // Files that grow while read, or report no size (pipes), are still bounded.
        if (limit && bytes.size() > limit->maxBytes)
            throw EOutOfResources(limit->tooLargeMessage);
    }
    return bytes;
}

} // namespace

std::string ReadFileBytes(const std::string& path) { return ReadAll(path, nullptr); }

std::string ReadFileBytes(const std::string& path, const TFileLimit& limit)
{
    return ReadAll(path, &limit);
}

std::string ExpandFileName(const std::string& path)
{
    std::error_code error;
    auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}
