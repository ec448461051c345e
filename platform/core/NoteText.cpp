#include "platform/core/NoteText.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FileBytes.h"

namespace {

constexpr const char* kTooLarge = "Text exceeds memo capacity";

} // namespace

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
