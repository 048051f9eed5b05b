// Arbitrary doubles (NaN, infinities, subnormals, huge values) and amounts into the date-time operations.
#include <cmath>

#include "core/convert.h"
#include "core/datetime.h"
#include "core/datetime_text.h"
#include "fuzz_support.h"

namespace {

bool FieldsAreValid(const core::DateTimeFields& f) {
    return core::DateTimeFromFields(f.year, f.month, f.day, f.hour, f.minute, f.second).has_value() &&
           f.year >= 100;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const auto a = input.Take<double>();
    const auto b = input.Take<double>();
    const auto amount = input.Take<int32_t>();
    const auto unit = static_cast<core::TimeUnit>(6 + input.Take<uint8_t>() % 3);

    const core::DateTime clamped = core::ClampToValidRange(a);
    FUZZ_CHECK(clamped >= core::kDateTimeMin && clamped <= core::kDateTimeMax);
    const core::DateTimeFields fields = core::FieldsOf(a);
    FUZZ_CHECK(FieldsAreValid(fields));
    FUZZ_CHECK(core::YearOf(a) == fields.year && core::SecondOf(a) == fields.second);
    FUZZ_CHECK(core::SameSecond(a, clamped));
    FUZZ_CHECK(core::FieldsOf(core::TextToDateTime(core::DateTimeToText(a))) == fields);

    const core::DateTime sum = core::AddToDateTime(a, unit, amount);
    if (amount == 0) {
        FUZZ_CHECK(std::memcmp(&sum, &a, sizeof sum) == 0);
    } else {
        FUZZ_CHECK(std::isfinite(sum));
        FUZZ_CHECK(FieldsAreValid(core::FieldsOf(sum)));
    }

    const double difference = core::DateTimeDifference(a, b, core::TimeUnit::Second);
    FUZZ_CHECK(difference == std::trunc(difference) && difference >= INT32_MIN && difference <= INT32_MAX);
    FUZZ_CHECK(core::DateTimeDifference(a, a, unit) == 0);

    (void)core::SameSecond(a, b);
    (void)core::DaysInMonth(amount, static_cast<int32_t>(core::TruncateToInt64(b)));
    (void)core::RealToInt(a);
    const int64_t truncated = core::TruncateToInt64(a);
    FUZZ_CHECK(truncated == INT64_MIN || std::fabs(static_cast<double>(truncated)) <= std::fabs(a));
    return 0;
}
