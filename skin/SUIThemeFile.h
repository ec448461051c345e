#pragma once

#include "platform/graphics/TColor.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class QImage;

// A theme file: a header whose length sits at byte 12 and whose first-entry offset sits at
// byte 20, then a chain of 77-byte entry records (64-byte name, type byte, data offset,
// data length, next-record offset; all little-endian). The record whose next offset is 0
// only closes the chain.
constexpr std::size_t kThemeHeaderLengthAt = 12;
constexpr std::size_t kThemeFirstEntryAt = 20;
constexpr std::size_t kThemeHeaderMinLength = 24;
constexpr std::size_t kThemeRecordLength = 77;
constexpr std::size_t kThemeNameLength = 64;

enum class TsuiThemeEntryType : uint8_t {
    Binary = 0, // a whole BMP file
    Integer = 1, // signed 32-bit, also colours
    Boolean = 2, // one byte, non-zero is true
    String = 3, // text without terminator
};

// One value record of the chain as a walk meets it.
struct TsuiThemeRecord {
    uint32_t offset = 0;
    std::string_view name; // up to the first zero byte, at most 64 bytes
    uint8_t type = 0;
    uint32_t dataOffset = 0;
    uint32_t dataLength = 0;
    // The type is one of the four and its data lies inside the file with a length the
    // type allows; `data` is empty otherwise.
    bool readable = false;
    std::string_view data;
};

// Why a walk stopped. Everything met before the stop is good.
enum class TsuiThemeWalkEnd {
    Closed, // the chain reached its closing record
    NoHeader, // shorter than 24 header bytes, or a header length below 24 or past the end
    RecordOutsideFile, // a record offset whose 77 bytes are not all in the file
    ChainLoops, // a record offset met before
    TooManyRecords, // more than file size / 77 + 1 records: they overlap
};

// Visits every value record of `file` in chain order, never the closing one. Each record
// offset is visited at most once, and no more records than fit side by side in the file.
TsuiThemeWalkEnd WalkThemeRecords(
    std::string_view file, const std::function<void(const TsuiThemeRecord&)>& visit);
const char* ThemeWalkEndText(TsuiThemeWalkEnd end);

// The values of one theme file, read once and kept in memory.
//
// Names are compared without regard to ASCII letter case and the first entry of a name wins.
// An entry whose data cannot be read (outside the file, an integer not 4 bytes long, a
// boolean not 1 byte long) is skipped as if absent; a fault in the chain itself ends the
// reading and keeps what came before it.
class TsuiThemeFileReader {
public:
    // Reads the whole file and closes it. EFOpenError when the file cannot be opened or
    // read; EOutOfResources past kMaxFileBytes.
    explicit TsuiThemeFileReader(const std::string& path);
    // The same reading over bytes already in memory.
    static std::unique_ptr<TsuiThemeFileReader> FromBytes(std::string bytes);

    static constexpr std::size_t kMaxFileBytes = 64u * 1024u * 1024u;

    // The BMP bytes stored under `name`, the same bytes on every call.
    std::optional<std::string_view> GetStream(std::string_view name) const;
    // -1 when missing.
    int32_t GetInteger(std::string_view name) const;
    // false when missing.
    bool GetBoolean(std::string_view name) const;
    std::optional<std::string_view> GetString(std::string_view name) const;

    std::size_t ValueCount() const;
    TsuiThemeWalkEnd WalkEnd() const { return m_walkEnd; }

private:
    TsuiThemeFileReader() = default;
    void Parse();

    struct TSpan {
        std::size_t offset;
        std::size_t length;
    };
    std::string_view View(TSpan span) const;

    // Bitmaps and strings point into the one copy of the file, so entries that share data
    // cost no extra memory.
    std::string m_bytes;
    std::unordered_map<std::string, TSpan> m_bitmaps;
    std::unordered_map<std::string, int32_t> m_integers;
    std::unordered_map<std::string, bool> m_booleans;
    std::unordered_map<std::string, TSpan> m_strings;
    TsuiThemeWalkEnd m_walkEnd = TsuiThemeWalkEnd::Closed;
};

// Lays out a theme file the reader takes: our own header ("ZINTARO-THEM", length 24,
// format version, first entry at 24), the value records in the order added, the closing
// record, then the data.
class TsuiThemeFileWriter {
public:
    static constexpr uint32_t kFormatVersion = 1;

    // Names are 1 to 64 bytes without a zero byte; std::invalid_argument otherwise.
    void AddBitmap(const std::string& name, std::string bmpBytes);
    void AddInteger(const std::string& name, int32_t value);
    void AddBoolean(const std::string& name, bool value);
    void AddString(const std::string& name, std::string text);

    // std::length_error when the file would pass 4 GiB.
    std::string Bytes() const;

private:
    struct TEntry {
        std::string name;
        TsuiThemeEntryType type;
        std::string data;
    };
    void Add(const std::string& name, TsuiThemeEntryType type, std::string data);

    std::vector<TEntry> m_entries;
};

// Owns at most one reader and answers by element number (1 to 42).
class TsuiFileThemeMgr {
public:
    TsuiFileThemeMgr();
    ~TsuiFileThemeMgr();
    TsuiFileThemeMgr(const TsuiFileThemeMgr&) = delete;
    TsuiFileThemeMgr& operator=(const TsuiFileThemeMgr&) = delete;

    // false, keeping the current reader, when no file exists at `path`. Otherwise the
    // current reader is dropped before the new one reads, so a read error leaves none.
    bool Load(const std::string& path);

    // Decodes the element's BMP bytes into `target` as Format_RGB32; leaves `target`
    // untouched when there is no reader, no such entry or no decodable image.
    void GetBitmap(int element, QImage* target) const;
    // 0 without a reader, -1 for a missing key.
    TColor GetColor(int element) const;
    int32_t GetInt(int element) const;
    // false without a reader or for a missing key.
    bool GetBool(int element) const;

    const TsuiThemeFileReader* Reader() const { return m_reader.get(); }

private:
    std::unique_ptr<TsuiThemeFileReader> m_reader;
};
