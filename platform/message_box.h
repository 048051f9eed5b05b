#pragma once

#include <string_view>

namespace platform {

// A task-modal box without owner, OK button and no icon, for GBK texts. Every top-level window of the
// thread is disabled while it is open, and its own modal loop keeps dispatching the thread's messages,
// timer ticks included. Returns when the user closes it.
void ShowMessageBox(std::string_view message, std::string_view caption);

}  // namespace platform
