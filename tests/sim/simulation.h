#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "scheduler/program_variables.h"
#include "scheduler/services.h"
#include "tests/sim/sim_controls.h"
#include "tests/sim/sim_shell.h"
#include "tests/sim/virtual_clock.h"
#include "ui/app.h"
#include "ui/event_sink.h"

namespace sim {

// A service the program asked for, in the order asked.
struct ServiceCall {
    enum class Kind { SessionAction, Launch, MessageBox, Beep };
    Kind kind = Kind::Beep;
    int32_t action = 0;       // SessionAction
    bool force = false;       // SessionAction
    core::Text text;          // Launch: the command line; MessageBox: the message
    core::Text caption;       // MessageBox
    core::DateTime at = 0.0;  // the wall clock's second when asked
};

// The program on a simulated platform: its real handlers (ui::App) over in-memory controls, a virtual
// clock and timers, and recorded services. Time passes only when the test (or the program, in a wait,
// a message box or a busy launch) makes it pass; due ticks are dispatched in time order, nested
// inside waits and message boxes as the real event loop does.
class Simulation {
  public:
    // The wall clock starts at `wallClock` (a whole second) plus `millisecondsIntoSecond`.
    explicit Simulation(core::DateTime wallClock, int32_t millisecondsIntoSecond = 0);
    ~Simulation();

    // Creates the main window: its timers start, the created handler runs (with its one-second wait),
    // then the window is shown.
    void StartProgram();
    // Closes the main window: the destroy handler runs.
    void CloseProgram();

    // Lets `milliseconds` pass with the event loop idle, dispatching every tick that falls due.
    void Advance(int64_t milliseconds);
    void RunUntil(int64_t nowMs);
    // Holds the thread for `milliseconds`: time passes and nothing is dispatched.
    void Busy(int64_t milliseconds) { clock.Advance(milliseconds); }

    // What the user does. False (and nothing happens) when the user could not do it: the control or its
    // window is hidden or disabled, or a task-modal message box is open.
    bool Click(ControlId id);
    bool Choose(ControlId list, int32_t index);
    bool Type(ControlId id, std::string_view text);
    bool DropFiles(std::string_view text);
    // Runs `action` (a user's click, choice or typing) when virtual time reaches `nowMs`, in the event
    // loop running then, nested if a handler is waiting; input goes before ticks due at the same time.
    void At(int64_t nowMs, std::function<void()> action);

    // What the user does while a message box is open, until OK; by default three seconds pass.
    void SetMessageBoxUser(std::function<void(Simulation&)> user) { messageBoxUser_ = std::move(user); }
    // How long a launch holds the thread (waiting for the started program to become idle).
    void SetLaunchBusy(int64_t milliseconds) { launchBusyMs_ = milliseconds; }
    // Routes events to `sink` in place of the program's own handlers (null: back to them).
    void SetSink(ui::EventSink* sink) { sink_ = sink != nullptr ? sink : app_.get(); }
    ui::App& app() { return *app_; }
    scheduler::Services& services();

    int Count(ServiceCall::Kind kind) const;
    bool MessageBoxOpen() const { return modalDepth_ > 0; }

    VirtualClock clock;
    SimControls controls{clock};
    SimShell shell;
    scheduler::ProgramVariables variables;
    std::vector<ServiceCall> calls;

  private:
    class Services;

    struct UserAction {
        int64_t dueMs;
        std::function<void()> action;
    };

    bool UserCanReach(ControlId id) const;
    void Record(ServiceCall::Kind kind, int32_t action = 0, bool force = false, std::string_view text = {},
                std::string_view caption = {});

    std::unique_ptr<Services> services_;
    std::unique_ptr<ui::App> app_;
    ui::EventSink* sink_ = nullptr;
    std::function<void(Simulation&)> messageBoxUser_;
    int64_t launchBusyMs_ = 0;
    int modalDepth_ = 0;
    std::vector<UserAction> userActions_;  // in the order given; the earliest due runs first
};

}  // namespace sim
