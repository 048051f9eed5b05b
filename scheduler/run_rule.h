#pragma once

#include <cstdint>

#include "core/datetime.h"

namespace scheduler {

// How long after the target second a late execution tick still carries out the task.
//
// Timer ticks come about once a second but each one a little late (the next clock interrupt, about
// 16 ms on Windows), so now and then a whole wall-clock second gets no tick; a thread held busy (a
// program launch waits up to one second for the started program) delays the next tick by as much again.
// Together that puts the first tick at most about two seconds past the target second; three seconds
// covers it with a second to spare. It stays short on purpose: a target passed by more (the computer
// slept, the clock jumped ahead) is not carried out late, so no forced shut-down comes without the
// warning that counts down to it.
constexpr int32_t kRunGraceSeconds = 3;

// Whether a tick at `now` carries out a task set for `target`: `now` lies in the target second or at
// most `graceSeconds` whole seconds after it. A grace of 0 gives the same-second test alone.
bool TargetReached(core::DateTime now, core::DateTime target, int32_t graceSeconds);

}  // namespace scheduler
