#pragma once

#include <windows.h>

namespace platform {

// A group box that is the real parent of controls passes their notifications and colour requests
// on to its own parent, so the window procedure sees them as for any other control.
bool SubclassGroupBox(HWND groupBox);

// An edit box that takes whole numbers: typed characters other than '-' and digits are dropped
// (control characters and pasting are not filtered), and on losing the focus the text is rewritten
// as the number it reads as, keeping the caret where it was.
bool SubclassIntegerInput(HWND edit);

}  // namespace platform
