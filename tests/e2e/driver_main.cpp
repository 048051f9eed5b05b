// e2e_driver SCENARIO PROGRAM.exe [--work DIR] [--helper EXE] [--handshake DIR]
// Runs one scenario against a fresh run of the program; exit code 0 when every check passed.
#include <cstdio>
#include <cwchar>

#include "tests/e2e/e2e.h"

namespace {

struct Entry {
    const wchar_t* name;
    e2e::Scenario run;
};

constexpr Entry kScenarios[] = {
    {L"layout", e2e::Layout},
    {L"tab", e2e::TabOrder},
    {L"esc", e2e::EscCloses},
    {L"close_button", e2e::CloseButton},
    {L"close_with_warning", e2e::CloseWithWarning},
    {L"current_directory", e2e::CurrentDirectory},
    {L"startup", e2e::Startup},
    {L"countdown_message", e2e::CountdownMessage},
    {L"absolute_mode", e2e::AbsoluteMode},
    {L"stop_after_start", e2e::StopAfterStart},
    {L"cancel_in_warning", e2e::CancelInWarning},
    {L"threshold", e2e::Threshold},
    {L"run_file", e2e::RunFile},
    {L"esc_in_warning", e2e::EscInWarning},
    {L"forced_logoff", e2e::ForcedLogoff},
    {L"choices", e2e::Choices},
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(
            stderr, "usage: e2e_driver SCENARIO PROGRAM.exe [--work DIR] [--helper EXE] [--handshake DIR]\n");
        return 2;
    }
    e2e::Arguments args;
    args.exe = e2e::ToWindowsPath(argv[2]);
    for (int i = 3; i + 1 < argc; i += 2) {
        const std::wstring value = e2e::ToWindowsPath(argv[i + 1]);
        if (std::wcscmp(argv[i], L"--work") == 0) args.workFolder = value;
        if (std::wcscmp(argv[i], L"--helper") == 0) args.helper = value;
        if (std::wcscmp(argv[i], L"--handshake") == 0) args.handshake = value;
    }
    if (args.workFolder.empty()) args.workFolder = e2e::FolderOf(args.exe);
    for (const Entry& entry : kScenarios) {
        if (std::wcscmp(entry.name, argv[1]) != 0) continue;
        const int code = entry.run(args);
        std::printf("%s: %d check(s) failed\n", e2e::Utf8(argv[1]).c_str(), e2e::FailureCount());
        return code;
    }
    std::fprintf(stderr, "unknown scenario %s\n", e2e::Utf8(argv[1]).c_str());
    return 2;
}
