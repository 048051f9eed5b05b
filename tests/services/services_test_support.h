#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>

namespace services_test {

// The folder of the helper programs, next to this test's own folder in the build tree.
inline std::filesystem::path HelpersDir() {
    wchar_t exePath[MAX_PATH];
    GetModuleFileNameW(nullptr, exePath, MAX_PATH);
    return std::filesystem::path(exePath).parent_path().parent_path() / L"helpers";
}

inline std::filesystem::path Helper(const wchar_t* name) {
    return HelpersDir() / (std::wstring(name) + L".exe");
}

// A fresh folder on drive C: whose path has no spaces, removed at the end; the helpers write their run
// markers into it (HZ_MARKER_DIR).
class ScratchDir {
  public:
    ScratchDir() {
        static int counter = 0;
        path_ = L"C:\\hzsvc" + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++counter);
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        SetEnvironmentVariableW(L"HZ_MARKER_DIR", path_.c_str());
    }
    ~ScratchDir() {
        SetEnvironmentVariableW(L"HZ_MARKER_DIR", nullptr);
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path Marker(const std::wstring& exeName) const { return path_ / (exeName + L".ran"); }

  private:
    std::filesystem::path path_;
};

// Polls until the file exists, pumping this thread's messages meanwhile; false after `timeout`.
inline bool WaitForFile(const std::filesystem::path& file, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!std::filesystem::exists(file)) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(20);
    }
    return true;
}

inline std::string ReadAll(const std::filesystem::path& file) {
    std::string content;
    HANDLE handle =
        CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return content;
    char buffer[256];
    DWORD read = 0;
    if (ReadFile(handle, buffer, sizeof(buffer), &read, nullptr)) content.assign(buffer, read);
    CloseHandle(handle);
    return content;
}

}  // namespace services_test
