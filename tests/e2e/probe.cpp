// Reading the program's windows from outside, as an accessibility or automation tool would.
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

constexpr UINT kSendTimeoutMs = 3000;

LRESULT Ask(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) {
        return -1;
    }
    return static_cast<LRESULT>(result);
}

bool IsControlId(int id) {
    return id >= 1000 && id < 1000 + scheduler::kControlCount;
}

}  // namespace

std::wstring TextOf(HWND hwnd) {
    if (hwnd == nullptr) return L"<no window>";
    const LRESULT length = Ask(hwnd, WM_GETTEXTLENGTH);
    if (length < 0) return L"<no answer>";
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = Ask(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
    return text;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[128] = L"";
    GetClassNameW(hwnd, name, 128);
    return name;
}

LONG StyleOf(HWND hwnd) {
    return GetWindowLongW(hwnd, GWL_STYLE);
}
LONG ExStyleOf(HWND hwnd) {
    return GetWindowLongW(hwnd, GWL_EXSTYLE);
}
bool IsShown(HWND hwnd) {
    return hwnd != nullptr && (StyleOf(hwnd) & WS_VISIBLE) != 0;
}
bool IsEnabledCtl(HWND hwnd) {
    return hwnd != nullptr && (StyleOf(hwnd) & WS_DISABLED) == 0;
}
bool IsChecked(HWND hwnd) {
    return Ask(hwnd, BM_GETCHECK) == BST_CHECKED;
}

RECT RectInParent(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(nullptr, GetAncestor(hwnd, GA_PARENT), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<std::wstring> ComboItems(HWND combo) {
    std::vector<std::wstring> items;
    const LRESULT count = Ask(combo, CB_GETCOUNT);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = Ask(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i));
        std::wstring item(length < 0 ? 1 : static_cast<size_t>(length) + 1, L'\0');
        const LRESULT copied =
            Ask(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
        item.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
        items.push_back(item);
    }
    return items;
}

int ComboSelection(HWND combo) {
    return static_cast<int>(Ask(combo, CB_GETCURSEL));
}

HWND FocusOf(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId, &info)) return nullptr;
    return info.hwndFocus;
}

std::wstring NameOf(ControlId id) {
    if (id == ControlId::None) return L"<none>";
    const std::string_view name = scheduler::ControlName(id);
    std::wstring wide(name.size(), L'\0');
    const int n = MultiByteToWideChar(CP_UTF8, 0, name.data(), static_cast<int>(name.size()), wide.data(),
                                      static_cast<int>(wide.size()));
    wide.resize(n < 0 ? 0 : static_cast<size_t>(n));
    return wide;
}

ControlId ControlOfWindow(HWND hwnd) {
    for (HWND h = hwnd; h != nullptr; h = GetAncestor(h, GA_PARENT)) {
        HWND parent = GetAncestor(h, GA_PARENT);
        if (parent == nullptr) break;
        const std::wstring parentClass = ClassOf(parent);
        const bool onWindow = parentClass == L"HezhouTimer.Main" || parentClass == L"HezhouTimer.Warning";
        const bool inGroup = GetDlgCtrlID(parent) == 1000 + static_cast<int>(ControlId::分组框1) &&
                             ClassOf(GetAncestor(parent, GA_PARENT)) == L"HezhouTimer.Main";
        if ((onWindow || inGroup) && IsControlId(GetDlgCtrlID(h))) {
            return static_cast<ControlId>(GetDlgCtrlID(h) - 1000);
        }
    }
    return ControlId::None;
}

}  // namespace e2e
