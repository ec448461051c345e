#pragma once

// Builds RIFF/WAVE files byte by byte, so tests can make any layout, broken or not.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace wav {

inline std::string Le16(std::uint16_t v)
{
    return { static_cast<char>(v & 0xFF), static_cast<char>(v >> 8) };
}

inline std::string Le32(std::uint32_t v)
{
    return Le16(static_cast<std::uint16_t>(v & 0xFFFF)) + Le16(static_cast<std::uint16_t>(v >> 16));
}

inline std::string Le24(std::int32_t v)
{
    auto u = static_cast<std::uint32_t>(v);
    return { static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
        static_cast<char>((u >> 16) & 0xFF) };
}

inline std::string Float32(float f)
{
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return Le32(bits);
}

// A chunk with its pad byte; `declared` overrides the size field to make broken files.
inline std::string Chunk(const std::string& id, const std::string& body, std::int64_t declared = -1)
{
    std::uint32_t size = declared < 0 ? static_cast<std::uint32_t>(body.size())
                                      : static_cast<std::uint32_t>(declared);
    std::string chunk = id + Le32(size) + body;
    if (body.size() % 2 && declared < 0)
        chunk += '\0';
    return chunk;
}

inline std::string Fmt(std::uint16_t tag, int channels, std::uint32_t rate, int bits)
{
    int block = channels * ((bits + 7) / 8);
    return Le16(tag) + Le16(static_cast<std::uint16_t>(channels)) + Le32(rate) + Le32(rate * block)
        + Le16(static_cast<std::uint16_t>(block)) + Le16(static_cast<std::uint16_t>(bits));
}

// The extensible form: `subTag` in the GUID, samples in containers of `bits`.
inline std::string FmtExtensible(
    std::uint16_t subTag, int channels, std::uint32_t rate, int bits, int validBits)
{
    static const char kTail[] = "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71";
    return Fmt(0xFFFE, channels, rate, bits) + Le16(22)
        + Le16(static_cast<std::uint16_t>(validBits)) + Le32(channels == 1 ? 0x4 : 0x3)
        + Le16(subTag) + std::string(kTail, 14);
}

inline std::string Riff(const std::string& chunks)
{
    return "RIFF" + Le32(static_cast<std::uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

inline std::string Pcm16(int rate, int channels, const std::vector<std::int16_t>& samples)
{
    std::string data;
    for (std::int16_t s : samples)
        data += Le16(static_cast<std::uint16_t>(s));
    return Riff(Chunk("fmt ", Fmt(1, channels, static_cast<std::uint32_t>(rate), 16))
        + Chunk("data", data));
}

} // namespace wav
