// The program's entry: prepares the process, loads the main window and runs the event loop.
#include <ole2.h>
#include <windows.h>

#include <string>

#include "platform/event_loop.h"
#include "platform/win32_services.h"
#include "platform/win32_shell.h"
#include "platform/window_runtime.h"
#include "scheduler/program_variables.h"
#include "ui/app.h"

namespace {

// Relative paths typed or dropped into the path box refer to the program's own folder.
void EnterProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return;
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return;
    path.resize(slash == 2 && path[1] == L':' ? slash + 1 : slash);  // keep "C:\" a root
    SetCurrentDirectoryW(path.c_str());
}

int RunProgram(HINSTANCE instance) {
    scheduler::ProgramVariables variables;
    platform::WindowRuntime runtime(instance);
    platform::Win32Services services;
    platform::Win32Shell shell(runtime);
    ui::App app(runtime, services, shell, variables);
    runtime.SetSink(&app);
    shell.SetSink(&app);

    if (runtime.Load(ui::MainWindowDescription()) == nullptr) return 1;
    services.SetPathBox(runtime.Handle(scheduler::ControlId::编辑框_文件路径));
    runtime.NotifyCreated();
    if (ui::MainWindowDescription().visible) runtime.SetVisible(scheduler::ControlId::MainWindow, true);
    // A window closed during the start-up wait leaves nothing for the loop to wait for.
    if (runtime.AnyWindowAlive()) platform::RunEventLoop();

    // The exit routine: the clock's text is the one program variable that holds memory.
    variables.currentTimeText.clear();
    variables.currentTimeText.shrink_to_fit();
    runtime.SetSink(nullptr);
    shell.SetSink(nullptr);
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    EnterProgramFolder();
    const HRESULT ole = OleInitialize(nullptr);
    const int code = RunProgram(instance);
    if (SUCCEEDED(ole)) OleUninitialize();
    return code;
}
