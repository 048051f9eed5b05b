#include "core/datetime_text.h"
#include "tests/scheduler/program_fixture.h"

namespace sim {
namespace {

using StartStopTest = ProgramTest;

TEST_F(StartStopTest, CountdownStartSetsTargetLineButtonsAndBothTimers) {
    StartCountdown(0, 1, 30);  // at 16:56:08
    EXPECT_TRUE(core::SameSecond(sim().variables.targetTime, Moment(2011, 12, 27, 16, 57, 38)));
    EXPECT_EQ(controls().Caption(C::标签_关机时间), "设定操作时间：2011年12月27日16时57分38秒");
    EXPECT_TRUE(Pending());
    EXPECT_EQ(controls().Period(C::时钟_倒计时), 1000);
    EXPECT_EQ(Line(), "");  // nothing until the first countdown tick
    sim().Advance(1000);
    EXPECT_EQ(Line(), "1分29秒 执行任务");
}

TEST_F(StartStopTest, CountdownBoxesAddHoursMinutesAndSecondsIncludingNegativeAndEmpty) {
    ASSERT_TRUE(sim().Click(C::单选框_倒计时));
    ASSERT_TRUE(sim().Type(C::编辑框_时, "25"));
    ASSERT_TRUE(sim().Type(C::编辑框_分, ""));
    ASSERT_TRUE(sim().Type(C::编辑框_秒, "-5"));
    ASSERT_TRUE(sim().Click(C::按钮_启动));
    EXPECT_TRUE(core::SameSecond(sim().variables.targetTime, Moment(2011, 12, 28, 17, 56, 3)));
}

TEST_F(StartStopTest, AbsoluteStartJoinsTheListTexts) {
    ASSERT_TRUE(sim().Choose(C::组合框_时, 18));
    ASSERT_TRUE(sim().Type(C::组合框_分, "5分"));  // typed into the editable field
    ASSERT_TRUE(sim().Click(C::按钮_启动));
    EXPECT_TRUE(core::SameSecond(sim().variables.targetTime, Moment(2011, 12, 27, 18, 5, 7)));
    EXPECT_EQ(controls().Caption(C::标签_关机时间), "设定操作时间：2011年12月27日18时5分7秒");
}

// Stop and the warning window's cancel end a pending schedule the same way.
TEST_F(StartStopTest, StopAndCancelReturnToIdleKeepingTheTargetLine) {
    for (C button : {C::按钮_中止, C::按钮_取消任务}) {
        SCOPED_TRACE(std::string(scheduler::ControlName(button)));
        Launch(Moment(2011, 12, 27, 16, 56, 7));
        StartCountdown(0, 0, 40);
        sim().Advance(5000);
        ASSERT_EQ(Line(), "35秒 执行任务");
        ASSERT_TRUE(WarningShown());
        ASSERT_TRUE(sim().Click(button));
        EXPECT_TRUE(Idle());
        EXPECT_FALSE(WarningShown());
        EXPECT_EQ(Line(), "");
        EXPECT_EQ(controls().Caption(C::标签_关机时间), "设定操作时间：2011年12月27日16时56分48秒");
        EXPECT_TRUE(core::SameSecond(sim().variables.targetTime, sim().clock.CurrentTime()));
        sim().Advance(60000);
        EXPECT_EQ(sim().calls.size(), static_cast<size_t>(Beeps()));  // no task was carried out
    }
}

TEST_F(StartStopTest, ThresholdChangesOnlyOnSetAndSurvivesStop) {
    ASSERT_TRUE(sim().Choose(C::组合框_倒计时提示, 50));  // "10秒"
    EXPECT_EQ(sim().variables.warningThreshold, 60);
    ASSERT_TRUE(sim().Click(C::按钮_倒计时提示设置));
    EXPECT_EQ(sim().variables.warningThreshold, 10);
    StartCountdown(0, 0, 30);
    ASSERT_TRUE(sim().Click(C::按钮_中止));
    EXPECT_EQ(sim().variables.warningThreshold, 10);
}

}  // namespace
}  // namespace sim
