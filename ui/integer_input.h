#pragma once

#include <cstdint>
#include <string_view>

#include "core/text.h"

namespace ui {

// The whole-number boxes of the countdown (编辑框_时, 编辑框_分, 编辑框_秒).

// Whether a typed character reaches the box: '-' and the digits do, and so do control characters
// (Backspace, Ctrl+V and the like, which are not filtered); every other printable character is dropped.
bool IntegerInputAccepts(uint32_t character);

// The text a box shows after it loses the focus: the number it starts with (optional leading spaces,
// an optional sign, digits up to the first other character; no digits reads as 0), clamped to the
// signed 32-bit range, in decimal; 0 becomes the empty text.
core::Text NormalizeIntegerInput(std::string_view text);

}  // namespace ui
