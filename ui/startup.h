#pragma once

#include "scheduler/controls.h"
#include "scheduler/program_variables.h"
#include "scheduler/services.h"
#include "ui/shell.h"

namespace ui {

// The main window's created handler: custom look, warning window, both scheduler timers stopped, the
// six date lists filled, one second of event processing (the clock ticks once), then the initial
// target time, its line and the warning threshold.
void OnMainWindowCreated(scheduler::Controls& controls, scheduler::Services& services, Shell& shell,
                         scheduler::ProgramVariables& variables);

// The date-list fills. Each reads the clock itself; the day list is not cleared first.
void FillYearList(scheduler::Controls& controls, scheduler::Services& services);
void FillMonthList(scheduler::Controls& controls, scheduler::Services& services);
void FillDayList(scheduler::Controls& controls, scheduler::Services& services);
void FillHourList(scheduler::Controls& controls, scheduler::Services& services);
void FillMinuteList(scheduler::Controls& controls, scheduler::Services& services);
void FillSecondList(scheduler::Controls& controls, scheduler::Services& services);

// An item chosen from the month list: the day list is rebuilt for the year and month shown now.
void OnMonthChosen(scheduler::Controls& controls, scheduler::Services& services);

// The clock tick: the current time as text, kept as the current-time text and shown in its label.
void OnClockTick(scheduler::Controls& controls, scheduler::Services& services,
                 scheduler::ProgramVariables& variables);

}  // namespace ui
