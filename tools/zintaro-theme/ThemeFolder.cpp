#include "ThemeFolder.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FileBytes.h"
#include "skin/SUIThemeFile.h"
#include "skin/SUIThemes.h"

#include <QBuffer>
#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QMetaEnum>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* kValuesFile = "values.txt";

std::string Fold(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

// The element whose key is `name` in any letter case; 0 when there is none.
int ElementOfKey(std::string_view name)
{
    std::string folded = Fold(name);
    for (int element = 1; element <= kThemeElementCount; ++element) {
        if (Fold(ThemeElementKey(element)) == folded)
            return element;
    }
    return 0;
}

std::string Key(int element)
{
    return std::string(ThemeElementKey(element));
}

const char* KindName(TsuiElementKind kind)
{
    switch (kind) {
    case TsuiElementKind::Integer:
        return "integer";
    case TsuiElementKind::Colour:
        return "colour";
    case TsuiElementKind::Bitmap:
        return "bitmap";
    case TsuiElementKind::Boolean:
        return "boolean";
    }
    return "";
}

// The entry type a theme file stores an element of this kind as.
TsuiThemeEntryType EntryTypeOf(TsuiElementKind kind)
{
    switch (kind) {
    case TsuiElementKind::Bitmap:
        return TsuiThemeEntryType::Binary;
    case TsuiElementKind::Boolean:
        return TsuiThemeEntryType::Boolean;
    case TsuiElementKind::Integer:
    case TsuiElementKind::Colour:
        break;
    }
    return TsuiThemeEntryType::Integer;
}

std::string ReadFile(const std::string& path)
{
    try {
        return ReadFileBytes(
            path, TFileLimit { TsuiThemeFileReader::kMaxFileBytes, "file too large" });
    } catch (const Exception& error) {
        throw TToolError(path + ": " + error.Message());
    }
}

void WriteFile(const fs::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw TToolError(path.string() + ": cannot write");
}

std::string Trim(std::string_view text)
{
    auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return std::string();
    auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

// Decimal with an optional sign, or $hex / 0xhex of up to 8 digits read as the 32-bit
// pattern (so $FF00000F, a system colour, fits).
bool ParseInteger(const std::string& text, int32_t& value)
{
    std::string_view digits = text;
    int base = 10;
    if (digits.starts_with('$')) {
        digits.remove_prefix(1);
        base = 16;
    } else if (digits.starts_with("0x") || digits.starts_with("0X")) {
        digits.remove_prefix(2);
        base = 16;
    }
    if (digits.empty())
        return false;
    const char* end = digits.data() + digits.size();
    if (base == 16) {
        if (digits.size() > 8)
            return false;
        uint32_t pattern = 0;
        auto [stop, error] = std::from_chars(digits.data(), end, pattern, 16);
        if (error != std::errc() || stop != end)
            return false;
        value = static_cast<int32_t>(pattern);
        return true;
    }
    auto [stop, error] = std::from_chars(digits.data(), end, value, 10);
    return error == std::errc() && stop == end;
}

bool ParseBoolean(const std::string& text, bool& value)
{
    std::string folded = Fold(text);
    if (folded == "true" || folded == "1") {
        value = true;
        return true;
    }
    if (folded == "false" || folded == "0") {
        value = false;
        return true;
    }
    return false;
}

std::string FormatValue(TsuiElementKind kind, int32_t value)
{
    if (kind == TsuiElementKind::Colour) {
        char text[16];
        auto pattern = static_cast<uint32_t>(value);
        std::snprintf(text, sizeof text, pattern > 0xFFFFFFu ? "$%08X" : "$%06X", pattern);
        return text;
    }
    return std::to_string(value);
}

// One element as the folder gives it.
struct TPackedValue {
    std::string source; // where it came from, for messages
    std::string bmp; // bitmaps
    int32_t integer = 0; // integers, colours
    bool boolean = false;
};

std::string BmpOfImageFile(const fs::path& path)
{
    std::string ext = Fold(path.extension().string());
    std::string bytes = ReadFile(path.string());
    QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QImage image;
    if (ext == ".bmp") {
        // Stored as it is, so that unpacked files pack to the same bytes.
        if (!image.loadFromData(view, "BMP"))
            throw TToolError(path.string() + ": not a BMP image the program can read");
        return bytes;
    }
    if (!image.loadFromData(view, "PNG"))
        throw TToolError(path.string() + ": not a PNG image");
    // Skins mark see-through pixels by a key colour, not by alpha.
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    if (!rgb.save(&buffer, "BMP"))
        throw TToolError(path.string() + ": cannot be stored as BMP");
    return bmp.toStdString();
}

void ReadValuesFile(const fs::path& path, std::map<int, TPackedValue>& values)
{
    std::istringstream lines(ReadFile(path.string()));
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        std::string where = path.filename().string() + ":" + std::to_string(number);
        std::string text = Trim(std::string_view(line).substr(0, line.find('#')));
        if (text.empty())
            continue;
        auto equals = text.find('=');
        if (equals == std::string::npos)
            throw TToolError(where + ": expected \"Key = value\"");
        std::string name = Trim(std::string_view(text).substr(0, equals));
        std::string valueText = Trim(std::string_view(text).substr(equals + 1));
        int element = ElementOfKey(name);
        if (element == 0)
            throw TToolError(
                where + ": unknown key \"" + name + "\": not one of the 42 theme element keys");
        TsuiElementKind kind = ThemeElementKind(element);
        if (kind == TsuiElementKind::Bitmap)
            throw TToolError(where + ": " + Key(element) + " is a bitmap; give it as "
                + Key(element) + ".png or .bmp");
        TPackedValue value;
        value.source = where;
        bool parsed = kind == TsuiElementKind::Boolean ? ParseBoolean(valueText, value.boolean)
                                                       : ParseInteger(valueText, value.integer);
        if (!parsed)
            throw TToolError(where + ": \"" + valueText + "\" is no " + KindName(kind)
                + (kind == TsuiElementKind::Boolean ? " (true or false)" : " ($hex or decimal)"));
        auto [it, added] = values.emplace(element, value);
        if (!added)
            throw TToolError(
                where + ": " + Key(element) + " is given already in " + it->second.source);
    }
}

std::string Printable(std::string_view text)
{
    std::string out;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            out += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        }
    }
    return out;
}

const char* TypeName(uint8_t type)
{
    switch (type) {
    case 0:
        return "bitmap";
    case 1:
        return "integer";
    case 2:
        return "boolean";
    case 3:
        return "string";
    }
    return "unknown";
}

// The first readable entry of each name and type, as the program's reader keeps them.
struct TFirstEntries {
    std::map<std::pair<std::string, uint8_t>, TsuiThemeRecord> entries;

    // False when an earlier entry of that name and type hides this one.
    bool Take(const TsuiThemeRecord& record)
    {
        return entries.emplace(std::make_pair(Fold(record.name), record.type), record).second;
    }
};

} // namespace

void PackThemeFolder(const std::string& folder, const std::string& themeFile, std::ostream& notes)
{
    std::error_code error;
    if (!fs::is_directory(folder, error))
        throw TToolError(folder + ": not a folder");

    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().filename().string().starts_with('.'))
            continue;
        files.push_back(entry.path());
    }
    if (error)
        throw TToolError(folder + ": " + error.message());
    std::sort(files.begin(), files.end());

    std::map<int, TPackedValue> values;
    for (const fs::path& path : files) {
        std::string name = path.filename().string();
        if (name == kValuesFile) {
            ReadValuesFile(path, values);
            continue;
        }
        std::string ext = Fold(path.extension().string());
        if (!fs::is_regular_file(path) || (ext != ".png" && ext != ".bmp"))
            throw TToolError(path.string()
                + ": unexpected file; images are <Key>.png or <Key>.bmp, " + "values go in "
                + kValuesFile);
        std::string stem = path.stem().string();
        int element = ElementOfKey(stem);
        if (element == 0)
            throw TToolError(path.string() + ": unknown key \"" + stem
                + "\": not one of the 42 theme element keys");
        if (ThemeElementKind(element) != TsuiElementKind::Bitmap)
            throw TToolError(path.string() + ": " + Key(element) + " is a "
                + KindName(ThemeElementKind(element)) + "; give it in " + kValuesFile);
        TPackedValue value;
        value.source = name;
        value.bmp = BmpOfImageFile(path);
        auto [it, added] = values.emplace(element, std::move(value));
        if (!added)
            throw TToolError(
                path.string() + ": " + Key(element) + " is given already by " + it->second.source);
    }

    TsuiThemeFileWriter writer;
    std::string missing;
    for (int element = 1; element <= kThemeElementCount; ++element) {
        auto it = values.find(element);
        if (it == values.end()) {
            missing += " " + Key(element);
            continue;
        }
        switch (ThemeElementKind(element)) {
        case TsuiElementKind::Bitmap:
            writer.AddBitmap(Key(element), std::move(it->second.bmp));
            break;
        case TsuiElementKind::Boolean:
            writer.AddBoolean(Key(element), it->second.boolean);
            break;
        case TsuiElementKind::Integer:
        case TsuiElementKind::Colour:
            writer.AddInteger(Key(element), it->second.integer);
            break;
        }
    }
    if (!missing.empty())
        notes << "note: not in " << folder << ":" << missing << "\n";
    WriteFile(themeFile, writer.Bytes());
}

void UnpackThemeFile(const std::string& themeFile, const std::string& folder, std::ostream& notes)
{
    std::string bytes = ReadFile(themeFile);
    std::error_code error;
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder))
        throw TToolError(folder + ": cannot make the folder");
    if (!fs::is_empty(folder, error))
        throw TToolError(folder + ": not empty; unpack into a new folder");

    TFirstEntries first;
    TsuiThemeWalkEnd end = WalkThemeRecords(bytes, [&](const TsuiThemeRecord& record) {
        std::string name = Printable(record.name);
        if (!record.readable) {
            notes << "note: left out \"" << name << "\": its data cannot be read\n";
            return;
        }
        if (!first.Take(record)) {
            notes << "note: left out \"" << name << "\": an earlier entry has that name\n";
            return;
        }
        int element = ElementOfKey(record.name);
        if (element == 0) {
            notes << "note: left out \"" << name << "\": not a theme element key\n";
            return;
        }
        if (EntryTypeOf(ThemeElementKind(element)) != static_cast<TsuiThemeEntryType>(record.type))
            notes << "note: left out \"" << name << "\": a " << TypeName(record.type)
                  << " where the element is a " << KindName(ThemeElementKind(element)) << "\n";
    });
    if (end != TsuiThemeWalkEnd::Closed)
        notes << "note: the chain stops early: " << ThemeWalkEndText(end) << "\n";

    std::string valuesText = "# Colours ($BBGGRR), integers and booleans, one element a line.\n";
    for (int element = 1; element <= kThemeElementCount; ++element) {
        TsuiElementKind kind = ThemeElementKind(element);
        auto it = first.entries.find(
            std::make_pair(Fold(Key(element)), static_cast<uint8_t>(EntryTypeOf(kind))));
        if (it == first.entries.end())
            continue;
        const TsuiThemeRecord& record = it->second;
        switch (kind) {
        case TsuiElementKind::Bitmap:
            WriteFile(fs::path(folder) / (Key(element) + ".bmp"), record.data);
            break;
        case TsuiElementKind::Boolean:
            valuesText += Key(element) + " = " + (record.data[0] != 0 ? "true" : "false") + "\n";
            break;
        case TsuiElementKind::Integer:
        case TsuiElementKind::Colour: {
            auto data = reinterpret_cast<const unsigned char*>(record.data.data());
            auto value = static_cast<int32_t>(
                data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24);
            valuesText += Key(element) + " = " + FormatValue(kind, value) + "\n";
            break;
        }
        }
    }
    WriteFile(fs::path(folder) / kValuesFile, valuesText);
}

void DumpThemeFile(const std::string& themeFile, std::ostream& out)
{
    std::string bytes = ReadFile(themeFile);
    out << themeFile << ": " << bytes.size() << " bytes\n";
    if (bytes.size() >= 24) {
        auto u32 = [&](std::size_t at) {
            auto data = reinterpret_cast<const unsigned char*>(bytes.data() + at);
            return static_cast<uint32_t>(data[0] | data[1] << 8 | data[2] << 16)
                | static_cast<uint32_t>(data[3]) << 24;
        };
        out << "header: bytes 0-11 \"" << Printable(std::string_view(bytes).substr(0, 12))
            << "\", length " << u32(kThemeHeaderLengthAt) << ", bytes 16-19 " << u32(16)
            << ", first record at " << u32(kThemeFirstEntryAt) << "\n";
    }

    TFirstEntries first;
    std::size_t count = 0;
    TsuiThemeWalkEnd end = WalkThemeRecords(bytes, [&](const TsuiThemeRecord& record) {
        ++count;
        out << "@" << record.offset << " \"" << Printable(record.name) << "\" "
            << TypeName(record.type) << " (" << unsigned(record.type) << "), data @"
            << record.dataOffset << " length " << record.dataLength << ": ";
        if (record.type > 3) {
            out << "skipped\n";
            return;
        }
        if (!record.readable) {
            out << "unreadable (outside the file or a wrong length)\n";
            return;
        }
        switch (record.type) {
        case 0: {
            QImage image;
            if (image.loadFromData(
                    QByteArrayView(record.data.data(), static_cast<qsizetype>(record.data.size())),
                    "BMP"))
                out << "BMP " << image.width() << "x" << image.height();
            else
                out << "not a readable BMP";
            break;
        }
        case 1: {
            auto data = reinterpret_cast<const unsigned char*>(record.data.data());
            auto value = static_cast<int32_t>(
                data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24);
            int element = ElementOfKey(record.name);
            TsuiElementKind kind = element ? ThemeElementKind(element) : TsuiElementKind::Integer;
            out << value;
            if (kind == TsuiElementKind::Colour)
                out << " = " << FormatValue(kind, value);
            break;
        }
        case 2:
            out << (record.data[0] != 0 ? "true" : "false");
            break;
        case 3:
            out << "\"" << Printable(record.data) << "\"";
            break;
        }
        if (!first.Take(record))
            out << " (hidden by an earlier entry of that name)";
        else if (ElementOfKey(record.name) == 0)
            out << " (not a theme element key)";
        out << "\n";
    });
    out << count << " value record" << (count == 1 ? "" : "s") << "; chain "
        << (end == TsuiThemeWalkEnd::Closed ? "closed"
                                            : std::string("stops: ") + ThemeWalkEndText(end))
        << "\n";
}

void ExportBuiltInStyle(
    const std::string& styleName, const std::string& folder, std::ostream& notes)
{
    bool known = false;
    int style = QMetaEnum::fromType<TsuiUIStyle>().keyToValue(styleName.c_str(), &known);
    if (!known || style < MacOS || style > BlueGlass)
        throw TToolError("\"" + styleName + "\" is no built-in style (MacOS, WinXP, DeepBlue, "
            + "Protein, BlueGlass)");
    std::error_code error;
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder) || !fs::is_empty(folder, error))
        throw TToolError(folder + ": give a new or empty folder");

    auto byte = static_cast<uint8_t>(style);
    std::string valuesText = "# Colours ($BBGGRR), integers and booleans, one element a line.\n";
    for (int element = 1; element <= kThemeElementCount; ++element) {
        TsuiElementKind kind = ThemeElementKind(element);
        switch (kind) {
        case TsuiElementKind::Bitmap: {
            std::string_view name = GetBuiltInBitmapName(byte, element);
            QImage image = LoadSkinBitmap(name);
            if (image.isNull()) {
                notes << "note: no bitmap " << name << " for " << Key(element) << "\n";
                break;
            }
            fs::path path = fs::path(folder) / (Key(element) + ".png");
            if (!image.save(QString::fromStdString(path.string()), "PNG"))
                throw TToolError(path.string() + ": cannot write");
            break;
        }
        case TsuiElementKind::Boolean:
            valuesText
                += Key(element) + " = " + (GetBuiltInBool(byte, element) ? "true" : "false") + "\n";
            break;
        case TsuiElementKind::Colour:
            valuesText += Key(element) + " = "
                + FormatValue(kind, static_cast<int32_t>(GetBuiltInColor(byte, element))) + "\n";
            break;
        case TsuiElementKind::Integer:
            valuesText
                += Key(element) + " = " + FormatValue(kind, GetBuiltInInt(byte, element)) + "\n";
            break;
        }
    }
    WriteFile(fs::path(folder) / kValuesFile, valuesText);
}

void TintImages(
    const std::string& folder, int fromHue, int toHue, int saturationPercent, int lightnessPercent)
{
    std::error_code error;
    if (!fs::is_directory(folder, error))
        throw TToolError(folder + ": not a folder");
    int turn = ((toHue - fromHue) % 360 + 540) % 360 - 180;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        std::string ext = Fold(entry.path().extension().string());
        if (ext != ".png" && ext != ".bmp")
            continue;
        QString path = QString::fromStdString(entry.path().string());
        QImage image;
        if (!image.load(path))
            throw TToolError(entry.path().string() + ": not an image");
        image.convertTo(QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if ((line[x] & 0xFFFFFF) == 0xFF00FF)
                    continue;
                QColor colour = QColor::fromRgb(line[x]).toHsl();
                if (colour.hslHue() < 0)
                    continue; // greys stay grey
                // Full change within 40 degrees of the hue to turn, none past 70, so that
                // the reds and greens of a look keep theirs.
                int distance = std::abs(((colour.hslHue() - fromHue) % 360 + 540) % 360 - 180);
                double weight = std::clamp((70.0 - distance) / 30.0, 0.0, 1.0);
                if (weight == 0.0)
                    continue;
                double chroma = colour.hslSaturationF();
                int hue
                    = (colour.hslHue() + static_cast<int>(std::lround(weight * turn)) + 360) % 360;
                double saturation = chroma * (1.0 + weight * (saturationPercent / 100.0 - 1.0));
                // Only coloured pixels darken or lighten; near-whites stay light.
                double lightness = colour.lightnessF()
                    * (1.0 + weight * chroma * (lightnessPercent / 100.0 - 1.0));
                QRgb tinted = QColor::fromHslF(static_cast<float>(hue / 360.0),
                    static_cast<float>(std::clamp(saturation, 0.0, 1.0)),
                    static_cast<float>(std::clamp(lightness, 0.0, 1.0)))
                                  .rgb();
                // A drawn pixel must not become the key colour.
                if ((tinted & 0xFFFFFF) == 0xFF00FF)
                    tinted ^= 0x000100;
                line[x] = tinted;
            }
        }
        if (!image.save(path, ext == ".png" ? "PNG" : "BMP"))
            throw TToolError(entry.path().string() + ": cannot write");
    }
    if (error)
        throw TToolError(folder + ": " + error.message());
}
