#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tests/sim/simulation.h"

namespace sim {

// What a handler writes and asks for, in the order it does so, over a running simulation: reads and
// the services' effects go to the simulation, every write and request is also logged as
// "<what> <control name>" or "<service> <argument>".
class WriteLog final : public scheduler::Controls, public scheduler::Services, public ui::Shell {
  public:
    using C = scheduler::ControlId;
    explicit WriteLog(Simulation& s) : sim_(s), c_(s.controls) {}

    bool Visible(C id) const override { return c_.Visible(id); }
    void SetVisible(C id, bool visible) override {
        Log(id, visible ? "show" : "hide");
        c_.SetVisible(id, visible);
    }
    bool Disabled(C id) const override { return c_.Disabled(id); }
    void SetDisabled(C id, bool disabled) override {
        Log(id, disabled ? "disable" : "enable");
        c_.SetDisabled(id, disabled);
    }
    core::Text Caption(C id) const override { return c_.Caption(id); }
    void SetCaption(C id, std::string_view text) override {
        Log(id, "caption");
        c_.SetCaption(id, text);
    }
    core::Text GetText(C id) const override { return c_.GetText(id); }
    void SetText(C id, std::string_view text) override {
        Log(id, "text");
        c_.SetText(id, text);
    }
    int32_t SelectedItem(C id) const override { return c_.SelectedItem(id); }
    void SetSelectedItem(C id, int32_t index) override {
        Log(id, "select");
        c_.SetSelectedItem(id, index);
    }
    void AddItem(C id, std::string_view text, int32_t value) override { c_.AddItem(id, text, value); }
    void Clear(C id) override {
        Log(id, "clear");
        c_.Clear(id);
    }
    bool Checked(C id) const override { return c_.Checked(id); }
    int32_t Period(C id) const override { return c_.Period(id); }
    void SetPeriod(C id, int32_t period) override {
        Log(id, period > 0 ? "start" : "stop");
        c_.SetPeriod(id, period);
    }

    core::DateTime CurrentTime() override { return sim_.services().CurrentTime(); }
    void WaitProcessingEvents(int32_t ms) override {
        writes.push_back("wait " + std::to_string(ms));
        sim_.services().WaitProcessingEvents(ms);
    }
    bool RequestSessionAction(int32_t action, bool force) override {
        writes.push_back("session " + std::to_string(action));
        return sim_.services().RequestSessionAction(action, force);
    }
    bool LaunchProgram(std::string_view commandLine) override {
        writes.push_back("launch");
        return sim_.services().LaunchProgram(commandLine);
    }
    void ShowMessageBox(std::string_view message, std::string_view caption) override {
        writes.push_back("box");
        sim_.services().ShowMessageBox(message, caption);
    }
    void PlayBeep() override { writes.push_back("beep"); }

    void EnableCustomControlLook() override { writes.push_back("look"); }
    void LoadWarningWindow() override { writes.push_back("load warning"); }
    bool AttachDropTarget(C id) override {
        Log(id, "attach");
        return sim_.shell.AttachDropTarget(id);
    }
    void WithdrawDropTarget() override { writes.push_back("withdraw"); }
    void RequestDestroy(C id) override { Log(id, "destroy"); }

    std::vector<std::string> writes;

  private:
    void Log(C id, const char* what) {
        writes.push_back(std::string(what) + " " + std::string(scheduler::ControlName(id)));
    }

    Simulation& sim_;
    SimControls& c_;
};

// Expected log lines from (what, control) pairs, or plain lines with control None.
inline std::vector<std::string> Writes(std::vector<std::pair<const char*, scheduler::ControlId>> writes) {
    std::vector<std::string> texts;
    for (const auto& [what, id] : writes) {
        texts.push_back(id == scheduler::ControlId::None
                            ? std::string(what)
                            : std::string(what) + " " + std::string(scheduler::ControlName(id)));
    }
    return texts;
}

}  // namespace sim
