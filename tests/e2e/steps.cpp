// Steps shared by the schedule scenarios, each done the way a user does it.
#include "tests/e2e/e2e.h"

namespace e2e {

void TypeInto(HWND edit, const std::wstring& text) {
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (wchar_t c : text) PostMessageW(edit, WM_CHAR, c, 1);
    const bool shown = WaitFor([&] { return TextOf(edit) == text; }, 3000);
    Check(shown, Format(L"typed \"%ls\", the box shows \"%ls\"", text.c_str(), TextOf(edit).c_str()));
}

void ChooseCountdownMode(const Program& program, int hours, int minutes, int seconds) {
    Click(program.Control(ControlId::单选框_倒计时));
    HWND secondsBox = program.Control(ControlId::编辑框_秒);
    if (!Check(WaitFor([&] { return IsShown(secondsBox); }, 3000), L"倒计时任务 shows the countdown boxes"))
        return;
    TypeInto(program.Control(ControlId::编辑框_时), Format(L"%d", hours));
    TypeInto(program.Control(ControlId::编辑框_分), Format(L"%d", minutes));
    TypeInto(secondsBox, Format(L"%d", seconds));
}

void ChooseMessageTask(const Program& program, const std::wstring& message) {
    Click(program.Control(ControlId::单选框1));
    HWND check = program.Control(ControlId::选择框_弹出信息框);
    if (!Check(WaitFor([&] { return IsEnabledCtl(check); }, 3000), L"只弹出信息 enables 弹出信息框")) return;
    if (message.empty()) return;
    Click(check);
    HWND text = program.Control(ControlId::编辑框_自定义信息框内容);
    if (!Check(WaitFor([&] { return IsEnabledCtl(text); }, 3000),
               L"弹出信息框 enables the message box text")) {
        return;
    }
    TypeInto(text, message);
}

bool AnswerMessageBox(const Program& program, const std::wstring& text, DWORD timeoutMs,
                      SYSTEMTIME* shownAt) {
    HWND box = nullptr;
    if (!Check(WaitFor([&] { return (box = program.MessageBoxWindow()) != nullptr; }, timeoutMs),
               L"the message box appears")) {
        return false;
    }
    if (shownAt != nullptr) *shownAt = LocalNow();
    const std::wstring caption = TextOf(box);
    const std::wstring shown = TextOf(GetDlgItem(box, 0xFFFF));
    Check(caption == L"禾舟定时关机1.0", L"message box caption \"" + caption + L"\"");
    Check(shown == text, Format(L"message box text \"%ls\" (expected \"%ls\")", shown.c_str(), text.c_str()));
    Check(GetWindow(box, GW_OWNER) == nullptr, L"the message box has no owner");
    Check(!IsWindowEnabled(program.Main()),
          L"the main window takes no input while the box is open (task-modal)");
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    Check(WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 5000),
          L"OK closes the message box");
    return true;
}

bool WaitIdle(const Program& program, DWORD timeoutMs) {
    HWND start = program.Control(ControlId::按钮_启动);
    HWND stop = program.Control(ControlId::按钮_中止);
    HWND line = program.Control(ControlId::标签_倒计时显示);
    const bool idle = WaitFor(
        [&] {
            HWND warning = program.Warning();
            return IsEnabledCtl(start) && !IsEnabledCtl(stop) && TextOf(line).empty() &&
                   (warning == nullptr || !IsWindowVisible(warning));
        },
        timeoutMs);
    HWND warning = program.Warning();
    return Check(idle, Format(L"idle: 启动 %ls, 中止 %ls, countdown line \"%ls\", warning %ls",
                              IsEnabledCtl(start) ? L"enabled" : L"disabled",
                              IsEnabledCtl(stop) ? L"enabled" : L"disabled", TextOf(line).c_str(),
                              warning != nullptr && IsWindowVisible(warning) ? L"visible" : L"hidden"));
}

}  // namespace e2e
