#include "core/convert.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

#include "test_support.h"

namespace core {
namespace {

TEST(IntToText, PlainDecimal) {
    struct Row {
        int32_t value;
        const char* text;
    };
    const Row rows[] = {{0, "0"},
                        {7, "7"},
                        {-5, "-5"},
                        {2011, "2011"},
                        {2147483647, "2147483647"},
                        {INT32_MIN, "-2147483648"}};
    for (const Row& r : rows) EXPECT_EQ(IntToText(r.value), r.text);
}

TEST(RealToText, ThirteenSignificantDigits) {
    struct Row {
        double value;
        const char* text;
    };
    const Row rows[] = {
        {2012.0, "2012"},
        {100.0, "100"},
        {0.5, "0.5"},
        {-0.25, "-0.25"},
        {1.0 / 60, "0.01666666666667"},
        {1234567890123.0, "1234567890123"},
        {0.0001, "0.0001"},
        {0.00001, "1e-005"},
        {1e13, "1e+013"},
        {12345678901234.0, "1.234567890123e+013"},
        {1.5e-10, "1.5e-010"},
        {0.0, "0"},
        {-0.0, "0"},
        {0.1, "0.1"},
        {-2.5, "-2.5"},
        {9999999999999.0, "9999999999999"},
        {99999999999995.0, "1e+014"},  // the rounding carries into a new digit
        {9999999999999.5, "1e+013"},
        {0.000099999999999995, "0.0001"},  // carries from exponent notation into fixed
        {1234.56789012345, "1234.567890123"},
        {4441.4029481905, "4441.402948191"},  // exactly 4441.40294819049995..., 17 digits end in 5000
        {0.077141689555595, "0.0771416895556"},
        {1e100, "1e+100"},
        {-1.7976931348623157e308, "-1.797693134862e+308"},
        {2.2250738585072014e-308, "2.225073858507e-308"},
        {4.9406564584124654e-324, "4.940656458412e-324"},  // the smallest subnormal
        {123456789012.35, "123456789012.4"},
        {std::numeric_limits<double>::quiet_NaN(), "nan"},
        {HUGE_VAL, "inf"},
        {-HUGE_VAL, "-inf"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(RealToText(r.value), r.text);
    }
}

#ifndef _WIN32
// glibc's printf rounds the exact value once; the program rounds 17 digits to 13. They agree except
// where the 17 digits are a tie at the 13th, which the program always rounds away from zero.
void ExpectAgreesWithGlibc(double value, int& doubleRounded) {
    char expected[64], digits17[64];
    std::snprintf(expected, sizeof expected, "%.13g", value);
    std::snprintf(digits17, sizeof digits17, "%.16e", std::fabs(value));
    std::string glibc = expected;
    // glibc writes two exponent digits at least; the program three.
    const size_t e = glibc.find('e');
    if (e != std::string::npos && glibc.size() - e == 4) glibc.insert(e + 2, "0");
    if (std::string(digits17 + 14, 4) == "5000") {  // digits 14 to 17
        ++doubleRounded;
        return;
    }
    ASSERT_EQ(RealToText(value), glibc) << digits17;
}

TEST(RealToText, AgreesWithGlibcOutsideDoubleRoundingCases) {
    std::mt19937_64 random(20111227);
    int doubleRounded = 0;
    for (int i = 0; i < 10000; ++i) {  // any bit pattern
        const uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) ExpectAgreesWithGlibc(value, doubleRounded);
    }
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::uniform_int_distribution<int> exponent(-8, 16);
    for (int i = 0; i < 10000; ++i) {  // around the switch between fixed and exponent notation
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        ExpectAgreesWithGlibc(i % 2 == 0 ? value : -value, doubleRounded);
        ExpectAgreesWithGlibc(std::round(value), doubleRounded);
    }
    EXPECT_LT(doubleRounded, 300);  // ties are rare; many would mean broken digits
}
#endif

TEST(TextToInt, LeadingNumberWithWrapping) {
    struct Row {
        std::string_view text;
        int32_t value;
    };
    const Row rows[] = {
        {"2011年", 2011},
        {"12月", 12},
        {"0", 0},
        {"", 0},
        {" 42", 42},
        {"\t\n\v\f\r 9", 9},
        {"+7", 7},
        {"-5", -5},
        {"- 5", 0},
        {"+-5", 0},
        {"12abc", 12},
        {"1.9", 1},
        {"abc", 0},
        {"１２", 12},
        {"　５", 5},
        {"－３", -3},
        {"＋３", 3},
        {"2147483647", 2147483647},
        {"2147483648", INT32_MIN},
        {"-2147483648", INT32_MIN},
        {"-2147483649", 2147483647},
        {"4294967301", 5},
        {"99999999999", 1215752191},
        {"0000000000000000000000042", 42},
        {"7\xC4", 7},
        {std::string_view("4\0"
                          "2",
                          3),
         4},
        {"\x81"
         "5",
         0},  // 0x81 pairs with the digit: not a number
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(TextToInt(r.text), r.value);
    }
    // 10^n is 0 modulo 2^32 from n = 32 on, so a million nines wrap to -1.
    EXPECT_EQ(TextToInt(std::string(1 << 20, '9')), -1);
}

TEST(RealToInt, LowBitsOfTheTruncation) {
    struct Row {
        double value;
        int32_t result;
    };
    const Row rows[] = {
        {2.9, 2},  {-2.9, -2}, {4294967301.0, 5}, {2147483648.0, INT32_MIN}, {-2147483649.0, 2147483647},
        {1e19, 0}, {-1e19, 0}, {HUGE_VAL, 0},     {std::nan(""), 0},         {30.0, 30},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.value);
        EXPECT_EQ(RealToInt(r.value), r.result);
    }
}

TEST(JoinTexts, ConcatenatesWithNothingBetween) {
    EXPECT_EQ(JoinTexts({"设定操作时间：", ""}), "设定操作时间：");
    EXPECT_EQ(JoinTexts({"1", "分", "29", "秒 执行任务"}), "1分29秒 执行任务");
    EXPECT_EQ(JoinTexts({"", ""}), "");
    EXPECT_EQ(JoinTexts({"2011年", "12月", "27日", "16时", "56分", "7秒"}), "2011年12月27日16时56分7秒");
}

}  // namespace
}  // namespace core
