#pragma once

#include <string_view>

#include "scheduler/controls.h"
#include "scheduler/program_variables.h"
#include "scheduler/schedule.h"
#include "scheduler/services.h"
#include "ui/event_sink.h"
#include "ui/shell.h"

namespace ui {

// The program's handlers behind the window runtime: routes each control event to its handler.
// Used alike by the real program and by the simulated platform in tests.
class App : public EventSink {
  public:
    App(scheduler::Controls& controls, scheduler::Services& services, Shell& shell,
        scheduler::ProgramVariables& variables);

    void OnCreated() override;
    void OnDestroy() override;
    void OnEvent(ControlId id, EventKind kind) override;
    void OnFilesReceived(std::string_view text) override;

  private:
    scheduler::Controls& controls_;
    scheduler::Services& services_;
    Shell& shell_;
    scheduler::ProgramVariables& variables_;
    scheduler::Schedule schedule_;  // start, stop, cancel, threshold and the two schedule ticks
};

}  // namespace ui
