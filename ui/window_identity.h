#pragma once

#include <cstdint>

#include "scheduler/control_id.h"

namespace ui {

// How a real window shows which control it is, so that tools and tests outside the program can
// find controls the way a user-level automation tool does: the control's window id is
// kControlIdBase plus its ControlId value.
constexpr int32_t kControlIdBase = 1000;
constexpr int32_t WindowIdOf(scheduler::ControlId id) {
    return kControlIdBase + static_cast<int32_t>(id);
}

// Window class names of the two top-level windows.
constexpr wchar_t kMainWindowClass[] = L"HezhouTimer.Main";
constexpr wchar_t kWarningWindowClass[] = L"HezhouTimer.Warning";

}  // namespace ui
