#include "platform/win32_services.h"

#include "platform/event_loop.h"
#include "platform/launch.h"
#include "platform/message_box.h"
#include "platform/session_action.h"
#include "platform/text_win32.h"

namespace platform {

namespace {

std::wstring WindowTextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace

core::DateTime Win32Services::CurrentTime() {
    return core::CurrentTime();
}

void Win32Services::WaitProcessingEvents(int32_t milliseconds) {
    platform::WaitProcessingEvents(milliseconds);
}

bool Win32Services::RequestSessionAction(int32_t action, bool force) {
    return platform::RequestSessionAction(action, force);
}

bool Win32Services::LaunchProgram(std::string_view commandLine) {
    // The GBK text has lost every character of a dropped path outside code page 936 ('?'): when it is
    // the path box's text, take the box's own wide text instead.
    if (pathBox_ != nullptr && IsWindow(pathBox_)) {
        const std::wstring boxText = WindowTextOf(pathBox_);
        if (WideToGbk(boxText) == commandLine) return platform::LaunchProgram(boxText);
    }
    return platform::LaunchProgram(GbkToWide(commandLine));
}

void Win32Services::ShowMessageBox(std::string_view message, std::string_view caption) {
    platform::ShowMessageBox(message, caption);
}

void Win32Services::PlayBeep() {
    MessageBeep(MB_OK);
}

}  // namespace platform
