#include "tools/course/WordList.h"

#include "platform/core/FileBytes.h"
#include "tools/course/Utf8.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kMinFields = 3;
constexpr std::size_t kMaxFields = 5;
constexpr const char* kFieldNames[kMaxFields] = {"Chinese", "pinyin", "English", "note", "recording"};

// A fault found on one line; the caller adds the list's name and the line number.
class TLineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string_view Trimmed(std::string_view text)
{
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string> SplitTabs(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        std::size_t tab = line.find('\t', start);
        fields.emplace_back(Trimmed(line.substr(start, tab - start)));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

// Comma-separated fields; a field in double quotes may hold commas, and "" stands for
// one quote inside it.
std::vector<std::string> SplitCommas(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t at = 0;
    for (;;) {
        while (at < line.size() && line[at] == ' ')
            ++at;
        std::string field;
        if (at < line.size() && line[at] == '"') {
            for (++at;; ++at) {
                if (at >= line.size())
                    throw TLineError("a quoted field has no closing quote");
                if (line[at] == '"') {
                    if (at + 1 < line.size() && line[at + 1] == '"')
                        ++at;
                    else
                        break;
                }
                field += line[at];
            }
            ++at;
            while (at < line.size() && line[at] == ' ')
                ++at;
            if (at < line.size() && line[at] != ',')
                throw TLineError("text follows a closing quote");
        } else {
            std::size_t comma = std::min(line.find(',', at), line.size());
            field = Trimmed(line.substr(at, comma - at));
            at = comma;
        }
        fields.push_back(field);
        if (at >= line.size())
            return fields;
        ++at;
    }
}

std::size_t CountHan(const std::string& characters)
{
    std::size_t count = 0;
    for (std::size_t at = 0, length = 0; at < characters.size(); at += length, ++count)
        if (!IsHanCharacter(DecodeUtf8At(characters, at, length)))
            throw TLineError("the Chinese field holds \"" + characters.substr(at, length) + "\", which is no Chinese character");
    if (count > kMaxCharacters)
        throw TLineError("the Chinese field has " + std::to_string(count) + " characters; a card holds at most "
            + std::to_string(kMaxCharacters));
    return count;
}

std::string Plural(std::size_t count, const char* word)
{
    return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

// "\n" in a note breaks the line.
std::string UnescapeNote(const std::string& field)
{
    std::string note;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 1 < field.size() && field[i + 1] == 'n') {
            note += '\n';
            ++i;
        } else {
            note += field[i];
        }
    }
    return note;
}

std::string ResolvedPath(const std::string& field, const std::string& listFolder)
{
    if (field.empty() || field.front() == '/' || listFolder.empty())
        return field;
    return listFolder + "/" + field;
}

TWordEntry ParseLine(std::string_view line, TListFormat format, const std::string& listFolder)
{
    if (line.size() > kMaxLineBytes)
        throw TLineError("the line is longer than " + std::to_string(kMaxLineBytes) + " bytes");
    if (!IsValidUtf8(line))
        throw TLineError("the line is not UTF-8 text");
    if (std::any_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; }))
        throw TLineError("the line holds a control character");
    std::vector<std::string> fields = format == TListFormat::Tabs ? SplitTabs(line) : SplitCommas(line);
    const char* separator = format == TListFormat::Tabs ? "tab" : "comma";
    if (fields.size() < kMinFields || fields.size() > kMaxFields)
        throw TLineError("the line has " + Plural(fields.size(), "field") + " (" + separator
            + "-separated): Chinese, pinyin and English are needed, a note and a recording may follow");
    for (std::size_t i = 0; i < kMinFields; ++i)
        if (fields[i].empty())
            throw TLineError(std::string("the ") + kFieldNames[i] + " field is empty");
    if (fields[1].size() > kMaxPinyinBytes)
        throw TLineError("the pinyin field is longer than " + std::to_string(kMaxPinyinBytes) + " bytes");

    TWordEntry entry;
    entry.characters = fields[0];
    std::size_t count = CountHan(entry.characters);
    try {
        entry.pinyin = ParsePinyin(fields[1], count);
    } catch (const TPinyinError& error) {
        throw TLineError(std::string("pinyin: ") + error.what());
    }
    if (entry.pinyin.syllables.size() != count)
        throw TLineError("the pinyin \"" + fields[1] + "\" has " + Plural(entry.pinyin.syllables.size(), "syllable")
            + " but " + entry.characters + " has " + Plural(count, "character"));
    entry.meaning = fields[2];
    if (fields.size() > 3)
        entry.note = UnescapeNote(fields[3]);
    if (fields.size() > 4)
        entry.recording = ResolvedPath(fields[4], listFolder);
    return entry;
}

bool Skipped(std::string_view line)
{
    std::string_view trimmed = Trimmed(line);
    return trimmed.empty() || trimmed.front() == '#';
}

std::string Located(const std::string& listName, int line, const std::string& what)
{
    return listName + ":" + std::to_string(line) + ": " + what;
}

} // namespace

TListFormat ListFormatOf(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return extension == ".csv" ? TListFormat::Commas : TListFormat::Tabs;
}

std::vector<TWordEntry> ParseWordList(std::string_view bytes, TListFormat format,
    const std::string& listName, const std::string& listFolder)
{
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    std::vector<TWordEntry> words;
    int lineNumber = 0;
    while (!bytes.empty()) {
        ++lineNumber;
        std::size_t end = std::min(bytes.find('\n'), bytes.size());
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (Skipped(line))
            continue;
        if (words.size() == kMaxWords)
            throw TWordListError(Located(listName, lineNumber, "a course holds at most " + std::to_string(kMaxWords) + " words"));
        try {
            words.push_back(ParseLine(line, format, listFolder));
        } catch (const TLineError& error) {
            throw TWordListError(Located(listName, lineNumber, error.what()));
        }
        words.back().line = lineNumber;
    }
    if (words.empty())
        throw TWordListError(listName + ": the list holds no words");
    return words;
}

std::vector<TWordEntry> ReadWordList(const std::string& path)
{
    std::string bytes = ReadFileBytes(path, TFileLimit {kMaxListBytes, "The word list is larger than 16 MiB"});
    std::string folder = std::filesystem::path(path).parent_path().string();
    return ParseWordList(bytes, ListFormatOf(path), path, folder.empty() ? "." : folder);
}
