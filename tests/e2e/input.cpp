// Acting on the program as a user: clicks, keys, typing and list choices.
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

void SendKey(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void SendButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

HWND DroppedListOf(HWND combo) {
    DWORD pid = 0;
    GetWindowThreadProcessId(combo, &pid);
    for (HWND list : TopWindowsOf(pid, L"ComboLBox")) {
        if (IsWindowVisible(list)) return list;
    }
    return nullptr;
}

}  // namespace

void Click(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

void MouseClick(int screenX, int screenY) {
    SetCursorPos(screenX, screenY);
    Sleep(30);
    SendButton(MOUSEEVENTF_LEFTDOWN);
    Sleep(30);
    SendButton(MOUSEEVENTF_LEFTUP);
    Sleep(30);
}

void MouseClickCentre(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    MouseClick((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

void KeyPress(WORD vk, bool shift) {
    if (shift) SendKey(VK_SHIFT, false);
    SendKey(vk, false);
    SendKey(vk, true);
    if (shift) SendKey(VK_SHIFT, true);
    Sleep(30);
}

void PostKey(HWND target, WORD vk) {
    const UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    PostMessageW(target, WM_KEYDOWN, vk, 1 | (scan << 16));
    PostMessageW(target, WM_KEYUP, vk, 1 | (scan << 16) | (3u << 30));
}

void SetText(HWND hwnd, const std::wstring& text) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 3000,
                        &result);
}

bool BringToFront(HWND window) {
    if (GetForegroundWindow() == window) return true;
    SetForegroundWindow(window);
    return WaitFor([&] { return GetForegroundWindow() == window; }, 2000);
}

bool ChooseComboItem(HWND combo, int index) {
    RECT field{};
    GetWindowRect(combo, &field);
    // The arrow button sits at the right end of the closed field.
    MouseClick(field.right - 8, (field.top + field.bottom) / 2);
    HWND list = nullptr;
    if (!WaitFor([&] { return (list = DroppedListOf(combo)) != nullptr; }, 3000)) {
        Check(false, L"the combo box's list did not open on a click on its arrow");
        return false;
    }
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);  // scroll the item into view
    RECT item{};
    if (SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) ==
        LB_ERR) {
        Check(false, Format(L"no item %d in the open list", index));
        return false;
    }
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&item), 2);
    MouseClick((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    return WaitFor([&] { return DroppedListOf(combo) == nullptr; }, 3000);
}

bool IsRunningOnWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace e2e
