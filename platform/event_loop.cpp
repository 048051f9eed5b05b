#include "platform/event_loop.h"

#include "platform/event_loop_hooks.h"

namespace platform {
namespace {

// The one user-interface thread's loop state.
MessageFilter* messageFilter = nullptr;
bool loopStarted = false;

void HandleMessage(MSG& message) {
    if (messageFilter != nullptr && messageFilter->PreTranslate(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

DWORD SystemTicks() {
    return GetTickCount();
}

}  // namespace

void SetMessageFilter(MessageFilter* filter) {
    messageFilter = filter;
}

bool EventLoopStarted() {
    return loopStarted;
}

void ProcessPendingEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        if (message.message == WM_QUIT) return;
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return;
        // A quit request can overtake the peeked message between the two looks; it belongs to the
        // main loop, so put it back.
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        HandleMessage(message);
    }
}

void WaitProcessingEvents(int32_t milliseconds, TickSource ticks) {
    if (milliseconds <= 0) return;
    const DWORD start = ticks();
    for (;;) {
        ProcessPendingEvents();
        ProcessPendingEvents();
        // Unsigned difference: correct across the counter's wrap-around.
        if (static_cast<DWORD>(ticks() - start) > static_cast<DWORD>(milliseconds)) return;
        ProcessPendingEvents();
        ProcessPendingEvents();
    }
}

void WaitProcessingEvents(int32_t milliseconds) {
    WaitProcessingEvents(milliseconds, SystemTicks);
}

int RunEventLoop() {
    loopStarted = true;
    MSG message;
    BOOL result;
    while ((result = GetMessageW(&message, nullptr, 0, 0)) > 0) HandleMessage(message);
    return result == 0 ? static_cast<int>(message.wParam) : 0;
}

}  // namespace platform
