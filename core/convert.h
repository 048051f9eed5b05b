#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "core/text.h"

namespace core {

Text IntToText(int32_t value);
Text RealToText(double value);
int32_t TextToInt(std::string_view text);
int32_t RealToInt(double value);
Text JoinTexts(std::initializer_list<std::string_view> pieces);

}  // namespace core
