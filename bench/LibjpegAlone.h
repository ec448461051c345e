#pragma once

// The bare decoder as a baseline: JPEG bytes from memory into a 32-bit pixel buffer that
// is allocated once, rows taken in batches as the decoder is fastest taking them. Only
// the decoding is timed, so comparisons against it are on the strict side.

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <jpeglib.h>
#include <string>
#include <vector>

class TLibjpegAlone {
public:
    void Decode(const std::string& bytes)
    {
        jpeg_decompress_struct cinfo {};
        jpeg_error_mgr err {};
        cinfo.err = jpeg_std_error(&err);
        jpeg_create_decompress(&cinfo);
        jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        jpeg_read_header(&cinfo, TRUE);
        cinfo.out_color_space = JCS_EXT_BGRA;
        jpeg_start_decompress(&cinfo);
        const std::size_t stride = std::size_t(cinfo.output_width) * 4;
        m_pixels.resize(stride * cinfo.output_height);
        constexpr JDIMENSION kBatch = 16;
        JSAMPROW rows[kBatch];
        while (cinfo.output_scanline < cinfo.output_height) {
            JDIMENSION count = std::min(kBatch, cinfo.output_height - cinfo.output_scanline);
            for (JDIMENSION i = 0; i < count; ++i)
                rows[i] = m_pixels.data() + (cinfo.output_scanline + i) * stride;
            jpeg_read_scanlines(&cinfo, rows, count);
        }
        jpeg_finish_decompress(&cinfo);
        jpeg_destroy_decompress(&cinfo);
        benchmark::DoNotOptimize(m_pixels.data());
    }

private:
    std::vector<unsigned char> m_pixels;
};
