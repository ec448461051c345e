#include "tools/course/WordList.h"

#include "platform/core/Exceptions.h"
#include "support/TempDir.h"
#include "support/UnwrittenFifo.h"

#include <gtest/gtest.h>

namespace {

std::vector<TWordEntry> Parse(const std::string& bytes, TListFormat format = TListFormat::Tabs)
{
    return ParseWordList(bytes, format, "words.tsv", "/lists");
}

TEST(WordListTest, ReadsWordsSkippingBlankAndCommentLines)
{
    std::string list = "\xEF\xBB\xBF# my words\r\n"
                       "你好\tnǐ hǎo\thello\r\n"
                       "\r\n"
                       "   # indented comment\n"
                       "  \t \n"
                       " 谢谢 \t xie4 xie5 \t thank you \tSaid light.\\nTwice.\tmine/xiexie.wav\n"
                       "水\tshui3\twater\t\t/abs/water.wav";
    std::vector<TWordEntry> words = Parse(list);
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[0].line, 2);
    EXPECT_EQ(words[0].characters, "你好");
    EXPECT_EQ(words[0].pinyin.display, "nǐ hǎo");
    EXPECT_EQ(words[0].meaning, "hello");
    EXPECT_EQ(words[0].note, "");
    EXPECT_EQ(words[0].recording, "");
    EXPECT_EQ(words[1].line, 6);
    EXPECT_EQ(words[1].characters, "谢谢");
    EXPECT_EQ(words[1].pinyin.display, "xiè xie");
    EXPECT_EQ(words[1].meaning, "thank you");
    EXPECT_EQ(words[1].note, "Said light.\nTwice.");
    EXPECT_EQ(words[1].recording, "/lists/mine/xiexie.wav");
    EXPECT_EQ(words[2].line, 7);
    EXPECT_EQ(words[2].note, "");
    EXPECT_EQ(words[2].recording, "/abs/water.wav");
}

TEST(WordListTest, CommaListsQuoteFieldsThatHoldCommas)
{
    std::string list = "你好,nǐ hǎo,\"hello, hi\",\"He said \"\"hi\"\".\"\n"
                       "茶, cha2 ,tea";
    std::vector<TWordEntry> words = Parse(list, TListFormat::Commas);
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[0].meaning, "hello, hi");
    EXPECT_EQ(words[0].note, "He said \"hi\".");
    EXPECT_EQ(words[1].pinyin.display, "chá");
    EXPECT_EQ(ListFormatOf("/a/b.CSV"), TListFormat::Commas);
    EXPECT_EQ(ListFormatOf("/a.csv/b.txt"), TListFormat::Tabs);
}

using namespace std::literals;

struct TBadList {
    std::string_view list;
    const char* says; // after "words.tsv:"
};

// Each bad list names its line and the fault; good lines before it do not matter.
const TBadList kBadLists[] = {
    {"你\tnǐ\tyou\n\tnǐ\tyou"sv, "2: the Chinese field is empty"},
    {"你\t\tyou"sv, "1: the pinyin field is empty"},
    {"# c\n你\tnǐ\t "sv, "2: the English field is empty"},
    {"你好\tnǐ\thello"sv, "1: the pinyin \"nǐ\" has 1 syllable but 你好 has 2 characters"},
    {"你\tni3 hao3\thello"sv, "1: the pinyin \"ni3 hao3\" has 2 syllables but 你 has 1 character"},
    {"\n\n好\thao7\tgood"sv, "3: pinyin: unknown tone 7"},
    {"好\thâo\tgood"sv, "1: pinyin: unknown tone mark on \"â\""},
    {"好\thǎo"sv, "1: the line has 2 fields (tab-separated)"},
    {"好\thǎo\tgood\tnote\tfile.wav\textra"sv, "1: the line has 6 fields"},
    {"好a\thǎo\tgood"sv, "1: the Chinese field holds \"a\", which is no Chinese character"},
    {"一二三四五六七八九\tyi er san si wu liu qi ba jiu\tnine"sv, "1: the Chinese field has 9 characters; a card holds at most 8"},
    {"好\th\xE1o\tgood"sv, "1: the line is not UTF-8 text"},
    {"好\thǎo\tgo\x01od"sv, "1: the line holds a control character"},
    {"好\thǎo\tgo\0od"sv, "1: the line holds a control character"},
    {"# only comments\n\n"sv, " the list holds no words"},
};

TEST(WordListTest, BadListsNameTheLineAndTheFault)
{
    for (const TBadList& row : kBadLists) {
        try {
            Parse(std::string(row.list));
            ADD_FAILURE() << row.list << " was read";
        } catch (const TWordListError& error) {
            EXPECT_EQ(std::string(error.what()).rfind(std::string("words.tsv:") + row.says, 0), 0u) << error.what();
        }
    }
}

TEST(WordListTest, BadCommaListsNameTheLine)
{
    EXPECT_THROW(
        {
            try {
                Parse("好,hǎo,\"good", TListFormat::Commas);
            } catch (const TWordListError& error) {
                EXPECT_STREQ(error.what(), "words.tsv:1: a quoted field has no closing quote");
                throw;
            }
        },
        TWordListError);
}

TEST(WordListTest, LongLinesAndFieldsAreRefused)
{
    std::string longNote = "好\thǎo\tgood\t" + std::string(kMaxLineBytes, 'x');
    EXPECT_THROW(Parse(longNote), TWordListError);
    std::string longPinyin = "好\t" + std::string(kMaxPinyinBytes + 1, 'a') + "\tgood";
    EXPECT_THROW(Parse(longPinyin), TWordListError);
}

// A list is a file the learner names: a pipe or a huge file must not hang or exhaust
// the tool.
TEST(WordListTest, PipesAndHugeFilesAreRefusedWithoutWaiting)
{
    TTempDir dir;
    TUnwrittenFifo fifo(dir.File("words.tsv"));
    EXPECT_THROW(ReadWordList(fifo.Path()), EFOpenError);
    EXPECT_EQ(fifo.Rescues(), 0);
    dir.Write("huge.tsv", std::string(kMaxListBytes + 1, '#'));
    EXPECT_THROW(ReadWordList(dir.File("huge.tsv")), EOutOfResources);
}

} // namespace
