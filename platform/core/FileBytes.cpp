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

// Why a file that is not a plain file is refused, in the system's words.
int NotRegularError(const struct stat& info) { return S_ISDIR(info.st_mode) ? EISDIR : ENXIO; }

std::string ReadAll(const std::string& path, const TFileLimit* limit)
{
    TFileDescriptor file(OpenRegularFile(path));
    if (file.Get() < 0)
        ThrowOpenError(path, errno);
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0)
        ThrowOpenError(path, errno);
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
        // Files that grow while they are read are still bounded.
        if (limit && bytes.size() > limit->maxBytes)
            throw EOutOfResources(limit->tooLargeMessage);
    }
    return bytes;
}

} // namespace

int OpenRegularFile(const std::string& path)
{
    // Looked at before opening, so a device is never opened (opening some has effects);
    // checked again on the descriptor, in case the name changed hands in between.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return -1;
    if (!S_ISREG(info.st_mode)) {
        errno = NotRegularError(info);
        return -1;
    }
    // Without O_NONBLOCK, opening a named pipe waits for a writer.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return -1;
    int error = 0;
    if (::fstat(fd, &info) != 0)
        error = errno;
    else if (!S_ISREG(info.st_mode))
        error = NotRegularError(info);
    if (error != 0) {
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

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
