#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/datetime.h"
#include "tests/sim/simulation.h"

namespace sim {

using C = scheduler::ControlId;

inline core::DateTime Moment(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                             int32_t second) {
    return *core::DateTimeFromFields(year, month, day, hour, minute, second);
}

// The program started on the simulated platform at 2011-12-27 16:56:07.500 (or another moment); after
// the start-up second the wall clock reads 16:56:08.501 and the clock ticks at .500 of every second.
class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override { Launch(Moment(2011, 12, 27, 16, 56, 7)); }

    void Launch(core::DateTime start) {
        simulation_ = std::make_unique<Simulation>(start, 500);
        simulation_->StartProgram();
    }
    Simulation& sim() { return *simulation_; }
    SimControls& controls() { return simulation_->controls; }

    // The user's steps.
    void StartCountdown(int32_t hours, int32_t minutes, int32_t seconds) {
        ASSERT_TRUE(sim().Click(C::单选框_倒计时));
        ASSERT_TRUE(sim().Type(C::编辑框_时, std::to_string(hours)));
        ASSERT_TRUE(sim().Type(C::编辑框_分, std::to_string(minutes)));
        ASSERT_TRUE(sim().Type(C::编辑框_秒, std::to_string(seconds)));
        ASSERT_TRUE(sim().Click(C::按钮_启动));
    }
    void ChooseMessageTask(std::string_view message) {
        ASSERT_TRUE(sim().Click(C::单选框1));
        ASSERT_TRUE(sim().Click(C::选择框_弹出信息框));
        ASSERT_TRUE(sim().Type(C::编辑框_自定义信息框内容, message));
    }

    // What the user sees.
    core::Text Line() { return controls().Caption(C::标签_倒计时显示); }
    core::Text Digits() { return controls().Caption(C::标签_倒计时读秒); }
    bool WarningShown() { return controls().Visible(C::WarningWindow); }
    int Boxes() { return sim().Count(ServiceCall::Kind::MessageBox); }
    int Beeps() { return sim().Count(ServiceCall::Kind::Beep); }
    bool Pending() {
        return controls().Disabled(C::按钮_启动) && !controls().Disabled(C::按钮_中止) &&
               controls().Period(C::时钟_定时关机) == 1000;
    }
    bool Idle() {
        return !controls().Disabled(C::按钮_启动) && controls().Disabled(C::按钮_中止) &&
               controls().Period(C::时钟_定时关机) == 0 && controls().Period(C::时钟_倒计时) == 0;
    }

  private:
    std::unique_ptr<Simulation> simulation_;
};

}  // namespace sim
