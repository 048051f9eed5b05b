#include "ui/integer_input.h"

#include <limits>

namespace ui {

bool IntegerInputAccepts(uint32_t character) {
    if (character < 0x20 || character == 0x7F) return true;
    return character == '-' || (character >= '0' && character <= '9');
}

core::Text NormalizeIntegerInput(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate the magnitude in 64 bits and stop growing once it is past the 32-bit range,
    // so arbitrarily long digit runs cannot overflow.
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (magnitude <= kLimit) magnitude = magnitude * 10 + (text[i] - '0');
    }
    int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) value = std::numeric_limits<int32_t>::min();
    if (value == 0) return {};
    return std::to_string(value);
}

}  // namespace ui
