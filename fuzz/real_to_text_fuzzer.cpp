// Any double into real to text, checked against glibc's "%.13g" (which rounds the exact value once) and
// against reading the text back.
#include <cmath>
#include <string>

#include "core/convert.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const auto value = input.Take<double>();
    const core::Text text = core::RealToText(value);
    FUZZ_CHECK(!text.empty() && text.size() <= 20);
    if (!std::isfinite(value)) return 0;

    char digits17[64], expected[64];
    std::snprintf(digits17, sizeof digits17, "%.16e", std::fabs(value));
    std::snprintf(expected, sizeof expected, "%.13g", value);
    std::string glibc = expected;
    const size_t e = glibc.find('e');
    if (e != std::string::npos && glibc.size() - e == 4) glibc.insert(e + 2, "0");  // three exponent digits
    // Where the 17 digits end in a tie at the 13th (digits 14 to 17 are 5000) the program rounds away
    // from zero and glibc may not.
    if (std::string(digits17 + 14, 4) != "5000") FUZZ_CHECK(text == glibc || (value == 0 && text == "0"));

    const double back = std::strtod(text.c_str(), nullptr);
    if (std::fabs(value) > 1e-300) FUZZ_CHECK(std::fabs(back - value) <= 5.0001e-13 * std::fabs(value));
    return 0;
}
