// Clicking through the mode and task choices: exactly the controls the choice governs change.
#include <map>

#include "tests/e2e/expected_main_window.h"

namespace e2e {
namespace {

using C = ControlId;

const C kMoment[] = {C::组合框_年, C::组合框_月, C::组合框_日, C::组合框_时, C::组合框_分, C::组合框_秒};
const C kCountdown[] = {C::编辑框_时, C::编辑框_分, C::编辑框_秒, C::标签1, C::标签2, C::标签3};
const C kTasks[] = {C::单选框_关闭计算机, C::单选框_注销计算机, C::单选框_重启计算机, C::单选框_运行文件,
                    C::单选框1};

struct State {
    bool visible, enabled, checked;
    std::wstring text;
    bool operator==(const State& o) const {
        return visible == o.visible && enabled == o.enabled && checked == o.checked && text == o.text;
    }
};

using Snapshot = std::map<C, State>;

// Everything a user sees of every control, but the two time lines that the clock and the start-up write.
Snapshot Take(const Program& program) {
    Snapshot snapshot;
    for (const ExpectedControl& row : ExpectedMainWindow()) {
        HWND hwnd = program.Control(row.id);
        if (hwnd == nullptr || row.id == C::标签_当前时间 || row.id == C::标签_关机时间) continue;
        const bool checkable = row.kind == Kind::Radio || row.kind == Kind::Check;
        snapshot[row.id] = {IsShown(hwnd), IsEnabledCtl(hwnd), checkable && IsChecked(hwnd),
                            row.kind == Kind::WebView ? L"" : TextOf(hwnd)};
    }
    return snapshot;
}

// Clicks `control` and checks that the window then equals `expected` in every control.
void Step(const Program& program, C control, Snapshot& expected) {
    Click(program.Control(control));
    Snapshot seen;
    WaitFor([&] { return (seen = Take(program)) == expected; }, 2000);
    std::wstring differences;
    for (const auto& [id, state] : expected) {
        const State& now = seen[id];
        if (now == state) continue;
        differences += Format(L" %ls: visible %d enabled %d checked %d \"%ls\" (expected %d %d %d \"%ls\");",
                              NameOf(id).c_str(), now.visible, now.enabled, now.checked, now.text.c_str(),
                              state.visible, state.enabled, state.checked, state.text.c_str());
    }
    Check(differences.empty(),
          L"click on " + NameOf(control) + L":" + (differences.empty() ? L" as expected" : differences));
}

void ChooseTask(Snapshot& s, C task) {
    for (C t : kTasks) s[t].checked = t == task;
}

}  // namespace

int Choices(const Arguments& args) {
    Program program(args.exe);
    if (!program.Started()) return 1;
    Snapshot s = Take(program);

    // Mode: the moment lists and the countdown boxes trade places.
    auto showMoment = [&](bool moment) {
        for (C id : kMoment) s[id].visible = moment;
        for (C id : kCountdown) s[id].visible = !moment;
        s[C::单选框_定时].checked = moment;
        s[C::单选框_倒计时].checked = !moment;
    };
    showMoment(false);
    Step(program, C::单选框_倒计时, s);
    Step(program, C::单选框_倒计时, s);
    showMoment(true);
    Step(program, C::单选框_定时, s);
    Step(program, C::单选框_定时, s);

    // Task kinds.
    ChooseTask(s, C::单选框_运行文件);
    s[C::编辑框_文件路径].enabled = true;
    s[C::选择框_弹出信息框].enabled = true;
    Step(program, C::单选框_运行文件, s);
    HWND path = program.Control(C::编辑框_文件路径);
    PostMessageW(path, WM_CHAR, L'x', 1);
    Check(!WaitFor([&] { return TextOf(path) != s[C::编辑框_文件路径].text; }, 500),
          L"the enabled path box cannot be typed into");

    ChooseTask(s, C::单选框_关闭计算机);
    s[C::编辑框_文件路径].enabled = false;
    s[C::选择框_弹出信息框].enabled = false;
    Step(program, C::单选框_关闭计算机, s);

    ChooseTask(s, C::单选框1);
    s[C::选择框_弹出信息框].enabled = true;
    Step(program, C::单选框1, s);

    s[C::选择框_弹出信息框].checked = true;
    s[C::编辑框_自定义信息框内容].enabled = true;
    Step(program, C::选择框_弹出信息框, s);
    TypeInto(program.Control(C::编辑框_自定义信息框内容), L"记得保存");
    s[C::编辑框_自定义信息框内容].text = L"记得保存";

    // Shut down, log off, restart: the check box is disabled but keeps its mark; the text stays.
    for (C task : {C::单选框_注销计算机, C::单选框_重启计算机, C::单选框_关闭计算机}) {
        ChooseTask(s, task);
        s[C::选择框_弹出信息框].enabled = false;
        Step(program, task, s);
    }
    ChooseTask(s, C::单选框1);
    s[C::选择框_弹出信息框].enabled = true;
    Step(program, C::单选框1, s);

    s[C::选择框_弹出信息框].checked = false;
    s[C::编辑框_自定义信息框内容].enabled = false;
    s[C::编辑框_自定义信息框内容].text = L"自定义信息框内容";
    Step(program, C::选择框_弹出信息框, s);

    // 只弹出信息 after 运行文件 leaves the path box enabled.
    ChooseTask(s, C::单选框_运行文件);
    s[C::编辑框_文件路径].enabled = true;
    Step(program, C::单选框_运行文件, s);
    ChooseTask(s, C::单选框1);
    Step(program, C::单选框1, s);

    DWORD code = program.End();
    Check(code == 0, Format(L"exit code %lu", code));
    return FailureCount() == 0 ? 0 : 1;
}

}  // namespace e2e
