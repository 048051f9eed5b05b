#include "platform/win32_shell.h"

#include "platform/text_win32.h"
#include "resources/resource_ids.h"

namespace platform {

Win32Shell::Win32Shell(WindowRuntime& runtime)
    : runtime_(runtime), dropTarget_([this](const std::wstring& text) { OnFilesReceived(text); }) {}

void Win32Shell::EnableCustomControlLook() {
    look_.Activate(GetModuleHandleW(nullptr), IDR_THEMED_CONTROLS);
}

void Win32Shell::LoadWarningWindow() {
    runtime_.Load(ui::WarningWindowDescription());
}

bool Win32Shell::AttachDropTarget(scheduler::ControlId control) {
    HWND hwnd = runtime_.Handle(control);
    if (dropTarget_.Attached() || hwnd == nullptr) return false;
    dropControl_ = control;
    return dropTarget_.Attach(hwnd);
}

void Win32Shell::WithdrawDropTarget() {
    dropTarget_.Withdraw();
}

void Win32Shell::RequestDestroy(scheduler::ControlId window) {
    // Queued, so the window goes when the loop takes the request; a window that is gone is skipped.
    HWND hwnd = runtime_.Handle(window);
    if (hwnd != nullptr && IsWindow(hwnd)) PostMessageW(hwnd, WM_CLOSE, 0, 0);
}

void Win32Shell::OnFilesReceived(const std::wstring& text) {
    // The handler writes the GBK text into the box; the box then shows the exact wide text.
    runtime_.PreferWideText(dropControl_, text);
    if (sink_ != nullptr) sink_->OnFilesReceived(WideToGbk(text));
}

}  // namespace platform
