// Timer controls over the real operating-system timers.
#include "runtime_fixture.h"

namespace runtime_test {
namespace {

class TimerTest : public RuntimeTest {};

TEST_F(TimerTest, StopValuesAndZeroStopARunningTimer) {
    const ControlId timers[] = {ControlId::时钟1, ControlId::时钟_倒计时, ControlId::时钟_定时关机};
    const int32_t stops[] = {scheduler::kTimerStop, scheduler::kTimerStopAlt, 0};
    for (ControlId timer : timers) runtime->SetPeriod(timer, 1000);
    const double start = NowMs();
    for (size_t i = 0; i < 3; ++i) {
        runtime->SetPeriod(timers[i], stops[i]);
        EXPECT_EQ(runtime->Period(timers[i]), 0) << i;
        runtime->SetPeriod(timers[i], stops[i]);  // again, on a stopped timer: nothing changes
        EXPECT_EQ(runtime->Period(timers[i]), 0) << i;
    }
    PumpUntil([] { return false; }, 1300);
    for (ControlId timer : timers)
        EXPECT_TRUE(sink.Ticks(timer, start).empty()) << scheduler::ControlName(timer);
}

TEST_F(TimerTest, FirstTickComesOnePeriodAfterStarting) {
    const double start = NowMs();
    runtime->SetPeriod(ControlId::时钟1, 1000);
    EXPECT_EQ(runtime->Period(ControlId::时钟1), 1000);
    ASSERT_TRUE(PumpUntil([&] { return !sink.Ticks(ControlId::时钟1).empty(); }, 3000));
    const double delay = sink.Ticks(ControlId::时钟1)[0] - start;
    EXPECT_GE(delay, 900);
    EXPECT_LT(delay, 1400);
}

TEST_F(TimerTest, WritingTheSamePeriodKeepsThePhase) {
    const double start = NowMs();
    runtime->SetPeriod(ControlId::时钟_倒计时, 1000);
    PumpUntil([] { return false; }, 600);
    runtime->SetPeriod(ControlId::时钟_倒计时, 1000);  // a restart would put the tick at 1600 ms
    ASSERT_TRUE(PumpUntil([&] { return !sink.Ticks(ControlId::时钟_倒计时).empty(); }, 3000));
    EXPECT_LT(sink.Ticks(ControlId::时钟_倒计时)[0] - start, 1400);
}

TEST_F(TimerTest, ANewPeriodRestartsTheTimer) {
    runtime->SetPeriod(ControlId::时钟_定时关机, 1000);
    PumpUntil([] { return false; }, 700);
    const double rewritten = NowMs();
    runtime->SetPeriod(ControlId::时钟_定时关机, 500);
    EXPECT_EQ(runtime->Period(ControlId::时钟_定时关机), 500);
    ASSERT_TRUE(PumpUntil([&] { return !sink.Ticks(ControlId::时钟_定时关机).empty(); }, 3000));
    const double delay = sink.Ticks(ControlId::时钟_定时关机)[0] - rewritten;
    EXPECT_GE(delay, 400);  // no tick at the old phase (300 ms after the write)
    EXPECT_LT(delay, 900);
}

TEST_F(TimerTest, ABusyThreadGetsOneTickNotThree) {
    runtime->SetPeriod(ControlId::时钟1, 1000);
    const double start = NowMs();
    Sleep(3500);  // the thread is busy: three periods pass without a look at the queue
    platform::WaitProcessingEvents(300);
    EXPECT_EQ(sink.Ticks(ControlId::时钟1, start).size(), 1u);
}

}  // namespace
}  // namespace runtime_test
