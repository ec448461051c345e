#pragma once

// The Demo course beside the benchmark programs, and libjpeg alone on its first word's
// picture: the baseline that each word-step benchmark runs beside its own figure, so the
// two are measured in one run.

#include "bench/LibjpegAlone.h"
#include "platform/core/FileBytes.h"
#include "platform/core/Paths.h"

#include <benchmark/benchmark.h>
#include <string>

inline std::string DemoFolder() { return ExecutableDirectory() + "Demo"; }

inline void BM_LibjpegAloneOnWordPicture(benchmark::State& state)
{
    const std::string bytes = ReadFileBytes(DemoFolder() + "/1.jpg");
    TLibjpegAlone decoder;
    for (auto _ : state)
        decoder.Decode(bytes);
}
