// Loading a theme file and reading one style's worth of elements from it.
#include "skin/SUIMgr.h"
#include "skin/SUIStyledControl.h"
#include "skin/SUIThemeFile.h"
#include "skin/SUIThemes.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <fstream>
#include <string>

namespace {

constexpr std::size_t kThemeBytes = 1024 * 1024;

std::string Bmp(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(
                x, y, qRgb((x * 7 + seed) & 0xFF, (y * 5 + seed) & 0xFF, (x ^ y) & 0xFF));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
}

// All 42 elements; the 19 bitmaps share out about 1 MiB.
class TThemeOnDisk {
public:
    TThemeOnDisk()
    {
        int bitmaps = 0;
        for (int element = 1; element <= kThemeElementCount; ++element)
            bitmaps += ThemeElementKind(element) == TsuiElementKind::Bitmap;
        // 24-bit rows of a width divisible by 4 have no padding.
        const int width = 132;
        const int height
            = static_cast<int>(kThemeBytes / static_cast<std::size_t>(bitmaps) / (width * 3));
        TsuiThemeFileWriter writer;
        for (int element = 1; element <= kThemeElementCount; ++element) {
            std::string key(ThemeElementKey(element));
            switch (ThemeElementKind(element)) {
            case TsuiElementKind::Bitmap:
                writer.AddBitmap(key, Bmp(width, height, element));
                break;
            case TsuiElementKind::Boolean:
                writer.AddBoolean(key, element % 2 == 0);
                break;
            case TsuiElementKind::Integer:
            case TsuiElementKind::Colour:
                writer.AddInteger(key, element * 1000);
                break;
            }
        }
        std::string bytes = writer.Bytes();
        size = bytes.size();
        path = dir.path().toStdString() + "/bench.theme";
        std::ofstream(path, std::ios::binary) << bytes;
    }

    QTemporaryDir dir;
    std::string path;
    std::size_t size = 0;
};

const TThemeOnDisk& Theme()
{
    static TThemeOnDisk theme;
    return theme;
}

void BM_LoadThemeFile(benchmark::State& state)
{
    const TThemeOnDisk& theme = Theme();
    TsuiFileThemeMgr manager;
    for (auto _ : state)
        benchmark::DoNotOptimize(manager.Load(theme.path));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * theme.size));
    state.counters["file_bytes"] = static_cast<double>(theme.size);
}
BENCHMARK(BM_LoadThemeFile)->Unit(benchmark::kMicrosecond);

// What one style application of a control that reads every element asks for: bitmaps cut
// into their frames, colours, integers and booleans.
void BM_StyleApplicationLookups(benchmark::State& state)
{
    TsuiFileTheme theme;
    theme.SetThemeFile(Theme().path);
    TsuiStyleSource source(&theme, FromThemeFile);
    QImage bitmap;
    for (auto _ : state) {
        int64_t sum = 0;
        for (int element = 1; element <= kThemeElementCount; ++element) {
            switch (ThemeElementKind(element)) {
            case TsuiElementKind::Bitmap:
                source.GetBitmapFrame(element, &bitmap, 1, 3);
                sum += bitmap.width();
                break;
            case TsuiElementKind::Boolean:
                sum += source.GetBool(element);
                break;
            case TsuiElementKind::Integer:
                sum += source.GetInt(element);
                break;
            case TsuiElementKind::Colour:
                sum += source.GetColor(element);
                break;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_StyleApplicationLookups)->Unit(benchmark::kMicrosecond);

// The same without the bitmaps: the lookups alone.
void BM_ValueLookups(benchmark::State& state)
{
    TsuiFileTheme theme;
    theme.SetThemeFile(Theme().path);
    for (auto _ : state) {
        int64_t sum = 0;
        for (int element = 1; element <= kThemeElementCount; ++element)
            sum += theme.GetInt(element) + theme.GetBool(element);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ValueLookups);

} // namespace
