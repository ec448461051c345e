#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

constexpr char32_t kReplacementCharacter = 0xFFFD;

// The code point that starts at byte `at`, and in `length` the bytes it takes. A byte
// that starts no well-formed sequence (overlong, surrogate, past U+10FFFF, cut short)
// reads as U+FFFD one byte long.
char32_t DecodeUtf8At(std::string_view text, std::size_t at, std::size_t& length);

std::vector<char32_t> DecodeUtf8(std::string_view text);

// Whether every byte belongs to a well-formed sequence.
bool IsValidUtf8(std::string_view text);

// A Chinese character: one of the unified ideographs (with their extensions and
// compatibility forms) or the ideographic zero.
bool IsHanCharacter(char32_t code);
