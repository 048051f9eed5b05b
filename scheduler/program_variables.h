#pragma once

#include <cstdint>

#include "core/datetime.h"
#include "core/text.h"

namespace scheduler {

// The state that lives for the whole process outside any window.
struct ProgramVariables {
    core::DateTime targetTime = 0.0;
    int32_t warningThreshold = 0;  // seconds before the target at which the warning may begin
    core::Text currentTimeText;    // the clock's last text; empty until the first tick
};

}  // namespace scheduler
