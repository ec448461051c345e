#include "platform/media/TWavDecoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        TWavSound sound = TWavDecoder::Decode({ reinterpret_cast<const char*>(data), size });
        // Every frame the sound claims must be there to read.
        if (sound.FrameCount() > 0)
            (void)sound.SampleAt(sound.FrameCount() - 1, sound.channels - 1);
    } catch (const TWavError&) {
    }
    return 0;
}
