#pragma once

#include <windows.h>

#include <cstdio>
#include <cwchar>

// Records that this program ran: creates "<own exe name>.ran" in the folder named by the environment
// variable HZ_MARKER_DIR, holding how the program was asked to show its window. Does nothing without it.
inline void WriteRunMarker() {
    wchar_t folder[MAX_PATH];
    const DWORD folderLength = GetEnvironmentVariableW(L"HZ_MARKER_DIR", folder, MAX_PATH);
    if (folderLength == 0 || folderLength >= MAX_PATH) return;
    wchar_t exePath[MAX_PATH];
    GetModuleFileNameW(nullptr, exePath, MAX_PATH);
    const wchar_t* name = std::wcsrchr(exePath, L'\\');
    name = name != nullptr ? name + 1 : exePath;
    wchar_t markerPath[2 * MAX_PATH];
    std::swprintf(markerPath, 2 * MAX_PATH, L"%ls\\%ls.ran", folder, name);
    STARTUPINFOW startup{};
    GetStartupInfoW(&startup);
    char content[64];
    const int length = std::snprintf(content, sizeof(content), "flags=%lu show=%u",
                                     static_cast<unsigned long>(startup.dwFlags), startup.wShowWindow);
    // Written to a temporary name and renamed, so that a reader never sees half a marker.
    wchar_t partPath[2 * MAX_PATH + 8];
    std::swprintf(partPath, 2 * MAX_PATH + 8, L"%ls.part", markerPath);
    HANDLE file =
        CreateFileW(partPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, content, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
    MoveFileExW(partPath, markerPath, MOVEFILE_REPLACE_EXISTING);
}
