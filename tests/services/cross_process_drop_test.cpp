#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file_drop_target.h"
#include "services_test_support.h"

namespace {

// A real drag from another process: the source starts DoDragDrop from its own button-down handler and
// drives the pointer with SendInput onto this process's edit box. Needs a display (Xvfb and Wine's
// virtual desktop, where screen coordinates are desktop coordinates).
TEST(CrossProcessDropTest, AFileDraggedFromAnotherProgramLandsInTheBox) {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    HWND box =
        CreateWindowExW(WS_EX_TOPMOST, L"EDIT", L"", WS_POPUP | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 500,
                        300, 300, 40, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(box, nullptr);
    std::vector<std::wstring> received;
    platform::FileDropTarget drop([&](const std::wstring& text) {
        received.push_back(text);
        SetWindowTextW(box, text.c_str());
    });
    ASSERT_TRUE(drop.Attach(box));

    const std::wstring path = L"C:\\资料\\运行 工具.exe";
    std::wstring commandLine =
        L"\"" + services_test::Helper(L"hz_drag_source").wstring() + L"\" 60 60 650 320 \"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION source{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &source));
    // Serve the drop (OLE calls the target through this thread's messages) until the source ends.
    const DWORD deadline = GetTickCount() + 30000;
    while (MsgWaitForMultipleObjects(1, &source.hProcess, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (static_cast<LONG>(GetTickCount() - deadline) > 0) {
            TerminateProcess(source.hProcess, 1);
            break;
        }
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(source.hProcess, &exitCode);
    CloseHandle(source.hThread);
    CloseHandle(source.hProcess);

    EXPECT_EQ(exitCode, 10u + DROPEFFECT_COPY);  // the source saw a drop with the copy effect
    EXPECT_EQ(received, std::vector<std::wstring>{path});
    wchar_t text[MAX_PATH] = {};
    GetWindowTextW(box, text, MAX_PATH);
    EXPECT_EQ(std::wstring(text), path);

    drop.Withdraw();
    DestroyWindow(box);
    OleUninitialize();
}

}  // namespace
