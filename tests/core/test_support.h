#pragma once

#include <gtest/gtest.h>

#include "core/datetime.h"

namespace core::testing {

// The value of six valid fields; fails the test when they are not.
inline DateTime At(int32_t year, int32_t month, int32_t day, int32_t hour = 0, int32_t minute = 0,
                   int32_t second = 0) {
    const std::optional<DateTime> value = DateTimeFromFields(year, month, day, hour, minute, second);
    EXPECT_TRUE(value.has_value()) << year << '-' << month << '-' << day << ' ' << hour << ':' << minute
                                   << ':' << second;
    return value.value_or(kDateTimeMin);
}

inline DateTimeFields Fields(int32_t year, int32_t month, int32_t day, int32_t hour = 0, int32_t minute = 0,
                             int32_t second = 0) {
    return {year, month, day, hour, minute, second};
}

// A moment plus a fraction of a second, for values between whole seconds (positive values only).
inline DateTime PlusSeconds(DateTime value, double seconds) {
    return value + seconds / 86400;
}

}  // namespace core::testing

namespace core {
inline void PrintTo(const DateTimeFields& f, std::ostream* os) {
    *os << f.year << '-' << f.month << '-' << f.day << ' ' << f.hour << ':' << f.minute << ':' << f.second;
}
}  // namespace core
