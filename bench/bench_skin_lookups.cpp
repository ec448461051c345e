#include "skin/SUIThemes.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace {

// How many frames the controls cut each bitmap element into (0: used whole).
int FramesOf(int element)
{
    switch (element) {
    case SUI_THEME_ButtonImage:
    case SUI_THEME_TrackBarBarImage:
    case SUI_THEME_ScrollBarSliderImage:
        return 3;
    case SUI_THEME_CheckBoxImage:
    case SUI_THEME_ScrollButtonImage:
        return 4;
    case SUI_THEME_TitleBarButtonImage:
        return 18;
    case SUI_THEME_ScrollBarButtonImage:
        return 6;
    case SUI_THEME_TabControlTabImage:
        return 2;
    default:
        return 0;
    }
}

// One style application's worth of lookups: every element of the style once, bitmaps
// loaded (from the cache after the first round) and cut where the controls cut them.
void BM_ApplyStyleLookups(benchmark::State& state)
{
    const auto style = static_cast<uint8_t>(state.range(0));
    QImage bitmap;
    for (auto _ : state) {
        int64_t sum = 0;
        for (int element = 1; element <= kThemeElementCount; ++element) {
            switch (ThemeElementKind(element)) {
            case TsuiElementKind::Integer:
                sum += GetBuiltInInt(style, element);
                break;
            case TsuiElementKind::Colour:
                sum += GetBuiltInColor(style, element);
                break;
            case TsuiElementKind::Boolean:
                sum += GetBuiltInBool(style, element);
                break;
            case TsuiElementKind::Bitmap: {
                const int frames = FramesOf(element);
                GetBuiltInBitmap(style, element, &bitmap, frames > 0 ? 1 : 0, frames);
                sum += bitmap.width();
                break;
            }
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kThemeElementCount);
}
BENCHMARK(BM_ApplyStyleLookups)->DenseRange(MacOS, BlueGlass);

} // namespace
