#pragma once

#include <windows.h>

#include "scheduler/services.h"

namespace platform {

// The services over Win32: local clock, waits through the real event loop, session requests,
// program launch, message box and beep.
class Win32Services : public scheduler::Services {
  public:
    core::DateTime CurrentTime() override;
    void WaitProcessingEvents(int32_t milliseconds) override;
    bool RequestSessionAction(int32_t action, bool force) override;
    bool LaunchProgram(std::string_view commandLine) override;
    void ShowMessageBox(std::string_view message, std::string_view caption) override;
    void PlayBeep() override;

    // The path box whose wide text the launch prefers when the GBK command line is that text, so that
    // characters outside code page 936 in a dropped path are not lost. May stay null.
    void SetPathBox(HWND pathBox) { pathBox_ = pathBox; }

  private:
    HWND pathBox_ = nullptr;
};

}  // namespace platform
