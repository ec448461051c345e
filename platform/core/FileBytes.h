#pragma once

#include <cstddef>
#include <string>

// Reads a whole file into memory. Fails with EFOpenError "Cannot open file "<full path>".
// <system text>" when it cannot be opened or read. A limit guards against files that
// would not fit where they are going: past `limit` bytes `onTooLarge` is thrown
// instead, before the rest of the file is read.
std::string ReadFileBytes(const std::string& path);

struct TFileLimit {
    std::size_t maxBytes;
    const char* tooLargeMessage; // thrown as EOutOfResources
};
std::string ReadFileBytes(const std::string& path, const TFileLimit& limit);

// The absolute form of `path`, as error messages show it.
std::string ExpandFileName(const std::string& path);
