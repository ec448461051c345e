#include "tools/course/Pinyin.h"

#include "tools/course/Utf8.h"

#include <algorithm>
#include <cctype>
#include <array>
#include <unordered_set>

namespace {

// Every syllable of standard Mandarin, "v" standing for ü.
constexpr std::string_view kSyllables =
    "a ai an ang ao ba bai ban bang bao bei ben beng bi bian biao bie bin bing bo bu "
    "ca cai can cang cao ce cen ceng cha chai chan chang chao che chen cheng chi chong chou "
    "chu chua chuai chuan chuang chui chun chuo ci cong cou cu cuan cui cun cuo "
    "da dai dan dang dao de dei den deng di dia dian diao die ding diu dong dou du duan dui "
    "dun duo e ei en eng er fa fan fang fei fen feng fo fou fu "
    "ga gai gan gang gao ge gei gen geng gong gou gu gua guai guan guang gui gun guo "
    "ha hai han hang hao he hei hen heng hong hou hu hua huai huan huang hui hun huo "
    "ji jia jian jiang jiao jie jin jing jiong jiu ju juan jue jun "
    "ka kai kan kang kao ke kei ken keng kong kou ku kua kuai kuan kuang kui kun kuo "
    "la lai lan lang lao le lei leng li lia lian liang liao lie lin ling liu lo long lou lu "
    "luan lun luo lv lve ma mai man mang mao me mei men meng mi mian miao mie min ming miu "
    "mo mou mu na nai nan nang nao ne nei nen neng ni nian niang niao nie nin ning niu nong "
    "nou nu nuan nuo nv nve o ou pa pai pan pang pao pei pen peng pi pian piao pie pin ping "
    "po pou pu qi qia qian qiang qiao qie qin qing qiong qiu qu quan que qun "
    "ran rang rao re ren reng ri rong rou ru rua ruan rui run ruo "
    "sa sai san sang sao se sen seng sha shai shan shang shao she shei shen sheng shi shou "
    "shu shua shuai shuan shuang shui shun shuo si song sou su suan sui sun suo "
    "ta tai tan tang tao te teng ti tian tiao tie ting tong tou tu tuan tui tun tuo "
    "wa wai wan wang wei wen weng wo wu xi xia xian xiang xiao xie xin xing xiong xiu xu "
    "xuan xue xun ya yan yang yao ye yi yin ying yo yong you yu yuan yue yun "
    "za zai zan zang zao ze zei zen zeng zha zhai zhan zhang zhao zhe zhei zhen zheng zhi "
    "zhong zhou zhu zhua zhuai zhuan zhuang zhui zhun zhuo zi zong zou zu zuan zui zun zuo "
    // ü spelt out after j, q, x and y, where it is usually written u.
    "jv jve jvan jvn qv qve qvan qvn xv xve xvan xvn yv yve yvan yvn";
constexpr std::size_t kLongestSyllable = 6;

// The vowels that carry tone marks, in tones 1 to 4, lower case then upper case.
constexpr std::string_view kMarkedBases = "aeiouv";
constexpr std::array<std::array<std::string_view, 8>, 6> kMarkedVowels = {{
    {"ā", "á", "ǎ", "à", "Ā", "Á", "Ǎ", "À"},
    {"ē", "é", "ě", "è", "Ē", "É", "Ě", "È"},
    {"ī", "í", "ǐ", "ì", "Ī", "Í", "Ǐ", "Ì"},
    {"ō", "ó", "ǒ", "ò", "Ō", "Ó", "Ǒ", "Ò"},
    {"ū", "ú", "ǔ", "ù", "Ū", "Ú", "Ǔ", "Ù"},
    {"ǖ", "ǘ", "ǚ", "ǜ", "Ǖ", "Ǘ", "Ǚ", "Ǜ"},
}};
// Combining marks of tones 1 to 4, for text written in decomposed form.
constexpr std::array<char32_t, 4> kCombiningTones = {0x0304, 0x0301, 0x030C, 0x0300};
constexpr char32_t kCombiningDiaeresis = 0x0308;

struct TLetter {
    char base = 0; // a-z, "v" for ü
    int mark = 0; // 0, or the tone its mark shows
    bool upper = false;
    std::size_t at = 0; // where it starts in the text
};

// Letters between separators or tone numbers, and the tone number that ends them.
struct TRun {
    std::vector<TLetter> letters;
    std::size_t begin = 0; // byte range of the letters in the text
    std::size_t end = 0;
    int number = 0; // 0: none
    std::size_t afterNumber = 0;
};

const std::unordered_set<std::string_view>& Syllables()
{
    static const std::unordered_set<std::string_view> set = [] {
        std::unordered_set<std::string_view> words;
        std::size_t start = 0;
        while (start < kSyllables.size()) {
            std::size_t space = std::min(kSyllables.find(' ', start), kSyllables.size());
            words.insert(kSyllables.substr(start, space - start));
            start = space + 1;
        }
        return words;
    }();
    return set;
}

// The letter a precomposed code point stands for, or base 0 when it is none of ours.
TLetter MarkedLetter(char32_t code)
{
    if (code == 0xFC || code == 0xDC)
        return {'v', 0, code == 0xDC};
    for (std::size_t vowel = 0; vowel < kMarkedVowels.size(); ++vowel)
        for (std::size_t i = 0; i < 8; ++i)
            if (DecodeUtf8(kMarkedVowels[vowel][i]).front() == code)
                return {kMarkedBases[vowel], int(i % 4) + 1, i >= 4};
    return {};
}

bool IsSeparator(char32_t code)
{
    if (code < 0x80)
        return !((code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'));
    return code == 0xA0 || (code >= 0x2000 && code <= 0x206F) || (code >= 0x3000 && code <= 0x303F)
        || (code >= 0xFF01 && code <= 0xFF0F) || (code >= 0xFF1A && code <= 0xFF20)
        || (code >= 0xFF3B && code <= 0xFF40) || (code >= 0xFF5B && code <= 0xFF65);
}

bool IsLatinWithDiacritic(char32_t code)
{
    return (code >= 0xC0 && code <= 0x24F) || (code >= 0x1E00 && code <= 0x1EFF);
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

int ToneOfCombining(char32_t code)
{
    auto found = std::find(kCombiningTones.begin(), kCombiningTones.end(), code);
    return found == kCombiningTones.end() ? 0 : int(found - kCombiningTones.begin()) + 1;
}

// Applies a combining mark to the letter before it.
void Combine(TRun& run, char32_t code, std::string_view text)
{
    if (run.letters.empty())
        throw TPinyinError("unknown tone mark in " + Quoted(text));
    TLetter& letter = run.letters.back();
    if (code == kCombiningDiaeresis && letter.base == 'u' && letter.mark == 0) {
        letter.base = 'v';
        return;
    }
    int tone = ToneOfCombining(code);
    if (tone == 0 || letter.mark != 0 || kMarkedBases.find(letter.base) == std::string_view::npos)
        throw TPinyinError("unknown tone mark in " + Quoted(text));
    letter.mark = tone;
}

std::vector<TRun> SplitRuns(std::string_view text)
{
    std::vector<TRun> runs;
    TRun run;
    auto close = [&](std::size_t at) {
        if (!run.letters.empty())
            runs.push_back(run);
        run = TRun {};
        run.begin = at;
    };
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t length = 0;
        char32_t code = DecodeUtf8At(text, at, length);
        std::size_t next = at + length;
        std::string_view glyph = text.substr(at, length);
        if (code < 0x80 && std::isalpha(int(code))) {
            bool upper = code <= 'Z';
            run.letters.push_back({char(upper ? code - 'A' + 'a' : code), 0, upper, at});
            run.end = next;
        } else if (code >= '0' && code <= '9') {
            if (run.letters.empty())
                throw TPinyinError("tone number " + std::string(glyph) + " follows no syllable in " + Quoted(text));
            if (code >= '6')
                throw TPinyinError("unknown tone " + std::string(glyph) + " in " + Quoted(text));
            run.number = code == '0' ? 5 : int(code - '0');
            run.afterNumber = next;
            close(next);
        } else if (TLetter letter = MarkedLetter(code); letter.base != 0) {
            letter.at = at;
            run.letters.push_back(letter);
            run.end = next;
        } else if (code >= 0x300 && code <= 0x36F) {
            Combine(run, code, text);
            run.end = next;
        } else if (IsLatinWithDiacritic(code)) {
            throw TPinyinError("unknown tone mark on " + Quoted(glyph) + " in " + Quoted(text));
        } else if (IsSeparator(code)) {
            close(next);
        } else {
            throw TPinyinError(Quoted(glyph) + " is no pinyin");
        }
        at = next;
    }
    close(text.size());
    return runs;
}

std::string Bases(const std::vector<TLetter>& letters, std::size_t from, std::size_t count)
{
    std::string bases;
    for (std::size_t i = from; i < from + count; ++i)
        bases += letters[i].base;
    return bases;
}

int MarkCount(const std::vector<TLetter>& letters, std::size_t from, std::size_t count)
{
    return int(std::count_if(letters.begin() + long(from), letters.begin() + long(from + count),
        [](const TLetter& letter) { return letter.mark != 0; }));
}

// Ways to read one run as syllables: for each start and syllable count, the length of
// the first syllable (longest first), or 0 when there is none.
class TSegmenter {
public:
    TSegmenter(const TRun& run, std::size_t maxCount)
        : m_run(run)
        , m_maxCount(maxCount)
        , m_first((run.letters.size() + 1) * (maxCount + 1), 0)
    {
        std::size_t size = run.letters.size();
        Mark(size, 0, 1);
        for (std::size_t pos = size; pos-- > 0;)
            for (std::size_t length = std::min(kLongestSyllable, size - pos); length > 0; --length)
                if (Fits(pos, length))
                    for (std::size_t count = 0; count < maxCount; ++count)
                        if (First(pos + length, count) != 0 && First(pos, count + 1) == 0)
                            Mark(pos, count + 1, length);
    }

    bool Possible(std::size_t count) const { return count <= m_maxCount && First(0, count) != 0; }

    // The reading that takes the longest syllable first wherever the rest still reads.
    std::size_t NaturalCount() const
    {
        std::size_t longest = Longest(0);
        for (std::size_t count = 1; longest != 0 && count <= m_maxCount; ++count)
            if (First(0, count) == longest)
                return count;
        return 0;
    }

    // Syllable lengths of the reading with `count` syllables.
    std::vector<std::size_t> Lengths(std::size_t count) const
    {
        std::vector<std::size_t> lengths;
        for (std::size_t pos = 0; count > 0; --count) {
            lengths.push_back(First(pos, count));
            pos += lengths.back();
        }
        return lengths;
    }

private:
    std::size_t First(std::size_t pos, std::size_t count) const { return m_first[pos * (m_maxCount + 1) + count]; }
    void Mark(std::size_t pos, std::size_t count, std::size_t length) { m_first[pos * (m_maxCount + 1) + count] = length; }

    std::size_t Longest(std::size_t pos) const
    {
        std::size_t longest = 0;
        for (std::size_t count = 1; count <= m_maxCount; ++count)
            longest = std::max(longest, First(pos, count));
        return longest;
    }

    bool Fits(std::size_t pos, std::size_t length) const
    {
        // Written pinyin sets an apostrophe before a syllable that starts with a, e or o
        // (xi'an), so joined letters never split there: "xie" is never xi-e.
        if (pos > 0 && std::string_view("aeo").find(m_run.letters[pos].base) != std::string_view::npos)
            return false;
        if (!Syllables().contains(Bases(m_run.letters, pos, length)))
            return false;
        int marks = MarkCount(m_run.letters, pos, length);
        bool last = pos + length == m_run.letters.size();
        return marks == 0 || (marks == 1 && !(last && m_run.number != 0));
    }

    const TRun& m_run;
    std::size_t m_maxCount;
    std::vector<std::size_t> m_first; // at end, count 0: 1 as "done"
};

// How many syllables each run gets: `wanted` in all where the runs allow it, else each
// run's natural reading.
std::vector<std::size_t> ChooseCounts(const std::vector<TSegmenter>& runs, std::size_t wanted, std::size_t maxCount)
{
    // reach[i][c]: syllable count of run i when runs 0..i give c syllables in all.
    std::vector<std::vector<std::size_t>> reach(runs.size(), std::vector<std::size_t>(maxCount + 1, 0));
    for (std::size_t i = 0; i < runs.size(); ++i)
        for (std::size_t total = 1; total <= maxCount; ++total)
            for (std::size_t count = 1; count <= total && reach[i][total] == 0; ++count)
                if (runs[i].Possible(count) && (i == 0 ? total == count : reach[i - 1][total - count] != 0))
                    reach[i][total] = count;
    std::vector<std::size_t> counts(runs.size());
    if (!runs.empty() && wanted <= maxCount && reach.back()[wanted] != 0) {
        for (std::size_t i = runs.size(); i-- > 0;) {
            counts[i] = reach[i][wanted];
            wanted -= counts[i];
        }
        return counts;
    }
    for (std::size_t i = 0; i < runs.size(); ++i)
        counts[i] = runs[i].NaturalCount();
    return counts;
}

std::size_t MarkPosition(const std::string& bases)
{
    for (char vowel : {'a', 'e'})
        if (auto at = bases.find(vowel); at != std::string::npos)
            return at;
    if (auto at = bases.find("ou"); at != std::string::npos)
        return at;
    return bases.find_last_of("iouv");
}

// The syllable written with its tone mark, in the letters' own case.
std::string MarkedSyllable(const std::vector<TLetter>& letters, int tone)
{
    std::string bases;
    for (const TLetter& letter : letters)
        bases += letter.base;
    std::size_t markAt = tone <= 4 ? MarkPosition(bases) : std::string::npos;
    std::string written;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const TLetter& letter = letters[i];
        std::size_t vowel = kMarkedBases.find(letter.base);
        if (i == markAt)
            written += kMarkedVowels[vowel][std::size_t(tone - 1 + (letter.upper ? 4 : 0))];
        else if (letter.base == 'v')
            written += letter.upper ? "Ü" : "ü";
        else
            written += char(letter.upper ? letter.base - 'a' + 'A' : letter.base);
    }
    return written;
}

} // namespace

TPinyin ParsePinyin(std::string_view text, std::size_t syllableCount)
{
    std::vector<TRun> runs = SplitRuns(text);
    std::size_t maxCount = syllableCount + 1;
    std::vector<TSegmenter> segmenters;
    for (const TRun& run : runs) {
        segmenters.emplace_back(run, maxCount);
        if (segmenters.back().NaturalCount() == 0) {
            std::string_view written = text.substr(run.begin, run.end - run.begin);
            if (run.number != 0 && MarkCount(run.letters, 0, run.letters.size()) != 0)
                throw TPinyinError(Quoted(written) + " has both a tone mark and a tone number");
            throw TPinyinError(Quoted(written) + " is no pinyin");
        }
    }
    std::vector<std::size_t> counts = ChooseCounts(segmenters, syllableCount, maxCount);

    TPinyin pinyin;
    std::size_t copied = 0;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const TRun& run = runs[r];
        std::size_t pos = 0;
        for (std::size_t length : segmenters[r].Lengths(counts[r])) {
            TSyllable syllable;
            syllable.letters = Bases(run.letters, pos, length);
            bool last = pos + length == run.letters.size();
            for (std::size_t i = pos; i < pos + length; ++i)
                if (run.letters[i].mark != 0)
                    syllable.tone = run.letters[i].mark;
            if (last && run.number != 0)
                syllable.tone = run.number;
            // After j, q, x and y a u is always ü, and the voice knows it written as u.
            if (syllable.letters.size() >= 2 && syllable.letters[1] == 'v' && std::string_view("jqxy").find(syllable.letters[0]) != std::string_view::npos)
                syllable.letters[1] = 'u';
            pinyin.syllables.push_back(syllable);
            if (last && run.number != 0) {
                // Only the numbered syllable is rewritten; what comes before it stays.
                std::size_t start = run.letters[pos].at;
                pinyin.display += text.substr(copied, start - copied);
                pinyin.display += MarkedSyllable({run.letters.begin() + long(pos), run.letters.end()}, syllable.tone);
                copied = run.afterNumber;
            }
            pos += length;
        }
    }
    pinyin.display += text.substr(copied);
    return pinyin;
}

std::string SpokenPinyin(const std::vector<TSyllable>& syllables)
{
    std::string spoken;
    for (const TSyllable& syllable : syllables) {
        if (!spoken.empty())
            spoken += ' ';
        spoken += syllable.letters + std::to_string(syllable.tone);
    }
    return spoken;
}
