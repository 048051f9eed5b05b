#pragma once

#include <windows.h>

#include <cstdint>

namespace platform {

// Dispatches the messages waiting now, each with the same pre-translation, translation and dispatch
// as the main loop. A WM_QUIT stays in the queue for the main loop.
void ProcessPendingEvents();

// Returns once strictly more than `milliseconds` have passed on the tick counter (wrap-safe),
// dispatching everything that arrives meanwhile; <= 0 returns at once without dispatching anything.
void WaitProcessingEvents(int32_t milliseconds);

// Runs the thread's event loop until WM_QUIT; returns its exit code.
int RunEventLoop();

}  // namespace platform
