#include "core/datetime_text.h"

#include <cmath>

#include "test_support.h"

namespace core {
namespace {

using testing::At;
using testing::PlusSeconds;

TEST(DateTimeToText, LeavesOutTrailingZeroTimeFields) {
    struct Row {
        DateTime value;
        const char* text;
    };
    const Row rows[] = {
        {At(2011, 12, 27, 16, 56, 7), "2011年12月27日16时56分7秒"},
        {At(2011, 12, 27, 16, 56), "2011年12月27日16时56分"},
        {At(2011, 12, 27, 16), "2011年12月27日16时"},
        {At(2011, 12, 27, 0, 5), "2011年12月27日0时5分"},
        {At(2011, 12, 27, 0, 0, 5), "2011年12月27日0时0分5秒"},
        {At(2011, 12, 27), "2011年12月27日"},
        {At(2012, 2, 29, 12), "2012年2月29日12时"},
        {PlusSeconds(At(2011, 12, 31, 23, 59, 59), 0.6), "2012年1月1日"},
        {-1.25, "1899年12月29日6时"},
        {kDateTimeMin, "100年1月1日"},
        {-1e9, "100年1月1日"},
        {std::nan(""), "100年1月1日"},
        {kDateTimeMax, "9999年12月31日"},
        {kDateTimeMax + 0.99, "9999年12月31日"},
        {HUGE_VAL, "9999年12月31日"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(DateTimeToText(r.value), r.text);
    }
}

TEST(DateTimeToText, WritesGbkBytes) {
    EXPECT_EQ(DateTimeToText(At(2011, 12, 27, 16, 56, 7)),
              "2011\xC4\xEA"
              "12\xD4\xC2"
              "27\xC8\xD5"
              "16\xCA\xB1"
              "56\xB7\xD6"
              "7\xC3\xEB");
}

TEST(FoldFullWidth, MapsFullWidthFormsToAscii) {
    struct Row {
        const char* name;
        std::string_view text, folded;
    };
    const Row rows[] = {
        {"digits and signs", "２０１１－１２／２７：．", "2011-12/27:."},
        {"first and last full-width forms", "\xA3\xA1\xA3\xFE", "!~"},
        {"letters", "ＡＢｃ", "ABc"},
        {"ideographic space", "　５", " 5"},
        {"wave dash and stars", "～☆★", "~**"},
        {"unit characters stay", "年月日时分秒", "年月日时分秒"},
        {"pairs just outside the forms stay", "\xA3\xA0\xA3\xFF\xA1\xAC", "\xA3\xA0\xA3\xFF\xA1\xAC"},
        {"a trail byte below 0x80 stays in its pair",
         "\x81\x41"
         "1",
         "\x81\x41"
         "1"},
        {"lone lead byte at the end is dropped", "12\xC4", "12"},
        {"0xFF pairs with the next byte",
         "\xFF"
         "1"
         "2",
         "\xFF"
         "12"},
        {"a zero byte ends the text", std::string_view("12\0\xA3\xB2", 5), "12"},
        {"lead byte before a zero byte is dropped",
         std::string_view("12\xC4\0"
                          "3",
                          5),
         "12"},
        {"empty", "", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(FoldFullWidth(r.text), r.folded);
    }
}

TEST(TextToDateTime, ReadsTheFormsThatItAccepts) {
    struct Row {
        const char* text;
        DateTime value;
    };
    const Row rows[] = {
        {"2011年12月27日16时56分7秒", At(2011, 12, 27, 16, 56, 7)},
        {"2011年12月27日16时56分", At(2011, 12, 27, 16, 56)},
        {"2011年12月27日16时", At(2011, 12, 27, 16)},
        {"2011年12月27日", At(2011, 12, 27)},
        {"2012年2月16时5分0秒", At(2012, 2, 16, 0, 5)},  // no day selected: the hour digits become the day
        {"2011年12月27日5分7秒", At(2011, 12, 27, 5, 0, 7)},
        {"2011年12月27日16时7秒", At(2011, 12, 27, 16, 7)},
        {"2011-12-27 16:56:07", At(2011, 12, 27, 16, 56, 7)},
        {"2011/12/27", At(2011, 12, 27)},
        {"2011.12.27 16.56.07", At(2011, 12, 27, 16, 56, 7)},
        {"20111227165607", At(2011, 12, 27, 16, 56, 7)},
        {"２０１１－１２－２７", At(2011, 12, 27)},
        {"２０１１年１２月２７日１６时５６分７秒", At(2011, 12, 27, 16, 56, 7)},
        {"2011年01月02日03时04分05秒", At(2011, 1, 2, 3, 4, 5)},
        {"2011年12月27日16时56分7秒 ", At(2011, 12, 27, 16, 56, 7)},
        {"2011年12月27日16时56分7秒anything\xFF", At(2011, 12, 27, 16, 56, 7)},
        {"2011:12.27/16-56-07", At(2011, 12, 27, 16, 56, 7)},
        {"100年1月1日", kDateTimeMin},
        {"9999年12月31日", kDateTimeMax},
        {"2012年2月29日", At(2012, 2, 29)},
        {"2000-2-29 23:59:59", At(2000, 2, 29, 23, 59, 59)},
        {"1899年12月29日6时", -1.25},
        {"2011-12-27 16:56:07\xC4", At(2011, 12, 27, 16, 56, 7)},  // the lone lead byte is dropped
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(TextToDateTime(r.text), r.value);
    }
}

TEST(TextToDateTime, RefusesWhatItCannotRead) {
    const char* const rows[] = {
        "",
        "2011",                     // day 0
        "2011-12",                  // day 0
        "2012年2月31日16时5分0秒",  // day past the month's end
        "2011年2月30日",
        "1900-2-29",
        "99年1月1日",
        "2011年12月27日24时",
        "2011年12月27日16时60分",
        "2011年12月27日16时56分60秒",
        " 2011-12-27",  // leading space
        "2011-12-27T16:56:07",
        "2011年12月27日 16:56:07",     // no space is skipped after 日
        "2011年12月27日16时56分7 秒",  // a space before 秒
        "2011-12-27 16:56:07 ",
        "2011-12-27 16:56:078",  // a third digit of the second
        "10000-1-1",
        "2011年13月1日",
        "2011年0月1日",
        "abc",
        "\xC4",  // folds to the empty text
        "\xFF\xFF\xFF",
    };
    for (const char* text : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(TextToDateTime(text), kDateTimeMin);
    }
}

// The last day of every month reads; the day after it is refused, in common and leap years alike.
TEST(TextToDateTime, MonthEndsInCommonAndLeapYears) {
    const struct {
        int32_t year;
        int32_t lastDays[12];
    } years[] = {
        {2011, {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
        {2012, {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
        {1900, {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
        {2000, {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
        {1800, {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
    };
    for (const auto& y : years) {
        for (int32_t month = 1; month <= 12; ++month) {
            const int32_t last = y.lastDays[month - 1];
            const std::string date = std::to_string(y.year) + "年" + std::to_string(month) + "月";
            SCOPED_TRACE(date);
            EXPECT_EQ(TextToDateTime(date + std::to_string(last) + "日23时59分59秒"),
                      At(y.year, month, last, 23, 59, 59));
            EXPECT_EQ(TextToDateTime(date + std::to_string(last + 1) + "日"), kDateTimeMin);
            EXPECT_EQ(DaysInMonth(y.year, month), last);
        }
    }
}

TEST(TextToDateTime, HostileBytesGiveTheRangeMinimum) {
    EXPECT_EQ(TextToDateTime(std::string(1 << 20, '1')), kDateTimeMin);
    EXPECT_EQ(TextToDateTime(std::string(1 << 20, '\xFF')), kDateTimeMin);
    EXPECT_EQ(TextToDateTime(std::string(1 << 20, '\0')), kDateTimeMin);
    // Everything after 秒 is ignored, however long.
    EXPECT_EQ(TextToDateTime("2011-12-27 16:56:07秒" + std::string(1 << 20, '\x80')),
              At(2011, 12, 27, 16, 56, 7));
    // The text ends at its first zero byte.
    EXPECT_EQ(TextToDateTime(std::string_view("2011-12-27\0"
                                              "16",
                                              13)),
              At(2011, 12, 27));
}

// Every day of the range at a time of day that walks through the day's seconds, plus the four
// shapes of the text on a stride of days: each text reads back bit for bit. The first day of the range
// and the last have midnight only.
TEST(TextToDateTime, ReadsBackEveryTextTheFormatterWrites) {
    ASSERT_EQ(TextToDateTime(DateTimeToText(kDateTimeMin)), kDateTimeMin);
    for (int32_t day = -657433; day < 2958465; ++day) {
        const DateTimeFields date = FieldsOf(day);
        const int32_t second =
            static_cast<int32_t>((static_cast<int64_t>(day) * 7919 % 86400 + 86400) % 86400);
        const DateTime value = *DateTimeFromFields(date.year, date.month, date.day, second / 3600,
                                                   second / 60 % 60, second % 60);
        ASSERT_EQ(TextToDateTime(DateTimeToText(value)), value) << DateTimeToText(value);
    }
    const int32_t times[][3] = {{0, 0, 0}, {7, 0, 0}, {0, 30, 0}, {23, 59, 59}};
    for (int32_t day = -657433; day < 2958465; day += 31) {
        const DateTimeFields date = FieldsOf(day);
        for (const auto& t : times) {
            const DateTime value = *DateTimeFromFields(date.year, date.month, date.day, t[0], t[1], t[2]);
            ASSERT_EQ(TextToDateTime(DateTimeToText(value)), value) << DateTimeToText(value);
        }
    }
}

}  // namespace
}  // namespace core
