// The jitter experiment: thousands of countdown schedules on the simulated platform, each execution-
// timer interval 1000 to 1016 ms (a tick fires on the next clock interrupt after its period), each
// schedule started at a random point of the wall-clock second. Counts how often the task (a message
// box) is carried out exactly once with the late-tick grace, and with the same-second test alone.
// With --check the exit code is 1 when the grace ever misses or repeats a task.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "core/datetime.h"
#include "scheduler/schedule.h"
#include "tests/sim/simulation.h"

namespace {

using scheduler::ControlId;

constexpr uint32_t kSeed = 20111227;

// The program's handlers, but the schedule's with a late-tick grace of its own.
class ExecutionRule final : public ui::EventSink {
  public:
    ExecutionRule(sim::Simulation& simulation, int32_t graceSeconds)
        : app_(simulation.app()),
          schedule_(simulation.controls, simulation.services(), simulation.variables) {
        schedule_.SetRunGrace(graceSeconds);
    }
    void OnCreated() override { app_.OnCreated(); }
    void OnDestroy() override { app_.OnDestroy(); }
    void OnEvent(ControlId id, ui::EventKind kind) override {
        if (id == ControlId::按钮_启动 && kind == ui::EventKind::Clicked) return schedule_.Start();
        if (id == ControlId::时钟_倒计时 && kind == ui::EventKind::Tick) return schedule_.CountdownTick();
        if (id == ControlId::时钟_定时关机 && kind == ui::EventKind::Tick) return schedule_.ExecutionTick();
        app_.OnEvent(id, kind);
    }
    void OnFilesReceived(std::string_view text) override { app_.OnFilesReceived(text); }

  private:
    ui::App& app_;
    scheduler::Schedule schedule_;
};

struct Tally {
    int once = 0;
    int missed = 0;
    int repeated = 0;
};

// One schedule: `countdownSeconds` ahead, started `phaseMs` into a wall-clock second.
int RunsOfOneSchedule(std::mt19937& random, int32_t graceSeconds, int32_t countdownSeconds, int32_t phaseMs) {
    const core::DateTime start = *core::DateTimeFromFields(2011, 12, 27, 16, 56, 7);
    sim::Simulation simulation(start, 0);
    ExecutionRule rule(simulation, graceSeconds);
    simulation.SetSink(&rule);
    std::uniform_int_distribution<int32_t> lateness(0, 16);
    simulation.controls.SetJitter([&](ControlId) { return lateness(random); });
    simulation.SetMessageBoxUser([](sim::Simulation& s) { s.Advance(500); });

    simulation.StartProgram();
    simulation.Click(ControlId::单选框_倒计时);
    simulation.Click(ControlId::单选框1);
    simulation.Click(ControlId::选择框_弹出信息框);
    simulation.Type(ControlId::编辑框_秒, std::to_string(countdownSeconds));
    simulation.Advance(1000 - simulation.clock.MillisecondsIntoSecond() + phaseMs);
    simulation.Click(ControlId::按钮_启动);
    simulation.Advance((countdownSeconds + 10) * 1000);
    return simulation.Count(sim::ServiceCall::Kind::MessageBox);
}

Tally RunAll(int schedules, int32_t graceSeconds) {
    std::mt19937 random(kSeed);  // the same schedules and the same jitter for both rules
    std::uniform_int_distribution<int32_t> length(5, 120);
    std::uniform_int_distribution<int32_t> phase(0, 999);
    Tally tally;
    for (int i = 0; i < schedules; ++i) {
        const int32_t seconds = length(random);
        const int32_t phaseMs = phase(random);
        const int runs = RunsOfOneSchedule(random, graceSeconds, seconds, phaseMs);
        if (runs == 1) ++tally.once;
        if (runs == 0) ++tally.missed;
        if (runs > 1) ++tally.repeated;
    }
    return tally;
}

void Print(const char* rule, const Tally& tally, int schedules) {
    std::printf("%-34s ran once %5d, missed %5d (%.2f%%), ran twice or more %d\n", rule, tally.once,
                tally.missed, 100.0 * tally.missed / schedules, tally.repeated);
}

}  // namespace

// Usage: jitter_bench [--check] [schedules]; 10000 schedules unless given.
int main(int argc, char** argv) {
    bool check = false;
    int schedules = 10000;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check") == 0) {
            check = true;
        } else if (std::atoi(argv[i]) > 0) {
            schedules = std::atoi(argv[i]);
        }
    }
    std::printf(
        "%d countdown schedules of 5 to 120 s, tick intervals 1000 to 1016 ms, random phase, seed %u\n",
        schedules, static_cast<unsigned>(kSeed));
    const Tally mended = RunAll(schedules, scheduler::kRunGraceSeconds);
    const Tally sameSecond = RunAll(schedules, 0);
    char label[64];
    std::snprintf(label, sizeof label,
                  "grace of %d s after the target:", static_cast<int>(scheduler::kRunGraceSeconds));
    Print(label, mended, schedules);
    Print("same second only:", sameSecond, schedules);
    if (check && mended.once != schedules) {
        std::printf("FAIL: with the grace not every task ran exactly once\n");
        return 1;
    }
    return 0;
}
