#include "core/datetime.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <ctime>
#endif

namespace core {

// The local wall clock truncated to the second, built from its six fields so that it equals bit for bit
// the value a date text of the same second reads as.
DateTime CurrentTime() {
#ifdef _WIN32
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::optional<DateTime> value =
        DateTimeFromFields(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
#else
    const std::time_t seconds = std::time(nullptr);
    std::tm now{};
    localtime_r(&seconds, &now);
    // A leap second (tm_sec 60) counts as the last ordinary second of its minute.
    const std::optional<DateTime> value =
        DateTimeFromFields(now.tm_year + 1900, now.tm_mon + 1, now.tm_mday, now.tm_hour, now.tm_min,
                           now.tm_sec > 59 ? 59 : now.tm_sec);
#endif
    return ClampToValidRange(value.value_or(kDateTimeMin));
}

}  // namespace core
