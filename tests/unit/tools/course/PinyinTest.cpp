#include "tools/course/Pinyin.h"

#include <gtest/gtest.h>

namespace {

struct TReading {
    const char* written;
    std::size_t characters;
    const char* spoken;
    const char* display;
};

// Tone marks, tone numbers, joined syllables split by the character count, ü in every
// spelling, decomposed marks and capitals.
constexpr TReading kReadings[] = {
    {"nǐ hǎo", 2, "ni3 hao3", "nǐ hǎo"},
    {"xièxie", 2, "xie4 xie5", "xièxie"},
    {"Zhōngguó", 2, "zhong1 guo2", "Zhōngguó"},
    {"dàxuéshēng", 3, "da4 xue2 sheng1", "dàxuéshēng"},
    {"ni3 hao3", 2, "ni3 hao3", "nǐ hǎo"},
    {"xie4xie5", 2, "xie4 xie5", "xièxie"},
    {"zhong1guo2", 2, "zhong1 guo2", "zhōngguó"},
    {"ZHONG1 GUO2", 2, "zhong1 guo2", "ZHŌNG GUÓ"},
    {"ma0", 1, "ma5", "ma"},
    {"lao3shi1", 2, "lao3 shi1", "lǎoshī"},
    {"gou3", 1, "gou3", "gǒu"},
    {"lv4", 1, "lv4", "lǜ"},
    {"lü4", 1, "lv4", "lǜ"},
    {"nü\u030C", 1, "nv3", "nü\u030C"},
    {"ni\u030C", 1, "ni3", "ni\u030C"},
    {"ju2", 1, "ju2", "jú"},
    {"xüe2", 1, "xue2", "xüé"},
    {"Xī'ān", 2, "xi1 an1", "Xī'ān"},
    {"xian", 1, "xian5", "xian"},
    {"fangan", 2, "fan5 gan5", "fangan"},
    {"nǐ hǎo!", 2, "ni3 hao3", "nǐ hǎo!"},
};

TEST(PinyinTest, ReadsMarksAndNumbersIntoSpokenAndShownForms)
{
    for (const TReading& row : kReadings) {
        TPinyin pinyin = ParsePinyin(row.written, row.characters);
        EXPECT_EQ(SpokenPinyin(pinyin.syllables), row.spoken) << row.written;
        EXPECT_EQ(pinyin.display, row.display) << row.written;
    }
}

struct TFault {
    const char* written;
    const char* says;
};

constexpr TFault kFaults[] = {
    {"ma6", "unknown tone 6"},
    {"ma9 ma1", "unknown tone 9"},
    {"mâ", "unknown tone mark on \"â\""},
    {"ma\u0302", "unknown tone mark"},
    {"\u0301a", "unknown tone mark"},
    {"3ni", "tone number 3 follows no syllable"},
    {"nǐ3", "both a tone mark and a tone number"},
    {"qqq", "\"qqq\" is no pinyin"},
    {"nǐ hx", "\"hx\" is no pinyin"},
    {"你好", "\"你\" is no pinyin"},
};

TEST(PinyinTest, RefusesUnknownTonesAndWhatIsNoPinyin)
{
    for (const TFault& row : kFaults) {
        try {
            ParsePinyin(row.written, 2);
            ADD_FAILURE() << row.written << " was read";
        } catch (const TPinyinError& error) {
            EXPECT_NE(std::string(error.what()).find(row.says), std::string::npos) << row.written << ": " << error.what();
        }
    }
}

// Where the letters cannot make the characters' count, the natural reading is kept so
// the caller can name the count it found.
TEST(PinyinTest, KeepsTheNaturalReadingWhenTheCountCannotBeMet)
{
    EXPECT_EQ(ParsePinyin("nǐ", 2).syllables.size(), 1u);
    EXPECT_EQ(ParsePinyin("ni3 hao3 ma5", 2).syllables.size(), 3u);
    EXPECT_EQ(ParsePinyin("zhongguo", 1).syllables.size(), 2u);
    EXPECT_EQ(ParsePinyin("xian", 2).syllables.size(), 1u);
    EXPECT_EQ(ParsePinyin("xie4", 2).syllables.size(), 1u);
}

} // namespace
