#include "scheduler/countdown_line.h"

#include "core/convert.h"

namespace scheduler {

core::Text CountdownLine(int32_t secondsLeft) {
    if (secondsLeft <= 0) return {};
    const int32_t hours = secondsLeft / 3600;
    const int32_t minutes = secondsLeft % 3600 / 60;
    const int32_t seconds = secondsLeft % 60;
    using core::IntToText;
    if (secondsLeft >= 3600) {
        return core::JoinTexts(
            {IntToText(hours), "时", IntToText(minutes), "分", IntToText(seconds), "秒后执行任务"});
    }
    if (secondsLeft >= 60)
        return core::JoinTexts({IntToText(minutes), "分", IntToText(seconds), "秒 执行任务"});
    return core::JoinTexts({IntToText(seconds), "秒 执行任务"});
}

}  // namespace scheduler
