#include "scheduler/run_rule.h"

namespace scheduler {

bool TargetReached(core::DateTime now, core::DateTime target, int32_t graceSeconds) {
    if (core::SameSecond(now, target)) return true;
    // The difference is 0 for a moment one second *before* the target (it rounds negative differences
    // toward zero), so the target second itself is left to the same-second test above. It also wraps
    // beyond the 32-bit range: moving the target forward by the difference and finding `now` there
    // confirms that `now` really lies that many seconds after it.
    const int64_t late = core::TruncateToInt64(core::DateTimeDifference(now, target, core::TimeUnit::Second));
    if (late < 1 || late > graceSeconds) return false;
    return core::SameSecond(core::AddToDateTime(target, core::TimeUnit::Second, static_cast<int32_t>(late)),
                            now);
}

}  // namespace scheduler
