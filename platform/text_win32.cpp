#include "platform/text_win32.h"

namespace platform {

namespace {
constexpr UINT kGbk = 936;
}

std::wstring GbkToWide(std::string_view text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(kGbk, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(kGbk, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

core::Text WideToGbk(std::wstring_view text) {
    if (text.empty()) return {};
    const int length = WideCharToMultiByte(kGbk, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    core::Text gbk(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(kGbk, 0, text.data(), static_cast<int>(text.size()), gbk.data(), length, nullptr,
                        nullptr);
    return gbk;
}

}  // namespace platform
