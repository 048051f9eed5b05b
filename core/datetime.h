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

// Values above kDateTimeMax become kDateTimeMax, below kDateTimeMin (or NaN) kDateTimeMin; the comparison
// is on the stored value, so any time on 9999-12-31 after midnight clamps to its midnight.
DateTime ClampToValidRange(DateTime value);
// nullopt for a negative field, a year above 9999, or a month, day, hour, minute or second outside the
// calendar. Years below 100 are not refused here.
std::optional<DateTime> DateTimeFromFields(int32_t year, int32_t month, int32_t day, int32_t hour,
                                           int32_t minute, int32_t second);
// The fields of the clamped value, to the nearest second (23:59:59.5 and later is midnight of the next day).
DateTimeFields FieldsOf(DateTime value);
int32_t YearOf(DateTime value);
int32_t MonthOf(DateTime value);
int32_t DayOf(DateTime value);
int32_t HourOf(DateTime value);
int32_t MinuteOf(DateTime value);
int32_t SecondOf(DateTime value);
// The local wall clock, truncated to the second; bit for bit DateTimeFromFields of its six fields.
DateTime CurrentTime();
// 28 to 31; 0 for a year outside 100 to 9999 or a month outside 1 to 12.
int32_t DaysInMonth(int32_t year, int32_t month);
// value moved by amount units. An amount of 0 returns value unchanged, bit for bit; otherwise the input is
// clamped and the result is not (9999-12-31 plus one hour is kDateTimeMax + 1/24). A code that is not
// one of the three units returns value unchanged.
DateTime AddToDateTime(DateTime value, TimeUnit unit, int32_t amount);
// a minus b in whole units (the program uses seconds), truncated after adding half a second's worth of
// days, and wrapped to 32 bits: -1 second gives 0, and differences beyond about 68 years wrap.
double DateTimeDifference(DateTime a, DateTime b, TimeUnit unit);
// True when the clamped values have equal fields; the only way the program compares moments.
bool SameSecond(DateTime a, DateTime b);
// Toward zero; INT64_MIN for NaN and for values outside the 64-bit range.
int64_t TruncateToInt64(double value);

}  // namespace core
