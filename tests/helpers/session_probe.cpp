// Makes the program's real forced log-off request, only under Wine (where it ends the processes of the
// prefix and nothing else); refuses with exit code 5 anywhere else. It records "requesting" before the
// call and the result after it; if it is still alive 20 seconds later the session did not end (exit 7).
#include <cstdio>

#include "platform/session_action.h"

namespace {

bool RunningUnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

void Note(const char* text) {
    std::printf("%s\n", text);
    std::fflush(stdout);
}

}  // namespace

int wmain() {
    if (!RunningUnderWine()) {
        Note("refused: not running under Wine");
        return 5;
    }
    Note("requesting");
    const bool accepted = platform::RequestSessionAction(3, true);
    Note(accepted ? "result=1" : "result=0");
    Sleep(20000);
    Note("still alive");
    return 7;
}
