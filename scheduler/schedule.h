#pragma once

#include <cstdint>

#include "scheduler/controls.h"
#include "scheduler/program_variables.h"
#include "scheduler/run_rule.h"
#include "scheduler/services.h"

namespace scheduler {

// The schedule's handlers: start, stop, cancel, set threshold, and the ticks of the countdown timer
// and the execution timer. They see the program only through the controls, the program variables
// and the services.
class Schedule {
  public:
    Schedule(Controls& controls, Services& services, ProgramVariables& variables)
        : controls_(controls), services_(services), variables_(variables) {}

    void Start();
    void Stop();
    void Cancel();
    void SetThreshold();
    void CountdownTick();
    void ExecutionTick();

    // Seconds after the target second within which a late execution tick still carries out the task;
    // 0 leaves only the target second itself.
    void SetRunGrace(int32_t seconds) { runGraceSeconds_ = seconds; }

  private:
    void ShowTargetLine();
    void CarryOutActions();
    void ReturnToIdle();

    Controls& controls_;
    Services& services_;
    ProgramVariables& variables_;
    int32_t runGraceSeconds_ = kRunGraceSeconds;
    // Whether the target second still lay ahead when the schedule was started. Only then can a tick
    // have missed it; a target already due or past at start is never carried out late.
    bool targetAheadAtStart_ = false;
    // Set while the task is being carried out: its waits and its message box dispatch ticks of the
    // execution timer, and such a nested tick must not carry the task out a second time.
    bool taskInProgress_ = false;
};

}  // namespace scheduler
