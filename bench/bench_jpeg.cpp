// The cost of our picture class over the bare decoder, on a word-picture-sized JPEG.

#include "platform/jpeg/TJPEGImage.h"
#include "tests/unit/platform/jpeg/JpegSamples.h"
#include "bench/LibjpegAlone.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

// A 360 x 260 picture with strokes and soft shading, closer to a scanned word than
// flat colour would be.
const std::string& Picture()
{
    static const std::string bytes = [] {
        TSampleOptions options;
        options.quality = 85;
        return EncodeSample(360, 260, options, [](int x, int y, unsigned char* out) {
            const bool stroke = (x / 9 + y / 13) % 5 == 0
                || std::abs((x - 180) * (x - 180) + (y - 130) * (y - 130) - 9000) < 900;
            const int shade = 200 + (x + y) % 40;
            out[0] = static_cast<unsigned char>(stroke ? 20 : shade);
            out[1] = static_cast<unsigned char>(stroke ? 20 : shade - (y % 30));
            out[2] = static_cast<unsigned char>(stroke ? 60 : shade - (x % 50));
        });
    }();
    return bytes;
}

void BM_TJPEGImageLoadAndBitmap(benchmark::State& state)
{
    for (auto _ : state) {
        TJPEGImage image;
        image.LoadFromBytes(Picture());
        benchmark::DoNotOptimize(image.Bitmap().constBits());
    }
    state.SetLabel(std::to_string(Picture().size()) + " bytes");
}
BENCHMARK(BM_TJPEGImageLoadAndBitmap);

// The same bytes through the decoder alone, into a buffer of the same layout.
void BM_LibjpegDecodeAlone(benchmark::State& state)
{
    const std::string& bytes = Picture();
    TLibjpegAlone decoder;
    for (auto _ : state)
        decoder.Decode(bytes);
}
BENCHMARK(BM_LibjpegDecodeAlone);

} // namespace
