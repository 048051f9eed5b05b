#pragma once

#include <string_view>

#include "core/datetime.h"
#include "core/text.h"

namespace core {

Text FoldFullWidth(std::string_view text);
Text DateTimeToText(DateTime value);
DateTime TextToDateTime(std::string_view text);

}  // namespace core
