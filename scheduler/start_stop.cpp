// Start, stop, cancel and set threshold: the clicks that change the schedule.
#include "core/convert.h"
#include "core/datetime_text.h"
#include "scheduler/schedule.h"

namespace scheduler {

using C = ControlId;

void Schedule::Start() {
    controls_.SetDisabled(C::按钮_启动, true);
    controls_.SetDisabled(C::按钮_中止, false);
    controls_.SetPeriod(C::时钟_定时关机, 1000);
    if (controls_.Checked(C::单选框_定时)) {
        // Braced initialisers are evaluated left to right: the lists are read in this order.
        const core::Text joined =
            core::JoinTexts({controls_.GetText(C::组合框_年), controls_.GetText(C::组合框_月),
                             controls_.GetText(C::组合框_日), controls_.GetText(C::组合框_时),
                             controls_.GetText(C::组合框_分), controls_.GetText(C::组合框_秒)});
        variables_.targetTime = core::TextToDateTime(joined);
        ShowTargetLine();
    }
    if (controls_.Checked(C::单选框_倒计时)) {
        using core::TimeUnit;
        core::DateTime target = services_.CurrentTime();
        target =
            core::AddToDateTime(target, TimeUnit::Hour, core::TextToInt(controls_.GetText(C::编辑框_时)));
        target =
            core::AddToDateTime(target, TimeUnit::Minute, core::TextToInt(controls_.GetText(C::编辑框_分)));
        target =
            core::AddToDateTime(target, TimeUnit::Second, core::TextToInt(controls_.GetText(C::编辑框_秒)));
        variables_.targetTime = target;
        ShowTargetLine();
    }
    const double secondsAhead =
        core::DateTimeDifference(variables_.targetTime, services_.CurrentTime(), core::TimeUnit::Second);
    targetAheadAtStart_ = secondsAhead >= 1.0;
    controls_.SetPeriod(C::时钟_倒计时, 1000);
}

void Schedule::ShowTargetLine() {
    controls_.SetCaption(C::标签_关机时间,
                         core::JoinTexts({"设定操作时间：", core::DateTimeToText(variables_.targetTime)}));
}

void Schedule::Stop() {
    controls_.SetDisabled(C::按钮_中止, true);
    controls_.SetDisabled(C::按钮_启动, false);
    controls_.SetVisible(C::WarningWindow, false);
    variables_.targetTime = services_.CurrentTime();
    controls_.SetPeriod(C::时钟_倒计时, kTimerStop);
    controls_.SetPeriod(C::时钟_定时关机, kTimerStop);
    controls_.SetCaption(C::标签_倒计时显示, "");
}

void Schedule::Cancel() {
    Stop();
}

void Schedule::SetThreshold() {
    variables_.warningThreshold = 60 - controls_.SelectedItem(C::组合框_倒计时提示);
}

}  // namespace scheduler
