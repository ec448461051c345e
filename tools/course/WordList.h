#pragma once

#include "tools/course/Pinyin.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// One word of a list: what its card, note and sound are made from.
struct TWordEntry {
    int line = 0; // in the list file, from 1
    std::string characters;
    TPinyin pinyin;
    std::string meaning;
    std::string note; // line breaks as LF; may be empty
    std::string recording; // path of the learner's own WAV, empty for a synthesised one
};

// A list that cannot be built, worded "<list>:<line>: <what is wrong>".
class TWordListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Limits on what a list may hold. A card has room for eight characters.
constexpr std::size_t kMaxListBytes = 16u << 20;
constexpr std::size_t kMaxLineBytes = 64u << 10;
constexpr std::size_t kMaxWords = 100'000;
constexpr std::size_t kMaxCharacters = 8;
constexpr std::size_t kMaxPinyinBytes = 256;

enum class TListFormat { Tabs, Commas };

// The format a list's file name asks for: commas for ".csv", tabs otherwise.
TListFormat ListFormatOf(const std::string& path);

// Reads a UTF-8 list: one word a line, Chinese, pinyin, English, then an optional note
// ("\n" in it breaks the line) and an optional recording, relative to `listFolder`.
// Blank lines and lines starting with "#" are skipped. Comma lists quote fields with
// double quotes. `listName` names the list in messages.
std::vector<TWordEntry> ParseWordList(std::string_view bytes, TListFormat format,
    const std::string& listName, const std::string& listFolder);

// Reads the list file (never waiting on a pipe or device) and parses it.
std::vector<TWordEntry> ReadWordList(const std::string& path);
