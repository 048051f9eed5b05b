// The simulated platform is only worth its tests if it behaves like the real one: timer periods,
// nested dispatch, the clock, radio groups and list selection.
#include <vector>

#include "tests/scheduler/program_fixture.h"

namespace sim {
namespace {

// Records the ticks (timer and virtual time) and can run a handler on a tick.
class TickLog final : public ui::EventSink {
  public:
    explicit TickLog(Simulation& s) : sim_(s) {}
    void OnCreated() override {}
    void OnDestroy() override {}
    void OnEvent(C id, ui::EventKind kind) override {
        if (kind != ui::EventKind::Tick) return;
        ticks.push_back({id, sim_.clock.NowMs()});
        if (onTick) onTick(id);
    }
    void OnFilesReceived(std::string_view) override {}

    struct Tick {
        C id;
        int64_t atMs;
        friend bool operator==(const Tick& a, const Tick& b) { return a.id == b.id && a.atMs == b.atMs; }
    };
    std::vector<Tick> ticks;
    std::function<void(C)> onTick;

  private:
    Simulation& sim_;
};

std::vector<int64_t> TimesOf(const std::vector<TickLog::Tick>& ticks, C id) {
    std::vector<int64_t> times;
    for (const TickLog::Tick& t : ticks) {
        if (t.id == id) times.push_back(t.atMs);
    }
    return times;
}

class SimulatedPlatformTest : public ::testing::Test {
  protected:
    SimulatedPlatformTest() : sim_(Moment(2011, 12, 27, 16, 56, 7)), log_(sim_) {
        sim_.SetSink(&log_);
        sim_.StartProgram();  // all three timers armed at 0 ms with 1000
    }
    Simulation sim_;
    TickLog log_;
};

TEST_F(SimulatedPlatformTest, PeriodWritesFollowTheTimerRules) {
    const struct {
        const char* name;
        int32_t period;  // written at 500 ms to the clock timer running with 1000
        std::vector<int64_t> ticks;
    } cases[] = {
        {"stop value", scheduler::kTimerStop, {}},
        {"other stop value", scheduler::kTimerStopAlt, {}},
        {"zero", 0, {}},
        {"same period keeps its phase", 1000, {1000, 2000, 3000}},
        {"new period restarts", 700, {1200, 1900, 2600}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Simulation s(Moment(2011, 12, 27, 16, 56, 7));
        TickLog log(s);
        s.SetSink(&log);
        s.StartProgram();
        s.Advance(500);
        s.controls.SetPeriod(C::时钟1, c.period);
        s.Advance(2600);
        EXPECT_EQ(TimesOf(log.ticks, C::时钟1), c.ticks);
        EXPECT_EQ(s.controls.Period(C::时钟1), c.period < 0 ? 0 : c.period);
    }
}

TEST_F(SimulatedPlatformTest, StoppedTimerStartsOnePeriodAfterTheWrite) {
    sim_.controls.SetPeriod(C::时钟_倒计时, scheduler::kTimerStop);
    sim_.Advance(1500);
    sim_.controls.SetPeriod(C::时钟_倒计时, scheduler::kTimerStop);  // stopped stays stopped
    sim_.controls.SetPeriod(C::时钟_倒计时, 1000);
    sim_.Advance(2000);
    EXPECT_EQ(TimesOf(log_.ticks, C::时钟_倒计时), (std::vector<int64_t>{2500, 3500}));
}

TEST_F(SimulatedPlatformTest, BusyThreadGetsOneTickNotOnePerPeriod) {
    sim_.Busy(3500);
    sim_.Advance(1000);
    EXPECT_EQ(TimesOf(log_.ticks, C::时钟1), (std::vector<int64_t>{3500, 4000}));
}

TEST_F(SimulatedPlatformTest, WaitsDispatchDueTicksNestedInTimeOrder) {
    sim_.controls.SetPeriod(C::时钟_倒计时, 0);
    sim_.controls.SetPeriod(C::时钟_定时关机, 0);
    int depth = 0;
    std::vector<int> depths;
    log_.onTick = [&](C) {
        depths.push_back(depth);
        if (depth > 0) return;
        ++depth;
        sim_.services().WaitProcessingEvents(0);  // returns at once, dispatching nothing
        sim_.services().WaitProcessingEvents(2000);
        --depth;
    };
    sim_.Advance(1000);
    EXPECT_EQ(TimesOf(log_.ticks, C::时钟1), (std::vector<int64_t>{1000, 2000, 3000}));
    EXPECT_EQ(depths, (std::vector<int>{0, 1, 1}));
    EXPECT_EQ(sim_.clock.NowMs(), 3001);  // the wait lasted strictly more than 2000 ms
}

TEST_F(SimulatedPlatformTest, WallClockTruncatesToTheSecondAndCanGoBack) {
    Simulation s(Moment(2011, 12, 27, 23, 59, 59), 999);
    EXPECT_TRUE(core::SameSecond(s.clock.CurrentTime(), Moment(2011, 12, 27, 23, 59, 59)));
    s.clock.Advance(1);
    EXPECT_EQ(s.clock.CurrentTime(), Moment(2011, 12, 28, 0, 0, 0));  // bit for bit, as the real clock
    s.clock.SetWallClock(Moment(2011, 12, 27, 12, 0, 0));
    EXPECT_EQ(s.clock.CurrentTime(), Moment(2011, 12, 27, 12, 0, 0));
    EXPECT_EQ(s.clock.NowMs(), 1);  // timers' time never goes back
}

TEST_F(SimulatedPlatformTest, RadioGroupsByParentAndSelectionClamping) {
    ASSERT_TRUE(sim_.Click(C::单选框_运行文件));
    EXPECT_TRUE(sim_.controls.Checked(C::单选框_运行文件));
    EXPECT_FALSE(sim_.controls.Checked(C::单选框_关闭计算机));
    EXPECT_TRUE(sim_.controls.Checked(C::单选框_定时));  // another group
    ASSERT_FALSE(sim_.Click(C::选择框_弹出信息框));      // disabled: the user cannot click it

    SimControls& c = sim_.controls;
    for (int32_t day = 1; day <= 30; ++day) c.AddItem(C::组合框_日, std::to_string(day), day);
    c.SetSelectedItem(C::组合框_日, 40);
    EXPECT_EQ(c.SelectedItem(C::组合框_日), 29);
    EXPECT_EQ(c.GetText(C::组合框_日), "30");
    c.SetSelectedItem(C::组合框_日, -2);
    EXPECT_EQ(c.SelectedItem(C::组合框_日), -1);
    EXPECT_EQ(c.GetText(C::组合框_日), "");
    c.Clear(C::组合框_日);
    c.SetSelectedItem(C::组合框_日, 0);
    EXPECT_EQ(c.SelectedItem(C::组合框_日), -1);
    EXPECT_EQ(c.GetText(C::组合框_倒计时提示), "60秒");  // a drop-down list shows its selected item
}

}  // namespace
}  // namespace sim
