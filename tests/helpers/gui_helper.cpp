// A GUI program that records that it ran, shows a window for a moment and ends. With "--slow" it takes
// three seconds before it creates its window, as a program that is slow to start.
#include <cwchar>

#include "run_marker.h"

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand) {
    WriteRunMarker();
    if (std::wcsstr(commandLine, L"--slow") != nullptr) Sleep(3000);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"HzGuiHelper";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"HzGuiHelper", L"hz gui helper", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100,
                                  nullptr, nullptr, instance, nullptr);
    ShowWindow(window, showCommand);
    SetTimer(window, 1, 300, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
