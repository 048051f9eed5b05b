#pragma once

#include <cstdint>
#include <string_view>

#include "core/datetime.h"

namespace scheduler {

enum class SessionAction : int32_t { ShutDown = 1, Restart = 2, LogOff = 3 };

// What the handlers ask of the operating system. Implemented over Win32 by the platform and
// over a virtual clock by the tests.
class Services {
  public:
    virtual ~Services() = default;

    // The local wall clock to the whole second (core::CurrentTime in the real program).
    virtual core::DateTime CurrentTime() = 0;

    // Dispatches every event that arrives until more than `milliseconds` have passed; <= 0 returns at once.
    virtual void WaitProcessingEvents(int32_t milliseconds) = 0;

    // A forced (or not) shut-down, restart or log-off; any other action value requests nothing.
    // True when the operating system accepted the request.
    virtual bool RequestSessionAction(int32_t action, bool force) = 0;

    // Starts the program a command line names; true when it was started.
    virtual bool LaunchProgram(std::string_view commandLine) = 0;

    // A task-modal box with an OK button; returns when the user closes it. Events go on meanwhile.
    virtual void ShowMessageBox(std::string_view message, std::string_view caption) = 0;

    // The system's default beep, asynchronous.
    virtual void PlayBeep() = 0;
};

}  // namespace scheduler
