#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "core/text.h"

namespace core {

// Plain decimal: "-2147483648", "0", "7".
Text IntToText(int32_t value);
// printf's "%.13g" written by the program itself: 17 significant digits rounded to 13 (halves away from
// zero), three-digit exponents ("1e+013", "1.5e-010"). NaN gives "nan", infinities "inf" and "-inf".
Text RealToText(double value);
// The leading decimal number after full-width folding, white space and one sign, accumulated modulo 2^32
// ("4294967301" is 5); 0 when there is none.
int32_t TextToInt(std::string_view text);
// The low 32 bits of TruncateToInt64: 4294967301.0 gives 5, NaN and values beyond 64 bits give 0.
int32_t RealToInt(double value);
// The pieces one after another with nothing between them.
Text JoinTexts(std::initializer_list<std::string_view> pieces);

}  // namespace core
