#include "tools/course/WordList.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// The first byte picks the list format, the rest is the list.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    TListFormat format = data[0] & 1 ? TListFormat::Commas : TListFormat::Tabs;
    std::string_view list(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        for (const TWordEntry& word : ParseWordList(list, format, "list", "folder"))
            if (word.pinyin.syllables.empty() || word.characters.empty())
                __builtin_trap();
    } catch (const TWordListError&) {
    }
    return 0;
}
