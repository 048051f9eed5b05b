#include "platform/control_subclass.h"

#include <commctrl.h>

#include <string>

#include "platform/text_win32.h"
#include "ui/integer_input.h"

namespace platform {
namespace {

constexpr UINT_PTR kGroupBoxSubclass = 1;
constexpr UINT_PTR kIntegerInputSubclass = 2;

bool IsForwardedToParent(UINT message) {
    return message == WM_COMMAND || message == WM_NOTIFY ||
           (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
}

// A group box draws only its frame and caption, and its parent does not paint below its children:
// fill the inside with the background the parent gives the group box.
bool EraseWithParentBrush(HWND hwnd, HDC dc) {
    HWND parent = GetParent(hwnd);
    if (parent == nullptr) return false;
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
    if (brush == nullptr) return false;
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, brush);
    return true;
}

LRESULT CALLBACK GroupBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (IsForwardedToParent(message)) {
        if (HWND parent = GetParent(hwnd)) return SendMessageW(parent, message, wParam, lParam);
    }
    if (message == WM_ERASEBKGND && EraseWithParentBrush(hwnd, reinterpret_cast<HDC>(wParam))) return 1;
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, GroupBoxProc, kGroupBoxSubclass);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

std::wstring WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
    return text;
}

void NormalizeText(HWND edit) {
    const core::Text shown = WideToGbk(WindowText(edit));
    const core::Text normalized = ui::NormalizeIntegerInput(shown);
    if (normalized == shown) return;
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    SetWindowTextW(edit, GbkToWide(normalized).c_str());
    SendMessageW(edit, EM_SETSEL, end, end);
}

LRESULT CALLBACK IntegerInputProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR) {
    switch (message) {
        case WM_CHAR:
            if (!ui::IntegerInputAccepts(static_cast<uint32_t>(wParam))) return 0;
            break;
        case WM_KILLFOCUS: {
            const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
            NormalizeText(hwnd);
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, IntegerInputProc, kIntegerInputSubclass);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

bool SubclassGroupBox(HWND groupBox) {
    return SetWindowSubclass(groupBox, GroupBoxProc, kGroupBoxSubclass, 0) != FALSE;
}

bool SubclassIntegerInput(HWND edit) {
    return SetWindowSubclass(edit, IntegerInputProc, kIntegerInputSubclass, 0) != FALSE;
}

}  // namespace platform
