#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "core/text.h"

namespace platform {

// The program's texts are GBK (code page 936) whatever the system's ANSI code page is:
// convert explicitly at the Win32 boundary and call the wide API.
std::wstring GbkToWide(std::string_view text);
core::Text WideToGbk(std::wstring_view text);

}  // namespace platform
