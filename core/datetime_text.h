#pragma once

#include <string_view>

#include "core/datetime.h"
#include "core/text.h"

namespace core {

// Maps the GBK full-width forms A3A1..A3FE to ASCII, the ideographic space to a space, "～" to "~" and
// "☆", "★" to "*"; other two-byte characters stay. A lead byte at the very end is dropped. The text ends
// at its first zero byte.
Text FoldFullWidth(std::string_view text);
// "2011年12月27日16时56分7秒", trailing zero time fields left out (midnight is the date alone); the
// value is clamped first.
Text DateTimeToText(DateTime value);
// Reads the text forms DateTimeToText writes, the numeric forms ("2011-12-27 16:56:07", "20111227165607")
// and full-width digits; kDateTimeMin for a text it cannot read or whose fields are out of range.
DateTime TextToDateTime(std::string_view text);

}  // namespace core
