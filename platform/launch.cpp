#include "platform/launch.h"

#include <vector>

#include "platform/scoped_handle.h"

namespace platform {

namespace {

bool IsExistingFile(const std::wstring& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::wstring WithoutTrailingLineBreak(std::wstring_view text) {
    if (text.size() >= 2 && text.substr(text.size() - 2) == L"\r\n") text.remove_suffix(2);
    return std::wstring(text);
}

constexpr DWORD kIdleWaitMilliseconds = 1000;

}  // namespace

LaunchCommand PrepareLaunch(std::wstring_view text) {
    std::wstring path = WithoutTrailingLineBreak(text);
    if (IsExistingFile(path)) return LaunchCommand{path, L"\"" + path + L"\""};
    return LaunchCommand{L"", std::wstring(text)};
}

bool LaunchProgram(std::wstring_view text) {
    const LaunchCommand command = PrepareLaunch(text);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    // CreateProcessW may write into its command line: give it a private, terminated copy.
    std::vector<wchar_t> commandLine(command.commandLine.begin(), command.commandLine.end());
    commandLine.push_back(L'\0');
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(command.applicationName.empty() ? nullptr : command.applicationName.c_str(),
                        commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    const ScopedHandle processHandle(process.hProcess);
    const ScopedHandle threadHandle(process.hThread);
    // A console program returns at once; a slow GUI program holds the thread for at most a second.
    WaitForInputIdle(process.hProcess, kIdleWaitMilliseconds);
    return true;
}

}  // namespace platform
