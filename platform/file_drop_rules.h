#pragma once

#include <ole2.h>
#include <shellapi.h>
#include <windows.h>

#include <string>
#include <vector>

namespace platform {

// The drop effect for the keys held (MK_SHIFT, MK_CONTROL in `keyState`) and the effects the source
// allows: no key: copy, else move, else link; Shift: move only; Ctrl: copy only; both: none.
DWORD FileDropEffect(DWORD keyState, DWORD allowedEffects);

// The full path of every file or folder of a dropped list, in its order, read with the wide API.
std::vector<std::wstring> DroppedPaths(HDROP drop);

// One path alone; several paths each followed by CR LF; nothing for no path.
std::wstring DroppedFilesText(const std::vector<std::wstring>& paths);

}  // namespace platform
