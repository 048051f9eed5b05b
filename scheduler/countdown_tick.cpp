// The countdown tick: the time left once a second, and the warning in the last seconds.
#include "core/convert.h"
#include "scheduler/countdown_line.h"
#include "scheduler/schedule.h"

namespace scheduler {

using C = ControlId;

void Schedule::CountdownTick() {
    const core::DateTime now = services_.CurrentTime();
    const int32_t secondsLeft = static_cast<int32_t>(
        core::TruncateToInt64(core::DateTimeDifference(variables_.targetTime, now, core::TimeUnit::Second)));
    if (secondsLeft <= 0) {
        controls_.SetPeriod(C::时钟_倒计时, kTimerStop);
        controls_.SetCaption(C::标签_倒计时显示, "");
        return;
    }
    controls_.SetCaption(C::标签_倒计时显示, CountdownLine(secondsLeft));

    const int32_t seconds = secondsLeft % 60;
    const bool warn = secondsLeft <= 59 && seconds <= variables_.warningThreshold &&
                      controls_.SelectedItem(C::组合框_是否提示) == 0;
    if (!warn) return;
    services_.PlayBeep();
    // Shown and numbered in one handler, before anything repaints: the window never shows a stale number.
    controls_.SetVisible(C::WarningWindow, true);
    controls_.SetCaption(C::标签_倒计时读秒, core::IntToText(seconds));
}

}  // namespace scheduler
