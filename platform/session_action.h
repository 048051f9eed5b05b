#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace platform {

// The ExitWindowsEx flags for a session action (1 shut down, 2 restart, 3 log off), with EWX_FORCE
// added when `force`; shut-down powers off on the NT family and only halts elsewhere. No value for
// any other action: it requests nothing.
std::optional<UINT> SessionFlags(int32_t action, bool force, bool isNtPlatform);

// Whether GetVersionEx reports VER_PLATFORM_WIN32_NT.
bool IsNtPlatform();

// Enables SeShutdownPrivilege in the process's own token. True on a platform without privileges;
// false when the token cannot be opened, the privilege is unknown, or the adjustment reports any error
// (ERROR_NOT_ALL_ASSIGNED for a user who does not hold it).
bool EnableShutdownPrivilege();

// The operating-system steps of a session request, replaceable so that the order and the refusals
// can be checked without ending a session.
struct SessionSystem {
    bool (*isNtPlatform)();
    bool (*enableShutdownPrivilege)();
    bool (*exitWindows)(UINT flags);  // ExitWindowsEx with reason 0; true when accepted
};
const SessionSystem& Win32SessionSystem();

// Asks for a shut-down, restart or log-off. False when the action is out of range (nothing touched),
// when the privilege cannot be enabled (nothing requested, log-off included) or when the request is refused.
bool RequestSessionAction(int32_t action, bool force, const SessionSystem& system = Win32SessionSystem());

}  // namespace platform
