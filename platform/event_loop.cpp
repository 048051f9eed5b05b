// Placeholder until the window runtime lands.
#include "platform/event_loop.h"

namespace platform {

void ProcessPendingEvents() {}
void WaitProcessingEvents(int32_t) {}
int RunEventLoop() { return 0; }

}  // namespace platform
