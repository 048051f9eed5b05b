// Placeholder until the services land.
#include "platform/win32_services.h"

#include "platform/event_loop.h"

namespace platform {

core::DateTime Win32Services::CurrentTime() { return core::CurrentTime(); }
void Win32Services::WaitProcessingEvents(int32_t milliseconds) { platform::WaitProcessingEvents(milliseconds); }
bool Win32Services::RequestSessionAction(int32_t, bool) { return false; }
bool Win32Services::LaunchProgram(std::string_view) { return false; }
void Win32Services::ShowMessageBox(std::string_view, std::string_view) {}
void Win32Services::PlayBeep() {}

}  // namespace platform
