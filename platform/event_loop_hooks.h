#pragma once

#include <windows.h>

#include <cstdint>

namespace platform {

// The window runtime's pre-translation of the thread's messages (Tab, Esc, Enter, the web view).
class MessageFilter {
  public:
    virtual ~MessageFilter() = default;
    // True when the message was consumed and must be neither translated nor dispatched.
    virtual bool PreTranslate(MSG& message) = 0;
};

// Installs the filter every loop of this thread uses (null: none). The filter must outlive its use.
void SetMessageFilter(MessageFilter* filter);

// Whether RunEventLoop has been entered on this thread: quit requests are posted only from then on.
bool EventLoopStarted();

// The millisecond tick counter the wait reads; GetTickCount in the program, replaceable in tests.
using TickSource = DWORD (*)();
void WaitProcessingEvents(int32_t milliseconds, TickSource ticks);

}  // namespace platform
