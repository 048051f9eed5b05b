// Pass/fail lines on stdout, UTF-8 so that Chinese captions survive the pipe to CTest.
#include <cstdarg>
#include <cstdio>

#include "tests/e2e/e2e.h"

namespace e2e {
namespace {
int failures = 0;
}  // namespace

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr,
                        nullptr);
    return out;
}

std::wstring Format(const wchar_t* format, ...) {
    wchar_t buffer[2048];
    va_list args;
    va_start(args, format);
    _vsnwprintf(buffer, sizeof buffer / sizeof buffer[0] - 1, format, args);
    va_end(args);
    buffer[sizeof buffer / sizeof buffer[0] - 1] = L'\0';
    return buffer;
}

bool Check(bool condition, const std::wstring& what) {
    std::printf("%s %s\n", condition ? "ok  " : "FAIL", Utf8(what).c_str());
    std::fflush(stdout);
    if (!condition) ++failures;
    return condition;
}

void Note(const std::wstring& what) {
    std::printf("     %s\n", Utf8(what).c_str());
    std::fflush(stdout);
}

int FailureCount() {
    return failures;
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return condition();
        Sleep(25);
    }
}

}  // namespace e2e
