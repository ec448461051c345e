#include "platform/core/StrToInt.h"

#include "platform/core/WrappingInt.h"

#include <optional>
#include <string>

namespace {

constexpr int kMaxHexDigits = 8;

std::optional<int> HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return std::nullopt;
}

std::optional<int32_t> ParseHex(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    uint32_t value = 0;
    int significant = 0;
    for (char c : digits) {
        auto digit = HexValue(c);
        if (!digit)
            return std::nullopt;
        if (value != 0 || *digit != 0)
            ++significant;
        if (significant > kMaxHexDigits)
            return std::nullopt;
        value = (value << 4) | static_cast<uint32_t>(*digit);
    }
    return static_cast<int32_t>(value);
}

// Decimal magnitude up to `limit`; the sign is applied by the caller.
std::optional<uint32_t> ParseDecimal(std::string_view digits, uint32_t limit)
{
    if (digits.empty())
        return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<uint32_t>(value);
}

bool StartsHex(std::string_view text)
{
    if (text.empty())
        return false;
    if (text[0] == '$' || text[0] == 'x' || text[0] == 'X')
        return true;
    return text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

std::string_view HexDigits(std::string_view text)
{
    return text.substr(text[0] == '0' ? 2 : 1);
}

} // namespace

int32_t StrToIntDef(std::string_view input, int32_t defaultValue)
{
    std::string normalised(input);
    if (normalised.size() > 2 && normalised[0] == '0' && (normalised[1] == 'x' || normalised[1] == 'X'))
        normalised.replace(0, 2, "$");

    std::string_view text = normalised;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    if (StartsHex(text)) {
        auto value = ParseHex(HexDigits(text));
        if (!value)
            return defaultValue;
        return negative ? WrappingSub(0, *value) : *value;
    }
    constexpr uint32_t kMaxPositive = 2147483647u;
    auto magnitude = ParseDecimal(text, negative ? kMaxPositive + 1 : kMaxPositive);
    if (!magnitude)
        return defaultValue;
    return negative ? static_cast<int32_t>(0u - *magnitude) : static_cast<int32_t>(*magnitude);
}
