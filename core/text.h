#pragma once

#include <string>

namespace core {

// A text of the program: GBK bytes (code page 936). The empty text stands for an absent one.
using Text = std::string;

}  // namespace core
