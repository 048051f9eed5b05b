#pragma once

#include "scheduler/control_id.h"

namespace ui {

// Window-level requests the start-up, selection and exit handlers make of the window runtime.
class Shell {
  public:
    virtual ~Shell() = default;

    // From now on standard controls created on this thread get the themed common-controls look;
    // controls that exist already keep theirs.
    virtual void EnableCustomControlLook() = 0;
    // Creates the warning window from its description, hidden, without owner.
    virtual void LoadWarningWindow() = 0;
    // Attaches the file drop target to a control; false when already attached (then nothing happens)
    // or when registration failed (it still counts as attached).
    virtual bool AttachDropTarget(scheduler::ControlId control) = 0;
    // Withdraws the drop target from its control, if attached.
    virtual void WithdrawDropTarget() = 0;
    // Asks for a window's destruction; the request is queued and harmless for a window that is gone.
    virtual void RequestDestroy(scheduler::ControlId window) = 0;
};

}  // namespace ui
