// Pre-translation of the thread's messages for the program's windows: the window-level keys.
#include "platform/window_runtime.h"

namespace platform {
namespace {

bool IsKeyboardMessage(UINT message) {
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}
bool IsMouseMessage(UINT message) {
    return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
}

bool ShiftDown() {
    return (GetKeyState(VK_SHIFT) & 0x8000) != 0;
}

// Moves the focus to `control` without the side effect an automatic radio button has when it gets
// the focus from the keyboard (it would check itself and report a click): the button skips that
// while it holds the mouse capture.
void FocusControl(HWND control) {
    wchar_t className[16]{};
    GetClassNameW(control, className, 16);
    const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    const bool isRadio =
        lstrcmpiW(className, L"Button") == 0 && (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON);
    if (!isRadio) {
        SetFocus(control);
        return;
    }
    SetCapture(control);
    SetFocus(control);
    ReleaseCapture();
}

}  // namespace

bool WindowRuntime::PreTranslate(MSG& message) {
    const bool keyboard = IsKeyboardMessage(message.message);
    if ((!keyboard && !IsMouseMessage(message.message)) || message.hwnd == nullptr) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (WindowIdOfHandle(root) == ControlId::None) return false;
    if (keyboard && !IsWindowEnabled(message.hwnd)) return false;

    HWND webHost = ControlWindow(ControlId::超文本浏览框1);
    HWND focus = GetFocus();
    if (webHost != nullptr && focus != nullptr && (focus == webHost || IsChild(webHost, focus)) &&
        webView_.TranslateAccelerator(message))
        return true;

    if (!keyboard || message.message != WM_KEYDOWN) {
        // The characters of the window-level keys never reach a control: their key-down is consumed,
        // so no WM_CHAR is made for them.
        return false;
    }
    switch (message.wParam) {
        case VK_TAB:
            MoveFocusByTab(root, ShiftDown());
            return true;
        case VK_ESCAPE:
            SendMessageW(root, WM_CLOSE, 0, 0);
            return true;
        case VK_RETURN: {
            // No default button in either window; a dropped-down list still takes Enter to choose.
            const LRESULT code =
                SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
            return (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) == 0;
        }
        default:
            return false;
    }
}

bool WindowRuntime::MoveFocusByTab(HWND root, bool backwards) {
    const WindowRecord* window = WindowOf(WindowIdOfHandle(root));
    if (window == nullptr || window->description == nullptr) return false;
    // Every Tab stop of the window in table order (the group box's children included); the walk
    // skips the hidden and disabled ones and starts from the focused control's place.
    std::vector<std::pair<HWND, bool>> stops;
    int current = -1;
    HWND focus = GetFocus();
    for (const auto& row : window->description->controls) {
        HWND control = ControlWindow(row.id);
        if (!row.tabStop || control == nullptr) continue;
        if (focus != nullptr && (focus == control || IsChild(control, focus)))
            current = static_cast<int>(stops.size());
        stops.emplace_back(control, IsWindowVisible(control) && IsWindowEnabled(control));
    }
    const int count = static_cast<int>(stops.size());
    const int start = current >= 0 ? current : (backwards ? count : -1);
    for (int step = 1; step <= count; ++step) {
        const int i = ((start + (backwards ? -step : step)) % count + count) % count;
        if (i == current || !stops[static_cast<size_t>(i)].second) continue;
        FocusControl(stops[static_cast<size_t>(i)].first);
        return true;
    }
    return false;
}

}  // namespace platform
