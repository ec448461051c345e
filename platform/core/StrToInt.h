#pragma once

#include <cstdint>
#include <string_view>

// Converts text to a signed 32-bit integer, or yields `defaultValue` on any fault.
//
// Accepted: leading spaces (code 32 only), one optional "+" or "-", then decimal digits
// within -2147483648..2147483647, or hexadecimal digits after "$", "x", "X", "0x" or
// "0X" (at most 8 significant digits; values above $7FFFFFFF keep their bit pattern, so
// "$FFFFFFFF" is -1). Anything else anywhere (trailing blanks included), no digits, or an
// overflow yields the default.
int32_t StrToIntDef(std::string_view text, int32_t defaultValue);
