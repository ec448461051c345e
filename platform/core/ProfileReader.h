#pragma once

#include <string>

// Reads one value from an INI file, the way course descriptors are read.
//
// Rules:
// - Lines end at LF, CR LF or CR. A UTF-8 byte-order mark at the start is skipped.
// - Blanks (spaces and tabs) around section names, key names and values are ignored.
// - "[name]" starts a section; section and key names compare without regard to ASCII case.
// - "key=value" inside a section defines a key; lines without "=" are ignored, and so are
//   lines whose first non-blank character is ";" (comments).
// - A value enclosed in matching double or single quotes loses the quotes.
// - The first match in the file wins, even if the section or key appears again later.
// - The value is cut to 2047 bytes.
// - It never fails: a missing or unreadable file (a named pipe or anything else that is
//   not a regular file included), section or key yields `defaultValue`.
//   A key that is present with an empty value yields "".
// The file is scanned line by line; only the start of each line is kept, so a huge or
// hostile file costs time in proportion to its size and no more memory than one line.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& path);

constexpr std::size_t kProfileValueMax = 2047;
