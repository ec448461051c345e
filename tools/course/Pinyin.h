#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// One spoken syllable: its letters in lower case with "v" for ü, and its tone, 1 to 4,
// or 5 for the light tone.
struct TSyllable {
    std::string letters;
    int tone = 5;
};

// The pinyin of a word as the course shows and speaks it.
struct TPinyin {
    std::vector<TSyllable> syllables;
    std::string display; // as written, tone numbers turned into tone marks
};

// Pinyin that cannot be read; the text says why.
class TPinyinError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads pinyin written with tone marks ("nǐ hǎo", "Zhōngguó") or tone numbers
// ("ni3 hao3", "xie4xie5"; 5 or 0 for the light tone; unmarked syllables are light).
// Joined syllables are split so that their number is `syllableCount` where the letters
// allow it; otherwise the first reading wins and the caller sees the count differ.
// Throws TPinyinError for letters that are no pinyin and for unknown tones.
TPinyin ParsePinyin(std::string_view text, std::size_t syllableCount);

// The syllables as the pinyin voice reads them: "ni3 hao3".
std::string SpokenPinyin(const std::vector<TSyllable>& syllables);
