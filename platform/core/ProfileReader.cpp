#include "platform/core/ProfileReader.h"

#include "platform/core/FileBytes.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>
#include <unistd.h>

namespace {

// Longer lines are cut here; no name we look up or value we return is that long.
constexpr std::size_t kLineKeep = 8192;

struct TFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using TFile = std::unique_ptr<std::FILE, TFileCloser>;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// Reads the next line into `line` (at most kLineKeep bytes kept); false at end of file.
bool ReadLine(std::FILE* file, std::string& line)
{
    line.clear();
    int c = std::fgetc(file);
    if (c == EOF)
        return false;
    while (c != EOF && c != '\n' && c != '\r') {
        if (line.size() < kLineKeep)
            line.push_back(static_cast<char>(c));
        c = std::fgetc(file);
    }
    if (c == '\r') {
        int next = std::fgetc(file);
        if (next != '\n' && next != EOF)
            std::ungetc(next, file);
    }
    return true;
}

std::optional<std::string> FindValue(std::FILE* file, std::string_view section, std::string_view key)
{
    std::string line;
    bool inSection = false;
    bool firstLine = true;
    while (ReadLine(file, line)) {
        std::string_view text = line;
        if (firstLine && text.substr(0, 3) == "\xEF\xBB\xBF")
            text.remove_prefix(3);
        firstLine = false;
        text = Trim(text);
        if (text.empty() || text.front() == ';')
            continue;
        if (text.front() == '[') {
            auto close = text.find(']');
            std::string_view name = text.substr(1, close == std::string_view::npos ? text.npos : close - 1);
            inSection = EqualsIgnoringCase(Trim(name), section);
            continue;
        }
        auto equals = text.find('=');
        if (!inSection || equals == std::string_view::npos)
            continue;
        if (!EqualsIgnoringCase(Trim(text.substr(0, equals)), key))
            continue;
        std::string_view value = Unquote(Trim(text.substr(equals + 1)));
        return std::string(value.substr(0, kProfileValueMax));
    }
    return std::nullopt;
}

} // namespace

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& path)
{
    int fd = OpenRegularFile(path);
    if (fd < 0)
        return defaultValue.substr(0, kProfileValueMax);
    TFile file(::fdopen(fd, "rb"));
    if (!file) {
        ::close(fd);
        return defaultValue.substr(0, kProfileValueMax);
    }
    auto value = FindValue(file.get(), section, key);
    return value ? *value : defaultValue.substr(0, kProfileValueMax);
}
