#include "platform/media/TWavDecoder.h"

#include "WavBytes.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace wav;

namespace {

std::string Wav(const std::string& fmtBody, const std::string& data)
{
    return Riff(Chunk("fmt ", fmtBody) + Chunk("data", data));
}

std::string ErrorOf(const std::string& bytes)
{
    try {
        TWavDecoder::Decode(bytes);
    } catch (const TWavError& e) {
        return e.what();
    }
    return "decoded";
}

} // namespace

TEST(TWavDecoder, IntegerDepthsUpToSixteenBitsStayIntegers)
{
    TWavSound s8 = TWavDecoder::Decode(Wav(Fmt(1, 1, 8000, 8), std::string("\x00\x80\xFF\x7F", 4)));
    EXPECT_EQ(s8.type, TSampleType::Int16);
    EXPECT_EQ(s8.int16Samples, (std::vector<std::int16_t> { -32768, 0, 32512, -256 }));

    TWavSound s16 = TWavDecoder::Decode(
        Wav(Fmt(1, 1, 44100, 16), Le16(0x8000) + Le16(0xFFFF) + Le16(0x7FFF) + Le16(0x0102)));
    EXPECT_EQ(s16.sampleRate, 44100);
    EXPECT_EQ(s16.int16Samples, (std::vector<std::int16_t> { -32768, -1, 32767, 0x0102 }));

    // Twelve bits come left-justified in two bytes and read as sixteen.
    TWavSound s12 = TWavDecoder::Decode(Wav(Fmt(1, 1, 8000, 12), Le16(0xFFF0) + Le16(0x7FF0)));
    EXPECT_EQ(s12.int16Samples, (std::vector<std::int16_t> { -16, 0x7FF0 }));
}

TEST(TWavDecoder, DeeperIntegersAndFloatsBecomeFloats)
{
    TWavSound s24 = TWavDecoder::Decode(Wav(Fmt(1, 1, 48000, 24),
        Le24(-8388608) + Le24(8388607) + Le24(1) + Le24(-1) + Le24(0x400000)));
    ASSERT_EQ(s24.type, TSampleType::Float32);
    EXPECT_EQ(s24.floatSamples,
        (std::vector<float> {
            -1.0F, 8388607 / 8388608.0F, 1 / 8388608.0F, -1 / 8388608.0F, 0.5F }));

    TWavSound s32 = TWavDecoder::Decode(
        Wav(Fmt(1, 1, 48000, 32), Le32(0x80000000) + Le32(0x40000000) + Le32(0xC0000000)));
    EXPECT_EQ(s32.floatSamples, (std::vector<float> { -1.0F, 0.5F, -0.5F }));

    // Values a device cannot take are tamed: NaN is silence, the rest is clipped.
    TWavSound f = TWavDecoder::Decode(Wav(Fmt(3, 1, 22050, 32),
        Float32(0.25F) + Float32(-0.75F) + Float32(std::nanf("")) + Float32(2.0F)
            + Float32(-std::numeric_limits<float>::infinity())));
    EXPECT_EQ(f.floatSamples, (std::vector<float> { 0.25F, -0.75F, 0.0F, 1.0F, -1.0F }));
}

TEST(TWavDecoder, ExtensibleFormatUsesItsSubFormat)
{
    TWavSound pcm = TWavDecoder::Decode(
        Wav(FmtExtensible(1, 2, 44100, 16, 16), Le16(1) + Le16(2) + Le16(3) + Le16(4)));
    EXPECT_EQ(pcm.type, TSampleType::Int16);
    EXPECT_EQ(pcm.channels, 2);
    EXPECT_EQ(pcm.int16Samples, (std::vector<std::int16_t> { 1, 2, 3, 4 }));

    // 24 valid bits in 32-bit containers.
    TWavSound padded = TWavDecoder::Decode(
        Wav(FmtExtensible(1, 1, 96000, 32, 24), Le32(0x40000000) + Le32(0xFFFFFF00)));
    EXPECT_EQ(padded.floatSamples, (std::vector<float> { 0.5F, -1 / 8388608.0F }));

    TWavSound flt = TWavDecoder::Decode(Wav(FmtExtensible(3, 1, 44100, 32, 32), Float32(-0.125F)));
    EXPECT_EQ(flt.floatSamples, (std::vector<float> { -0.125F }));

    std::string badGuid = FmtExtensible(1, 1, 44100, 16, 16);
    badGuid[30] = 'x';
    EXPECT_EQ(ErrorOf(Wav(badGuid, Le16(1))), "unknown extensible sub-format");
    EXPECT_EQ(ErrorOf(Wav(FmtExtensible(1, 1, 44100, 16, 16).substr(0, 30), Le16(1))),
        "extensible format chunk too short");
    EXPECT_EQ(
        ErrorOf(Wav(FmtExtensible(2, 1, 44100, 16, 16), Le16(1))), "unsupported format tag 2");
}

TEST(TWavDecoder, StereoFramesKeepTheirChannelOrder)
{
    TWavSound s = TWavDecoder::Decode(Pcm16(44100, 2, { 100, -200, 300, -400, 500, -600 }));
    EXPECT_EQ(s.FrameCount(), 3);
    EXPECT_EQ(s.BytesPerFrame(), 4);
    EXPECT_EQ(s.ByteCount(), 12);
    EXPECT_FLOAT_EQ(s.SampleAt(1, 0), 300 / 32768.0F);
    EXPECT_FLOAT_EQ(s.SampleAt(2, 1), -600 / 32768.0F);
}

TEST(TWavDecoder, UnknownChunksAreSkippedWithTheirPadByte)
{
    // An odd-sized chunk before each of fmt and data, and data of odd size followed by more.
    std::string file
        = Riff(Chunk("LIST", "abc") + Chunk("fmt ", Fmt(1, 1, 8000, 8)) + Chunk("junk", "x")
            + Chunk("data", std::string("\x81\x82\x83", 3)) + Chunk("tail", "12345"));
    TWavSound s = TWavDecoder::Decode(file);
    EXPECT_EQ(s.int16Samples, (std::vector<std::int16_t> { 256, 512, 768 }));

    // Data before its format, as some writers do.
    TWavSound early
        = TWavDecoder::Decode(Riff(Chunk("data", Le16(7)) + Chunk("fmt ", Fmt(1, 1, 8000, 16))));
    EXPECT_EQ(early.int16Samples, (std::vector<std::int16_t> { 7 }));

    // Only the first of two data chunks counts.
    TWavSound twice = TWavDecoder::Decode(
        Riff(Chunk("fmt ", Fmt(1, 1, 8000, 16)) + Chunk("data", Le16(1)) + Chunk("data", Le16(2))));
    EXPECT_EQ(twice.int16Samples, (std::vector<std::int16_t> { 1 }));
}

TEST(TWavDecoder, DataLongerThanTheFileIsCutToWhatIsThere)
{
    std::string head = Riff(Chunk("fmt ", Fmt(1, 2, 8000, 16)));
    // Declared 1000 bytes, five there: one whole stereo frame, the rest is dropped.
    std::string file = head + "data" + Le32(1000) + Le16(11) + Le16(22) + "\x05";
    TWavSound s = TWavDecoder::Decode(file);
    EXPECT_EQ(s.FrameCount(), 1);
    EXPECT_EQ(s.int16Samples, (std::vector<std::int16_t> { 11, 22 }));

    TWavSound huge = TWavDecoder::Decode(head + "data" + Le32(0xFFFFFFFF) + Le16(3) + Le16(4));
    EXPECT_EQ(huge.FrameCount(), 1);

    TWavSound empty = TWavDecoder::Decode(head + Chunk("data", ""));
    EXPECT_EQ(empty.FrameCount(), 0);
}

TEST(TWavDecoder, SizesThatRunPastTheFileEndTheSearch)
{
    std::string fmt = Chunk("fmt ", Fmt(1, 1, 8000, 16));
    // A chunk claiming almost 4 GiB hides everything behind it, without overflow.
    EXPECT_EQ(ErrorOf(Riff(fmt + Chunk("junk", "ab", 0xFFFFFFFE) + Chunk("data", Le16(1)))),
        "no data chunk");
    EXPECT_EQ(ErrorOf(Riff(Chunk("junk", "ab", 0xFFFFFFFF) + fmt)), "no format chunk");
    // A format chunk cut by the end of the file is read as far as it goes.
    EXPECT_EQ(ErrorOf(Riff(
                  Chunk("data", Le16(1)) + "fmt " + Le32(16) + Fmt(1, 1, 8000, 16).substr(0, 10))),
        "format chunk too short");
    EXPECT_EQ(
        ErrorOf(Riff(Chunk("fmt ", Fmt(1, 1, 8000, 16).substr(0, 14)) + Chunk("data", Le16(1)))),
        "format chunk too short");
    // A trailing chunk header that is cut short is ignored.
    TWavSound s = TWavDecoder::Decode(Riff(fmt + Chunk("data", Le16(9))) + "dat");
    EXPECT_EQ(s.int16Samples, (std::vector<std::int16_t> { 9 }));
    // The RIFF size is not trusted.
    std::string lying = Riff(fmt + Chunk("data", Le16(5)));
    lying.replace(4, 4, Le32(0));
    EXPECT_EQ(TWavDecoder::Decode(lying).int16Samples, (std::vector<std::int16_t> { 5 }));
}

TEST(TWavDecoder, RefusesWhatItCannotPlay)
{
    EXPECT_EQ(ErrorOf(""), "not a RIFF/WAVE file");
    EXPECT_EQ(ErrorOf("RIFF\x04\0\0\0WAV"), "not a RIFF/WAVE file");
    EXPECT_EQ(ErrorOf("RIFX" + Le32(4) + "WAVE"), "not a RIFF/WAVE file");
    EXPECT_EQ(ErrorOf("RIFF" + Le32(4) + "AVI "), "not a RIFF/WAVE file");
    EXPECT_EQ(ErrorOf("\xFF\xD8\xFF\xE0 this is a picture"), "not a RIFF/WAVE file");
    EXPECT_EQ(ErrorOf(Riff("")), "no format chunk");
    EXPECT_EQ(ErrorOf(Riff(Chunk("fmt ", Fmt(1, 1, 8000, 16)))), "no data chunk");
    EXPECT_EQ(ErrorOf(Wav(Fmt(1, 3, 8000, 16), Le16(1) + Le16(2) + Le16(3))),
        "3 channels: only mono and stereo sounds can be played");
    EXPECT_EQ(ErrorOf(Wav(Fmt(1, 0, 8000, 16), "")),
        "0 channels: only mono and stereo sounds can be played");
    EXPECT_EQ(ErrorOf(Wav(Fmt(1, 1, 0, 16), "")), "sample rate 0 out of range");
    EXPECT_EQ(ErrorOf(Wav(Fmt(1, 1, 0xFFFFFFFF, 16), "")), "sample rate 4294967295 out of range");
    EXPECT_EQ(ErrorOf(Wav(Fmt(1, 1, 8000, 0), "")), "0-bit samples are not supported");
    EXPECT_EQ(ErrorOf(Wav(Fmt(1, 1, 8000, 40), "")), "40-bit samples are not supported");
    EXPECT_EQ(ErrorOf(Wav(Fmt(3, 1, 8000, 64), "")), "64-bit samples are not supported");
    EXPECT_EQ(ErrorOf(Wav(Fmt(0x55, 1, 8000, 0), "")), "unsupported format tag 85");
}
