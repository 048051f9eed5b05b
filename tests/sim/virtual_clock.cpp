#include "tests/sim/virtual_clock.h"

namespace sim {

namespace {

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

core::DateTime WholeSecond(core::DateTime moment) {
    const core::DateTimeFields f = core::FieldsOf(moment);
    return core::DateTimeFromFields(f.year, f.month, f.day, f.hour, f.minute, f.second)
        .value_or(core::kDateTimeMin);
}

}  // namespace

void VirtualClock::Advance(int64_t milliseconds) {
    if (milliseconds <= 0) return;
    nowMs_ += milliseconds;
    wallMsSinceBase_ += milliseconds;
}

void VirtualClock::SetWallClock(core::DateTime moment, int32_t millisecondsIntoSecond) {
    wallBase_ = WholeSecond(moment);
    wallMsSinceBase_ = millisecondsIntoSecond;
}

core::DateTime VirtualClock::CurrentTime() const {
    const int64_t seconds = FloorDiv(wallMsSinceBase_, 1000);
    if (seconds == 0) return wallBase_;
    return WholeSecond(core::AddToDateTime(wallBase_, core::TimeUnit::Second, static_cast<int32_t>(seconds)));
}

int32_t VirtualClock::MillisecondsIntoSecond() const {
    return static_cast<int32_t>(wallMsSinceBase_ - FloorDiv(wallMsSinceBase_, 1000) * 1000);
}

}  // namespace sim
