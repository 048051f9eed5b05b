#include "core/convert.h"

#include <cmath>

#include "core/datetime.h"
#include "core/datetime_text.h"
#include "core/decimal_digits.h"

namespace core {
namespace {

// Reads the low 32 bits as a signed 32-bit integer (two's complement), without an out-of-range conversion.
int32_t SignedFromLowBits(uint32_t bits) {
    return bits >= 0x80000000u ? static_cast<int32_t>(static_cast<int64_t>(bits) - (int64_t{1} << 32))
                               : static_cast<int32_t>(bits);
}

bool IsWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void StripTrailingFractionZeros(Text& text) {
    if (text.find('.') == Text::npos) return;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
}

// Thirteen significant digits d0..d12 with the first standing for 10^exponent, in fixed notation.
Text FixedNotation(const std::string& digits, int32_t exponent) {
    Text text;
    if (exponent >= 0) {
        const auto integerDigits = static_cast<size_t>(exponent) + 1;
        text.assign(digits, 0, integerDigits);
        text += '.';
        text.append(digits, integerDigits, Text::npos);
    } else {
        text = "0.";
        text.append(static_cast<size_t>(-exponent - 1), '0');
        text += digits;
    }
    StripTrailingFractionZeros(text);
    return text;
}

Text ExponentNotation(const std::string& digits, int32_t exponent) {
    Text text(1, digits[0]);
    text += '.';
    text.append(digits, 1, Text::npos);
    StripTrailingFractionZeros(text);
    text += exponent < 0 ? "e-" : "e+";
    const Text magnitude = IntToText(exponent < 0 ? -exponent : exponent);
    if (magnitude.size() < 3) text.append(3 - magnitude.size(), '0');
    text += magnitude;
    return text;
}

}  // namespace

Text IntToText(int32_t value) {
    // The magnitude in unsigned arithmetic, so that -2147483648 needs no special case.
    uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    char buffer[11];
    char* end = buffer + sizeof buffer;
    char* begin = end;
    do {
        *--begin = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    Text text = value < 0 ? "-" : "";
    text.append(begin, end);
    return text;
}

Text RealToText(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    if (value == 0) return "0";

    // Seventeen significant digits of the exact value, then thirteen: the second rounding sees only the
    // seventeen digits, as the program always has.
    DecimalDigits number = ExactDecimalDigits(std::fabs(value));
    RoundToSignificantDigits(number, 17);
    RoundToSignificantDigits(number, 13);

    Text text = value < 0 ? "-" : "";
    if (number.exponent >= -4 && number.exponent <= 12) {
        text += FixedNotation(number.digits, number.exponent);
    } else {
        text += ExponentNotation(number.digits, number.exponent);
    }
    return text;
}

int32_t TextToInt(std::string_view text) {
    const Text folded = FoldFullWidth(text);
    size_t pos = 0;
    while (pos < folded.size() && IsWhiteSpace(folded[pos])) ++pos;
    bool negative = false;
    if (pos < folded.size() && (folded[pos] == '+' || folded[pos] == '-')) {
        negative = folded[pos] == '-';
        ++pos;
    }
    // Wraps modulo 2^32 with no overflow check: "4294967301" reads as 5.
    uint32_t value = 0;
    for (; pos < folded.size() && IsDigit(folded[pos]); ++pos)
        value = value * 10u + static_cast<uint32_t>(folded[pos] - '0');
    return SignedFromLowBits(negative ? 0u - value : value);
}

int32_t RealToInt(double value) {
    // The low 32 bits of the 64-bit truncation; out of the 64-bit range that is INT64_MIN, whose low bits are
    // 0.
    return SignedFromLowBits(static_cast<uint32_t>(static_cast<uint64_t>(TruncateToInt64(value))));
}

Text JoinTexts(std::initializer_list<std::string_view> pieces) {
    size_t size = 0;
    for (std::string_view piece : pieces) size += piece.size();
    Text joined;
    joined.reserve(size);
    for (std::string_view piece : pieces) joined.append(piece);
    return joined;
}

}  // namespace core
