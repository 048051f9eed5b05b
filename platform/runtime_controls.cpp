// The control properties over the real windows.
#include <algorithm>

#include "platform/text_win32.h"
#include "platform/window_runtime.h"
#include "ui/window_identity.h"

namespace platform {
namespace {

std::wstring WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
    return text;
}

bool HasStyle(HWND hwnd, DWORD style) {
    return (GetWindowLongW(hwnd, GWL_STYLE) & style) != 0;
}

}  // namespace

bool WindowRuntime::Visible(ControlId id) const {
    HWND hwnd = Handle(id);
    return hwnd != nullptr && HasStyle(hwnd, WS_VISIBLE);
}

void WindowRuntime::SetVisible(ControlId id, bool visible) {
    if (WindowRecord* window = WindowOf(id)) {
        if (window == &warning_ && visible) {
            ShowWarning(*window);
            return;
        }
        // Hiding ends the warning that Esc dismissed: the next one appears again.
        if (window == &warning_ && window->hwnd == nullptr) warningDismissed_ = false;
        if (window->hwnd != nullptr) ShowWindow(window->hwnd, visible ? SW_SHOW : SW_HIDE);
        return;
    }
    if (HWND hwnd = ControlWindow(id)) ShowWindow(hwnd, visible ? SW_SHOW : SW_HIDE);
}

void WindowRuntime::ShowWarning(WindowRecord& window) {
    // Esc destroys the warning window and so dismisses the current warning: the countdown's further
    // writes leave it gone. The next warning (after stop, cancel or the task have hidden it) loads the
    // window again while the main window lives, so that no forced shut-down comes unannounced.
    if (window.hwnd == nullptr && window.loaded && !warningDismissed_ && window.description != nullptr &&
        main_.hwnd != nullptr)
        Load(*window.description);
    if (window.hwnd == nullptr || HasStyle(window.hwnd, WS_VISIBLE)) return;
    ShowWindow(window.hwnd, SW_SHOW);
    for (const auto& row : window.description->controls) {
        HWND control = ControlWindow(row.id);
        if (row.tabStop && control != nullptr && IsWindowVisible(control) && IsWindowEnabled(control)) {
            SetFocus(control);
            break;
        }
    }
}

bool WindowRuntime::Disabled(ControlId id) const {
    HWND hwnd = Handle(id);
    return hwnd != nullptr && HasStyle(hwnd, WS_DISABLED);
}

void WindowRuntime::SetDisabled(ControlId id, bool disabled) {
    if (HWND hwnd = Handle(id)) EnableWindow(hwnd, disabled ? FALSE : TRUE);
}

core::Text WindowRuntime::Caption(ControlId id) const {
    HWND hwnd = Handle(id);
    return hwnd != nullptr ? WideToGbk(WindowText(hwnd)) : core::Text{};
}

void WindowRuntime::SetCaption(ControlId id, std::string_view caption) {
    if (HWND hwnd = Handle(id)) SetWindowTextW(hwnd, GbkToWide(caption).c_str());
}

core::Text WindowRuntime::GetText(ControlId id) const {
    const ControlRecord* record = Find(id);
    if (record == nullptr || record->hwnd == nullptr || record->row == nullptr) return {};
    if (record->row->kind != ui::ControlKind::DropDownList) return WideToGbk(WindowText(record->hwnd));
    const LRESULT selected = SendMessageW(record->hwnd, CB_GETCURSEL, 0, 0);
    if (selected < 0) return {};
    const LRESULT length = SendMessageW(record->hwnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length < 0) return {};
    std::wstring item(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(record->hwnd, CB_GETLBTEXT, static_cast<WPARAM>(selected),
                                        reinterpret_cast<LPARAM>(item.data()));
    item.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
    return WideToGbk(item);
}

void WindowRuntime::SetText(ControlId id, std::string_view text) {
    HWND hwnd = ControlWindow(id);
    if (hwnd == nullptr) return;
    if (id == wideTextControl_ && WideToGbk(wideText_) == text) {
        SetWindowTextW(hwnd, wideText_.c_str());
        return;
    }
    SetWindowTextW(hwnd, GbkToWide(text).c_str());
}

int32_t WindowRuntime::SelectedItem(ControlId id) const {
    HWND hwnd = ControlWindow(id);
    if (hwnd == nullptr) return -1;
    const LRESULT selected = SendMessageW(hwnd, CB_GETCURSEL, 0, 0);
    return selected < 0 ? -1 : static_cast<int32_t>(selected);
}

void WindowRuntime::SetSelectedItem(ControlId id, int32_t index) {
    HWND hwnd = ControlWindow(id);
    if (hwnd == nullptr) return;
    const LRESULT count = SendMessageW(hwnd, CB_GETCOUNT, 0, 0);
    if (index < 0 || count <= 0) {
        SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        return;
    }
    const LRESULT clamped = std::min<LRESULT>(index, count - 1);
    SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(clamped), 0);
}

void WindowRuntime::AddItem(ControlId id, std::string_view text, int32_t value) {
    HWND hwnd = ControlWindow(id);
    if (hwnd == nullptr) return;
    const LRESULT index =
        SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(GbkToWide(text).c_str()));
    if (index >= 0)
        SendMessageW(hwnd, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(value));
}

void WindowRuntime::Clear(ControlId id) {
    HWND hwnd = ControlWindow(id);
    if (hwnd == nullptr) return;
    SendMessageW(hwnd, CB_RESETCONTENT, 0, 0);
    SetWindowTextW(hwnd, L"");
}

bool WindowRuntime::Checked(ControlId id) const {
    HWND hwnd = ControlWindow(id);
    return hwnd != nullptr && SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int32_t WindowRuntime::Period(ControlId id) const {
    const ControlRecord* record = Find(id);
    return record != nullptr ? record->period : 0;
}

void WindowRuntime::SetPeriod(ControlId id, int32_t milliseconds) {
    ControlRecord* record = Find(id);
    if (record == nullptr || record->row == nullptr || record->row->kind != ui::ControlKind::Timer) return;
    const int32_t period = std::max(milliseconds, 0);
    if (period == record->period) return;  // same period: a running timer keeps its phase
    HWND owner = Handle(record->window);
    const auto timerId = static_cast<UINT_PTR>(ui::WindowIdOf(id));
    record->period = period;
    if (record->running && owner != nullptr) KillTimer(owner, timerId);
    record->running = false;
    if (period > 0 && owner != nullptr) {
        SetTimer(owner, timerId, static_cast<UINT>(period), nullptr);
        record->running = true;  // counts as running even if arming failed
    }
}

}  // namespace platform
