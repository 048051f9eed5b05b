#include "core/convert.h"
#include "scheduler/countdown_line.h"
#include "tests/scheduler/program_fixture.h"

namespace sim {
namespace {

using CountdownTest = ProgramTest;

TEST(CountdownLine, HoursMinutesSecondsByRange) {
    const struct {
        int32_t seconds;
        const char* line;
    } cases[] = {
        {90061, "25时1分1秒后执行任务"},
        {63158399, "17543时59分59秒后执行任务"},
        {3601, "1时0分1秒后执行任务"},
        {-5, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seconds);
        EXPECT_EQ(scheduler::CountdownLine(c.seconds), c.line);
    }
}

// The first tick comes one second after start: a countdown of N + 1 seconds shows N there.
TEST_F(CountdownTest, FirstTickShowsTheLineForTheSecondsLeft) {
    const struct {
        int32_t secondsLeft;
        const char* line;
    } cases[] = {
        {3600, "1时0分0秒后执行任务"}, {3599, "59分59秒 执行任务"}, {60, "1分0秒 执行任务"},
        {59, "59秒 执行任务"},         {1, "1秒 执行任务"},         {0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.secondsLeft);
        Launch(Moment(2011, 12, 27, 16, 56, 7));
        StartCountdown(0, 0, c.secondsLeft + 1);
        sim().Advance(1000);
        EXPECT_EQ(Line(), c.line);
        EXPECT_EQ(controls().Period(C::时钟_倒计时), c.secondsLeft > 0 ? 1000 : 0);
    }
}

TEST_F(CountdownTest, WarningBeginsByThresholdAndChoice) {
    const struct {
        const char* name;
        int32_t thresholdItem;  // -1: keep the default 60
        int32_t promptItem;     // 0 "是", 1 "否"
        int32_t firstWarning;   // seconds left at the first warning; 0: never
    } cases[] = {
        {"default threshold", -1, 0, 59},
        {"threshold 10", 50, 0, 10},
        {"no warning", -1, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Launch(Moment(2011, 12, 27, 16, 56, 7));
        if (c.thresholdItem >= 0) {
            ASSERT_TRUE(sim().Choose(C::组合框_倒计时提示, c.thresholdItem));
            ASSERT_TRUE(sim().Click(C::按钮_倒计时提示设置));
        }
        ASSERT_TRUE(sim().Choose(C::组合框_是否提示, c.promptItem));
        StartCountdown(0, 0, 66);
        int32_t first = 0;
        for (int32_t left = 65; left >= 1; --left) {
            sim().Advance(1000);
            if (first == 0 && WarningShown()) {
                first = left;
                EXPECT_EQ(Digits(), core::IntToText(left));  // never the design's "55"
            }
            if (first != 0) {
                EXPECT_EQ(Digits(), core::IntToText(left));
            }
        }
        EXPECT_EQ(first, c.firstWarning);
        EXPECT_EQ(Beeps(), c.firstWarning);  // one beep a tick from the first warning down to 1
    }
}

TEST_F(CountdownTest, TickTwoSecondsLateSkipsAValue) {
    StartCountdown(0, 0, 20);
    sim().Advance(13000);
    ASSERT_EQ(Line(), "7秒 执行任务");
    ASSERT_EQ(Digits(), "7");
    const int beeps = Beeps();
    sim().Busy(1600);  // the thread is held past the next due tick
    sim().Advance(1);
    EXPECT_EQ(Line(), "5秒 执行任务");
    EXPECT_EQ(Digits(), "5");
    EXPECT_EQ(Beeps(), beeps + 1);
}

TEST_F(CountdownTest, LoweringTheThresholdKeepsTheWindowQuietUntilReached) {
    StartCountdown(0, 0, 31);
    sim().Advance(1000);
    ASSERT_EQ(Digits(), "30");
    ASSERT_TRUE(sim().Choose(C::组合框_倒计时提示, 50));
    ASSERT_TRUE(sim().Click(C::按钮_倒计时提示设置));
    const int beeps = Beeps();
    sim().Advance(19000);  // 11 seconds left
    EXPECT_TRUE(WarningShown());
    EXPECT_EQ(Digits(), "30");
    EXPECT_EQ(Beeps(), beeps);
    sim().Advance(1000);
    EXPECT_EQ(Digits(), "10");
}

}  // namespace
}  // namespace sim
