#include <gtest/gtest.h>

#include <string>

#include "platform/win32_services.h"

namespace {

// What a timer of the test thread sees while the box is open; it then closes the box with OK.
struct BoxObservation {
    HWND ownWindow = nullptr;
    bool found = false;
    std::wstring text;
    bool hasOk = false;
    bool hasCancel = false;
    HWND owner = nullptr;
    bool ownWindowEnabled = true;
    int ticks = 0;  // ticks of a second, unrelated timer while the box was open
    int ticksWhenFound = -1;
    int polls = 0;
};
BoxObservation gObserved;

std::wstring TextOf(HWND window) {
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return buffer;
}

void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) {
    ++gObserved.ticks;
}

void CALLBACK DriveBox(HWND, UINT, UINT_PTR timer, DWORD) {
    ++gObserved.polls;
    HWND box = FindWindowW(L"#32770", L"禾舟定时关机1.0");
    if (box == nullptr) {
        if (gObserved.polls < 100) return;
        // Never found: close whatever dialog the thread shows so that the test ends.
        KillTimer(nullptr, timer);
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM) -> BOOL {
                PostMessageW(window, WM_COMMAND, IDOK, 0);
                return TRUE;
            },
            0);
        return;
    }
    // Let the tick counter run a little while the box is open, then look and close.
    if (gObserved.ticksWhenFound < 0) gObserved.ticksWhenFound = gObserved.ticks;
    if (gObserved.ticks < gObserved.ticksWhenFound + 3) return;
    KillTimer(nullptr, timer);
    gObserved.found = true;
    gObserved.text = TextOf(GetDlgItem(box, 0xFFFF));
    gObserved.hasOk = GetDlgItem(box, IDOK) != nullptr;
    gObserved.hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
    gObserved.owner = GetWindow(box, GW_OWNER);
    gObserved.ownWindowEnabled = IsWindowEnabled(gObserved.ownWindow) != FALSE;
    SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
}

TEST(MessageBoxTest, TaskModalWithOkWhileTimersTick) {
    gObserved = BoxObservation{};
    gObserved.ownWindow = CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                          200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(gObserved.ownWindow, nullptr);
    const UINT_PTR counter = SetTimer(nullptr, 0, 50, CountTick);
    SetTimer(nullptr, 0, 50, DriveBox);

    platform::Win32Services services;
    services.ShowMessageBox("倒计时结束，请保存工作", "禾舟定时关机1.0");
    KillTimer(nullptr, counter);

    EXPECT_TRUE(gObserved.found);
    EXPECT_EQ(gObserved.text, L"倒计时结束，请保存工作");
    EXPECT_TRUE(gObserved.hasOk);
    EXPECT_FALSE(gObserved.hasCancel);
    EXPECT_EQ(gObserved.owner, nullptr);
    EXPECT_FALSE(gObserved.ownWindowEnabled);  // task-modal: the thread's top-level windows are disabled
    EXPECT_TRUE(IsWindowEnabled(gObserved.ownWindow));
    EXPECT_GE(gObserved.ticks, gObserved.ticksWhenFound + 3);
    DestroyWindow(gObserved.ownWindow);
}

}  // namespace
