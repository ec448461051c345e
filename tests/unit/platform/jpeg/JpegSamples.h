#pragma once

// JPEG files made on the spot with the library's own compressor, and the few
// byte-level surgeries the tests need. Shared with the benchmark.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <jpeglib.h>
#include <string>
#include <vector>

struct TSampleOptions {
    J_COLOR_SPACE input = JCS_RGB; // JCS_RGB, JCS_GRAYSCALE, JCS_CMYK or JCS_UNKNOWN
    J_COLOR_SPACE stored = JCS_UNKNOWN; // the file's colour space; JCS_UNKNOWN = default
    int components = 3;
    bool progressive = false;
    int quality = 95;
};

// Encodes width x height pixels; `pixel(x, y, channels)` fills `components` bytes.
inline std::string EncodeSample(int width, int height, const TSampleOptions& options,
    const std::function<void(int, int, unsigned char*)>& pixel)
{
    jpeg_compress_struct cinfo {};
    jpeg_error_mgr err {};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&cinfo, &out, &outSize);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = options.components;
    cinfo.in_color_space = options.input;
    jpeg_set_defaults(&cinfo);
    if (options.stored != JCS_UNKNOWN || options.input == JCS_UNKNOWN)
        jpeg_set_colorspace(&cinfo, options.stored);
    jpeg_set_quality(&cinfo, options.quality, TRUE);
    if (options.progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(std::size_t(width) * options.components);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = static_cast<int>(cinfo.next_scanline);
        for (int x = 0; x < width; ++x)
            pixel(x, y, &row[std::size_t(x) * options.components]);
        JSAMPROW rows[1] = { row.data() };
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::string bytes(reinterpret_cast<const char*>(out), outSize);
    jpeg_destroy_compress(&cinfo);
    std::free(out);
    return bytes;
}

// Four flat quadrants: red, green / blue, pale grey. Sampled at quadrant centres.
struct TQuadrants {
    static constexpr std::uint8_t kColours[4][3]
        = { { 220, 30, 30 }, { 30, 200, 60 }, { 40, 60, 210 }, { 235, 235, 235 } };
    static int Index(int x, int y, int width, int height)
    {
        return (y >= height / 2 ? 2 : 0) + (x >= width / 2 ? 1 : 0);
    }
};

inline std::string EncodeQuadrants(int width, int height, bool progressive, int quality = 95)
{
    TSampleOptions options;
    options.progressive = progressive;
    options.quality = quality;
    return EncodeSample(width, height, options, [&](int x, int y, unsigned char* out) {
        const auto* colour = TQuadrants::kColours[TQuadrants::Index(x, y, width, height)];
        out[0] = colour[0];
        out[1] = colour[1];
        out[2] = colour[2];
    });
}

// Grey level rising from 0 at the left edge to 255 at the right.
inline int GradientLevel(int x, int width)
{
    return width > 1 ? x * 255 / (width - 1) : 0;
}

inline std::string EncodeGradient(int width, int height, bool progressive)
{
    TSampleOptions options;
    options.input = JCS_GRAYSCALE;
    options.components = 1;
    options.progressive = progressive;
    return EncodeSample(width, height, options, [&](int x, int, unsigned char* out) {
        out[0] = static_cast<unsigned char>(GradientLevel(x, width));
    });
}

// Offsets of the 0xFF of every marker with code `code`, walking the segment structure
// and the entropy-coded data after each start of scan.
inline std::vector<std::size_t> FindMarkers(const std::string& bytes, unsigned char code)
{
    std::vector<std::size_t> found;
    std::size_t at = 2; // after SOI
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    while (at + 1 < bytes.size() && byte(at) == 0xFF) {
        const unsigned char marker = byte(at + 1);
        if (marker == code)
            found.push_back(at);
        if (marker == 0xD9 || at + 3 >= bytes.size())
            break;
        at += 2 + ((std::size_t(byte(at + 2)) << 8) | byte(at + 3));
        if (marker != 0xDA)
            continue;
        // Entropy-coded data runs to the next marker other than a stuffed zero or a restart.
        while (at + 1 < bytes.size()
            && !(byte(at) == 0xFF && byte(at + 1) != 0
                && (byte(at + 1) < 0xD0 || byte(at + 1) > 0xD7)))
            ++at;
    }
    return found;
}

// Rewrites the frame size in the (first) start-of-frame segment.
inline std::string WithFrameSize(std::string bytes, int width, int height)
{
    for (unsigned char sof : { 0xC0, 0xC1, 0xC2 }) {
        auto offsets = FindMarkers(bytes, sof);
        if (offsets.empty())
            continue;
        const std::size_t at = offsets.front() + 5; // marker, length, precision
        bytes[at] = static_cast<char>(height >> 8);
        bytes[at + 1] = static_cast<char>(height & 0xFF);
        bytes[at + 2] = static_cast<char>(width >> 8);
        bytes[at + 3] = static_cast<char>(width & 0xFF);
        break;
    }
    return bytes;
}
