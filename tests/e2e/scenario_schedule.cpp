// A schedule from 启动 to its task: countdown line, warning window, message box, run file; stop and cancel.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

const std::wstring kTargetPrefix = L"设定操作时间：";
const std::wstring kMessage = L"该休息了：保存工作 OK";

bool WarningVisible(const Program& program) {
    HWND warning = program.Warning();
    return warning != nullptr && IsWindowVisible(warning);
}

// Presses 启动 and checks the pending state and the target line; returns the target the line names.
bool StartSchedule(const Program& program, const SYSTEMTIME& earliest, const SYSTEMTIME& latest,
                   SYSTEMTIME* target) {
    Click(program.Control(ControlId::按钮_启动));
    HWND start = program.Control(ControlId::按钮_启动);
    HWND stop = program.Control(ControlId::按钮_中止);
    Check(WaitFor([&] { return !IsEnabledCtl(start) && IsEnabledCtl(stop); }, 3000),
          L"启动 disables itself and enables 中止");
    const std::wstring line = TextOf(program.Control(ControlId::标签_关机时间));
    for (int64_t s = 0; s <= SecondsBetween(earliest, latest); ++s) {
        const SYSTEMTIME candidate = AddSeconds(earliest, static_cast<int>(s));
        if (line == kTargetPrefix + DateTimeText(candidate)) {
            *target = candidate;
            Check(true, L"target line \"" + line + L"\"");
            return true;
        }
    }
    Check(false, Format(L"target line \"%ls\" (expected %ls .. %ls)", line.c_str(),
                        DateTimeText(earliest).c_str(), DateTimeText(latest).c_str()));
    return false;
}

struct Observed {
    std::vector<std::wstring> lines;  // distinct countdown lines, in order
    std::vector<int> digits;          // distinct warning numbers, in order
    bool warningTopmost = false;
    RECT warningRect{};     // outer rect when it first came up
    int firstWarning = -1;  // seconds left when the warning first came up (from the line)
    bool lineMatchedClock = true;
    std::wstring mismatch;
};

// Watches the countdown line and the warning window until the message box appears (or the line ends).
Observed WatchCountdown(const Program& program, const SYSTEMTIME& target, DWORD timeoutMs) {
    Observed seen;
    HWND line = program.Control(ControlId::标签_倒计时显示);
    WaitFor(
        [&] {
            const std::wstring text = TextOf(line);
            if (!text.empty() && (seen.lines.empty() || seen.lines.back() != text)) {
                seen.lines.push_back(text);
                const int64_t left = SecondsBetween(LocalNow(), target);
                const int shown = LeadingNumber(text);
                if (shown < left - 1 || shown > left + 1) {
                    seen.lineMatchedClock = false;
                    seen.mismatch =
                        Format(L"\"%ls\" with %lld s left", text.c_str(), static_cast<long long>(left));
                }
            }
            HWND warning = program.Warning();
            if (warning != nullptr && IsWindowVisible(warning)) {
                const int number = LeadingNumber(TextOf(program.Control(ControlId::标签_倒计时读秒)));
                if (seen.digits.empty()) {
                    seen.warningTopmost = (ExStyleOf(warning) & WS_EX_TOPMOST) != 0;
                    GetWindowRect(warning, &seen.warningRect);
                    seen.firstWarning = LeadingNumber(TextOf(line));
                }
                if (seen.digits.empty() || seen.digits.back() != number) seen.digits.push_back(number);
            }
            return program.MessageBoxWindow() != nullptr;
        },
        timeoutMs);
    return seen;
}

std::wstring Joined(const std::vector<std::wstring>& texts) {
    std::wstring out;
    for (const std::wstring& t : texts) out += L"\"" + t + L"\" ";
    return out;
}

std::wstring Joined(const std::vector<int>& numbers) {
    std::wstring out;
    for (int n : numbers) out += Format(L"%d ", n);
    return out;
}

bool StrictlyFalling(const std::vector<int>& numbers) {
    for (size_t i = 1; i < numbers.size(); ++i) {
        if (numbers[i] >= numbers[i - 1]) return false;
    }
    return true;
}

void CheckTaskRanAt(const SYSTEMTIME& shownAt, const SYSTEMTIME& target) {
    const int64_t late = SecondsBetween(target, shownAt);
    Check(late >= 0 && late <= 2, Format(L"the task ran at %ls, target %ls", DateTimeText(shownAt).c_str(),
                                         DateTimeText(target).c_str()));
}

int Finish(Program& program) {
    DWORD code = program.End();
    Check(code == 0, Format(L"exit code %lu", code));
    return FailureCount() == 0 ? 0 : 1;
}

}  // namespace

int CountdownMessage(const Arguments& args) {
    Program program(args.exe);
    if (!program.Started()) return 1;
    ChooseMessageTask(program, kMessage);
    ChooseCountdownMode(program, 0, 0, 8);
    const SYSTEMTIME before = LocalNow();
    SYSTEMTIME target{};
    if (!StartSchedule(program, AddSeconds(before, 8), AddSeconds(LocalNow(), 9), &target))
        return Finish(program);

    const Observed seen = WatchCountdown(program, target, 15000);
    Note(L"countdown lines: " + Joined(seen.lines));
    Note(L"warning numbers: " + Joined(seen.digits));
    Check(seen.lines.size() >= 4 && seen.lineMatchedClock,
          L"the countdown line counts down with the clock " + seen.mismatch);
    const bool formatOk = std::all_of(seen.lines.begin(), seen.lines.end(), [](const std::wstring& l) {
        return l == Format(L"%d秒 执行任务", LeadingNumber(l));
    });
    Check(formatOk, L"every line reads \"N秒 执行任务\"");
    Check(seen.digits.size() >= 4 && StrictlyFalling(seen.digits) && seen.digits.back() >= 1,
          L"the warning counts down from the first tick");
    Check(seen.warningTopmost, L"the warning window is topmost");
    const RECT& w = seen.warningRect;
    const int width = w.right - w.left, height = w.bottom - w.top;
    const int centreLeft = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int centreTop = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    Check(
        width == 124 && height == 136 && std::abs(w.left - centreLeft) <= 1 &&
            std::abs(w.top - centreTop) <= 1,
        Format(L"the warning window is 124x136 and centred: %dx%d at %ld,%ld", width, height, w.left, w.top));
    Check(seen.firstWarning >= 6 && !seen.digits.empty() && seen.digits.front() == seen.firstWarning,
          Format(L"the warning comes up with the line's number (%d, line %d)",
                 seen.digits.empty() ? -1 : seen.digits.front(), seen.firstWarning));

    SYSTEMTIME shownAt{};
    HWND box = program.MessageBoxWindow();
    Check(box != nullptr && !WarningVisible(program), L"at the target second the warning is hidden");
    if (AnswerMessageBox(program, kMessage, 5000, &shownAt)) CheckTaskRanAt(shownAt, target);
    WaitIdle(program);
    // Both tick timers are stopped: nothing writes the line or shows the warning again.
    HWND line = program.Control(ControlId::标签_倒计时显示);
    Check(!WaitFor([&] { return !TextOf(line).empty() || WarningVisible(program); }, 2500),
          L"after the task the countdown line stays empty and the warning hidden");
    return Finish(program);
}

int AbsoluteMode(const Arguments& args) {
    Program program(args.exe);
    if (!program.Started()) return 1;
    ChooseMessageTask(program, kMessage);
    const SYSTEMTIME target = AddSeconds(LocalNow(), 12);
    const SYSTEMTIME today = LocalNow();
    const struct {
        ControlId id;
        int index;
    } choices[] = {
        {ControlId::组合框_年, target.wYear - today.wYear},
        {ControlId::组合框_月, target.wMonth - 1},
        {ControlId::组合框_日, target.wDay - 1},
        {ControlId::组合框_时, target.wHour},
        {ControlId::组合框_分, target.wMinute},
        {ControlId::组合框_秒, target.wSecond},
    };
    for (const auto& choice : choices) {
        HWND combo = program.Control(choice.id);
        if (ComboSelection(combo) != choice.index) ChooseComboItem(combo, choice.index);
        Check(ComboSelection(combo) == choice.index,
              Format(L"list shows \"%ls\" (item %d, wanted %d)", TextOf(combo).c_str(), ComboSelection(combo),
                     choice.index));
    }
    const int64_t ahead = SecondsBetween(LocalNow(), target);
    if (!Check(ahead >= 2, Format(L"the lists are set %lld s ahead", static_cast<long long>(ahead)))) {
        return Finish(program);
    }
    SYSTEMTIME named{};
    if (!StartSchedule(program, target, target, &named)) return Finish(program);
    SYSTEMTIME shownAt{};
    if (AnswerMessageBox(program, kMessage, 20000, &shownAt)) CheckTaskRanAt(shownAt, target);
    WaitIdle(program);
    return Finish(program);
}

int StopAfterStart(const Arguments& args) {
    Program program(args.exe);
    if (!program.Started()) return 1;
    ChooseMessageTask(program, kMessage);
    ChooseCountdownMode(program, 0, 0, 30);
    SYSTEMTIME target{};
    const SYSTEMTIME before = LocalNow();
    StartSchedule(program, AddSeconds(before, 30), AddSeconds(LocalNow(), 31), &target);
    const std::wstring targetLine = TextOf(program.Control(ControlId::标签_关机时间));
    Click(program.Control(ControlId::按钮_中止));
    WaitIdle(program, 3000);
    // Both timers stopped: for the next two and a half seconds no tick writes the line again.
    HWND line = program.Control(ControlId::标签_倒计时显示);
    Check(!WaitFor([&] { return !TextOf(line).empty() || WarningVisible(program); }, 2500),
          L"after 中止 the countdown line stays empty");
    Check(TextOf(program.Control(ControlId::标签_关机时间)) == targetLine,
          L"the target line keeps the target");
    return Finish(program);
}

int CancelInWarning(const Arguments& args) {
    Program program(args.exe);
    if (!program.Started()) return 1;
    ChooseMessageTask(program, kMessage);
    ChooseCountdownMode(program, 0, 0, 20);
    SYSTEMTIME target{};
    StartSchedule(program, AddSeconds(LocalNow(), 20), AddSeconds(LocalNow(), 21), &target);
    if (!Check(WaitFor([&] { return WarningVisible(program); }, 5000), L"the warning window comes up")) {
        return Finish(program);
    }
    HWND cancel = program.Control(ControlId::按钮_取消任务);
    Check(TextOf(cancel) == L"取消任务", L"the warning's button reads \"" + TextOf(cancel) + L"\"");
    const bool focused = Check(WaitFor([&] { return FocusOf(program.ThreadId()) == cancel; }, 2000),
                               L"取消任务 has the focus");
    if (focused && GetForegroundWindow() == program.Warning()) {
        Note(L"pressing Space");
        KeyPress(VK_SPACE);
    } else {
        Note(L"clicking 取消任务");
        MouseClickCentre(cancel);
    }
    WaitIdle(program, 3000);
    Check(!WaitFor([&] { return WarningVisible(program) || program.MessageBoxWindow() != nullptr; }, 2500),
          L"after 取消任务 the warning stays hidden");
    return Finish(program);
}

int Threshold(const Arguments& args) {
    Program program(args.exe);
    if (!program.Started()) return 1;
    HWND lead = program.Control(ControlId::组合框_倒计时提示);
    ChooseComboItem(lead, 55);
    Check(TextOf(lead) == L"5秒", L"组合框_倒计时提示 shows \"" + TextOf(lead) + L"\"");
    Click(program.Control(ControlId::按钮_倒计时提示设置));
    ChooseMessageTask(program, kMessage);
    ChooseCountdownMode(program, 0, 0, 10);
    SYSTEMTIME target{};
    StartSchedule(program, AddSeconds(LocalNow(), 10), AddSeconds(LocalNow(), 11), &target);
    const Observed seen = WatchCountdown(program, target, 16000);
    Note(L"countdown lines: " + Joined(seen.lines));
    Note(L"warning numbers: " + Joined(seen.digits));
    Check(!seen.digits.empty() && seen.digits.front() == 5 && seen.firstWarning == 5,
          L"with the threshold 5 the warning first shows 5");
    SYSTEMTIME shownAt{};
    if (AnswerMessageBox(program, kMessage, 5000, &shownAt)) CheckTaskRanAt(shownAt, target);
    WaitIdle(program);
    return Finish(program);
}

int RunFile(const Arguments& args) {
    const std::wstring marker = FolderOf(args.helper) + L"\\e2e-marker.txt";
    DeleteFileW(marker.c_str());
    // Started from another folder: the helper inherits the program's current directory.
    Program program(args.exe, args.workFolder);
    if (!program.Started()) return 1;
    Click(program.Control(ControlId::单选框_运行文件));
    HWND path = program.Control(ControlId::编辑框_文件路径);
    Check(WaitFor([&] { return IsEnabledCtl(path); }, 3000), L"运行文件 enables the path box");
    SetText(path, args.helper);  // what a drop of the helper onto the box leaves there
    ChooseCountdownMode(program, 0, 0, 5);
    SYSTEMTIME target{};
    StartSchedule(program, AddSeconds(LocalNow(), 5), AddSeconds(LocalNow(), 6), &target);
    const bool ran =
        WaitFor([&] { return GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 15000);
    const SYSTEMTIME at = LocalNow();
    if (Check(ran, L"the helper program ran (its marker file appeared)")) CheckTaskRanAt(at, target);
    // The helper wrote its current directory first: the program's own folder, inherited from the program.
    FILE* in = _wfopen(marker.c_str(), L"rb");
    if (in != nullptr) {
        char buffer[1024] = "";
        const size_t n = std::fread(buffer, 1, sizeof buffer - 1, in);
        std::fclose(in);
        buffer[n] = '\0';
        wchar_t wide[1024] = L"";
        MultiByteToWideChar(CP_UTF8, 0, buffer, -1, wide, 1024);
        const std::wstring text = wide;
        const std::wstring directory = text.substr(0, text.find(L'\n'));
        Check(_wcsicmp(directory.c_str(), FolderOf(args.exe).c_str()) == 0,
              L"the helper ran in the program's folder: " + directory);
    }
    WaitIdle(program);
    return Finish(program);
}

int EscInWarning(const Arguments& args) {
    Program program(args.exe);
    if (!program.Started()) return 1;
    ChooseMessageTask(program, kMessage);
    ChooseCountdownMode(program, 0, 0, 8);
    SYSTEMTIME target{};
    StartSchedule(program, AddSeconds(LocalNow(), 8), AddSeconds(LocalNow(), 9), &target);
    if (!Check(WaitFor([&] { return WarningVisible(program); }, 5000), L"the warning window comes up")) {
        return Finish(program);
    }
    HWND warning = program.Warning();
    HWND focus = FocusOf(program.ThreadId());
    if (GetForegroundWindow() == warning && focus != nullptr && GetAncestor(focus, GA_ROOT) == warning) {
        KeyPress(VK_ESCAPE);
    } else {
        Note(L"the warning is not in the foreground: posting Esc to its button");
        PostKey(program.Control(ControlId::按钮_取消任务), VK_ESCAPE);
    }
    Check(WaitFor([&] { return !IsWindow(warning) || !IsWindowVisible(warning); }, 2000),
          L"Esc makes the warning window disappear");
    SYSTEMTIME shownAt{};
    if (AnswerMessageBox(program, kMessage, 12000, &shownAt)) CheckTaskRanAt(shownAt, target);
    WaitIdle(program);
    return Finish(program);
}

}  // namespace e2e
