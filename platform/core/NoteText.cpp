#include "platform/core/NoteText.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FileBytes.h"

namespace {

constexpr const char* kTooLarge = "Text exceeds memo capacity";

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Where the first piece of a line longer than `maxLine` ends: before the first byte of
// a character, unless the bytes are not UTF-8 at all.
std::size_t PieceEnd(std::string_view line, std::size_t maxLine)
{
    std::size_t cut = maxLine;
    while (cut > 0 && IsUtf8Continuation(line[cut]))
        --cut;
    return cut > 0 ? cut : maxLine;
}

} // namespace

std::string BreakLongLines(std::string_view text, std::size_t maxLine)
{
    std::string shown;
    shown.reserve(text.size() + text.size() / maxLine * 2);
    for (;;) {
        std::size_t end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        while (line.size() > maxLine) {
            std::size_t cut = PieceEnd(line, maxLine);
            shown.append(line.substr(0, cut));
            shown += "\r\n";
            line.remove_prefix(cut);
        }
        shown.append(line);
        if (end == std::string_view::npos)
            return shown;
        shown += text[end];
        text.remove_prefix(end + 1);
    }
}

std::string_view LeadingLines(std::string_view text, std::size_t maxLines)
{
    std::size_t lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        if (++lines == maxLines)
            return text.substr(0, i);
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
    }
    return text;
}

std::string NormaliseNoteText(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\0'));
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 16);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            text += "\r\n";
        } else if (c == '\n') {
            text += "\r\n";
        } else {
            // UTF-8 continuation bytes are never CR or LF, so characters stay whole.
            text += c;
        }
    }
    return text;
}

std::string LoadNoteFile(const std::string& path)
{
    std::string text = NormaliseNoteText(ReadFileBytes(path, TFileLimit {kMemoCapacity, kTooLarge}));
    // Bare LFs grow by a byte each; the memo's limit is on what it holds.
    if (text.size() > kMemoCapacity)
        throw EOutOfResources(kTooLarge);
    return text;
}
