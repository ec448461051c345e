#include "platform/jpeg/TJPEGImage.h"

#include "JpegSamples.h"
#include "platform/core/Exceptions.h"
#include "tests/support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <jerror.h>

namespace {

constexpr QRgb kMissing = 0xFF808080;

testing::AssertionResult Near(QRgb actual, int r, int g, int b, int tolerance)
{
    if (qAlpha(actual) == 255 && std::abs(qRed(actual) - r) <= tolerance
        && std::abs(qGreen(actual) - g) <= tolerance && std::abs(qBlue(actual) - b) <= tolerance)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "pixel #" << std::hex << actual << " is not near "
                                       << std::dec << r << "," << g << "," << b;
}

// Loads `bytes` expecting "JPEG error #<code>".
void ExpectJpegError(TJPEGImage& image, const std::string& bytes, int code)
{
    try {
        image.LoadFromBytes(bytes);
        ADD_FAILURE() << "loaded; expected JPEG error #" << code;
    } catch (const EJPEG& error) {
        EXPECT_EQ(error.Message(), "JPEG error #" + std::to_string(code));
    }
}

// A decoded grey picture whose survival a failed load must not disturb.
struct TPrevious {
    TJPEGImage image;
    const uchar* bits = nullptr;
    QRgb corner = 0;

    TPrevious()
    {
        image.LoadFromBytes(EncodeGradient(37, 53, false));
        bits = image.Bitmap().constBits();
        corner = image.Bitmap().pixel(36, 52);
    }
    void ExpectUnchanged() const
    {
        EXPECT_FALSE(image.Empty());
        EXPECT_EQ(image.Width(), 37);
        EXPECT_EQ(image.Height(), 53);
        EXPECT_TRUE(image.Grayscale());
        EXPECT_EQ(image.Bitmap().constBits(), bits);
        EXPECT_EQ(image.Bitmap().pixel(36, 52), corner);
    }
};

struct TShape {
    const char* name;
    int width;
    int height;
    bool grey;
    bool progressive;
};

class DecodesShape : public testing::TestWithParam<TShape> { };

} // namespace

// Odd sizes catch stride and row-batch slips; 4:2:0 chroma needs MCU padding.
INSTANTIATE_TEST_SUITE_P(Jpeg, DecodesShape,
    testing::Values(TShape { "ColourBaseline", 64, 48, false, false },
        TShape { "ColourProgressive", 64, 48, false, true },
        TShape { "ColourOddSize", 17, 9, false, false },
        TShape { "ColourTall", 23, 71, false, true },
        TShape { "GreyBaseline", 37, 53, true, false },
        TShape { "GreyProgressive", 37, 53, true, true }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(DecodesShape, ToFullSizeRgb32WithTheRightPixels)
{
    const TShape shape = GetParam();
    const int w = shape.width;
    const int h = shape.height;
    TJPEGImage image;
    image.LoadFromBytes(shape.grey ? EncodeGradient(w, h, shape.progressive)
                                   : EncodeQuadrants(w, h, shape.progressive));
    EXPECT_EQ(image.Width(), w);
    EXPECT_EQ(image.Height(), h);
    EXPECT_EQ(image.Grayscale(), shape.grey);
    EXPECT_EQ(image.Progressive(), shape.progressive);

    const QImage& bitmap = image.Bitmap();
    ASSERT_EQ(bitmap.format(), QImage::Format_RGB32);
    ASSERT_EQ(bitmap.size(), QSize(w, h));
    EXPECT_EQ(image.DecodeError(), 0);
    if (shape.grey) {
        for (int x : { 0, w / 3, w - 1 }) {
            const int level = GradientLevel(x, w);
            EXPECT_TRUE(Near(bitmap.pixel(x, h / 2), level, level, level, 10)) << "x " << x;
        }
    } else {
        // Quadrant centres, away from chroma bleeding at the seams.
        for (int q = 0; q < 4; ++q) {
            const int x = (q & 1) ? w * 3 / 4 : w / 4;
            const int y = (q & 2) ? h * 3 / 4 : h / 4;
            const auto* c = TQuadrants::kColours[q];
            EXPECT_TRUE(Near(bitmap.pixel(x, y), c[0], c[1], c[2], 24)) << "quadrant " << q;
        }
    }
    EXPECT_EQ(image.Bitmap().constBits(), bitmap.constBits()) << "decoded once";
}

TEST(Jpeg, InkPicturesBecomeScreenColours)
{
    // Stored inverted, as the Adobe marker that the compressor writes says: 255 = no ink.
    for (J_COLOR_SPACE stored : { JCS_CMYK, JCS_YCCK }) {
        TSampleOptions options;
        options.input = JCS_CMYK;
        options.stored = stored;
        options.components = 4;
        std::string bytes = EncodeSample(32, 16, options, [](int x, int, unsigned char* ink) {
            const bool red = x < 16; // magenta + yellow, else half black
            ink[0] = 255;
            ink[1] = red ? 0 : 255;
            ink[2] = red ? 0 : 255;
            ink[3] = red ? 255 : 128;
        });
        TJPEGImage image;
        image.LoadFromBytes(bytes);
        EXPECT_FALSE(image.Grayscale());
        EXPECT_TRUE(Near(image.Bitmap().pixel(6, 8), 255, 0, 0, 12)) << stored;
        EXPECT_TRUE(Near(image.Bitmap().pixel(26, 8), 128, 128, 128, 12)) << stored;
    }
}

TEST(Jpeg, InvalidDataIsRefusedWithTheDecoderNumberAndKeepsThePrevious)
{
    TPrevious previous;
    ExpectJpegError(previous.image, "not a picture", JERR_NO_SOI);
    EXPECT_EQ(JERR_NO_SOI, 53) << "the number users see";
    ExpectJpegError(previous.image, "", JERR_INPUT_EMPTY);
    ExpectJpegError(previous.image, "\xFF\xD8\xFF\xD9", JERR_NO_IMAGE);
    // Ends inside the header: the decoder's stand-in end marker leaves no image.
    ExpectJpegError(previous.image, EncodeQuadrants(16, 16, false).substr(0, 30), JERR_NO_IMAGE);

    // Two channels have no screen colours.
    TSampleOptions twoChannels;
    twoChannels.input = JCS_UNKNOWN;
    twoChannels.components = 2;
    std::string bytes = EncodeSample(8, 8, twoChannels, [](int, int, unsigned char* out) {
        out[0] = 10;
        out[1] = 20;
    });
    ExpectJpegError(previous.image, bytes, JERR_CONVERSION_NOTIMPL);
    previous.ExpectUnchanged();
}

TEST(Jpeg, OversizedFramesAreRefusedAtLoad)
{
    TPrevious previous;
    const std::string small = EncodeQuadrants(16, 16, false);
    ExpectJpegError(previous.image, WithFrameSize(small, 65500, 65500), JERR_IMAGE_TOO_BIG);
    ExpectJpegError(previous.image, WithFrameSize(small, 8193, 8192), JERR_IMAGE_TOO_BIG);
    previous.ExpectUnchanged();

    // The limit itself still loads (only the header: decoding would take 256 MiB).
    TJPEGImage atLimit;
    atLimit.LoadFromBytes(WithFrameSize(small, 16384, 4096));
    EXPECT_EQ(atLimit.Width(), 16384);
    EXPECT_EQ(atLimit.Height(), 4096);
}

TEST(Jpeg, FilesLoadAndMissingOnesNameTheFullPath)
{
    TTempDir dir;
    dir.Write("1.jpg", EncodeQuadrants(20, 10, false));
    TJPEGImage image;
    image.LoadFromFile(dir.File("1.jpg"));
    EXPECT_EQ(image.Bitmap().size(), QSize(20, 10));

    TPrevious previous;
    const std::string missing = dir.File("2.jpg");
    try {
        previous.image.LoadFromFile(missing);
        ADD_FAILURE() << "loaded a missing file";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(
            error.Message(), "Cannot open file \"" + missing + "\". No such file or directory");
    }
    previous.ExpectUnchanged();
}

TEST(Jpeg, DamagedDataAfterAValidHeaderDecodesWhatSurvives)
{
    for (bool progressive : { false, true }) {
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        const std::string whole = EncodeQuadrants(200, 150, progressive, 90);
        const auto scans = FindMarkers(whole, 0xDA);
        ASSERT_FALSE(scans.empty());
        const std::size_t data = whole.size() - scans.front();

        // Cuts land in entropy data (a warning) and in the tables between scans (a
        // fatal error for the decoder); either way the first scan or the top rows show.
        for (int tenth = 3; tenth < 10; ++tenth) {
            SCOPED_TRACE(tenth);
            TJPEGImage cut;
            cut.LoadFromBytes(whole.substr(0, scans.front() + data * tenth / 10));
            ASSERT_EQ(cut.Bitmap().size(), QSize(200, 150));
            EXPECT_TRUE(Near(cut.Bitmap().pixel(50, 10), 220, 30, 30, 24));
        }

        std::string scrambled = whole;
        for (std::size_t i = scrambled.size() * 4 / 10; i < scrambled.size() * 6 / 10; i += 7)
            scrambled[i] = static_cast<char>(scrambled[i] ^ 0x5A);
        TJPEGImage damaged;
        damaged.LoadFromBytes(scrambled);
        EXPECT_EQ(damaged.Bitmap().size(), QSize(200, 150));
    }
}

TEST(Jpeg, AFatalErrorInALaterScanKeepsTheScansBeforeIt)
{
    // Quadrants four colour blocks wide, so the first scans alone (block averages,
    // smoothed across neighbours) are exact inside them.
    std::string bytes = EncodeQuadrants(128, 128, true);
    const auto scans = FindMarkers(bytes, 0xDA);
    ASSERT_GE(scans.size(), 3u);
    const std::size_t header = scans[2];
    const std::size_t components = static_cast<unsigned char>(bytes[header + 4]);
    bytes[header + 5 + 2 * components + 1] = 64; // Se beyond the last coefficient

    TJPEGImage image;
    image.LoadFromBytes(bytes);
    const QImage& bitmap = image.Bitmap();
    ASSERT_EQ(bitmap.size(), QSize(128, 128));
    EXPECT_EQ(image.DecodeError(), JERR_BAD_PROGRESSION);
    EXPECT_TRUE(Near(bitmap.pixel(24, 24), 220, 30, 30, 24));
    EXPECT_TRUE(Near(bitmap.pixel(104, 104), 235, 235, 235, 24));
}

TEST(Jpeg, EndlessScanListsAreCutOff)
{
    // Repeating the last refinement scan is only warned about, so the file stays
    // decodable up to the scan limit; past it the picture is left grey.
    const std::string whole = EncodeQuadrants(40, 24, true);
    const auto scans = FindMarkers(whole, 0xDA);
    const auto ends = FindMarkers(whole, 0xD9);
    ASSERT_FALSE(scans.empty());
    ASSERT_EQ(ends.size(), 1u);
    const std::string scan = whole.substr(scans.back(), ends.front() - scans.back());
    auto repeated = [&](int times) {
        std::string bytes = whole.substr(0, ends.front());
        for (int i = 0; i < times; ++i)
            bytes += scan;
        return bytes + whole.substr(ends.front());
    };

    TJPEGImage many;
    many.LoadFromBytes(repeated(200));
    EXPECT_TRUE(Near(many.Bitmap().pixel(10, 6), 220, 30, 30, 24));
    EXPECT_EQ(many.DecodeError(), 0) << "still decoded";

    TJPEGImage endless;
    endless.LoadFromBytes(repeated(400));
    ASSERT_EQ(endless.Bitmap().size(), QSize(40, 24));
    EXPECT_EQ(endless.DecodeError(), JERR_BAD_PROGRESSION);
    EXPECT_EQ(endless.Bitmap().pixel(0, 0), kMissing);
    EXPECT_EQ(endless.Bitmap().pixel(39, 23), kMissing);
}
