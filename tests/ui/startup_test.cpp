#include <string>
#include <vector>

#include "core/datetime_text.h"
#include "tests/scheduler/program_fixture.h"

namespace sim {
namespace {

using StartupTest = ProgramTest;

std::vector<core::Text> Numbered(int32_t first, int32_t last, const char* unit) {
    std::vector<core::Text> items;
    for (int32_t i = first; i <= last; ++i) items.push_back(std::to_string(i) + unit);
    return items;
}

// Started at 2011-12-27 16:56:07.500: the lists are filled at 16:56:07, the clock ticks at 16:56:08.500
// during the start-up wait.
TEST_F(StartupTest, CreatedHandlerFillsListsAndSetsTheInitialSchedule) {
    const struct {
        C list;
        std::vector<core::Text> items;
        int32_t selected;
    } lists[] = {
        {C::组合框_年, {"2011年", "2012年"}, 0},   {C::组合框_月, Numbered(1, 12, "月"), 11},
        {C::组合框_日, Numbered(1, 31, "日"), 26}, {C::组合框_时, Numbered(0, 23, "时"), 16},
        {C::组合框_分, Numbered(0, 59, "分"), 56}, {C::组合框_秒, Numbered(0, 59, "秒"), 7},
    };
    for (const auto& l : lists) {
        SCOPED_TRACE(std::string(scheduler::ControlName(l.list)));
        EXPECT_EQ(controls().Items(l.list), l.items);
        EXPECT_EQ(controls().SelectedItem(l.list), l.selected);
    }
    EXPECT_EQ(controls().GetText(C::组合框_日), "27日");  // the editable field shows the chosen item

    EXPECT_EQ(controls().Caption(C::标签_当前时间), "当前电脑时间：2011年12月27日16时56分8秒");
    EXPECT_EQ(controls().Caption(C::标签_关机时间), "设定操作时间：2011年12月27日16时56分8秒");
    EXPECT_EQ(sim().variables.targetTime, Moment(2011, 12, 27, 16, 56, 8));
    EXPECT_EQ(sim().variables.warningThreshold, 60);
    EXPECT_EQ(controls().Period(C::时钟_倒计时), 0);
    EXPECT_EQ(controls().Period(C::时钟_定时关机), 0);
    EXPECT_EQ(controls().Period(C::时钟1), 1000);
    EXPECT_TRUE(sim().shell.customLook);
    EXPECT_EQ(sim().shell.warningLoads, 1);
    EXPECT_TRUE(controls().Visible(C::MainWindow));
    EXPECT_FALSE(controls().Visible(C::WarningWindow));

    sim().Advance(1000);
    EXPECT_EQ(controls().Caption(C::标签_当前时间), "当前电脑时间：2011年12月27日16时56分9秒");
    EXPECT_EQ(controls().Caption(C::标签_关机时间), "设定操作时间：2011年12月27日16时56分8秒");
}

TEST_F(StartupTest, StartWithoutAClockTickLeavesTheRangeMinimum) {
    Simulation s(Moment(2011, 12, 27, 16, 56, 7), 500);
    s.controls.SetJitter([](C timer) { return timer == C::时钟1 ? 5 : 0; });  // first tick after the wait
    s.StartProgram();
    s.controls.SetJitter(nullptr);
    EXPECT_EQ(s.controls.Caption(C::标签_关机时间), "设定操作时间：");
    EXPECT_EQ(s.variables.targetTime, core::kDateTimeMin);
    EXPECT_EQ(s.controls.Caption(C::标签_当前时间), "");
    s.Advance(10);
    EXPECT_EQ(s.controls.Caption(C::标签_当前时间), "当前电脑时间：2011年12月27日16时56分8秒");
}

TEST_F(StartupTest, MonthChosenRebuildsTheDaysWithTodaysDayClamped) {
    const struct {
        const char* name;
        int32_t month;  // 1..12
        size_t days;
        const char* selected;
    } cases[] = {
        {"April", 4, 30, "30日"},
        {"February of a leap year", 2, 29, "29日"},
        {"the month shown", 5, 31, "31日"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Launch(Moment(2012, 5, 31, 10, 0, 0));
        ASSERT_TRUE(sim().Choose(C::组合框_日, 3));
        ASSERT_TRUE(sim().Choose(C::组合框_月, c.month - 1));
        EXPECT_EQ(controls().Items(C::组合框_日).size(), c.days);
        EXPECT_EQ(controls().GetText(C::组合框_日), c.selected);
    }
}

TEST_F(StartupTest, YearSwitchAloneDoesNotRebuildTheDays) {
    Launch(Moment(2011, 2, 10, 9, 0, 0));
    ASSERT_TRUE(sim().Choose(C::组合框_月, 1));
    ASSERT_EQ(controls().Items(C::组合框_日).size(), 28u);
    ASSERT_TRUE(sim().Choose(C::组合框_年, 1));  // "2012年", a leap year
    EXPECT_EQ(controls().GetText(C::组合框_年), "2012年");
    EXPECT_EQ(controls().Items(C::组合框_日).size(), 28u);
    ASSERT_TRUE(sim().Choose(C::组合框_月, 1));
    EXPECT_EQ(controls().Items(C::组合框_日).size(), 29u);
}

TEST_F(StartupTest, ClosingDestroysTheWarningWindowAndWithdrawsTheDropTarget) {
    ASSERT_TRUE(sim().Click(C::单选框_运行文件));
    ASSERT_EQ(sim().shell.dropTarget, C::编辑框_文件路径);
    sim().CloseProgram();
    EXPECT_EQ(sim().shell.destroyRequests, std::vector<C>{C::WarningWindow});
    EXPECT_EQ(sim().shell.dropTarget, C::None);
}

}  // namespace
}  // namespace sim
