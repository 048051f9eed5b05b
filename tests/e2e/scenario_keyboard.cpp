// Keyboard navigation and closing: Tab and Shift+Tab, Esc, the close button.
#include <algorithm>

#include "tests/e2e/expected_main_window.h"

namespace e2e {
namespace {

// Presses the key and waits until the focus has moved; returns the control that has it now.
ControlId PressAndFollow(const Program& program, bool shift) {
    HWND before = FocusOf(program.ThreadId());
    KeyPress(VK_TAB, shift);
    WaitFor([&] { return FocusOf(program.ThreadId()) != before; }, 2000);
    return ControlOfWindow(FocusOf(program.ThreadId()));
}

bool ExitsWithZero(Program& program, const wchar_t* how) {
    DWORD code = 99;
    const bool ended = program.WaitExit(5000, &code);
    Check(ended, Format(L"%ls ends the process", how));
    return Check(ended && code == 0, Format(L"%ls: exit code %lu", how, code));
}

// The point of the caption's close button, found by asking the window what lies where.
bool CloseButtonPoint(HWND main, POINT* point) {
    RECT r{};
    GetWindowRect(main, &r);
    for (int y = r.top + 2; y < r.top + 40; y += 2) {
        for (int x = r.right - 2; x > r.right - 80; x -= 2) {
            const LRESULT hit = SendMessageW(main, WM_NCHITTEST, 0, MAKELPARAM(x, y));
            if (hit == HTCLOSE) {
                *point = {x - 3, y + 3};
                return SendMessageW(main, WM_NCHITTEST, 0, MAKELPARAM(point->x, point->y)) == HTCLOSE;
            }
        }
    }
    return false;
}

}  // namespace

int TabOrder(const Arguments& args) {
    Program program(args.exe);
    if (!program.Started()) return 1;
    Check(GetForegroundWindow() == program.Main(), L"the main window is in the foreground");

    std::vector<ControlId> expected;
    for (const ExpectedControl& row : ExpectedMainWindow()) {
        if (!row.focus || !row.visible || !row.enabled) continue;
        if (row.kind == Kind::WebView && program.Control(row.id) == nullptr) continue;
        expected.push_back(row.id);
    }

    // One full cycle forward from wherever Tab first lands.
    const ControlId first = PressAndFollow(program, false);
    std::vector<ControlId> cycle{first};
    for (int i = 0; i < 60; ++i) {
        const ControlId next = PressAndFollow(program, false);
        if (next == first) break;
        cycle.push_back(next);
    }
    std::wstring visited;
    for (ControlId id : cycle) visited += NameOf(id) + L" ";
    Note(L"Tab visits: " + visited);
    for (ControlId id : cycle) {
        const ExpectedControl* row = FindExpected(id);
        HWND hwnd = program.Control(id);
        Check(row != nullptr && row->focus && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd),
              NameOf(id) + L" is a visible, enabled control that takes the focus");
    }
    for (ControlId never :
         {ControlId::编辑框_时, ControlId::编辑框_分, ControlId::编辑框_秒, ControlId::编辑框_文件路径,
          ControlId::编辑框_自定义信息框内容, ControlId::选择框_弹出信息框, ControlId::按钮_中止}) {
        Check(std::find(cycle.begin(), cycle.end(), never) == cycle.end(),
              NameOf(never) + L" is never visited");
    }
    std::vector<ControlId> sortedCycle = cycle, sortedExpected = expected;
    std::sort(sortedCycle.begin(), sortedCycle.end());
    std::sort(sortedExpected.begin(), sortedExpected.end());
    Check(sortedCycle == sortedExpected,
          Format(L"one cycle visits each of the %zu visible, enabled focus controls once (visited %zu)",
                 expected.size(), cycle.size()));

    // Shift+Tab walks the same cycle backwards.
    std::vector<ControlId> back;
    for (size_t i = 0; i < cycle.size(); ++i) back.push_back(PressAndFollow(program, true));
    std::vector<ControlId> reversed;
    for (size_t i = 0; i < cycle.size(); ++i)
        reversed.push_back(cycle[(cycle.size() * 2 - 1 - i) % cycle.size()]);
    std::wstring backNames;
    for (ControlId id : back) backNames += NameOf(id) + L" ";
    Check(back == reversed, L"Shift+Tab goes back: " + backNames);

    DWORD code = program.End();
    Check(code == 0, Format(L"exit code %lu", code));
    return FailureCount() == 0 ? 0 : 1;
}

int EscCloses(const Arguments& args) {
    {
        Program program(args.exe);
        if (!program.Started()) return 1;
        Note(L"focus on " + NameOf(ControlOfWindow(FocusOf(program.ThreadId()))) + L", pressing Esc");
        KeyPress(VK_ESCAPE);
        ExitsWithZero(program, L"Esc in the main window");
    }
    {
        // Esc from inside an editable list's field, where the combo box could keep it for itself.
        Program program(args.exe);
        if (!program.Started()) return 1;
        HWND hour = program.Control(ControlId::组合框_时);
        RECT field{};
        GetWindowRect(hour, &field);
        MouseClick(field.left + 10, (field.top + field.bottom) / 2);
        WaitFor([&] { return ControlOfWindow(FocusOf(program.ThreadId())) == ControlId::组合框_时; }, 2000);
        Note(L"focus on " + NameOf(ControlOfWindow(FocusOf(program.ThreadId()))) + L", pressing Esc");
        KeyPress(VK_ESCAPE);
        ExitsWithZero(program, L"Esc in 组合框_时");
    }
    return FailureCount() == 0 ? 0 : 1;
}

int CloseButton(const Arguments& args) {
    {
        Program program(args.exe);
        if (!program.Started()) return 1;
        POINT point{};
        if (Check(CloseButtonPoint(program.Main(), &point), L"the caption has a close button")) {
            MouseClick(point.x, point.y);
            DWORD code = 0;
            if (!program.WaitExit(3000, &code)) {
                // Under Wine's virtual desktop the first click on a window can go to its activation.
                Note(L"the first click on the close button did not close the window: clicking again");
                MouseClick(point.x, point.y);
            }
            ExitsWithZero(program, L"a click on the close button");
        }
    }
    {
        Program program(args.exe);
        if (!program.Started()) return 1;
        PostMessageW(program.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
        ExitsWithZero(program, L"the system menu's close command");
    }
    return FailureCount() == 0 ? 0 : 1;
}

int CloseWithWarning(const Arguments& args) {
    Program program(args.exe);
    if (!program.Started()) return 1;
    ChooseMessageTask(program, L"");
    ChooseCountdownMode(program, 0, 0, 30);
    Click(program.Control(ControlId::按钮_启动));
    if (Check(
            WaitFor([&] { return program.Warning() != nullptr && IsWindowVisible(program.Warning()); }, 5000),
            L"the warning window comes up")) {
        PostMessageW(program.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
        ExitsWithZero(program, L"closing the main window while the warning is shown");
    }
    return FailureCount() == 0 ? 0 : 1;
}

}  // namespace e2e
