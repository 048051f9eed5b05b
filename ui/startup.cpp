#include "ui/startup.h"

#include "core/convert.h"
#include "core/datetime_text.h"

namespace ui {

using scheduler::ControlId;
using C = ControlId;

void OnMainWindowCreated(scheduler::Controls& controls, scheduler::Services& services, Shell& shell,
                         scheduler::ProgramVariables& variables) {
    shell.EnableCustomControlLook();
    shell.LoadWarningWindow();
    controls.SetPeriod(C::时钟_倒计时, scheduler::kTimerStop);
    controls.SetPeriod(C::时钟_定时关机, scheduler::kTimerStop);
    FillYearList(controls, services);
    FillMonthList(controls, services);
    FillDayList(controls, services);
    FillHourList(controls, services);
    FillMinuteList(controls, services);
    FillSecondList(controls, services);
    // The clock's first tick falls due during this wait and sets the current-time text read below.
    services.WaitProcessingEvents(1000);
    variables.targetTime = core::TextToDateTime(variables.currentTimeText);
    controls.SetCaption(C::标签_关机时间, core::JoinTexts({"设定操作时间：", variables.currentTimeText}));
    variables.warningThreshold = 60;
}

void FillYearList(scheduler::Controls& controls, scheduler::Services& services) {
    controls.AddItem(C::组合框_年,
                     core::JoinTexts({core::IntToText(core::YearOf(services.CurrentTime())), "年"}), 0);
    const double nextYear = core::YearOf(services.CurrentTime()) + 1.0;
    controls.AddItem(C::组合框_年, core::JoinTexts({core::RealToText(nextYear), "年"}), 1);
    controls.SetSelectedItem(C::组合框_年, 0);
}

namespace {

// Items first..last, each the number followed by `unit`, with the number as item value.
void AddNumberedItems(scheduler::Controls& controls, ControlId list, int32_t first, int32_t last,
                      std::string_view unit) {
    for (int32_t i = first; i <= last; ++i)
        controls.AddItem(list, core::JoinTexts({core::IntToText(i), unit}), i);
}

}  // namespace

void FillMonthList(scheduler::Controls& controls, scheduler::Services& services) {
    AddNumberedItems(controls, C::组合框_月, 1, 12, "月");
    controls.SetSelectedItem(C::组合框_月, core::RealToInt(core::MonthOf(services.CurrentTime()) - 1.0));
}

void FillDayList(scheduler::Controls& controls, scheduler::Services& services) {
    // The texts read their leading number: "2012年" gives 2012, "2月" gives 2.
    const int32_t year = core::TextToInt(controls.GetText(C::组合框_年));
    const int32_t month = core::TextToInt(controls.GetText(C::组合框_月));
    AddNumberedItems(controls, C::组合框_日, 1, core::DaysInMonth(year, month), "日");
    // Past the month's last day the list clamps the index to its last item.
    controls.SetSelectedItem(C::组合框_日, core::RealToInt(core::DayOf(services.CurrentTime()) - 1.0));
}

void FillHourList(scheduler::Controls& controls, scheduler::Services& services) {
    AddNumberedItems(controls, C::组合框_时, 0, 23, "时");
    controls.SetSelectedItem(C::组合框_时, core::HourOf(services.CurrentTime()));
}

void FillMinuteList(scheduler::Controls& controls, scheduler::Services& services) {
    AddNumberedItems(controls, C::组合框_分, 0, 59, "分");
    controls.SetSelectedItem(C::组合框_分, core::MinuteOf(services.CurrentTime()));
}

void FillSecondList(scheduler::Controls& controls, scheduler::Services& services) {
    AddNumberedItems(controls, C::组合框_秒, 0, 59, "秒");
    controls.SetSelectedItem(C::组合框_秒, core::SecondOf(services.CurrentTime()));
}

void OnMonthChosen(scheduler::Controls& controls, scheduler::Services& services) {
    controls.Clear(C::组合框_日);
    FillDayList(controls, services);
}

void OnClockTick(scheduler::Controls& controls, scheduler::Services& services,
                 scheduler::ProgramVariables& variables) {
    variables.currentTimeText = core::DateTimeToText(services.CurrentTime());
    controls.SetCaption(C::标签_当前时间, core::JoinTexts({"当前电脑时间：", variables.currentTimeText}));
}

}  // namespace ui
