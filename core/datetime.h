#pragma once

#include <cstdint>
#include <optional>

namespace core {

// Days since 1899-12-30 00:00:00; the fraction is the time of day (the OLE Automation date layout).
// Before day 0 the time of day is stored as a negative fraction: -1.25 is 1899-12-29 06:00:00.
using DateTime = double;

constexpr DateTime kDateTimeMin = -657434.0;  // 0100-01-01 00:00:00, also the value of a failed parse
constexpr DateTime kDateTimeMax = 2958465.0;  // 9999-12-31 00:00:00

enum class TimeUnit : int32_t { Hour = 6, Minute = 7, Second = 8 };

struct DateTimeFields {
    int32_t year, month, day, hour, minute, second;
    friend bool operator==(const DateTimeFields& a, const DateTimeFields& b) {
        return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
               a.minute == b.minute && a.second == b.second;
    }
    friend bool operator!=(const DateTimeFields& a, const DateTimeFields& b) { return !(a == b); }
};

DateTime ClampToValidRange(DateTime value);
std::optional<DateTime> DateTimeFromFields(int32_t year, int32_t month, int32_t day, int32_t hour,
                                           int32_t minute, int32_t second);
DateTimeFields FieldsOf(DateTime value);
int32_t YearOf(DateTime value);
int32_t MonthOf(DateTime value);
int32_t DayOf(DateTime value);
int32_t HourOf(DateTime value);
int32_t MinuteOf(DateTime value);
int32_t SecondOf(DateTime value);
DateTime CurrentTime();
int32_t DaysInMonth(int32_t year, int32_t month);
DateTime AddToDateTime(DateTime value, TimeUnit unit, int32_t amount);
double DateTimeDifference(DateTime a, DateTime b, TimeUnit unit);
bool SameSecond(DateTime a, DateTime b);
int64_t TruncateToInt64(double value);

}  // namespace core
