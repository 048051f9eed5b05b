// The build's announcement address. Kept alone in this file: a program that links its own
// ConfiguredAnnouncementAddress never pulls this one out of the library.
#include "platform/web_view.h"

#ifndef HZ_ANNOUNCEMENT_URL
#define HZ_ANNOUNCEMENT_URL ""
#endif

namespace platform {

const wchar_t* ConfiguredAnnouncementAddress() {
    return L"" HZ_ANNOUNCEMENT_URL;
}

}  // namespace platform
