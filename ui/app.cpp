#include "ui/app.h"

#include "ui/selection.h"
#include "ui/startup.h"

namespace ui {

using C = ControlId;

App::App(scheduler::Controls& controls, scheduler::Services& services, Shell& shell,
         scheduler::ProgramVariables& variables)
    : controls_(controls),
      services_(services),
      shell_(shell),
      variables_(variables),
      schedule_(controls, services, variables) {}

void App::OnCreated() {
    OnMainWindowCreated(controls_, services_, shell_, variables_);
}

void App::OnDestroy() {
    shell_.RequestDestroy(C::WarningWindow);
    shell_.WithdrawDropTarget();
}

void App::OnEvent(ControlId id, EventKind kind) {
    switch (kind) {
        case EventKind::Clicked:
            if (id == C::按钮_启动) return schedule_.Start();
            if (id == C::按钮_中止) return schedule_.Stop();
            if (id == C::按钮_取消任务) return schedule_.Cancel();
            if (id == C::按钮_倒计时提示设置) return schedule_.SetThreshold();
            OnSelectionClicked(id, controls_, shell_);
            return;
        case EventKind::ItemChosen:
            if (id == C::组合框_月) OnMonthChosen(controls_, services_);
            return;
        case EventKind::Tick:
            if (id == C::时钟1) return OnClockTick(controls_, services_, variables_);
            if (id == C::时钟_倒计时) return schedule_.CountdownTick();
            if (id == C::时钟_定时关机) return schedule_.ExecutionTick();
            return;
        case EventKind::None:
        case EventKind::FilesReceived:
        case EventKind::Created:
        case EventKind::Destroyed:
            return;
    }
}

void App::OnFilesReceived(std::string_view text) {
    ui::OnFilesReceived(controls_, text);
}

}  // namespace ui
