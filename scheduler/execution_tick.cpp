// The execution tick: carries out the chosen task once the target second has come.
#include "scheduler/schedule.h"

namespace scheduler {

using C = ControlId;

void Schedule::ExecutionTick() {
    const core::DateTime now = services_.CurrentTime();
    if (taskInProgress_) return;
    // A tick may miss the target second altogether (ticks drift past a second boundary, or the thread
    // was busy): a late tick within the grace still carries the task out, where the same-second test
    // alone would leave the schedule pending for ever while the window shows it as set.
    if (!TargetReached(now, variables_.targetTime, targetAheadAtStart_ ? runGraceSeconds_ : 0)) return;

    taskInProgress_ = true;
    controls_.SetVisible(C::WarningWindow, false);
    services_.WaitProcessingEvents(200);
    CarryOutActions();
    services_.WaitProcessingEvents(200);
    ReturnToIdle();
    taskInProgress_ = false;
}

// Each control is read when its action is reached: a choice changed during the first wait counts.
void Schedule::CarryOutActions() {
    if (controls_.Checked(C::单选框_关闭计算机)) {
        services_.RequestSessionAction(static_cast<int32_t>(SessionAction::ShutDown), true);
    }
    if (controls_.Checked(C::单选框_重启计算机)) {
        services_.RequestSessionAction(static_cast<int32_t>(SessionAction::Restart), true);
    }
    if (controls_.Checked(C::单选框_注销计算机)) {
        services_.RequestSessionAction(static_cast<int32_t>(SessionAction::LogOff), true);
    }
    if (controls_.Checked(C::选择框_弹出信息框)) {
        services_.ShowMessageBox(controls_.GetText(C::编辑框_自定义信息框内容), "禾舟定时关机1.0");
    }
    if (controls_.Checked(C::单选框_运行文件)) services_.LaunchProgram(controls_.GetText(C::编辑框_文件路径));
}

void Schedule::ReturnToIdle() {
    controls_.SetDisabled(C::按钮_中止, true);
    controls_.SetDisabled(C::按钮_启动, false);
    controls_.SetPeriod(C::时钟_倒计时, kTimerStop);
    controls_.SetPeriod(C::时钟_定时关机, kTimerStop);
    controls_.SetCaption(C::标签_倒计时显示, "");
}

}  // namespace scheduler
