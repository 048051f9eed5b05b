#include "core/datetime.h"

#include <cmath>

#include "core/datetime_internal.h"

namespace core {
namespace {

// Days from 0000-03-01 (the start of a 400-year era in the civil calendar) to 1899-12-30.
constexpr int32_t kEpochFromCivilStart = 693899;

constexpr int32_t kDaysBeforeMonth[13] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

bool IsLeapYear(int32_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int32_t MonthLength(int32_t year, int32_t month) {
    if (month == 2 && IsLeapYear(year)) return 29;
    return kDaysBeforeMonth[month] - kDaysBeforeMonth[month - 1];
}

struct CivilDate {
    int32_t year, month, day;
};

// Gregorian date of a day number (day 0 is 1899-12-30), after Howard Hinnant's civil_from_days.
// The day numbers of the valid range keep every intermediate value positive.
CivilDate CivilFromDayNumber(int32_t dayNumber) {
    const int32_t z = dayNumber + kEpochFromCivilStart;  // days since 0000-03-01, > 0
    const int32_t era = z / 146097;
    const int32_t dayOfEra = z - era * 146097;  // [0, 146096]
    const int32_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // [0, 399]
    const int32_t dayOfYear =
        dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);  // [0, 365], from March 1
    const int32_t shiftedMonth = (5 * dayOfYear + 2) / 153;              // [0, 11], March is 0
    const int32_t day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const int32_t month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

// Days per unit as the nearest doubles; nullopt for a code that is not one of the three units.
std::optional<double> DaysPerUnit(TimeUnit unit) {
    switch (unit) {
        case TimeUnit::Hour:
            return kDaysPerHour;
        case TimeUnit::Minute:
            return kDaysPerMinute;
        case TimeUnit::Second:
            return kDaysPerSecond;
    }
    return std::nullopt;
}

std::optional<double> UnitsPerDay(TimeUnit unit) {
    switch (unit) {
        case TimeUnit::Hour:
            return 24.0;
        case TimeUnit::Minute:
            return 1440.0;
        case TimeUnit::Second:
            return 86400.0;
    }
    return std::nullopt;
}

// The stored layout keeps the time of day of negative days as a negative fraction; arithmetic works on a
// continuous axis instead (-1.25, 1899-12-29 06:00, is -0.75 there).
double ContinuousFromStored(double stored) {
    return stored >= 0 ? stored : 2 * std::ceil(stored) - stored;
}
double StoredFromContinuous(double count) {
    return count >= 0 ? count : 2 * std::floor(count) - count;
}

// The low 32 bits of a 64-bit integer, read as a signed 32-bit integer.
int32_t LowInt32(int64_t value) {
    int64_t low = static_cast<int64_t>(static_cast<uint64_t>(value) & 0xFFFFFFFFu);
    if (low >= (int64_t{1} << 31)) low -= int64_t{1} << 32;
    return static_cast<int32_t>(low);
}

}  // namespace

DateTime ClampToValidRange(DateTime value) {
    if (std::isnan(value)) return kDateTimeMin;
    if (value > kDateTimeMax) return kDateTimeMax;
    if (value < kDateTimeMin) return kDateTimeMin;
    return value;
}

int32_t DaysInMonth(int32_t year, int32_t month) {
    if (year < 100 || year > 9999 || month < 1 || month > 12) return 0;
    return MonthLength(year, month);
}

std::optional<DateTime> DateTimeFromFields(int32_t year, int32_t month, int32_t day, int32_t hour,
                                           int32_t minute, int32_t second) {
    if (year < 0 || month < 0 || day < 0 || hour < 0 || minute < 0 || second < 0) return std::nullopt;
    if (year > 9999 || month < 1 || month > 12 || day < 1 || day > MonthLength(year, month))
        return std::nullopt;
    if (hour > 23 || minute > 59 || second > 59) return std::nullopt;

    int32_t dayNumber = year * 365 + year / 4 - year / 100 + year / 400 + kDaysBeforeMonth[month - 1] + day;
    if (IsLeapYear(year) && month <= 2) dayNumber -= 1;
    dayNumber -= 693959;
    const double timeFraction = (hour * 3600 + minute * 60 + second) * kDaysPerSecond;
    return dayNumber >= 0 ? dayNumber + timeFraction : dayNumber - timeFraction;
}

DateTimeFields FieldsOf(DateTime value) {
    const double v = ClampToValidRange(value);
    const double w = v > 0 ? v + kHalfSecondInDays : v - kHalfSecondInDays;
    const double wholeDays = std::trunc(w);
    int32_t dayNumber = static_cast<int32_t>(wholeDays);
    const double magnitude = std::fabs(w);
    int32_t secondOfDay = static_cast<int32_t>((magnitude - std::floor(magnitude)) * 86400.0);

    // A negative value counts its time of day away from zero, so rounding 23:59:59.5 or later up moves
    // |w| past the next whole number, which names the day before. The next day is meant, as for positive
    // values: day number + 1 at midnight.
    if (v < 0 && wholeDays != std::trunc(v)) {
        dayNumber = static_cast<int32_t>(std::trunc(v)) + 1;
        secondOfDay = 0;
    }
    if (secondOfDay >= 86400) {  // not reached with doubles of the valid range; keeps the fields valid
        dayNumber += 1;
        secondOfDay -= 86400;
    }

    const CivilDate date = CivilFromDayNumber(dayNumber);
    return {date.year, date.month, date.day, secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60};
}

int32_t YearOf(DateTime value) {
    return FieldsOf(value).year;
}
int32_t MonthOf(DateTime value) {
    return FieldsOf(value).month;
}
int32_t DayOf(DateTime value) {
    return FieldsOf(value).day;
}
int32_t HourOf(DateTime value) {
    return FieldsOf(value).hour;
}
int32_t MinuteOf(DateTime value) {
    return FieldsOf(value).minute;
}
int32_t SecondOf(DateTime value) {
    return FieldsOf(value).second;
}

DateTime AddToDateTime(DateTime value, TimeUnit unit, int32_t amount) {
    if (amount == 0) return value;
    const std::optional<double> daysPerUnit = DaysPerUnit(unit);
    if (!daysPerUnit) return value;
    // |INT32_MIN| does not fit an int32_t; it is exact as a double.
    const double span = static_cast<double>(amount < 0 ? -int64_t{amount} : int64_t{amount}) * *daysPerUnit;
    const double count = ContinuousFromStored(ClampToValidRange(value));
    return StoredFromContinuous(amount > 0 ? count + span : count - span);
}

double DateTimeDifference(DateTime a, DateTime b, TimeUnit unit) {
    if (a == b) return 0.0;
    const std::optional<double> unitsPerDay = UnitsPerDay(unit);
    if (!unitsPerDay) return 0.0;
    const double days =
        ContinuousFromStored(ClampToValidRange(a)) - ContinuousFromStored(ClampToValidRange(b));
    // The addend lifts a difference a few units in the last place below a whole number up to it.
    return LowInt32(TruncateToInt64(days * *unitsPerDay + kHalfSecondInDays));
}

bool SameSecond(DateTime a, DateTime b) {
    return FieldsOf(a) == FieldsOf(b);
}

int64_t TruncateToInt64(double value) {
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (!(value >= -kTwoTo63 && value < kTwoTo63)) return INT64_MIN;  // also NaN
    return static_cast<int64_t>(value);
}

}  // namespace core
