// The handlers' steps in their order, seen through a log of every write and request.
#include "scheduler/schedule.h"
#include "tests/scheduler/program_fixture.h"
#include "tests/scheduler/write_log.h"
#include "ui/startup.h"

namespace sim {
namespace {

class NoHandlers final : public ui::EventSink {
  public:
    void OnCreated() override {}
    void OnDestroy() override {}
    void OnEvent(C, ui::EventKind) override {}
    void OnFilesReceived(std::string_view) override {}
};

// The controls as the tables create them, with no handler behind them: only the handler under test runs.
class OrderTest : public ::testing::Test {
  protected:
    OrderTest() : sim_(Moment(2011, 12, 27, 16, 56, 7)), log_(sim_), schedule_(log_, log_, sim_.variables) {
        sim_.SetSink(&none_);
        sim_.StartProgram();
    }
    NoHandlers none_;
    Simulation sim_;
    WriteLog log_;
    scheduler::Schedule schedule_;
};

TEST_F(OrderTest, StartThenStop) {
    sim_.controls.UserCheck(C::单选框_倒计时);
    schedule_.Start();
    EXPECT_EQ(log_.writes, Writes({{"disable", C::按钮_启动},
                                   {"enable", C::按钮_中止},
                                   {"start", C::时钟_定时关机},
                                   {"caption", C::标签_关机时间},
                                   {"start", C::时钟_倒计时}}));
    log_.writes.clear();
    schedule_.Stop();
    EXPECT_EQ(log_.writes, Writes({{"disable", C::按钮_中止},
                                   {"enable", C::按钮_启动},
                                   {"hide", C::WarningWindow},
                                   {"stop", C::时钟_倒计时},
                                   {"stop", C::时钟_定时关机},
                                   {"caption", C::标签_倒计时显示}}));
}

TEST_F(OrderTest, ExecutionTickAtTheTarget) {
    sim_.controls.UserCheck(C::单选框_倒计时);
    sim_.controls.UserCheck(C::单选框_运行文件);
    sim_.controls.UserCheck(C::选择框_弹出信息框);
    sim_.controls.SetText(C::编辑框_秒, "3");
    schedule_.Start();
    log_.writes.clear();
    sim_.clock.Advance(3000);
    schedule_.ExecutionTick();
    EXPECT_EQ(log_.writes, Writes({{"hide", C::WarningWindow},
                                   {"wait 200", C::None},
                                   {"box", C::None},
                                   {"launch", C::None},
                                   {"wait 200", C::None},
                                   {"disable", C::按钮_中止},
                                   {"enable", C::按钮_启动},
                                   {"stop", C::时钟_倒计时},
                                   {"stop", C::时钟_定时关机},
                                   {"caption", C::标签_倒计时显示}}));
}

TEST_F(OrderTest, CreatedHandler) {
    ui::OnMainWindowCreated(log_, log_, log_, sim_.variables);
    EXPECT_EQ(log_.writes, Writes({{"look", C::None},
                                   {"load warning", C::None},
                                   {"stop", C::时钟_倒计时},
                                   {"stop", C::时钟_定时关机},
                                   {"select", C::组合框_年},
                                   {"select", C::组合框_月},
                                   {"select", C::组合框_日},
                                   {"select", C::组合框_时},
                                   {"select", C::组合框_分},
                                   {"select", C::组合框_秒},
                                   {"wait 1000", C::None},
                                   {"caption", C::标签_关机时间}}));
}

}  // namespace
}  // namespace sim
