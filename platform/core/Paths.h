#pragma once

#include <string>

// Paths are UTF-8 byte strings, the system code page here.

// The running program's folder, with a trailing "/".
std::string ExecutableDirectory();

// The running program's file path.
std::string ExecutablePath();

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// "name" of "/a/b/name"; the whole text when it holds no "/".
std::string ExtractFileName(const std::string& path);

// The extension from the last "." of the file name on, "" when there is none.
std::string ExtractFileExt(const std::string& path);
