#include "platform/session_action.h"

#include "platform/scoped_handle.h"

namespace platform {

std::optional<UINT> SessionFlags(int32_t action, bool force, bool isNtPlatform) {
    UINT flags = 0;
    switch (action) {
        case 1:
            flags = isNtPlatform ? EWX_POWEROFF : EWX_SHUTDOWN;
            break;
        case 2:
            flags = EWX_REBOOT;
            break;
        case 3:
            flags = EWX_LOGOFF;
            break;
        default:
            return std::nullopt;
    }
    return force ? flags | EWX_FORCE : flags;
}

bool IsNtPlatform() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExW(&version)) return false;
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

bool EnableShutdownPrivilege() {
    // The 9x family has no security model: nothing to enable.
    if (!IsNtPlatform()) return true;
    HANDLE rawToken = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &rawToken))
        return false;
    const ScopedHandle token(rawToken);
    TOKEN_PRIVILEGES privileges{};
    if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) return false;
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    // AdjustTokenPrivileges succeeds even when it could not assign the privilege; only the last error
    // (ERROR_NOT_ALL_ASSIGNED) tells.
    SetLastError(ERROR_SUCCESS);
    AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr);
    return GetLastError() == ERROR_SUCCESS;
}

namespace {
bool ExitWindowsWithoutReason(UINT flags) {
    return ExitWindowsEx(flags, 0) != 0;
}
}  // namespace

const SessionSystem& Win32SessionSystem() {
    static const SessionSystem system{IsNtPlatform, EnableShutdownPrivilege, ExitWindowsWithoutReason};
    return system;
}

bool RequestSessionAction(int32_t action, bool force, const SessionSystem& system) {
    if (action < 1 || action > 3) return false;
    if (!system.enableShutdownPrivilege()) return false;
    // Only a shut-down depends on the platform family.
    const bool isNt = action == 1 && system.isNtPlatform();
    const std::optional<UINT> flags = SessionFlags(action, force, isNt);
    return flags && system.exitWindows(*flags);
}

}  // namespace platform
