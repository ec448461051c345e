#include "tools/course/Utf8.h"

char32_t DecodeUtf8At(std::string_view text, std::size_t at, std::size_t& length)
{
    length = 1;
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(at);
    if (lead < 0x80)
        return lead;
    std::size_t extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (extra == 0 || lead > 0xF4 || text.size() - at <= extra)
        return kReplacementCharacter;
    char32_t code = lead & (0x3F >> extra);
    for (std::size_t i = 1; i <= extra; ++i) {
        unsigned char next = byte(at + i);
        if ((next & 0xC0) != 0x80)
            return kReplacementCharacter;
        code = (code << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return kReplacementCharacter;
    length = extra + 1;
    return code;
}

std::vector<char32_t> DecodeUtf8(std::string_view text)
{
    std::vector<char32_t> codes;
    for (std::size_t at = 0, length = 0; at < text.size(); at += length)
        codes.push_back(DecodeUtf8At(text, at, length));
    return codes;
}

bool IsValidUtf8(std::string_view text)
{
    for (std::size_t at = 0, length = 0; at < text.size(); at += length)
        if (DecodeUtf8At(text, at, length) == kReplacementCharacter && length == 1)
            return false;
    return true;
}

bool IsHanCharacter(char32_t code)
{
    return code == 0x3007 || (code >= 0x3400 && code <= 0x4DBF) || (code >= 0x4E00 && code <= 0x9FFF)
        || (code >= 0xF900 && code <= 0xFAFF) || (code >= 0x20000 && code <= 0x323AF);
}
