#include "platform/core/NoteText.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    NormaliseNoteText(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
