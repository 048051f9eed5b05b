#pragma once

#include <vector>

#include "ui/shell.h"

namespace sim {

// The window-level requests, recorded; the drop target attaches once, as the real one does.
class SimShell final : public ui::Shell {
  public:
    void EnableCustomControlLook() override { customLook = true; }
    void LoadWarningWindow() override { ++warningLoads; }
    bool AttachDropTarget(scheduler::ControlId control) override {
        if (dropTarget != scheduler::ControlId::None) return false;
        dropTarget = control;
        ++attaches;
        return true;
    }
    void WithdrawDropTarget() override { dropTarget = scheduler::ControlId::None; }
    void RequestDestroy(scheduler::ControlId window) override { destroyRequests.push_back(window); }

    bool customLook = false;
    int warningLoads = 0;
    int attaches = 0;  // registrations made
    scheduler::ControlId dropTarget = scheduler::ControlId::None;
    std::vector<scheduler::ControlId> destroyRequests;
};

}  // namespace sim
