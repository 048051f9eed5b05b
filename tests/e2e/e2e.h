// The end-to-end driver: starts the real program under Wine and drives it the way a user does,
// reading what a user sees (captions, states, positions) through the ordinary Win32 API.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "scheduler/control_id.h"

namespace e2e {

using scheduler::ControlId;

// ---- Reporting -------------------------------------------------------------------------------------

// Prints "ok"/"FAIL" with the message (UTF-8 on the pipe) and counts failures.
bool Check(bool condition, const std::wstring& what);
void Note(const std::wstring& what);
int FailureCount();
std::string Utf8(const std::wstring& text);
std::wstring Format(const wchar_t* format, ...);

// Polls `condition` every 25 ms until it holds or `timeoutMs` passes; returns the last result.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// ---- The program under test ------------------------------------------------------------------------

// "/work/x/y.exe" -> "Z:\work\x\y.exe" (Wine maps Z: to the Unix root); Windows paths stay as they are.
std::wstring ToWindowsPath(const std::wstring& path);
std::wstring FolderOf(const std::wstring& path);

// One run of the program. The destructor always ends it: WM_CLOSE, then TerminateProcess.
class Program {
  public:
    // Starts `exe` in `currentDirectory` (empty: the driver's own) and waits for its visible main window;
    // with `settle`, also for the start-up's last visible step (the target line), as a user would look
    // at the window before using it.
    explicit Program(const std::wstring& exe, const std::wstring& currentDirectory = L"", bool settle = true);
    // Attaches to an already running program found by its main window class (for the log-off script).
    static Program Attach();
    Program(Program&& other) noexcept;
    ~Program();

    bool Started() const { return main_ != nullptr; }
    HWND Main() const { return main_; }
    DWORD ProcessId() const { return pid_; }
    HANDLE Process() const { return process_; }
    DWORD ThreadId() const;
    // ms from CreateProcess until the main window was visible.
    DWORD StartupMs() const { return startupMs_; }

    // The control's window (children of the group box are searched too); nullptr if none.
    HWND Control(ControlId id) const;
    HWND Warning() const;           // the warning window, visible or not
    HWND MessageBoxWindow() const;  // a visible #32770 of the program, nullptr if none

    bool WaitExit(DWORD timeoutMs, DWORD* exitCode);
    // Ends the program: WM_CLOSE, then TerminateProcess after a timeout. Returns the exit code.
    DWORD End();

  private:
    Program() = default;
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
    HWND main_ = nullptr;
    DWORD startupMs_ = 0;
};

std::vector<HWND> TopWindowsOf(DWORD pid, const wchar_t* className);

// ---- Reading what the user sees --------------------------------------------------------------------

std::wstring TextOf(HWND hwnd);  // WM_GETTEXT
std::wstring ClassOf(HWND hwnd);
LONG StyleOf(HWND hwnd);
LONG ExStyleOf(HWND hwnd);
bool IsShown(HWND hwnd);  // WS_VISIBLE on the window itself
bool IsEnabledCtl(HWND hwnd);
bool IsChecked(HWND hwnd);     // BM_GETCHECK
RECT RectInParent(HWND hwnd);  // window rect in the parent's client coordinates
std::vector<std::wstring> ComboItems(HWND combo);
int ComboSelection(HWND combo);
HWND FocusOf(DWORD threadId);       // GetGUIThreadInfo's focus window
std::wstring NameOf(ControlId id);  // the control's name, for messages
// The table control that holds `hwnd` (a combo box's edit field maps to the combo box).
ControlId ControlOfWindow(HWND hwnd);

// ---- Acting as the user ----------------------------------------------------------------------------

void Click(HWND button);  // posted BM_CLICK: never blocks on a handler's message box
void MoveCursor(int screenX, int screenY);
void MouseClick(int screenX, int screenY);  // real mouse input
void MouseClickCentre(HWND hwnd);
void KeyPress(WORD vk, bool shift = false);  // real keyboard input to the foreground window
void PostKey(HWND target, WORD vk);          // WM_KEYDOWN/WM_KEYUP posted to one window
void SetText(HWND hwnd, const std::wstring& text);
bool BringToFront(HWND window);
// Chooses item `index` of a combo box as a user does: opens the list with a click on its arrow and
// clicks the item (the list's own notifications fire).
bool ChooseComboItem(HWND combo, int index);

// ---- Wall-clock moments as the program writes them -------------------------------------------------

SYSTEMTIME LocalNow();  // to the whole second
SYSTEMTIME AddSeconds(const SYSTEMTIME& moment, int seconds);
int64_t SecondsBetween(const SYSTEMTIME& from, const SYSTEMTIME& to);  // to - from
// "2011年12月27日16时56分7秒", leaving out trailing zero time fields.
std::wstring DateTimeText(const SYSTEMTIME& moment);
// Reads the leading whole number of a text ("7秒 执行任务" -> 7); -1 if none.
int LeadingNumber(const std::wstring& text);

// ---- Common steps of the schedule scenarios ---------------------------------------------------------

// Types into an edit box as a user does: selects everything, then one character message per character.
void TypeInto(HWND edit, const std::wstring& text);
void ChooseCountdownMode(const Program& program, int hours, int minutes, int seconds);
// 只弹出信息, with the message box and its text when `message` is not empty (without: nothing runs).
void ChooseMessageTask(const Program& program, const std::wstring& message);
// Waits for the program's message box; checks caption and text; presses OK. Returns when it appeared.
bool AnswerMessageBox(const Program& program, const std::wstring& text, DWORD timeoutMs, SYSTEMTIME* shownAt);
// The idle state: 启动 enabled, 中止 disabled, countdown line empty, warning hidden.
bool WaitIdle(const Program& program, DWORD timeoutMs = 5000);
bool IsRunningOnWine();

// ---- Scenarios ---------------------------------------------------------------------------------------

struct Arguments {
    std::wstring exe;         // the program
    std::wstring workFolder;  // a folder the scenario may write to
    std::wstring helper;      // the marker helper program
    std::wstring handshake;   // screenshot handshake folder (layout)
};

using Scenario = int (*)(const Arguments&);
int Layout(const Arguments& args);
int TabOrder(const Arguments& args);
int EscCloses(const Arguments& args);
int CloseButton(const Arguments& args);
int CloseWithWarning(const Arguments& args);
int CurrentDirectory(const Arguments& args);
int Startup(const Arguments& args);
int CountdownMessage(const Arguments& args);
int AbsoluteMode(const Arguments& args);
int StopAfterStart(const Arguments& args);
int CancelInWarning(const Arguments& args);
int Threshold(const Arguments& args);
int RunFile(const Arguments& args);
int EscInWarning(const Arguments& args);
int ForcedLogoff(const Arguments& args);
int Choices(const Arguments& args);

}  // namespace e2e
