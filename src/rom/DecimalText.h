// The one decimal conversion of the program: positions, palette bytes and
// screen numbers live as decimal text in their fields.
#pragma once

#include <cstdint>
#include <string>

// Optional sign and digits within the 32-bit range; anything else is
// "'%s' is not a valid integer value" with the text.
std::int32_t DecimalTextToInt(const std::string& text);
std::string IntToDecimalText(std::int32_t value);
