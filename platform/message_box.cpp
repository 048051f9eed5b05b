#include "platform/message_box.h"

#include <windows.h>

#include "platform/text_win32.h"

namespace platform {

void ShowMessageBox(std::string_view message, std::string_view caption) {
    const std::wstring wideMessage = GbkToWide(message);
    const std::wstring wideCaption = GbkToWide(caption);
    MessageBoxW(nullptr, wideMessage.c_str(), wideCaption.c_str(), MB_TASKMODAL | MB_OK);
}

}  // namespace platform
