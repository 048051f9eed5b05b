// The test build of the program announces from the loopback server its driver started: the
// driver passes the server's port in HZ_TEST_ANNOUNCEMENT_PORT. Linked in place of the library's
// configured address.
#include <windows.h>

#include "platform/web_view.h"

namespace platform {

const wchar_t* ConfiguredAnnouncementAddress() {
    static wchar_t address[64] = L"about:blank";
    wchar_t port[8]{};
    const DWORD length = GetEnvironmentVariableW(L"HZ_TEST_ANNOUNCEMENT_PORT", port, 8);
    if (length > 0 && length < 8) wsprintfW(address, L"http://127.0.0.1:%s/announcement.html", port);
    return address;
}

}  // namespace platform
