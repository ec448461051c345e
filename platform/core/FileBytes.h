#pragma once

#include <cstddef>
#include <string>

// Reads a whole file into memory. Fails with EFOpenError "Cannot open file "<full path>".
// <system text>" when it cannot be opened or read, or is not a regular file (see
// OpenRegularFile). A limit guards against files that would not fit where they are
// going: past `limit` bytes `onTooLarge` is thrown instead, before the rest is read.
std::string ReadFileBytes(const std::string& path);

struct TFileLimit {
    std::size_t maxBytes;
    const char* tooLargeMessage; // thrown as EOutOfResources
};
std::string ReadFileBytes(const std::string& path, const TFileLimit& limit);

// Opens a file for reading without ever waiting on it. Anything but a regular
// file is refused at once: a folder with EISDIR, a named pipe, socket or device with
// ENXIO. Returns the descriptor (the caller closes it), or -1 with errno set.
int OpenRegularFile(const std::string& path);

// The absolute form of `path`, as error messages show it.
std::string ExpandFileName(const std::string& path);
