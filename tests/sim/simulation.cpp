#include "tests/sim/simulation.h"

namespace sim {

using ui::ControlKind;
using ui::EventKind;

class Simulation::Services final : public scheduler::Services {
  public:
    explicit Services(Simulation& sim) : sim_(sim) {}

    core::DateTime CurrentTime() override { return sim_.clock.CurrentTime(); }

    // Returns once strictly more than `milliseconds` have passed, having dispatched what fell due.
    void WaitProcessingEvents(int32_t milliseconds) override {
        if (milliseconds <= 0) return;
        sim_.RunUntil(sim_.clock.NowMs() + milliseconds + 1);
    }

    bool RequestSessionAction(int32_t action, bool force) override {
        sim_.Record(ServiceCall::Kind::SessionAction, action, force);
        return true;
    }

    bool LaunchProgram(std::string_view commandLine) override {
        sim_.Record(ServiceCall::Kind::Launch, 0, false, commandLine);
        sim_.Busy(sim_.launchBusyMs_);
        return !commandLine.empty();
    }

    // Task-modal: the user reaches no window, but the box's own loop dispatches ticks until OK.
    void ShowMessageBox(std::string_view message, std::string_view caption) override {
        sim_.Record(ServiceCall::Kind::MessageBox, 0, false, message, caption);
        ++sim_.modalDepth_;
        sim_.messageBoxUser_(sim_);
        --sim_.modalDepth_;
    }

    void PlayBeep() override { sim_.Record(ServiceCall::Kind::Beep); }

  private:
    Simulation& sim_;
};

Simulation::Simulation(core::DateTime wallClock, int32_t millisecondsIntoSecond)
    : services_(std::make_unique<Services>(*this)),
      app_(std::make_unique<ui::App>(controls, *services_, shell, variables)),
      sink_(app_.get()),
      messageBoxUser_([](Simulation& sim) { sim.Advance(3000); }) {
    clock.SetWallClock(wallClock, millisecondsIntoSecond);
}

Simulation::~Simulation() = default;

scheduler::Services& Simulation::services() {
    return *services_;
}

void Simulation::StartProgram() {
    controls.ArmStoredTimers();
    sink_->OnCreated();
    controls.SetVisible(ControlId::MainWindow, true);
}

void Simulation::CloseProgram() {
    sink_->OnDestroy();
    controls.SetVisible(ControlId::MainWindow, false);
    for (ControlId timer : {ControlId::时钟_倒计时, ControlId::时钟1, ControlId::时钟_定时关机}) {
        controls.SetPeriod(timer, 0);
    }
}

void Simulation::Advance(int64_t milliseconds) {
    RunUntil(clock.NowMs() + milliseconds);
}

void Simulation::At(int64_t nowMs, std::function<void()> action) {
    userActions_.push_back({nowMs, std::move(action)});
}

void Simulation::RunUntil(int64_t endMs) {
    // Handlers dispatched here may wait or open a box and so run this loop nested, moving time on.
    for (;;) {
        auto input = userActions_.end();
        for (auto it = userActions_.begin(); it != userActions_.end(); ++it) {
            if (it->dueMs <= endMs && (input == userActions_.end() || it->dueMs < input->dueMs)) input = it;
        }
        const std::optional<ControlId> timer = controls.NextDue(endMs);
        if (input != userActions_.end() && (!timer || input->dueMs <= controls.DueAt(*timer))) {
            clock.AdvanceTo(input->dueMs);
            const std::function<void()> action = std::move(input->action);
            userActions_.erase(input);
            action();
            continue;
        }
        if (!timer) break;
        clock.AdvanceTo(controls.DueAt(*timer));
        controls.TakeTick(*timer);
        sink_->OnEvent(*timer, EventKind::Tick);
    }
    clock.AdvanceTo(endMs);
}

bool Simulation::UserCanReach(ControlId id) const {
    const ui::ControlDescription* row = controls.Row(id);
    if (row == nullptr || modalDepth_ > 0) return false;
    const ControlId window =
        row->parent == ControlId::WarningWindow ? ControlId::WarningWindow : ControlId::MainWindow;
    if (!controls.Visible(window) || !controls.Visible(id) || controls.Disabled(id)) return false;
    if (row->parent == ControlId::分组框1) {
        return controls.Visible(ControlId::分组框1) && !controls.Disabled(ControlId::分组框1);
    }
    return true;
}

bool Simulation::Click(ControlId id) {
    if (!UserCanReach(id)) return false;
    controls.UserCheck(id);
    if (controls.Row(id)->event == EventKind::Clicked) sink_->OnEvent(id, EventKind::Clicked);
    return true;
}

bool Simulation::Choose(ControlId list, int32_t index) {
    if (!UserCanReach(list)) return false;
    const ControlKind kind = controls.Row(list)->kind;
    if (kind != ControlKind::DropDownList && kind != ControlKind::EditableDropDown) return false;
    if (index < 0 || index >= static_cast<int32_t>(controls.Items(list).size())) return false;
    controls.SetSelectedItem(list, index);
    if (controls.Row(list)->event == EventKind::ItemChosen) sink_->OnEvent(list, EventKind::ItemChosen);
    return true;
}

bool Simulation::Type(ControlId id, std::string_view text) {
    if (!UserCanReach(id)) return false;
    const ui::ControlDescription& row = *controls.Row(id);
    const bool typable =
        (row.kind == ControlKind::EditBox && !row.readOnly) || row.kind == ControlKind::EditableDropDown;
    if (!typable) return false;
    controls.UserType(id, text);
    return true;
}

bool Simulation::DropFiles(std::string_view text) {
    // The platform delivers drops only onto the enabled box the target is attached to.
    if (shell.dropTarget != ControlId::编辑框_文件路径 || !UserCanReach(ControlId::编辑框_文件路径))
        return false;
    sink_->OnFilesReceived(text);
    return true;
}

int Simulation::Count(ServiceCall::Kind kind) const {
    int count = 0;
    for (const ServiceCall& call : calls) count += call.kind == kind ? 1 : 0;
    return count;
}

void Simulation::Record(ServiceCall::Kind kind, int32_t action, bool force, std::string_view text,
                        std::string_view caption) {
    ServiceCall call;
    call.kind = kind;
    call.action = action;
    call.force = force;
    call.text = core::Text(text);
    call.caption = core::Text(caption);
    call.at = clock.CurrentTime();
    calls.push_back(std::move(call));
}

}  // namespace sim
