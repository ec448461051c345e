#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The most text a note memo holds. Larger notes are refused with "Text exceeds memo
// capacity" before the file is read whole.
constexpr std::size_t kMemoCapacity = 1024 * 1024;

// Every line break (CR, LF or CR LF) becomes one CR LF; the text ends at its first NUL.
std::string NormaliseNoteText(std::string_view bytes);

// Reads a note file and normalises it; EFOpenError when it cannot be opened,
// EOutOfResources when it exceeds kMemoCapacity.
std::string LoadNoteFile(const std::string& path);
