#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

// Samples as the sound output takes them: up to 16-bit sources stay 16-bit integers,
// deeper ones become floats so that no precision is lost on the way.
enum class TSampleType { Int16, Float32 };

// A decoded sound, interleaved frames of one or two channels.
struct TWavSound {
    int sampleRate = 0;
    int channels = 0;
    TSampleType type = TSampleType::Int16;
    std::vector<std::int16_t> int16Samples; // when type is Int16
    std::vector<float> floatSamples; // when type is Float32, within -1..1

    std::int64_t FrameCount() const;
    int BytesPerFrame() const;
    const void* Data() const;
    std::int64_t ByteCount() const { return FrameCount() * BytesPerFrame(); }
    // Sample of `channel` in `frame` on a -1..1 scale, whatever the type.
    float SampleAt(std::int64_t frame, int channel) const;
};

// A file that is no sound we can play; the text says why, for diagnostics.
class TWavError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// RIFF/WAVE reader for integer PCM of 1 to 32 bits and 32-bit float, plain or in the
// extensible format. Every size in the file is checked against the bytes there are.
class TWavDecoder {
public:
    static constexpr int kMaxChannels = 2;
    static constexpr std::uint32_t kMaxSampleRate = 1'000'000;

    // Throws TWavError.
    static TWavSound Decode(std::string_view bytes);
};
