#include "platform/file_drop_rules.h"

namespace platform {

DWORD FileDropEffect(DWORD keyState, DWORD allowedEffects) {
    const bool shift = (keyState & MK_SHIFT) != 0;
    const bool control = (keyState & MK_CONTROL) != 0;
    const auto allowed = [allowedEffects](DWORD effect) { return (allowedEffects & effect) != 0; };
    if (shift && control) return DROPEFFECT_NONE;
    if (shift) return allowed(DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
    if (control) return allowed(DROPEFFECT_COPY) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    for (DWORD effect : {DROPEFFECT_COPY, DROPEFFECT_MOVE, DROPEFFECT_LINK}) {
        if (allowed(effect)) return effect;
    }
    return DROPEFFECT_NONE;
}

std::vector<std::wstring> DroppedPaths(HDROP drop) {
    std::vector<std::wstring> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(static_cast<size_t>(length) + 1, L'\0');
        const UINT copied = DragQueryFileW(drop, i, path.data(), length + 1);
        path.resize(copied);
        paths.push_back(std::move(path));
    }
    return paths;
}

std::wstring DroppedFilesText(const std::vector<std::wstring>& paths) {
    if (paths.size() == 1) return paths.front();
    std::wstring text;
    for (const std::wstring& path : paths) text += path + L"\r\n";
    return text;
}

}  // namespace platform
