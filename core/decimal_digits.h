#pragma once

#include <cstdint>
#include <string>

namespace core {

// The exact decimal expansion of a double: value = 0.d1 d2 d3 ... × 10^(exponent + 1), that is, the first
// digit stands for 10^exponent. digits has no leading or trailing zeros.
struct DecimalDigits {
    std::string digits;
    int32_t exponent = 0;
};

// The exact digits of a positive, finite, nonzero magnitude (at most 767 of them for a subnormal).
DecimalDigits ExactDecimalDigits(double magnitude);

// Rounds to `count` significant digits, a half (digit count+1 is 5 or more) away from zero, and pads with
// zeros to exactly `count` digits; a carry out of the first digit raises the exponent.
void RoundToSignificantDigits(DecimalDigits& number, size_t count);

}  // namespace core
