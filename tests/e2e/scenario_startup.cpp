// The start-up: the window's delay, the clock line, the initial target line, the six date lists.
#include <algorithm>

#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

const std::wstring kClockPrefix = L"当前电脑时间：";
const std::wstring kTargetPrefix = L"设定操作时间：";

int DaysIn(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

std::vector<std::wstring> Numbered(int from, int to, const wchar_t* unit) {
    std::vector<std::wstring> items;
    for (int i = from; i <= to; ++i) items.push_back(Format(L"%d%ls", i, unit));
    return items;
}

// The moment among [from, to] (whole seconds) whose text `text` is, if any.
bool MatchesMomentIn(const std::wstring& text, const SYSTEMTIME& from, const SYSTEMTIME& to) {
    for (int64_t s = 0; s <= SecondsBetween(from, to); ++s) {
        if (text == DateTimeText(AddSeconds(from, static_cast<int>(s)))) return true;
    }
    return false;
}

// The list holds `items` with the item of some moment of [from, to] selected (each list reads the clock
// on its own while it is filled).
void CheckList(const Program& program, ControlId id, const wchar_t* name,
               const std::vector<std::wstring>& items, const SYSTEMTIME& from, const SYSTEMTIME& to,
               int (*indexOf)(const SYSTEMTIME&)) {
    HWND combo = program.Control(id);
    const std::vector<std::wstring> seen = ComboItems(combo);
    const int selection = ComboSelection(combo);
    bool selectionFits = false;
    for (int64_t s = 0; s <= SecondsBetween(from, to); ++s) {
        selectionFits = selectionFits || indexOf(AddSeconds(from, static_cast<int>(s))) == selection;
    }
    Check(seen == items && selectionFits,
          Format(L"%ls holds %zu items \"%ls\"..\"%ls\" with item %d selected (expected %zu items "
                 L"\"%ls\"..\"%ls\", "
                 L"the item of a moment from %ls to %ls)",
                 name, seen.size(), seen.empty() ? L"" : seen.front().c_str(),
                 seen.empty() ? L"" : seen.back().c_str(), selection, items.size(), items.front().c_str(),
                 items.back().c_str(), DateTimeText(from).c_str(), DateTimeText(to).c_str()));
}

void CheckClock(const Program& program) {
    HWND clock = program.Control(ControlId::标签_当前时间);
    std::wstring last = TextOf(clock);
    const SYSTEMTIME now = LocalNow();
    Check(
        last.rfind(kClockPrefix, 0) == 0 &&
            MatchesMomentIn(last.substr(kClockPrefix.size()), AddSeconds(now, -2), AddSeconds(now, 1)),
        Format(L"clock line \"%ls\" shows the current time (%ls)", last.c_str(), DateTimeText(now).c_str()));
    // Three updates, each within about a second of the one before and showing the time of its second
    // (or the second before: on a loaded machine the driver may notice a change late).
    for (int i = 0; i < 3; ++i) {
        std::wstring next;
        const bool changed = WaitFor([&] { return (next = TextOf(clock)) != last; }, 2500);
        const SYSTEMTIME at = LocalNow();
        Check(changed && next.rfind(kClockPrefix, 0) == 0 &&
                  MatchesMomentIn(next.substr(kClockPrefix.size()), AddSeconds(at, -2), at),
              Format(L"clock line updates to \"%ls\" at %ls", next.c_str(), DateTimeText(at).c_str()));
        last = next;
    }
}

}  // namespace

int Startup(const Arguments& args) {
    const SYSTEMTIME launched = LocalNow();
    Program program(args.exe, L"", false);
    if (!program.Started()) return 1;
    const SYSTEMTIME shown = LocalNow();
    Note(Format(L"main window visible %lu ms after CreateProcess", program.StartupMs()));
    Check(program.StartupMs() >= 500 && program.StartupMs() <= 5000,
          Format(L"the window appears about a second after launch (%lu ms, allowed 500-5000)",
                 program.StartupMs()));

    // The lists are read before the clock check so that the first seconds of the run are still current.
    const SYSTEMTIME early = AddSeconds(launched, -1);
    HWND target = program.Control(ControlId::标签_关机时间);
    const std::wstring targetLine = TextOf(target);
    Check(targetLine.rfind(kTargetPrefix, 0) == 0 &&
              MatchesMomentIn(targetLine.substr(kTargetPrefix.size()), early, shown),
          Format(L"target line \"%ls\" shows a moment of the start-up (%ls to %ls)", targetLine.c_str(),
                 DateTimeText(early).c_str(), DateTimeText(shown).c_str()));

    // Every list was filled with the moment of its own fill, between launch and the window's appearance.
    CheckList(program, ControlId::组合框_年, L"组合框_年",
              Numbered(launched.wYear, launched.wYear + 1, L"年"), early, shown,
              [](const SYSTEMTIME&) { return 0; });
    CheckList(program, ControlId::组合框_月, L"组合框_月", Numbered(1, 12, L"月"), early, shown,
              [](const SYSTEMTIME& m) { return m.wMonth - 1; });
    CheckList(program, ControlId::组合框_日, L"组合框_日",
              Numbered(1, DaysIn(launched.wYear, launched.wMonth), L"日"), early, shown,
              [](const SYSTEMTIME& m) { return m.wDay - 1; });
    CheckList(program, ControlId::组合框_时, L"组合框_时", Numbered(0, 23, L"时"), early, shown,
              [](const SYSTEMTIME& m) { return static_cast<int>(m.wHour); });
    CheckList(program, ControlId::组合框_分, L"组合框_分", Numbered(0, 59, L"分"), early, shown,
              [](const SYSTEMTIME& m) { return static_cast<int>(m.wMinute); });
    CheckList(program, ControlId::组合框_秒, L"组合框_秒", Numbered(0, 59, L"秒"), early, shown,
              [](const SYSTEMTIME& m) { return static_cast<int>(m.wSecond); });

    CheckClock(program);

    // Choosing a month rebuilds the day list for it and selects today's day (or the month's last).
    HWND month = program.Control(ControlId::组合框_月);
    HWND day = program.Control(ControlId::组合框_日);
    const int year = launched.wYear;
    for (int chosen : {2, 4, static_cast<int>(launched.wMonth)}) {
        if (!ChooseComboItem(month, chosen - 1)) continue;
        const int days = DaysIn(year, chosen);
        const int expectedDay = std::min<int>(launched.wDay, days) - 1;
        const bool rebuilt = WaitFor(
            [&] { return ComboItems(day) == Numbered(1, days, L"日") && ComboSelection(day) == expectedDay; },
            3000);
        Check(rebuilt,
              Format(L"choosing %d月 (list shows \"%ls\") rebuilds 组合框_日: %zu items, item %d selected "
                     L"(expected %d items, item %d)",
                     chosen, TextOf(month).c_str(), ComboItems(day).size(), ComboSelection(day), days,
                     expectedDay));
    }

    DWORD code = program.End();
    Check(code == 0, Format(L"exit code %lu", code));
    return FailureCount() == 0 ? 0 : 1;
}

}  // namespace e2e
