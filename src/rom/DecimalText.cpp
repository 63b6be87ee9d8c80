#include "rom/DecimalText.h"

#include "rom/EditorError.h"

#include <charconv>
#include <limits>

std::int32_t DecimalTextToInt(const std::string& text) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    bool negative = false;
    if (first != last && (*first == '+' || *first == '-')) {
        negative = *first == '-';
        ++first;
    }
    std::int64_t magnitude = 0;
    const auto [end, error] = std::from_chars(first, last, magnitude);
    const std::int64_t value = negative ? -magnitude : magnitude;
    const bool digitsOnly = first != last && (*first >= '0' && *first <= '9');
    if (!digitsOnly || error != std::errc() || end != last ||
        value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        throw EditorError("'" + text + "' is not a valid integer value");
    }
    return static_cast<std::int32_t>(value);
}

std::string IntToDecimalText(std::int32_t value) {
    return std::to_string(value);
}
