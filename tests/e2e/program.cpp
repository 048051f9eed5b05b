// Starting, finding and ending the program under test.
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

constexpr DWORD kStartTimeoutMs = 15000;
constexpr DWORD kCloseTimeoutMs = 5000;

struct EnumState {
    DWORD pid;
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopWindow(HWND hwnd, LPARAM param) {
    auto* state = reinterpret_cast<EnumState*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (state->pid != 0 && pid != state->pid) return TRUE;
    if (state->className != nullptr && ClassOf(hwnd) != state->className) return TRUE;
    state->found.push_back(hwnd);
    return TRUE;
}

HWND FindChildById(HWND parent, int id) {
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == id) return child;
    }
    return nullptr;
}

}  // namespace

std::vector<HWND> TopWindowsOf(DWORD pid, const wchar_t* className) {
    EnumState state{pid, className, {}};
    EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

std::wstring ToWindowsPath(const std::wstring& path) {
    if (path.empty() || path[0] != L'/') return path;
    std::wstring out = L"Z:" + path;
    for (wchar_t& c : out) {
        if (c == L'/') c = L'\\';
    }
    return out;
}

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

Program::Program(const std::wstring& exe, const std::wstring& currentDirectory, bool settle) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const ULONGLONG begin = GetTickCount64();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        currentDirectory.empty() ? nullptr : currentDirectory.c_str(), &startup, &info)) {
        Check(false, Format(L"CreateProcess %ls failed, error %lu", exe.c_str(), GetLastError()));
        return;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    pid_ = info.dwProcessId;
    // The main window exists (hidden) during the start-up; it counts once it is visible.
    WaitFor(
        [&] {
            for (HWND w : TopWindowsOf(pid_, L"HezhouTimer.Main")) {
                if (IsWindowVisible(w)) main_ = w;
            }
            return main_ != nullptr || WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
        },
        kStartTimeoutMs);
    startupMs_ = static_cast<DWORD>(GetTickCount64() - begin);
    if (main_ == nullptr) {
        Check(false, Format(L"no visible main window within %lu ms", kStartTimeoutMs));
        return;
    }
    if (settle &&
        !WaitFor([&] { return !TextOf(Control(ControlId::标签_关机时间)).empty(); }, kStartTimeoutMs)) {
        Note(L"the target line stayed empty after the window appeared");
    }
    // The program activates its window when it shows it; make sure it has the keyboard before a scenario.
    BringToFront(main_);
}

Program Program::Attach() {
    Program program;
    WaitFor(
        [&] {
            for (HWND w : TopWindowsOf(0, L"HezhouTimer.Main")) {
                if (IsWindowVisible(w)) program.main_ = w;
            }
            return program.main_ != nullptr;
        },
        kStartTimeoutMs);
    if (program.main_ == nullptr) {
        Check(false, L"no running program to attach to");
        return program;
    }
    GetWindowThreadProcessId(program.main_, &program.pid_);
    WaitFor([&] { return !TextOf(program.Control(ControlId::标签_关机时间)).empty(); }, kStartTimeoutMs);
    program.process_ =
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, program.pid_);
    return program;
}

Program::Program(Program&& other) noexcept
    : process_(other.process_), pid_(other.pid_), main_(other.main_), startupMs_(other.startupMs_) {
    other.process_ = nullptr;
    other.main_ = nullptr;
}

Program::~Program() {
    if (process_ == nullptr) return;
    End();
    CloseHandle(process_);
}

DWORD Program::ThreadId() const {
    return main_ == nullptr ? 0 : GetWindowThreadProcessId(main_, nullptr);
}

HWND Program::Control(ControlId id) const {
    if (main_ == nullptr) return nullptr;
    const int windowId = 1000 + static_cast<int>(id);
    if (id == ControlId::按钮_取消任务 || id == ControlId::标签_执行任务类别 ||
        id == ControlId::标签_倒计时读秒) {
        HWND warning = Warning();
        return warning == nullptr ? nullptr : FindChildById(warning, windowId);
    }
    if (HWND direct = FindChildById(main_, windowId)) return direct;
    HWND group = FindChildById(main_, 1000 + static_cast<int>(ControlId::分组框1));
    return group == nullptr ? nullptr : FindChildById(group, windowId);
}

HWND Program::Warning() const {
    const std::vector<HWND> found = TopWindowsOf(pid_, L"HezhouTimer.Warning");
    return found.empty() ? nullptr : found.front();
}

HWND Program::MessageBoxWindow() const {
    for (HWND w : TopWindowsOf(pid_, L"#32770")) {
        if (IsWindowVisible(w)) return w;
    }
    return nullptr;
}

bool Program::WaitExit(DWORD timeoutMs, DWORD* exitCode) {
    if (process_ == nullptr) return false;
    if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(process_, exitCode);
    return true;
}

DWORD Program::End() {
    DWORD code = 0;
    if (process_ == nullptr) return code;
    if (WaitExit(0, &code)) return code;
    // A message box of the program would keep the close request waiting: answer it first.
    for (int i = 0; i < 5; ++i) {
        HWND box = MessageBoxWindow();
        if (box == nullptr) break;
        PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        Sleep(200);
    }
    if (main_ != nullptr && IsWindow(main_)) PostMessageW(main_, WM_CLOSE, 0, 0);
    if (WaitExit(kCloseTimeoutMs, &code)) return code;
    Note(L"the program did not end after WM_CLOSE: terminating it");
    TerminateProcess(process_, 99);
    WaitExit(kCloseTimeoutMs, &code);
    return code;
}

}  // namespace e2e
