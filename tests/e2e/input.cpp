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

// Wine moves the cursor over another process's window only while the driver shares that window's input
// state, so mouse work happens inside an attachment to the window's thread (nested attachments count).
class InputAttachment {
  public:
    explicit InputAttachment(HWND window) {
        thread_ = window == nullptr ? 0 : GetWindowThreadProcessId(window, nullptr);
        if (thread_ == 0 || thread_ == GetCurrentThreadId()) return;
        if (depth_++ == 0 && !AttachThreadInput(GetCurrentThreadId(), thread_, TRUE)) thread_ = 0;
    }
    ~InputAttachment() {
        if (thread_ != 0 && thread_ != GetCurrentThreadId() && --depth_ == 0) {
            AttachThreadInput(GetCurrentThreadId(), thread_, FALSE);
        }
    }
    InputAttachment(const InputAttachment&) = delete;
    InputAttachment& operator=(const InputAttachment&) = delete;

  private:
    DWORD thread_ = 0;
    static inline int depth_ = 0;
};

// The move reaches the server a little after SetCursorPos returns: wait until it has.
void MoveCursor(int screenX, int screenY) {
    InputAttachment attachment(WindowFromPoint(POINT{screenX, screenY}));
    SetCursorPos(screenX, screenY);
    WaitFor(
        [&] {
            POINT at{};
            GetCursorPos(&at);
            return at.x == screenX && at.y == screenY;
        },
        1000);
}

void MouseClick(int screenX, int screenY) {
    InputAttachment attachment(WindowFromPoint(POINT{screenX, screenY}));
    MoveCursor(screenX, screenY);
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
    InputAttachment attachment(combo);
    RECT field{};
    GetWindowRect(combo, &field);
    HWND list = nullptr;
    // The arrow button sits at the right end of the closed field. A first click on a window that is not
    // yet active can go to its activation, so a second try is allowed.
    for (int attempt = 0; attempt < 2 && list == nullptr; ++attempt) {
        MouseClick(field.right - 8, (field.top + field.bottom) / 2);
        WaitFor([&] { return (list = DroppedListOf(combo)) != nullptr; }, 1500);
    }
    if (list == nullptr) {
        Check(false, L"the combo box's list did not open on a click on its arrow");
        return false;
    }
    // The open list follows the pointer: rest it inside the list, then walk to the item with the arrow
    // keys (the list scrolls as needed) and take it with Enter.
    RECT listRect{};
    GetWindowRect(list, &listRect);
    MoveCursor((listRect.left + listRect.right) / 2, (listRect.top + listRect.bottom) / 2);
    Sleep(100);
    for (int step = 0; step < 80; ++step) {
        const LRESULT current = SendMessageW(list, LB_GETCURSEL, 0, 0);
        if (current == index) break;
        KeyPress(current < index ? VK_DOWN : VK_UP);
        WaitFor([&] { return SendMessageW(list, LB_GETCURSEL, 0, 0) != current; }, 1000);
    }
    KeyPress(VK_RETURN);
    const bool closed = WaitFor([&] { return DroppedListOf(combo) == nullptr; }, 3000);
    Check(closed && ComboSelection(combo) == index,
          Format(L"item %d chosen from the list (the list shows item %d%ls)", index, ComboSelection(combo),
                 closed ? L"" : L", still open"));
    return closed && ComboSelection(combo) == index;
}

bool IsRunningOnWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace e2e
