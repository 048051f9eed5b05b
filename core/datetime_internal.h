#pragma once

// Constants shared by the date-time operations of the core; not part of its interface.

namespace core {

// Fractions of a day, each the double nearest to the exact reciprocal.
constexpr double kDaysPerHour = 1.0 / 24;
constexpr double kDaysPerMinute = 1.0 / 1440;
constexpr double kDaysPerSecond = 1.0 / 86400;

// Half a second in days, as written (the nearest double to 5.787037037037037e-6, not to 1/172800).
constexpr double kHalfSecondInDays = 5.787037037037037e-6;

}  // namespace core
