#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace platform {

// What CreateProcessW is given for a command line.
struct LaunchCommand {
    std::wstring applicationName;  // empty: none, the command line's first token names the program
    std::wstring commandLine;
};

// When the whole text (a trailing CR LF aside) names one existing file, that exact file with a quoted
// command line, so that a path with spaces never starts a program at one of its unquoted prefixes
// (C:\Program.exe for C:\Program Files\...). Otherwise the text unchanged as a command line.
LaunchCommand PrepareLaunch(std::wstring_view text);

// Starts a program: shown normally, no inherited handles, this process's environment and current
// directory; waits at most 1000 ms for it to become idle. No shell: a document or an empty text fails.
// False when the process could not be created (without any wait).
bool LaunchProgram(std::wstring_view text);

}  // namespace platform
