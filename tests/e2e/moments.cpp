// The program's date-time text, rebuilt from the driver's own clock for comparison.
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

int64_t ToSeconds(const SYSTEMTIME& moment) {
    FILETIME file{};
    SystemTimeToFileTime(&moment, &file);
    ULARGE_INTEGER value{};
    value.LowPart = file.dwLowDateTime;
    value.HighPart = file.dwHighDateTime;
    return static_cast<int64_t>(value.QuadPart / 10000000ULL);
}

SYSTEMTIME FromSeconds(int64_t seconds) {
    ULARGE_INTEGER value{};
    value.QuadPart = static_cast<ULONGLONG>(seconds) * 10000000ULL;
    FILETIME file{value.LowPart, value.HighPart};
    SYSTEMTIME moment{};
    FileTimeToSystemTime(&file, &moment);
    return moment;
}

}  // namespace

SYSTEMTIME LocalNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    now.wMilliseconds = 0;
    return now;
}

SYSTEMTIME AddSeconds(const SYSTEMTIME& moment, int seconds) {
    return FromSeconds(ToSeconds(moment) + seconds);
}

int64_t SecondsBetween(const SYSTEMTIME& from, const SYSTEMTIME& to) {
    return ToSeconds(to) - ToSeconds(from);
}

std::wstring DateTimeText(const SYSTEMTIME& m) {
    std::wstring text = Format(L"%d年%d月%d日", m.wYear, m.wMonth, m.wDay);
    if (m.wSecond != 0) return text + Format(L"%d时%d分%d秒", m.wHour, m.wMinute, m.wSecond);
    if (m.wMinute != 0) return text + Format(L"%d时%d分", m.wHour, m.wMinute);
    if (m.wHour != 0) return text + Format(L"%d时", m.wHour);
    return text;
}

int LeadingNumber(const std::wstring& text) {
    if (text.empty() || text[0] < L'0' || text[0] > L'9') return -1;
    return _wtoi(text.c_str());
}

}  // namespace e2e
