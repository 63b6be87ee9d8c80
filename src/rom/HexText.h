// The only hexadecimal conversions of the program. Their exact edges (upper
// case, no leading zeros, 0 for invalid text) make picture file names and the
// bytes written back agree.
#pragma once

#include <cstdint>
#include <string>

// Defined for 0..268435455; upper-case digits, no leading zeros, "0" for zero.
std::string IntToHexText(std::int32_t value);
// The index of ch in "0123456789ABCDEF"; 0 for anything else (lower case too).
int HexDigitValue(char ch);
// Either case; 0 for empty or invalid text; 32-bit wrap-around for long texts.
std::int32_t HexTextToInt(const std::string& text);
