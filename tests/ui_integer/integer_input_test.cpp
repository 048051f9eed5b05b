#include "ui/integer_input.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(IntegerInput, NormalizesOnFocusLoss) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"007", "7"},
        {"0", ""},
        {"-0", ""},
        {"-", ""},
        {"", ""},
        {"99999999999", "2147483647"},
        {"2147483648", "2147483647"},
        {"-2147483648", "-2147483648"},
        {"-99999999999999999999999999", "-2147483648"},
        {"  42", "42"},
        {"+15", "15"},
        {"12-3", "12"},
        {"--5", ""},
        {"5 6", "5"},
        {" - 5", ""},
        {"123", "123"},
        {"-17", "-17"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(NormalizeIntegerInput(c.typed), c.shown);
    }
}

TEST(IntegerInput, AcceptsDigitsMinusAndControlCharacters) {
    for (uint32_t ch = 0; ch < 0x80; ++ch) {
        SCOPED_TRACE(ch);
        const bool expected = ch < 0x20 || ch == 0x7F || ch == '-' || (ch >= '0' && ch <= '9');
        EXPECT_EQ(IntegerInputAccepts(ch), expected);
    }
    EXPECT_FALSE(IntegerInputAccepts(0x4E00));  // a CJK character
    EXPECT_FALSE(IntegerInputAccepts(0xFF11));  // full-width digit one
}

}  // namespace
}  // namespace ui
