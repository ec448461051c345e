#include "platform/core/Exceptions.h"
#include "skin/SUIThemeFile.h"
#include "skin/SUIThemes.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <QImage>

#include <cctype>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

void PutU32(std::string& bytes, std::size_t at, uint32_t value)
{
    if (bytes.size() < at + 4)
        bytes.resize(at + 4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

struct TRecord {
    std::string name;
    uint8_t type;
    uint32_t dataOffset;
    uint32_t dataLength;
    uint32_t next;
};

void PutRecord(std::string& bytes, std::size_t at, const TRecord& record)
{
    if (bytes.size() < at + 77)
        bytes.resize(at + 77, '\0');
    std::memcpy(&bytes[at], record.name.data(), std::min<std::size_t>(record.name.size(), 64));
    bytes[at + 64] = static_cast<char>(record.type);
    PutU32(bytes, at + 65, record.dataOffset);
    PutU32(bytes, at + 69, record.dataLength);
    PutU32(bytes, at + 73, record.next);
}

// A header of length 24 with the first record at `first`.
std::string Header(uint32_t first = 24)
{
    std::string bytes(24, '\0');
    PutU32(bytes, 12, 24);
    PutU32(bytes, 20, first);
    return bytes;
}

// The 182-byte file that sets only FormBorderWidthInt to 3, byte for byte.
std::string ExampleFile()
{
    std::string bytes(182, '\0');
    PutU32(bytes, 12, 24);
    PutU32(bytes, 20, 24);
    std::memcpy(&bytes[24], "FormBorderWidthInt", 18);
    bytes[88] = 1;
    PutU32(bytes, 89, 178);
    PutU32(bytes, 93, 4);
    PutU32(bytes, 97, 101);
    PutU32(bytes, 178, 3);
    return bytes;
}

std::unique_ptr<TsuiThemeFileReader> Read(std::string bytes)
{
    return TsuiThemeFileReader::FromBytes(std::move(bytes));
}

std::string Bmp(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
}

} // namespace

TEST(ThemeFileReader, ExampleFileFromDiskGivesItsOneValue)
{
    TTempDir dir;
    dir.Write("example.theme", ExampleFile());
    TsuiThemeFileReader reader(dir.File("example.theme"));
    EXPECT_EQ(reader.GetInteger("FormBorderWidthInt"), 3);
    EXPECT_EQ(reader.GetInteger("formborderwidthINT"), 3);
    EXPECT_EQ(reader.GetInteger("FormBorderColor"), -1);
    EXPECT_EQ(reader.GetInteger("FormBorderWidthInt "), -1);
    EXPECT_FALSE(reader.GetBoolean("FormBorderWidthInt"));
    EXPECT_FALSE(reader.GetStream("FormBorderWidthInt"));
    EXPECT_EQ(reader.ValueCount(), 1u);
    EXPECT_EQ(reader.WalkEnd(), TsuiThemeWalkEnd::Closed);

    TsuiFileThemeMgr manager;
    EXPECT_EQ(manager.GetInt(SUI_THEME_FormBorderWidthInt), 0);
    EXPECT_EQ(manager.GetColor(SUI_THEME_FormBorderColor), 0u);
    ASSERT_TRUE(manager.Load(dir.File("example.theme")));
    EXPECT_EQ(manager.GetInt(SUI_THEME_FormBorderWidthInt), 3);
    EXPECT_EQ(manager.GetInt(SUI_THEME_FormBorderColor), -1);
    EXPECT_EQ(manager.GetColor(SUI_THEME_FormBorderColor), 0xFFFFFFFFu);
    EXPECT_FALSE(manager.GetBool(SUI_THEME_ButtonTransparentBool));
}

TEST(ThemeFileReader, ClosingRecordIsNeverReadAndEmptyThemeHasNoValues)
{
    // A closing record that looks like a full entry still only closes the chain.
    std::string bytes = ExampleFile();
    PutRecord(bytes, 101, { "FormBorderColor", 1, 178, 4, 0 });
    auto reader = Read(bytes);
    EXPECT_EQ(reader->GetInteger("FormBorderColor"), -1);
    EXPECT_EQ(reader->ValueCount(), 1u);

    std::string empty = Header();
    PutRecord(empty, 24, { "ButtonTransparentBool", 2, 24, 1, 0 });
    reader = Read(empty);
    EXPECT_EQ(reader->ValueCount(), 0u);
    EXPECT_EQ(reader->WalkEnd(), TsuiThemeWalkEnd::Closed);
    for (int element = 1; element <= kThemeElementCount; ++element) {
        EXPECT_EQ(reader->GetInteger(ThemeElementKey(element)), -1);
        EXPECT_FALSE(reader->GetBoolean(ThemeElementKey(element)));
    }
}

TEST(ThemeFileReader, FollowsTheChainNotTheFileOrder)
{
    // Three records, placed backwards: 24 -> 258 -> 101 (closing). Data after them.
    std::string bytes = Header(24);
    PutRecord(bytes, 24, { "ButtonTransparentBool", 2, 340, 1, 258 });
    PutRecord(bytes, 101, { "", 0, 0, 0, 0 });
    PutRecord(bytes, 178, { "FormMinWidthInt", 1, 336, 4, 101 }); // not in the chain
    PutRecord(bytes, 258, { "FormRoundCornerInt", 1, 336, 4, 101 });
    PutU32(bytes, 336, 0xFFFFFFF6); // -10
    bytes.push_back('\x7');
    auto reader = Read(bytes);
    EXPECT_EQ(reader->ValueCount(), 2u);
    EXPECT_TRUE(reader->GetBoolean("ButtonTransparentBool"));
    EXPECT_EQ(reader->GetInteger("FormRoundCornerInt"), -10);
    EXPECT_EQ(reader->GetInteger("FormMinWidthInt"), -1);
}

TEST(ThemeFileReader, NamesIgnoreCaseAndTheFirstWins)
{
    TsuiThemeFileWriter writer;
    writer.AddInteger("MENUBARCOLOR", 0x111111);
    writer.AddInteger("menubarcolor", 0x222222);
    writer.AddBoolean("buttonTRANSPARENTbool", false);
    writer.AddBoolean("ButtonTransparentBool", true);
    writer.AddBitmap("ButtonImage", "first");
    writer.AddBitmap("BUTTONIMAGE", "second");
    // A name in another table does not shadow.
    writer.AddString("MenuBarColor", "text");
    auto reader = Read(writer.Bytes());
    EXPECT_EQ(reader->GetInteger("MenuBarColor"), 0x111111);
    EXPECT_FALSE(reader->GetBoolean("ButtonTransparentBool"));
    EXPECT_EQ(reader->GetStream("buttonimage").value_or(""), "first");
    EXPECT_EQ(reader->GetString("MENUBARCOLOR").value_or(""), "text");
}

TEST(ThemeFileReader, KeepsEveryKindAndSkipsOtherTypes)
{
    std::string bmp = Bmp(6, 2, qRgb(10, 200, 30));
    std::string bytes = Header();
    PutRecord(bytes, 24, { "Odd", 9, 0xFFFFFFF0, 0xFFFFFFF0, 101 });
    PutRecord(bytes, 101, { "Note", 3, 332, 5, 178 });
    PutRecord(bytes, 178, { "ButtonImage", 0, 337, static_cast<uint32_t>(bmp.size()), 255 });
    PutRecord(bytes, 255, { "", 0, 0, 0, 0 });
    bytes.resize(332);
    bytes += "hello";
    bytes += bmp;
    auto reader = Read(bytes);
    EXPECT_EQ(reader->ValueCount(), 2u);
    EXPECT_EQ(reader->WalkEnd(), TsuiThemeWalkEnd::Closed);
    EXPECT_EQ(reader->GetString("note").value_or(""), "hello");
    EXPECT_EQ(reader->GetStream("ButtonImage").value_or(""), bmp);
    EXPECT_EQ(reader->GetStream("ButtonImage").value_or(""), bmp);
}

// Each hostile file must end, read nothing outside itself and keep what came before the fault.
struct TMalformedCase {
    const char* what;
    std::string bytes;
    TsuiThemeWalkEnd end;
    int32_t formBorderWidth; // the value read before the fault, -1 when none
    int32_t menuBarColor; // a value after the fault, -1 when it must not count
};

class ThemeFileReaderMalformed : public testing::TestWithParam<TMalformedCase> { };

TEST_P(ThemeFileReaderMalformed, StopsAndKeepsEarlierValues)
{
    const TMalformedCase& c = GetParam();
    auto reader = Read(c.bytes);
    EXPECT_EQ(reader->WalkEnd(), c.end) << c.what;
    EXPECT_EQ(reader->GetInteger("FormBorderWidthInt"), c.formBorderWidth) << c.what;
    EXPECT_EQ(reader->GetInteger("MenuBarColor"), c.menuBarColor) << c.what;
}

namespace {

// FormBorderWidthInt = 3 at record 24 (its data in the unexamined header bytes 16-19), then
// `second` at 101; 0x123456 lies at 400 for it.
std::string OneValueThen(const TRecord& second)
{
    std::string bytes = Header();
    PutRecord(bytes, 24, { "FormBorderWidthInt", 1, 16, 4, 101 });
    PutU32(bytes, 16, 3);
    PutRecord(bytes, 101, second);
    PutU32(bytes, 400, 0x123456);
    return bytes;
}

std::string WithHeaderLength(uint32_t length)
{
    std::string bytes = ExampleFile();
    PutU32(bytes, 12, length);
    return bytes;
}

std::vector<TMalformedCase> MalformedCases()
{
    using E = TsuiThemeWalkEnd;
    // 178 and 255 are all zero: closing records.
    std::string wrongIntLength = OneValueThen({ "MenuBarColor", 1, 400, 2, 178 });
    PutRecord(wrongIntLength, 178, { "menubarcolor", 1, 400, 4, 255 });
    PutRecord(wrongIntLength, 255, { "", 0, 0, 0, 0 });

    return {
        { "shorter than 16 bytes", std::string(15, '\0'), E::NoHeader, -1, -1 },
        { "header length below 24", WithHeaderLength(23), E::NoHeader, -1, -1 },
        { "header length past the end", WithHeaderLength(183), E::NoHeader, -1, -1 },
        { "first record past the end", Header(182), E::RecordOutsideFile, -1, -1 },
        { "first record at 2^32 - 1", Header(0xFFFFFFFF), E::RecordOutsideFile, -1, -1 },
        { "record cut off by the end",
            OneValueThen({ "MenuBarColor", 1, 400, 4, 178 }).substr(0, 177), E::RecordOutsideFile,
            3, -1 },
        { "next record past the end", OneValueThen({ "MenuBarColor", 1, 400, 4, 5000 }),
            E::RecordOutsideFile, 3, 0x123456 },
        { "chain back to the first record", OneValueThen({ "MenuBarColor", 1, 400, 4, 24 }),
            E::ChainLoops, 3, 0x123456 },
        { "record pointing at itself", OneValueThen({ "MenuBarColor", 1, 400, 4, 101 }),
            E::ChainLoops, 3, 0x123456 },
        { "integer of length 2 is skipped, a later one counts", wrongIntLength, E::Closed, 3,
            0x123456 },
    };
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Cases, ThemeFileReaderMalformed, testing::ValuesIn(MalformedCases()),
    [](const testing::TestParamInfo<TMalformedCase>& info) {
        std::string name;
        for (const char* c = info.param.what; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

TEST(ThemeFileReader, ValuesOfTheWrongLengthOrOutsideTheFileAreSkipped)
{
    std::string bytes = Header();
    PutRecord(bytes, 24, { "Good", 1, 600, 4, 101 });
    PutRecord(bytes, 101, { "ShortInt", 1, 600, 3, 178 });
    PutRecord(bytes, 178, { "LongInt", 1, 600, 8, 255 });
    PutRecord(bytes, 255, { "EmptyBool", 2, 600, 0, 332 });
    PutRecord(bytes, 332, { "WideBool", 2, 600, 2, 409 });
    PutRecord(bytes, 409, { "HugeImage", 0, 600, 0xFFFFFFF0, 486 });
    PutRecord(bytes, 486, { "FarText", 3, 0xFFFFFFF0, 0x20, 563 });
    PutRecord(bytes, 563, { "Tail", 2, 600, 1, 640 });
    PutRecord(bytes, 640, { "", 0, 0, 0, 0 });
    PutU32(bytes, 600, 7);
    auto reader = Read(bytes);
    EXPECT_EQ(reader->GetInteger("Good"), 7);
    EXPECT_EQ(reader->GetInteger("ShortInt"), -1);
    EXPECT_EQ(reader->GetInteger("LongInt"), -1);
    EXPECT_FALSE(reader->GetBoolean("EmptyBool"));
    EXPECT_FALSE(reader->GetBoolean("WideBool"));
    EXPECT_FALSE(reader->GetStream("HugeImage"));
    EXPECT_FALSE(reader->GetString("FarText"));
    EXPECT_TRUE(reader->GetBoolean("Tail"));
    EXPECT_EQ(reader->ValueCount(), 2u);
}

TEST(ThemeFileReader, ChainOfOverlappingRecordsStopsAtWhatTheFileHasRoomFor)
{
    // A record every 8 bytes, each pointing to the next: far more records than fit side by
    // side, none met twice.
    const std::size_t records = 4000;
    std::string bytes = Header();
    for (std::size_t i = 0; i < records; ++i)
        PutU32(bytes, 24 + 8 * i + 73, static_cast<uint32_t>(24 + 8 * (i + 1)));
    auto reader = Read(bytes);
    EXPECT_EQ(reader->WalkEnd(), TsuiThemeWalkEnd::TooManyRecords);
}

TEST(ThemeFileWriter, LaysOutTheExampleAndRoundTripsEveryKind)
{
    TsuiThemeFileWriter example;
    example.AddInteger("FormBorderWidthInt", 3);
    std::string written = example.Bytes();
    ASSERT_EQ(written.size(), 182u);
    EXPECT_EQ(written.substr(0, 12), "ZINTARO-THEM");
    // Everything the reader examines is as in the example file.
    std::string expected = ExampleFile();
    EXPECT_EQ(written.substr(12, 4), expected.substr(12, 4));
    EXPECT_EQ(written.substr(20), expected.substr(20));

    std::string bmp = Bmp(3, 3, qRgb(1, 2, 3));
    TsuiThemeFileWriter writer;
    writer.AddBitmap("ButtonImage", bmp);
    writer.AddInteger("FormBorderColor", static_cast<int32_t>(0xFF00000F));
    writer.AddInteger("TitleBarButtonRightOffsetInt", -2);
    writer.AddBoolean("ButtonTransparentBool", true);
    writer.AddString("Author", "");
    writer.AddBitmap(std::string(64, 'x'), "");
    auto reader = Read(writer.Bytes());
    EXPECT_EQ(reader->ValueCount(), 6u);
    EXPECT_EQ(reader->GetStream("ButtonImage").value_or(""), bmp);
    EXPECT_EQ(static_cast<uint32_t>(reader->GetInteger("FormBorderColor")), 0xFF00000Fu);
    EXPECT_EQ(reader->GetInteger("TitleBarButtonRightOffsetInt"), -2);
    EXPECT_TRUE(reader->GetBoolean("ButtonTransparentBool"));
    EXPECT_TRUE(reader->GetString("Author").has_value());
    EXPECT_TRUE(reader->GetStream(std::string(64, 'X')).has_value());

    EXPECT_THROW(writer.AddInteger(std::string(65, 'x'), 1), std::invalid_argument);
    EXPECT_THROW(writer.AddInteger(std::string("a\0b", 3), 1), std::invalid_argument);
    EXPECT_THROW(writer.AddInteger("", 1), std::invalid_argument);
}

TEST(FileThemeMgr, DecodesBitmapsAndLeavesTheTargetForWhatItCannotUse)
{
    TsuiThemeFileWriter writer;
    writer.AddBitmap("ButtonImage", Bmp(6, 2, qRgb(10, 200, 30)));
    writer.AddBitmap("CheckBoxImage", "BM not really a bitmap");
    TTempDir dir;
    dir.Write("bitmaps.theme", writer.Bytes());

    TsuiFileThemeMgr manager;
    QImage untouched(1, 1, QImage::Format_RGB32);
    untouched.fill(Qt::red);
    QImage target = untouched;
    manager.GetBitmap(SUI_THEME_ButtonImage, &target);
    EXPECT_EQ(target, untouched) << "no reader yet";

    ASSERT_TRUE(manager.Load(dir.File("bitmaps.theme")));
    manager.GetBitmap(SUI_THEME_ButtonImage, &target);
    EXPECT_EQ(target.size(), QSize(6, 2));
    EXPECT_EQ(target.format(), QImage::Format_RGB32);
    EXPECT_EQ(target.pixel(5, 1), qRgb(10, 200, 30));

    for (int element : { int(SUI_THEME_CheckBoxImage), int(SUI_THEME_TrackBarBarImage), 0, 43 }) {
        target = untouched;
        manager.GetBitmap(element, &target);
        EXPECT_EQ(target, untouched) << element;
    }
    manager.GetBitmap(SUI_THEME_ButtonImage, nullptr);

    // Numbers outside 1..42 have no key and must not find an entry without a name.
    std::string unnamed = Header();
    PutRecord(unnamed, 24, { "", 1, 16, 4, 101 });
    PutU32(unnamed, 16, 42);
    PutRecord(unnamed, 101, { "", 0, 0, 0, 0 });
    dir.Write("unnamed.theme", unnamed);
    ASSERT_TRUE(manager.Load(dir.File("unnamed.theme")));
    ASSERT_EQ(manager.Reader()->GetInteger(""), 42);
    EXPECT_EQ(manager.GetInt(0), -1);
    EXPECT_EQ(manager.GetInt(kThemeElementCount + 1), -1);
}

TEST(FileThemeMgr, MissingFileKeepsTheReaderAndAnUnreadableOneDropsIt)
{
    TTempDir dir;
    dir.Write("example.theme", ExampleFile());
    TsuiFileThemeMgr manager;
    ASSERT_TRUE(manager.Load(dir.File("example.theme")));
    EXPECT_FALSE(manager.Load(dir.File("absent.theme")));
    EXPECT_FALSE(manager.Load(dir.Path()));
    EXPECT_EQ(manager.GetInt(SUI_THEME_FormBorderWidthInt), 3);

    // It exists, but reading it fails.
    EXPECT_THROW(manager.Load("/proc/self/mem"), EFOpenError);
    EXPECT_EQ(manager.Reader(), nullptr);
    EXPECT_EQ(manager.GetInt(SUI_THEME_FormBorderWidthInt), 0);
}
