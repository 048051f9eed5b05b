#pragma once

#include <cstdint>

#include "core/text.h"

namespace scheduler {

// The countdown line for `secondsLeft`: "H时M分S秒后执行任务" from an hour up, "M分S秒 执行任务" from
// a minute, "S秒 执行任务" below, and the empty text when no time is left.
core::Text CountdownLine(int32_t secondsLeft);

}  // namespace scheduler
