#include "core/datetime.h"

#include <cmath>
#include <cstring>
#include <ctime>
#include <limits>

#include "core/datetime_text.h"
#include "test_support.h"

namespace core {
namespace {

using testing::At;
using testing::Fields;
using testing::PlusSeconds;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(DateTimeValue, KnownMomentsHaveTheirStoredValues) {
    EXPECT_EQ(At(1899, 12, 30), 0.0);
    EXPECT_EQ(At(1900, 1, 1), 2.0);
    EXPECT_EQ(At(2000, 1, 1), 36526.0);
    EXPECT_EQ(At(2011, 12, 27, 16, 56, 7), 40904 + 60967 * (1.0 / 86400));
    EXPECT_EQ(At(1899, 12, 29, 6), -1.25);
    EXPECT_EQ(At(1899, 12, 30, 6), 0.25);
    EXPECT_EQ(At(100, 1, 1), kDateTimeMin);
    EXPECT_EQ(At(9999, 12, 31), kDateTimeMax);
}

TEST(DateTimeValue, FromFieldsRefusesFieldsOutOfRange) {
    struct Row {
        const char* name;
        int32_t year, month, day, hour, minute, second;
    };
    const Row rows[] = {
        {"negative year", -1, 1, 1, 0, 0, 0},
        {"year past 9999", 10000, 1, 1, 0, 0, 0},
        {"month 0", 2011, 0, 1, 0, 0, 0},
        {"month 13", 2011, 13, 1, 0, 0, 0},
        {"day 0", 2011, 1, 0, 0, 0, 0},
        {"April 31", 2011, 4, 31, 0, 0, 0},
        {"February 29, common", 2011, 2, 29, 0, 0, 0},
        {"February 29, 1900", 1900, 2, 29, 0, 0, 0},
        {"February 30, leap", 2012, 2, 30, 0, 0, 0},
        {"hour 24", 2011, 1, 1, 24, 0, 0},
        {"minute 60", 2011, 1, 1, 0, 60, 0},
        {"second 60", 2011, 1, 1, 0, 0, 60},
        {"negative second", 2011, 1, 1, 0, 0, -1},
        {"widest values", INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX},
        {"narrowest values", INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_FALSE(DateTimeFromFields(r.year, r.month, r.day, r.hour, r.minute, r.second).has_value());
    }
    EXPECT_TRUE(DateTimeFromFields(2000, 2, 29, 23, 59, 59).has_value());
}

TEST(DateTimeValue, ClampComparesTheStoredValue) {
    EXPECT_EQ(ClampToValidRange(kDateTimeMax + 0.5), kDateTimeMax);  // 9999-12-31 12:00
    EXPECT_EQ(ClampToValidRange(kDateTimeMin - 0.5), kDateTimeMin);  // 0100-01-01 12:00
    EXPECT_EQ(ClampToValidRange(kDateTimeMin + 0.5), kDateTimeMin + 0.5);
    EXPECT_EQ(ClampToValidRange(1e300), kDateTimeMax);
    EXPECT_EQ(ClampToValidRange(-1e300), kDateTimeMin);
    EXPECT_EQ(ClampToValidRange(kInf), kDateTimeMax);
    EXPECT_EQ(ClampToValidRange(-kInf), kDateTimeMin);
    EXPECT_EQ(ClampToValidRange(kNaN), kDateTimeMin);
    EXPECT_EQ(ClampToValidRange(-1.25), -1.25);
}

TEST(DateTimeFields, TakeTheNearestSecond) {
    struct Row {
        const char* name;
        DateTime value;
        DateTimeFields fields;
    };
    const DateTime moment = At(2011, 12, 27, 16, 56, 7);
    const Row rows[] = {
        {"whole second", moment, Fields(2011, 12, 27, 16, 56, 7)},
        {"0.6 s after rounds up", PlusSeconds(moment, 0.6), Fields(2011, 12, 27, 16, 56, 8)},
        {"0.4 s after rounds down", PlusSeconds(moment, 0.4), Fields(2011, 12, 27, 16, 56, 7)},
        {"ulps below", std::nextafter(std::nextafter(moment, 0), 0), Fields(2011, 12, 27, 16, 56, 7)},
        {"ulps above", std::nextafter(std::nextafter(moment, kInf), kInf), Fields(2011, 12, 27, 16, 56, 7)},
        {"year end carries", PlusSeconds(At(2011, 12, 31, 23, 59, 59), 0.6), Fields(2012, 1, 1)},
        {"day 0", 0.0, Fields(1899, 12, 30)},
        {"negative day with time", -1.25, Fields(1899, 12, 29, 6)},
        {"negative fraction is on day 0", -0.25, Fields(1899, 12, 30, 6)},
        {"negative midnight", -2.0, Fields(1899, 12, 28)},
        {"negative, ulps beyond a whole second", std::nextafter(At(1899, 12, 29, 6, 0, 1), -kInf),
         Fields(1899, 12, 29, 6, 0, 1)},
        {"negative, 23:59:59.4 stays", -(1 + 86399.4 / 86400), Fields(1899, 12, 29, 23, 59, 59)},
        {"range minimum", kDateTimeMin, Fields(100, 1, 1)},
        {"below the range", -1e9, Fields(100, 1, 1)},
        {"range maximum", kDateTimeMax, Fields(9999, 12, 31)},
        {"afternoon of the last day clamps", kDateTimeMax + 0.75, Fields(9999, 12, 31)},
        {"NaN is the range minimum", kNaN, Fields(100, 1, 1)},
        {"infinity", kInf, Fields(9999, 12, 31)},
        {"denormal", std::numeric_limits<double>::denorm_min(), Fields(1899, 12, 30)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(FieldsOf(r.value), r.fields);
    }
    EXPECT_EQ(YearOf(moment), 2011);
    EXPECT_EQ(MonthOf(moment), 12);
    EXPECT_EQ(DayOf(moment), 27);
    EXPECT_EQ(HourOf(moment), 16);
    EXPECT_EQ(MinuteOf(moment), 56);
    EXPECT_EQ(SecondOf(PlusSeconds(moment, 0.5001)), 8);
}

// Read literally, the rounding of a negative value at 23:59:59.5 or later lands on midnight of the day
// before; the right answer is midnight of the next day, as for positive values.
TEST(DateTimeFields, NegativeDateRoundingPastMidnightGivesTheNextDay) {
    struct Row {
        const char* name;
        DateTime value;
        DateTimeFields fields;
    };
    const Row rows[] = {
        {"1899-12-29 23:59:59.6", -(1 + 86399.6 / 86400), Fields(1899, 12, 30)},
        {"1899-12-29 23:59:59.5", -(1 + 86399.5 / 86400), Fields(1899, 12, 30)},
        {"1899-12-30 23:59:59.6, stored negative", -(86399.6 / 86400), Fields(1899, 12, 31)},
        {"1800-02-28 23:59:59.9", At(1800, 2, 28) - 86399.9 / 86400, Fields(1800, 3, 1)},
        {"0100-01-02 23:59:59.7", At(100, 1, 2) - 86399.7 / 86400, Fields(100, 1, 3)},
        {"just below the next negative whole day", std::nextafter(-2.0, 0), Fields(1899, 12, 30)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(FieldsOf(r.value), r.fields);
        EXPECT_EQ(
            TextToDateTime(DateTimeToText(r.value)),
            At(r.fields.year, r.fields.month, r.fields.day, r.fields.hour, r.fields.minute, r.fields.second));
    }
}

// Every day of the valid range goes to its fields and back bit for bit, and the fields advance one
// calendar day at a time, counted independently with DaysInMonth. Each day also carries a time of day
// that walks through the seconds of the day, and a stride of days carries the times next to midnight.
// The first and last days of the range have midnight only.
TEST(DateTimeFields, EveryDayOfTheRangeRoundTrips) {
    const int32_t strideTimes[] = {1, 21600, 86399};
    DateTimeFields expected = Fields(100, 1, 1);
    for (int32_t day = -657434; day <= 2958465; ++day) {
        const DateTimeFields fields = FieldsOf(day);
        ASSERT_EQ(fields, expected) << "day " << day;
        ASSERT_EQ(DateTimeFromFields(fields.year, fields.month, fields.day, 0, 0, 0), day);
        if (day != -657434 && day != 2958465) {
            const int32_t walking = static_cast<int32_t>((int64_t{day} * 7919 % 86400 + 86400) % 86400);
            for (const int32_t second : {walking, strideTimes[day % 31 == 0 ? (day / 31 % 3 + 3) % 3 : 0]}) {
                const DateTimeFields timed{fields.year,   fields.month,     fields.day,
                                           second / 3600, second / 60 % 60, second % 60};
                const DateTime value = *DateTimeFromFields(timed.year, timed.month, timed.day, timed.hour,
                                                           timed.minute, timed.second);
                ASSERT_EQ(FieldsOf(value), timed) << "day " << day;
            }
        }
        if (++expected.day > DaysInMonth(expected.year, expected.month)) {
            expected.day = 1;
            if (++expected.month > 12) {
                expected.month = 1;
                ++expected.year;
            }
        }
    }
}

TEST(DaysInMonth, MonthLengthsOrZero) {
    struct Row {
        int32_t year, month, days;
    };
    const Row rows[] = {
        {2012, 2, 29},     {1900, 2, 28},  {2000, 2, 29}, {2011, 2, 28}, {2011, 4, 30},
        {2011, 1, 31},     {2011, 12, 31}, {2011, 13, 0}, {2011, 0, 0},  {99, 1, 0},
        {100, 2, 28},      {9999, 12, 31}, {10000, 1, 0}, {-4, 2, 0},    {INT32_MIN, INT32_MIN, 0},
        {INT32_MAX, 2, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.year << '-' << r.month);
        EXPECT_EQ(DaysInMonth(r.year, r.month), r.days);
    }
}

TEST(AddToDateTime, MovesByTheSpanOnTheContinuousAxis) {
    struct Row {
        const char* name;
        DateTime value;
        TimeUnit unit;
        int32_t amount;
        DateTimeFields fields;
    };
    const Row rows[] = {
        {"one hour past midnight", At(2011, 12, 27, 23, 30), TimeUnit::Hour, 1, Fields(2011, 12, 28, 0, 30)},
        {"-90 seconds", At(2011, 12, 27, 0, 0, 30), TimeUnit::Second, -90, Fields(2011, 12, 26, 23, 59)},
        {"countdown 1 min 30 s", At(2011, 12, 27, 16, 56, 7), TimeUnit::Second, 90,
         Fields(2011, 12, 27, 16, 57, 37)},
        {"minutes across a leap day", At(2012, 2, 28, 23, 59), TimeUnit::Minute, 2,
         Fields(2012, 2, 29, 0, 1)},
        {"negative day, 12 hours on", -1.25, TimeUnit::Hour, 12, Fields(1899, 12, 29, 18)},
        {"negative to positive", -1.25, TimeUnit::Hour, 24, Fields(1899, 12, 30, 6)},
        {"positive to negative", 0.25, TimeUnit::Hour, -24, Fields(1899, 12, 29, 6)},
        {"negative days back", At(1800, 3, 1, 1), TimeUnit::Hour, -2, Fields(1800, 2, 28, 23)},
        {"clamped input", kDateTimeMax + 0.5, TimeUnit::Hour, -1, Fields(9999, 12, 30, 23)},
        {"NaN input is the range minimum", kNaN, TimeUnit::Hour, 48, Fields(100, 1, 3)},
        // 01:00 on the first day is stored below the range minimum, so it clamps back to midnight.
        {"no time of day on the first day", kDateTimeMin, TimeUnit::Hour, 1, Fields(100, 1, 1)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(FieldsOf(AddToDateTime(r.value, r.unit, r.amount)), r.fields);
    }
    EXPECT_EQ(AddToDateTime(-1.25, TimeUnit::Hour, 12), -1.75);
    EXPECT_EQ(AddToDateTime(-1.25, TimeUnit::Hour, 24), 0.25);
}

TEST(AddToDateTime, ZeroAmountReturnsTheValueBitForBit) {
    for (const double value : {40904.7056366, kDateTimeMax + 1, -1e300, kInf, -0.0}) {
        const DateTime result = AddToDateTime(value, TimeUnit::Second, 0);
        EXPECT_EQ(std::memcmp(&result, &value, sizeof value), 0) << value;
    }
    const DateTime nan = AddToDateTime(kNaN, TimeUnit::Minute, 0);
    EXPECT_TRUE(std::isnan(nan));
}

TEST(AddToDateTime, ResultIsNotClamped) {
    const DateTime past = AddToDateTime(kDateTimeMax, TimeUnit::Hour, 1);
    EXPECT_EQ(past, 2958465 + 1.0 / 24);
    EXPECT_EQ(FieldsOf(past), Fields(9999, 12, 31));
    EXPECT_EQ(DateTimeToText(past), DateTimeToText(kDateTimeMax));
    EXPECT_LT(AddToDateTime(kDateTimeMin, TimeUnit::Second, -1), kDateTimeMin);
}

// The sum lies one unit in the last place above the value of its fields; only the same-second test
// equates them.
TEST(AddToDateTime, SumDiffersInTheLastBitButIsTheSameSecond) {
    const DateTime sum = AddToDateTime(At(2011, 12, 27, 16, 40, 1), TimeUnit::Minute, 1);
    const DateTime built = At(2011, 12, 27, 16, 41, 1);
    EXPECT_EQ(sum, std::nextafter(built, kInf));
    EXPECT_TRUE(SameSecond(sum, built));
}

TEST(AddToDateTime, WidestAmountsMoveTheirFullMagnitude) {
    struct Row {
        const char* name;
        DateTime start;
        DateTimeFields back;  // 2^31 seconds earlier
    };
    const Row rows[] = {
        {"positive to positive", At(2011, 12, 27, 16, 56, 7), Fields(1943, 12, 9, 13, 41, 59)},
        {"positive to negative", At(1950, 6, 1, 12), Fields(1882, 5, 13, 8, 45, 52)},
        {"negative to negative", At(1899, 12, 30, 1), Fields(1831, 12, 11, 21, 45, 52)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const DateTime back = AddToDateTime(r.start, TimeUnit::Second, INT32_MIN);
        EXPECT_EQ(FieldsOf(back), r.back);
        const DateTime again =
            AddToDateTime(AddToDateTime(back, TimeUnit::Second, INT32_MAX), TimeUnit::Second, 1);
        EXPECT_TRUE(SameSecond(again, r.start));
    }
    EXPECT_EQ(AddToDateTime(kDateTimeMax, TimeUnit::Hour, INT32_MAX), kDateTimeMax + 2147483647 * (1.0 / 24));
    EXPECT_EQ(FieldsOf(AddToDateTime(kDateTimeMin, TimeUnit::Hour, INT32_MIN)), Fields(100, 1, 1));
    EXPECT_EQ(FieldsOf(AddToDateTime(At(2000, 1, 1), TimeUnit::Minute, INT32_MIN)), Fields(100, 1, 1));
}

TEST(DateTimeDifference, WholeSecondsWithTheHalfSecondAddend) {
    struct Row {
        const char* name;
        DateTime a, b;
        double seconds;
    };
    const DateTime t = At(2011, 12, 27, 16, 56, 7);
    const Row rows[] = {
        {"one minute later", At(2011, 12, 27, 16, 57, 7), t, 60},
        {"same moment", t, t, 0},
        {"one second earlier", At(2011, 12, 27, 16, 56, 6), t, 0},
        {"two seconds earlier", At(2011, 12, 27, 16, 56, 5), t, -1},
        {"one minute earlier", t, At(2011, 12, 27, 16, 57, 7), -59},
        {"ulps below a whole second count", std::nextafter(At(2011, 12, 27, 16, 57, 7), 0), t, 60},
        {"sum one ulp off", AddToDateTime(t, TimeUnit::Second, 90), t, 90},
        {"across day 0", 0.25, -1.25, 86400},
        {"negative days", -1.75, -1.25, 43200},
        {"wraps past 32 bits", kDateTimeMax, t, -1325861031},
        {"wraps the other way", t, kDateTimeMax, 1325861031},
        {"whole range", kDateTimeMax, kDateTimeMin, -1118939008},
        {"both clamp to the maximum", kDateTimeMax + 0.5, kDateTimeMax, 0},
        {"NaN is the range minimum", kNaN, kDateTimeMin, 0},
        {"infinities clamp", kInf, -kInf, -1118939008},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(DateTimeDifference(r.a, r.b, TimeUnit::Second), r.seconds);
    }
}

TEST(SameSecond, ComparesFieldsAfterClamping) {
    EXPECT_TRUE(SameSecond(At(9999, 12, 31, 12), At(9999, 12, 31)));
    EXPECT_TRUE(SameSecond(PlusSeconds(At(2011, 12, 27, 16, 56, 7), 0.4), At(2011, 12, 27, 16, 56, 7)));
    EXPECT_FALSE(SameSecond(PlusSeconds(At(2011, 12, 27, 16, 56, 7), 0.6), At(2011, 12, 27, 16, 56, 7)));
    EXPECT_FALSE(SameSecond(At(2011, 12, 27, 16, 56, 7), At(2011, 12, 27, 16, 56, 8)));
    EXPECT_TRUE(SameSecond(kNaN, kDateTimeMin));
    EXPECT_TRUE(SameSecond(-1e300, At(100, 1, 1)));
}

TEST(TruncateToInt64, TowardZeroOrTheSmallestInteger) {
    struct Row {
        double value;
        int64_t result;
    };
    const Row rows[] = {
        {2.9, 2},
        {-2.9, -2},
        {0.0, 0},
        {-0.0, 0},
        {4294967301.0, 4294967301},
        {9223372036854774784.0, 9223372036854774784},  // the largest double below 2^63
        {9223372036854775808.0, INT64_MIN},            // 2^63
        {-9223372036854775808.0, INT64_MIN},
        {-1e19, INT64_MIN},
        {kInf, INT64_MIN},
        {-kInf, INT64_MIN},
        {kNaN, INT64_MIN},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.value);
        EXPECT_EQ(TruncateToInt64(r.value), r.result);
    }
}

// The clock gives whole seconds built from the six fields, within the second read around the call.
TEST(CurrentTime, LocalWallClockToTheWholeSecond) {
    const std::time_t before = std::time(nullptr);
    const DateTime now = CurrentTime();
    const std::time_t after = std::time(nullptr);
    const DateTimeFields f = FieldsOf(now);
    EXPECT_EQ(DateTimeFromFields(f.year, f.month, f.day, f.hour, f.minute, f.second), now);

    auto local = [](std::time_t seconds) {
        const std::tm tm = *std::localtime(&seconds);
        return *DateTimeFromFields(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                                   tm.tm_sec);
    };
    EXPECT_GE(DateTimeDifference(now, local(before), TimeUnit::Second), 0);
    EXPECT_LE(DateTimeDifference(now, local(after), TimeUnit::Second), 0);
}

}  // namespace
}  // namespace core
