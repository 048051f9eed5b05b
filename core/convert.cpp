// Placeholder: replaced by the full conversions.
#include "core/convert.h"

#include <string>

namespace core {

Text IntToText(int32_t value) { return std::to_string(value); }

Text JoinTexts(std::initializer_list<std::string_view> pieces) {
    Text joined;
    for (std::string_view piece : pieces) joined.append(piece);
    return joined;
}

}  // namespace core
