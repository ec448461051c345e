#include "platform/core/Exceptions.h"
#include "platform/jpeg/TJPEGImage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TJPEGImage image;
    try {
        image.LoadFromBytes(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const EJPEG&) {
        return 0;
    }
    image.Bitmap();
    return 0;
}
