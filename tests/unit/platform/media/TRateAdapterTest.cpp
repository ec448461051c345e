#include "platform/media/TRateAdapter.h"

#include <gtest/gtest.h>

namespace {

TWavSound Int16Sound(int rate, int channels, std::vector<std::int16_t> samples)
{
    TWavSound sound;
    sound.sampleRate = rate;
    sound.channels = channels;
    sound.int16Samples = std::move(samples);
    return sound;
}

template <typename T> std::vector<T> RenderAll(const TRateAdapter& adapter, int channels)
{
    std::vector<T> out(static_cast<std::size_t>(adapter.FrameCount() * channels));
    adapter.Render(0, adapter.FrameCount(), out.data());
    return out;
}

} // namespace

TEST(TRateAdapter, EveryRateReachesTheServersRangeAndKeepsItsLength)
{
    struct TRow {
        int rate;
        int frames;
        int outRate;
        std::int64_t outFrames;
    };
    const TRow rows[] = {
        { 1, 3, 8000, 24000 },
        { 49, 10, 8036, 1640 },
        { 7999, 10, 15998, 20 },
        { 8000, 10, 8000, 10 },
        { 384000, 10, 384000, 10 },
        { 384001, 10, 192001, 5 },
        { 1'000'000, 10, 333333, 4 },
    };
    for (const TRow& row : rows) {
        TWavSound sound = Int16Sound(row.rate, 1, std::vector<std::int16_t>(row.frames, 7));
        TRateAdapter adapter(sound);
        EXPECT_EQ(adapter.Rate(), row.outRate) << row.rate;
        EXPECT_EQ(adapter.FrameCount(), row.outFrames) << row.rate;
        EXPECT_GE(adapter.Rate(), TRateAdapter::kMinRate);
        EXPECT_LE(adapter.Rate(), TRateAdapter::kMaxRate);
        EXPECT_EQ(RenderAll<std::int16_t>(adapter, 1), std::vector<std::int16_t>(row.outFrames, 7));
    }
}

TEST(TRateAdapter, RaisedRatesInterpolateAndHoldTheLastFrame)
{
    TWavSound sound = Int16Sound(4000, 2, { 0, 100, 1000, -100, -2000, 0 });
    TRateAdapter adapter(sound);
    EXPECT_EQ(RenderAll<std::int16_t>(adapter, 2),
        (std::vector<std::int16_t> { 0, 100, 500, 0, 1000, -100, -500, -50, -2000, 0, -2000, 0 }));
    EXPECT_EQ(adapter.ToOutputFrame(2), 4);

    TWavSound deep;
    deep.sampleRate = 2000;
    deep.channels = 1;
    deep.type = TSampleType::Float32;
    deep.floatSamples = { 0.0F, 1.0F };
    TRateAdapter deepAdapter(deep);
    EXPECT_EQ(RenderAll<float>(deepAdapter, 1),
        (std::vector<float> { 0.0F, 0.25F, 0.5F, 0.75F, 1.0F, 1.0F, 1.0F, 1.0F }));
}

TEST(TRateAdapter, LoweredRatesAverageWhatEachFrameCovers)
{
    TWavSound sound = Int16Sound(1'000'000, 2, { 3, -3, 6, -6, 9, -9, 100, 1, 200, 2 });
    TRateAdapter adapter(sound);
    EXPECT_EQ(RenderAll<std::int16_t>(adapter, 2), (std::vector<std::int16_t> { 6, -6, 150, 1 }));
    EXPECT_EQ(adapter.ToOutputFrame(4), 1);
}

TEST(TRateAdapter, RenderingInPiecesGivesTheSameFrames)
{
    std::vector<std::int16_t> samples;
    for (int i = 0; i < 50; ++i)
        samples.push_back(static_cast<std::int16_t>(i * i - 900));
    TWavSound sound = Int16Sound(49, 1, samples);
    TRateAdapter adapter(sound);
    const std::vector<std::int16_t> whole = RenderAll<std::int16_t>(adapter, 1);
    std::vector<std::int16_t> pieces(whole.size());
    // Pieces of uneven sizes, most of them starting between two input frames.
    for (std::int64_t first = 0, count = 1; first < adapter.FrameCount();
         first += count, count = count * 3 % 997 + 1) {
        count = std::min(count, adapter.FrameCount() - first);
        adapter.Render(first, count, pieces.data() + first);
    }
    EXPECT_EQ(pieces, whole);
}
