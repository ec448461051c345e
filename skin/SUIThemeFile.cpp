#include "skin/SUIThemeFile.h"

#include "platform/core/FileBytes.h"
#include "platform/core/Paths.h"
#include "skin/SUIThemes.h"

#include <QByteArrayView>
#include <QImage>

#include <limits>
#include <stdexcept>
#include <utility>

namespace {

constexpr std::size_t kNameAt = 0;
constexpr std::size_t kTypeAt = 64;
constexpr std::size_t kDataOffsetAt = 65;
constexpr std::size_t kDataLengthAt = 69;
constexpr std::size_t kNextAt = 73;
constexpr std::size_t kFirstReadLength = 16;
constexpr char kMagic[] = "ZINTARO-THEM";

// The caller has checked that the four bytes lie inside `bytes`.
uint32_t ReadU32(std::string_view bytes, std::size_t at)
{
    return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at]))
        | static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8
        | static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16
        | static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
}

void WriteU32(std::string& bytes, std::size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

bool HasDataLength(uint8_t type, uint32_t length)
{
    switch (static_cast<TsuiThemeEntryType>(type)) {
    case TsuiThemeEntryType::Binary:
    case TsuiThemeEntryType::String:
        return true;
    case TsuiThemeEntryType::Integer:
        return length == 4;
    case TsuiThemeEntryType::Boolean:
        return length == 1;
    }
    return false;
}

// Names compare without regard to ASCII case; the tables are keyed by the folded name.
std::string FoldCase(std::string_view name)
{
    std::string folded(name);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

template <typename Table>
const typename Table::mapped_type* Find(const Table& table, std::string_view name)
{
    auto it = table.find(FoldCase(name));
    return it == table.end() ? nullptr : &it->second;
}

} // namespace

TsuiThemeWalkEnd WalkThemeRecords(
    std::string_view file, const std::function<void(const TsuiThemeRecord&)>& visit)
{
    if (file.size() < kFirstReadLength)
        return TsuiThemeWalkEnd::NoHeader;
    uint32_t headerLength = ReadU32(file, kThemeHeaderLengthAt);
    if (headerLength < kThemeHeaderMinLength || headerLength > file.size())
        return TsuiThemeWalkEnd::NoHeader;

    // Records laid side by side, plus a closing one that may share bytes with another: a
    // chain of records overlapping each other could otherwise grow the tables far past
    // the file's own size.
    const std::size_t maxRecords = file.size() / kThemeRecordLength + 1;
    std::vector<bool> visited(file.size(), false);
    std::size_t at = ReadU32(file, kThemeFirstEntryAt);
    for (std::size_t records = 0;; ++records) {
        if (at > file.size() || file.size() - at < kThemeRecordLength)
            return TsuiThemeWalkEnd::RecordOutsideFile;
        if (visited[at])
            return TsuiThemeWalkEnd::ChainLoops;
        if (records == maxRecords)
            return TsuiThemeWalkEnd::TooManyRecords;
        visited[at] = true;

        uint32_t next = ReadU32(file, at + kNextAt);
        if (next == 0)
            return TsuiThemeWalkEnd::Closed;

        TsuiThemeRecord record;
        record.offset = static_cast<uint32_t>(at);
        std::string_view name = file.substr(at + kNameAt, kThemeNameLength);
        record.name = name.substr(0, name.find('\0'));
        record.type = static_cast<uint8_t>(file[at + kTypeAt]);
        record.dataOffset = ReadU32(file, at + kDataOffsetAt);
        record.dataLength = ReadU32(file, at + kDataLengthAt);
        // 64-bit sums: offset and length each fit in 32 bits.
        bool inside = static_cast<uint64_t>(record.dataOffset) + record.dataLength <= file.size();
        record.readable = inside && HasDataLength(record.type, record.dataLength);
        if (record.readable)
            record.data = file.substr(record.dataOffset, record.dataLength);
        visit(record);
        at = next;
    }
}

const char* ThemeWalkEndText(TsuiThemeWalkEnd end)
{
    switch (end) {
    case TsuiThemeWalkEnd::Closed:
        return "closed";
    case TsuiThemeWalkEnd::NoHeader:
        return "no usable header";
    case TsuiThemeWalkEnd::RecordOutsideFile:
        return "a record lies outside the file";
    case TsuiThemeWalkEnd::ChainLoops:
        return "the chain returns to an earlier record";
    case TsuiThemeWalkEnd::TooManyRecords:
        return "more records than the file has room for";
    }
    return "";
}

// ---- TsuiThemeFileReader --------------------------------------------------------------

TsuiThemeFileReader::TsuiThemeFileReader(const std::string& path)
    : m_bytes(ReadFileBytes(path, TFileLimit { kMaxFileBytes, "Theme file is too large" }))
{
    Parse();
}

std::unique_ptr<TsuiThemeFileReader> TsuiThemeFileReader::FromBytes(std::string bytes)
{
    std::unique_ptr<TsuiThemeFileReader> reader(new TsuiThemeFileReader());
    reader->m_bytes = std::move(bytes);
    reader->Parse();
    return reader;
}

void TsuiThemeFileReader::Parse()
{
    m_walkEnd = WalkThemeRecords(m_bytes, [this](const TsuiThemeRecord& record) {
        if (!record.readable)
            return;
        std::string key = FoldCase(record.name);
        TSpan span { record.dataOffset, record.dataLength };
        // emplace keeps an existing entry: the first of a name wins.
        switch (static_cast<TsuiThemeEntryType>(record.type)) {
        case TsuiThemeEntryType::Binary:
            m_bitmaps.emplace(std::move(key), span);
            break;
        case TsuiThemeEntryType::Integer:
            m_integers.emplace(std::move(key), static_cast<int32_t>(ReadU32(record.data, 0)));
            break;
        case TsuiThemeEntryType::Boolean:
            m_booleans.emplace(std::move(key), record.data[0] != 0);
            break;
        case TsuiThemeEntryType::String:
            m_strings.emplace(std::move(key), span);
            break;
        }
    });
    // Nothing points into the bytes: hold no more than the tables.
    if (m_bitmaps.empty() && m_strings.empty())
        std::string().swap(m_bytes);
}

std::string_view TsuiThemeFileReader::View(TSpan span) const
{
    return std::string_view(m_bytes).substr(span.offset, span.length);
}

std::optional<std::string_view> TsuiThemeFileReader::GetStream(std::string_view name) const
{
    const TSpan* span = Find(m_bitmaps, name);
    if (!span)
        return std::nullopt;
    return View(*span);
}

int32_t TsuiThemeFileReader::GetInteger(std::string_view name) const
{
    const int32_t* value = Find(m_integers, name);
    return value ? *value : -1;
}

bool TsuiThemeFileReader::GetBoolean(std::string_view name) const
{
    const bool* value = Find(m_booleans, name);
    return value && *value;
}

std::optional<std::string_view> TsuiThemeFileReader::GetString(std::string_view name) const
{
    const TSpan* span = Find(m_strings, name);
    if (!span)
        return std::nullopt;
    return View(*span);
}

std::size_t TsuiThemeFileReader::ValueCount() const
{
    return m_bitmaps.size() + m_integers.size() + m_booleans.size() + m_strings.size();
}

// ---- TsuiThemeFileWriter --------------------------------------------------------------

void TsuiThemeFileWriter::Add(const std::string& name, TsuiThemeEntryType type, std::string data)
{
    if (name.empty() || name.size() > kThemeNameLength || name.find('\0') != std::string::npos)
        throw std::invalid_argument(
            "theme entry name \"" + name + "\" must be 1 to 64 bytes without a zero byte");
    m_entries.push_back(TEntry { name, type, std::move(data) });
}

void TsuiThemeFileWriter::AddBitmap(const std::string& name, std::string bmpBytes)
{
    Add(name, TsuiThemeEntryType::Binary, std::move(bmpBytes));
}

void TsuiThemeFileWriter::AddInteger(const std::string& name, int32_t value)
{
    std::string data(4, '\0');
    WriteU32(data, 0, static_cast<uint32_t>(value));
    Add(name, TsuiThemeEntryType::Integer, std::move(data));
}

void TsuiThemeFileWriter::AddBoolean(const std::string& name, bool value)
{
    Add(name, TsuiThemeEntryType::Boolean, std::string(1, value ? '\1' : '\0'));
}

void TsuiThemeFileWriter::AddString(const std::string& name, std::string text)
{
    Add(name, TsuiThemeEntryType::String, std::move(text));
}

std::string TsuiThemeFileWriter::Bytes() const
{
    const std::size_t recordsAt = kThemeHeaderMinLength;
    const std::size_t dataAt = recordsAt + (m_entries.size() + 1) * kThemeRecordLength;
    std::size_t total = dataAt;
    for (const TEntry& entry : m_entries)
        total += entry.data.size();
    if (total > std::numeric_limits<uint32_t>::max())
        throw std::length_error("a theme file cannot pass 4 GiB");

    std::string bytes(dataAt, '\0');
    bytes.reserve(total);
    bytes.replace(0, sizeof kMagic - 1, kMagic);
    WriteU32(bytes, kThemeHeaderLengthAt, static_cast<uint32_t>(kThemeHeaderMinLength));
    WriteU32(bytes, 16, kFormatVersion);
    WriteU32(bytes, kThemeFirstEntryAt, static_cast<uint32_t>(recordsAt));

    // The closing record stays all zero.
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const TEntry& entry = m_entries[i];
        std::size_t at = recordsAt + i * kThemeRecordLength;
        bytes.replace(at + kNameAt, entry.name.size(), entry.name);
        bytes[at + kTypeAt] = static_cast<char>(entry.type);
        WriteU32(bytes, at + kDataOffsetAt, static_cast<uint32_t>(bytes.size()));
        WriteU32(bytes, at + kDataLengthAt, static_cast<uint32_t>(entry.data.size()));
        WriteU32(bytes, at + kNextAt, static_cast<uint32_t>(at + kThemeRecordLength));
        bytes += entry.data;
    }
    return bytes;
}

// ---- TsuiFileThemeMgr -----------------------------------------------------------------

TsuiFileThemeMgr::TsuiFileThemeMgr() = default;
TsuiFileThemeMgr::~TsuiFileThemeMgr() = default;

bool TsuiFileThemeMgr::Load(const std::string& path)
{
    if (!FileExists(path))
        return false;
    m_reader.reset();
    m_reader = std::make_unique<TsuiThemeFileReader>(path);
    return true;
}

void TsuiFileThemeMgr::GetBitmap(int element, QImage* target) const
{
    if (!m_reader || !target || ThemeElementKey(element).empty())
        return;
    std::optional<std::string_view> bytes = m_reader->GetStream(ThemeElementKey(element));
    if (!bytes)
        return;
    QImage image;
    if (!image.loadFromData(
            QByteArrayView(bytes->data(), static_cast<qsizetype>(bytes->size())), "BMP"))
        return;
    *target = image.convertToFormat(QImage::Format_RGB32);
}

// Element numbers outside 1..42 have no key; they must not find an entry with an empty name.
TColor TsuiFileThemeMgr::GetColor(int element) const
{
    return static_cast<TColor>(GetInt(element));
}

int32_t TsuiFileThemeMgr::GetInt(int element) const
{
    if (!m_reader)
        return 0;
    std::string_view key = ThemeElementKey(element);
    return key.empty() ? -1 : m_reader->GetInteger(key);
}

bool TsuiFileThemeMgr::GetBool(int element) const
{
    std::string_view key = ThemeElementKey(element);
    return m_reader && !key.empty() && m_reader->GetBoolean(key);
}
