// A tiny GUI program for the end-to-end tests. Started by the program's run-file task, it proves it ran by
// writing e2e-marker.txt next to itself (its current directory and command line), shows a window and ends.
// With "--linger SECONDS" it stays that long (a bystander process for the log-off test).
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

void WriteMarker() {
    wchar_t current[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, current);
    const std::wstring file = OwnFolder() + L"\\e2e-marker.txt";
    const std::wstring temp = file + L".tmp";
    FILE* out = _wfopen(temp.c_str(), L"wb");
    if (out == nullptr) return;
    const std::wstring text = std::wstring(current) + L"\n" + GetCommandLineW() + L"\n";
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), size, nullptr, nullptr);
    std::fwrite(utf8.data(), 1, utf8.size() - 1, out);
    std::fclose(out);
    MoveFileExW(temp.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING);
}

void PumpFor(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    while (GetTickCount64() < end) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    const wchar_t* linger = std::wcsstr(commandLine, L"--linger ");
    if (linger == nullptr) WriteMarker();
    HWND window = CreateWindowExW(0, L"STATIC", L"e2e marker", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 160, 60,
                                  nullptr, nullptr, nullptr, nullptr);
    PumpFor(linger != nullptr ? static_cast<DWORD>(_wtoi(linger + 9)) * 1000 : 300);
    DestroyWindow(window);
    return 0;
}
