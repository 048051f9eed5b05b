// The process as a whole: its current directory, and a forced log-off that ends the Wine session.
#include <winternl.h>

#include <cstdio>
#include <cstdlib>

#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

// Where the 64-bit process parameters keep the current directory (CURDIR.DosPath).
constexpr size_t kPebProcessParameters = 0x20;
constexpr size_t kParametersCurrentDirectory = 0x38;

template <typename T>
bool ReadRemote(HANDLE process, uintptr_t address, T* value) {
    SIZE_T read = 0;
    return ReadProcessMemory(process, reinterpret_cast<LPCVOID>(address), value, sizeof(T), &read) &&
           read == sizeof(T);
}

// Reads the child's current directory from its process parameters, as a debugger shows it.
std::wstring RemoteCurrentDirectory(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0) {
        return L"<NtQueryInformationProcess failed>";
    }
    uintptr_t parameters = 0;
    UNICODE_STRING directory{};
    if (!ReadRemote(process, reinterpret_cast<uintptr_t>(basic.PebBaseAddress) + kPebProcessParameters,
                    &parameters) ||
        !ReadRemote(process, parameters + kParametersCurrentDirectory, &directory)) {
        return L"<ReadProcessMemory failed>";
    }
    std::wstring text(directory.Length / sizeof(wchar_t), L'\0');
    SIZE_T read = 0;
    ReadProcessMemory(process, directory.Buffer, text.data(), directory.Length, &read);
    return text;
}

std::wstring WithoutTrailingSlash(std::wstring path) {
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
    return path;
}

}  // namespace

int CurrentDirectory(const Arguments& args) {
    const std::wstring own = FolderOf(args.exe);
    const std::wstring elsewhere = args.workFolder;
    if (!Check(_wcsicmp(WithoutTrailingSlash(own).c_str(), WithoutTrailingSlash(elsewhere).c_str()) != 0,
               L"started from " + elsewhere + L", which is not the program's folder")) {
        return 1;
    }
    Program program(args.exe, elsewhere);
    if (!program.Started()) return 1;
    const std::wstring seen = WithoutTrailingSlash(RemoteCurrentDirectory(program.Process()));
    Check(_wcsicmp(seen.c_str(), WithoutTrailingSlash(own).c_str()) == 0,
          Format(L"current directory of the running program is \"%ls\" (expected its folder \"%ls\")",
                 seen.c_str(), own.c_str()));
    DWORD code = program.End();
    Check(code == 0, Format(L"exit code %lu", code));
    return FailureCount() == 0 ? 0 : 1;
}

// Driven by forced_logoff.sh in a throwaway prefix: the program was started by the script, so that the
// script sees its exit status; this only makes the choices and presses 启动. The log-off ends this
// driver too, so the last line it prints is the proof that the request was set up.
int ForcedLogoff(const Arguments&) {
    const char* guard = std::getenv("HZ_E2E_THROWAWAY_PREFIX");
    if (!IsRunningOnWine() || guard == nullptr || std::string(guard) != "1") {
        Check(false, L"refusing: a log-off is requested only under Wine, in a throwaway prefix");
        return 1;
    }
    Program program = Program::Attach();
    if (!program.Started()) return 1;
    Click(program.Control(ControlId::单选框_注销计算机));
    Check(WaitFor([&] { return IsChecked(program.Control(ControlId::单选框_注销计算机)); }, 3000),
          L"注销计算机 chosen");
    ChooseCountdownMode(program, 0, 0, 3);
    if (FailureCount() != 0) return 1;
    Click(program.Control(ControlId::按钮_启动));
    Note(L"log-off scheduled in 3 s");
    DWORD code = 99;
    const bool ended = program.WaitExit(20000, &code);
    // The session's end takes this driver with it, but Wine ends the session's processes one after
    // another, and the program may go first: give the end of the session time to reach the driver.
    Sleep(20000);
    // Normally never reached.
    Check(false, Format(L"the driver outlived the log-off (program %ls, code %lu)",
                        ended ? L"ended" : L"running", code));
    return 1;
}

}  // namespace e2e
