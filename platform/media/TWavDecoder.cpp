#include "platform/media/TWavDecoder.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
constexpr std::size_t kChunkHeaderSize = 8;
constexpr std::size_t kBasicFormatSize = 16;
constexpr std::size_t kExtensibleFormatSize = 40;
constexpr std::size_t kSubFormatOffset = 24;
// The sub-format of the extensible format is a GUID whose first two bytes hold the
// plain format tag; the other fourteen are always these.
constexpr unsigned char kSubFormatTail[14]
    = { 0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71 };

std::uint16_t Read16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t Read32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8
        | static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

struct TSpan {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
};

struct TFormat {
    std::uint16_t tag = 0;
    int channels = 0;
    std::uint32_t sampleRate = 0;
    int containerBytes = 0;
};

TFormat ParseFormat(TSpan chunk)
{
    if (chunk.size < kBasicFormatSize)
        throw TWavError("format chunk too short");
    const unsigned char* p = chunk.data;
    TFormat format;
    format.tag = Read16(p);
    format.channels = Read16(p + 2);
    format.sampleRate = Read32(p + 4);
    int bits = Read16(p + 14);
    if (format.tag == kFormatExtensible) {
        if (chunk.size < kExtensibleFormatSize)
            throw TWavError("extensible format chunk too short");
        const unsigned char* guid = p + kSubFormatOffset;
        if (std::memcmp(guid + 2, kSubFormatTail, sizeof kSubFormatTail) != 0)
            throw TWavError("unknown extensible sub-format");
        format.tag = Read16(guid);
    }

    if (format.tag != kFormatPcm && format.tag != kFormatFloat)
        throw TWavError("unsupported format tag " + std::to_string(format.tag));
    if (format.channels < 1 || format.channels > TWavDecoder::kMaxChannels)
        throw TWavError(std::to_string(format.channels)
            + " channels: only mono and stereo sounds can be played");
    if (format.sampleRate < 1 || format.sampleRate > TWavDecoder::kMaxSampleRate)
        throw TWavError("sample rate " + std::to_string(format.sampleRate) + " out of range");
    // Odd depths such as 12 bits are stored left-justified in whole bytes.
    format.containerBytes = (bits + 7) / 8;
    if (format.tag == kFormatFloat ? bits != 32 : bits < 1 || bits > 32)
        throw TWavError(std::to_string(bits) + "-bit samples are not supported");
    return format;
}

float Clean(float value)
{
    if (std::isnan(value))
        return 0.0F;
    return value < -1.0F ? -1.0F : value > 1.0F ? 1.0F : value;
}

void DecodeSamples(const TFormat& format, TSpan data, TWavSound& sound)
{
    const std::size_t count = data.size / format.containerBytes / format.channels * format.channels;
    const unsigned char* p = data.data;
    if (format.containerBytes <= 2) {
        sound.type = TSampleType::Int16;
        sound.int16Samples.resize(count);
        if (format.containerBytes == 1) {
            for (std::size_t i = 0; i < count; ++i)
                sound.int16Samples[i] = static_cast<std::int16_t>((p[i] - 128) * 256);
        } else if constexpr (std::endian::native == std::endian::little) {
            // The file's byte order is the machine's. An empty sound has no buffer to copy to.
            if (count > 0)
                std::memcpy(sound.int16Samples.data(), p, count * sizeof(std::int16_t));
        } else {
            for (std::size_t i = 0; i < count; ++i)
                sound.int16Samples[i] = static_cast<std::int16_t>(Read16(p + 2 * i));
        }
        return;
    }
    sound.type = TSampleType::Float32;
    sound.floatSamples.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned char* s = p + i * format.containerBytes;
        float value;
        if (format.tag == kFormatFloat) {
            std::uint32_t bits = Read32(s);
            std::memcpy(&value, &bits, sizeof value);
            value = Clean(value);
        } else if (format.containerBytes == 3) {
            std::int32_t v = static_cast<std::int32_t>(s[0] | s[1] << 8 | s[2] << 16);
            if (v & 0x800000)
                v -= 0x1000000;
            value = static_cast<float>(v) / 8388608.0F;
        } else {
            value = static_cast<float>(static_cast<std::int32_t>(Read32(s))) / 2147483648.0F;
        }
        sound.floatSamples[i] = value;
    }
}

} // namespace

std::int64_t TWavSound::FrameCount() const
{
    if (channels <= 0)
        return 0;
    std::size_t samples = type == TSampleType::Int16 ? int16Samples.size() : floatSamples.size();
    return static_cast<std::int64_t>(samples / static_cast<std::size_t>(channels));
}

int TWavSound::BytesPerFrame() const
{
    return channels * (type == TSampleType::Int16 ? 2 : 4);
}

const void* TWavSound::Data() const
{
    return type == TSampleType::Int16 ? static_cast<const void*>(int16Samples.data())
                                      : static_cast<const void*>(floatSamples.data());
}

float TWavSound::SampleAt(std::int64_t frame, int channel) const
{
    std::size_t i = static_cast<std::size_t>(frame * channels + channel);
    return type == TSampleType::Int16 ? int16Samples[i] / 32768.0F : floatSamples[i];
}

TWavSound TWavDecoder::Decode(std::string_view bytes)
{
    const auto* file = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t size = bytes.size();
    if (size < 12 || std::memcmp(file, "RIFF", 4) != 0 || std::memcmp(file + 8, "WAVE", 4) != 0)
        throw TWavError("not a RIFF/WAVE file");

    // The RIFF size is not trusted: writers that stream often leave it 0 or all ones.
    // Chunks are read up to the end of the file, each cut to the bytes that are there.
    std::optional<TFormat> format;
    std::optional<TSpan> data;
    std::size_t offset = 12;
    while (size - offset >= kChunkHeaderSize && !(format && data)) {
        const unsigned char* header = file + offset;
        const std::uint64_t declared = Read32(header + 4);
        const std::size_t bodyStart = offset + kChunkHeaderSize;
        const std::size_t available = size - bodyStart;
        TSpan body { file + bodyStart,
            declared < available ? static_cast<std::size_t>(declared) : available };
        if (std::memcmp(header, "fmt ", 4) == 0 && !format)
            format = ParseFormat(body);
        else if (std::memcmp(header, "data", 4) == 0 && !data)
            data = body;
        // A chunk of odd size is followed by one pad byte.
        const std::uint64_t next = bodyStart + declared + (declared & 1);
        if (next >= size)
            break;
        offset = static_cast<std::size_t>(next);
    }
    if (!format)
        throw TWavError("no format chunk");
    if (!data)
        throw TWavError("no data chunk");

    TWavSound sound;
    sound.sampleRate = static_cast<int>(format->sampleRate);
    sound.channels = format->channels;
    DecodeSamples(*format, *data, sound);
    return sound;
}
