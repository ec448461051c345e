#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The most text a note memo holds. Larger notes are refused with "Text exceeds memo
// capacity" before the file is read whole.
constexpr std::size_t kMemoCapacity = 1024 * 1024;

// The longest line a memo is given to lay out, in bytes. Laying out one line costs Qt
// time that grows with the square of its length (a 1 MiB line without blanks took
// minutes); a memo shows only its first lines, and a line this long wraps into more of
// them than any memo has room for.
constexpr std::size_t kMemoLineMax = 4096;

// The text as a memo lays it out: every line longer than `maxLine` bytes (at least 1) is
// broken by CR LF into pieces of at most that many bytes, never inside a UTF-8 character.
// Lines end at CR or LF; shorter lines and every line end stay as they are.
std::string BreakLongLines(std::string_view text, std::size_t maxLine = kMemoLineMax);

// The most lines given to a memo that cannot scroll: more than any memo has room for.
// A megabyte of short lines costs Qt a second to take in (half a million blocks).
constexpr std::size_t kMemoLinesShown = 1024;

// The first `maxLines` lines of `text`, for a memo that cannot scroll and so shows only
// its first lines. Lines end at CR, LF or CR LF.
std::string_view LeadingLines(std::string_view text, std::size_t maxLines = kMemoLinesShown);

// Every line break (CR, LF or CR LF) becomes one CR LF; the text ends at its first NUL.
std::string NormaliseNoteText(std::string_view bytes);

// Reads a note file and normalises it; EFOpenError when it cannot be opened,
// EOutOfResources when it exceeds kMemoCapacity.
std::string LoadNoteFile(const std::string& path);
