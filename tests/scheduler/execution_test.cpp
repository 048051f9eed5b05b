#include <string>
#include <vector>

#include "core/convert.h"
#include "tests/scheduler/program_fixture.h"

namespace sim {
namespace {

class ExecutionTest : public ProgramTest {
  protected:
    // The services asked for, beeps left out: "session 1", "box <text>", "launch <command line>".
    std::vector<std::string> Tasks() {
        std::vector<std::string> tasks;
        for (const ServiceCall& call : sim().calls) {
            switch (call.kind) {
                case ServiceCall::Kind::SessionAction:
                    tasks.push_back("session " + std::to_string(call.action) +
                                    (call.force ? "" : " unforced"));
                    break;
                case ServiceCall::Kind::MessageBox:
                    tasks.push_back("box " + call.text);
                    break;
                case ServiceCall::Kind::Launch:
                    tasks.push_back("launch " + call.text);
                    break;
                case ServiceCall::Kind::Beep:
                    break;
            }
        }
        return tasks;
    }
    core::DateTime Target() { return sim().variables.targetTime; }
};

// Both modes aim at 16:56:13, five seconds after the start at 16:56:08.
TEST_F(ExecutionTest, BothModesCarryOutTheTaskAtTheTargetSecondThenIdle) {
    for (bool countdown : {true, false}) {
        SCOPED_TRACE(countdown ? "countdown" : "absolute");
        Launch(Moment(2011, 12, 27, 16, 56, 7));
        ChooseMessageTask("下班了");
        if (countdown) {
            StartCountdown(0, 0, 5);
        } else {
            ASSERT_TRUE(sim().Choose(C::组合框_秒, 13));
            ASSERT_TRUE(sim().Click(C::按钮_启动));
        }
        sim().Advance(4000);
        EXPECT_EQ(Boxes(), 0);
        EXPECT_TRUE(WarningShown());
        sim().Advance(1000);
        ASSERT_EQ(Boxes(), 1);
        const ServiceCall& box = sim().calls.back();
        EXPECT_EQ(box.text, "下班了");
        EXPECT_EQ(box.caption, "禾舟定时关机1.0");
        EXPECT_TRUE(core::SameSecond(box.at, Moment(2011, 12, 27, 16, 56, 13)));
        EXPECT_FALSE(WarningShown());
        EXPECT_TRUE(Idle());
        EXPECT_EQ(Line(), "");
        sim().Advance(10000);
        EXPECT_EQ(Boxes(), 1);
    }
}

TEST_F(ExecutionTest, ChosenActionsInOrder) {
    const struct {
        const char* name;
        std::vector<C> clicks;
        const char* dropped;  // a file dropped on the path box after the clicks, or null
        std::vector<std::string> tasks;
    } cases[] = {
        {"shut down", {}, nullptr, {"session 1"}},
        {"restart", {C::单选框_重启计算机}, nullptr, {"session 2"}},
        {"log off", {C::单选框_注销计算机}, nullptr, {"session 3"}},
        {"run file", {C::单选框_运行文件}, "C:\\tool.exe", {"launch C:\\tool.exe"}},
        {"message then file",
         {C::单选框_运行文件, C::选择框_弹出信息框},
         "C:\\tool.exe",
         {"box 自定义信息框内容", "launch C:\\tool.exe"}},
        {"message only, unchecked", {C::单选框1}, nullptr, {}},
        {"shut down keeps the check mark",
         {C::单选框1, C::选择框_弹出信息框, C::单选框_关闭计算机},
         nullptr,
         {"session 1", "box 自定义信息框内容"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Launch(Moment(2011, 12, 27, 16, 56, 7));
        for (C click : c.clicks) ASSERT_TRUE(sim().Click(click));
        if (c.dropped != nullptr) {
            ASSERT_TRUE(sim().DropFiles(c.dropped));
        }
        StartCountdown(0, 0, 3);
        sim().Advance(10000);
        EXPECT_EQ(Tasks(), c.tasks);
        EXPECT_TRUE(Idle());
    }
}

// Stop pressed during the first wait of the target second comes too late to prevent the task.
TEST_F(ExecutionTest, StopInsideTheFirstWaitStillCarriesOutTheTask) {
    ChooseMessageTask("m");
    StartCountdown(0, 0, 5);  // execution ticks at 2001, 3001, ... ms; the target tick at 6001
    bool stopped = false;
    sim().At(6101, [&] { stopped = sim().Click(C::按钮_中止); });
    sim().Advance(10000);
    EXPECT_TRUE(stopped);
    EXPECT_EQ(Boxes(), 1);
    EXPECT_TRUE(Idle());
}

// The message box's loop goes on dispatching ticks: the clock keeps running, and execution ticks
// within the late-tick grace do not carry the task out again.
TEST_F(ExecutionTest, TicksNestedInTheMessageBoxRunTheTaskOnce) {
    ChooseMessageTask("m");
    StartCountdown(0, 0, 3);
    std::vector<core::Text> clockLines;
    bool clickedDuringBox = true;
    sim().SetMessageBoxUser([&](Simulation& s) {
        for (int i = 0; i < 5; ++i) {
            s.Advance(1000);
            clockLines.push_back(s.controls.Caption(C::标签_当前时间));
        }
        clickedDuringBox = s.Click(C::按钮_中止);  // task-modal: the main window takes no input
    });
    sim().Advance(12000);
    EXPECT_EQ(Boxes(), 1);
    EXPECT_FALSE(clickedDuringBox);
    ASSERT_EQ(clockLines.size(), 5u);
    EXPECT_EQ(clockLines.front(), "当前电脑时间：2011年12月27日16时56分12秒");
    EXPECT_EQ(clockLines.back(), "当前电脑时间：2011年12月27日16时56分16秒");
    EXPECT_TRUE(Idle());
}

// Execution ticks at 16:56:10.990, 16:56:12.006: none in the target second 16:56:11.
TEST_F(ExecutionTest, TickThatMissesTheTargetSecondRunsTheTaskOneSecondLate) {
    ChooseMessageTask("m");
    sim().controls.SetJitter([](C timer) { return timer == C::时钟_定时关机 ? 16 : 0; });
    sim().Advance(2489);  // 16:56:10.990
    StartCountdown(0, 0, 1);
    sim().Advance(5000);
    ASSERT_EQ(Boxes(), 1);
    EXPECT_TRUE(core::SameSecond(sim().calls.back().at, Moment(2011, 12, 27, 16, 56, 12)));
    EXPECT_TRUE(Idle());
}

TEST_F(ExecutionTest, BusyThreadAcrossTheTargetRunsLateWithinTheGraceOnly) {
    const struct {
        const char* name;
        int64_t busyMs;
        int boxes;
    } cases[] = {
        {"held 2.5 s (a launch and more)", 2500, 1},
        {"asleep 6 s", 6000, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Launch(Moment(2011, 12, 27, 16, 56, 7));
        ChooseMessageTask("m");
        StartCountdown(0, 0, 3);  // target 16:56:11, ticks at .501
        sim().Advance(2000);      // 16:56:10.501, one second left
        sim().Busy(c.busyMs);
        sim().Advance(20000);
        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_EQ(Pending(), c.boxes == 0);  // a missed target stays pending until stopped
    }
}

TEST_F(ExecutionTest, ClockJumpedAheadThenSetBackOverTheTargetRunsOnce) {
    ChooseMessageTask("m");
    StartCountdown(0, 0, 30);  // target 16:56:38
    sim().Advance(5000);
    auto shiftClock = [&](int32_t seconds) {
        sim().clock.SetWallClock(
            core::AddToDateTime(sim().clock.CurrentTime(), core::TimeUnit::Second, seconds),
            sim().clock.MillisecondsIntoSecond());
    };
    shiftClock(60);  // past the target by far more than the grace
    sim().Advance(10000);
    EXPECT_EQ(Boxes(), 0);
    EXPECT_TRUE(Pending());
    EXPECT_EQ(Line(), "");
    shiftClock(-60);  // 16:56:28: the target second comes again
    sim().Advance(15000);
    EXPECT_EQ(Boxes(), 1);
    EXPECT_TRUE(Idle());
    shiftClock(-20);  // after the run the schedule is idle: nothing runs again
    sim().Advance(30000);
    EXPECT_EQ(Boxes(), 1);
}

// The lists still show the start-up second: the target is already past when start is pressed.
TEST_F(ExecutionTest, TargetInThePastIsNeverCarriedOutAndStaysPending) {
    ChooseMessageTask("m");
    ASSERT_TRUE(sim().Click(C::按钮_启动));
    EXPECT_EQ(controls().Caption(C::标签_关机时间), "设定操作时间：2011年12月27日16时56分7秒");
    sim().Advance(30000);
    EXPECT_EQ(Boxes(), 0);
    EXPECT_EQ(Beeps(), 0);
    EXPECT_FALSE(WarningShown());
    EXPECT_EQ(Line(), "");
    EXPECT_TRUE(Pending());
    EXPECT_EQ(controls().Period(C::时钟_倒计时), 0);
}

TEST_F(ExecutionTest, CountdownOfZeroIsNeverCarriedOut) {
    ChooseMessageTask("m");
    StartCountdown(0, 0, 0);
    sim().Advance(30000);
    EXPECT_EQ(Boxes(), 0);
    EXPECT_TRUE(Pending());
}

}  // namespace
}  // namespace sim
