// The wait that processes events, and the pass it is made of.
#include "platform/event_loop_hooks.h"
#include "runtime_fixture.h"

namespace runtime_test {
namespace {

class WaitTest : public RuntimeTest {};

TEST_F(WaitTest, DispatchesAClickAndATickAndLastsLongerThanAsked) {
    runtime->SetPeriod(ControlId::时钟_倒计时, 100);
    PostMessageW(Control(ControlId::按钮_启动), BM_CLICK, 0, 0);
    const double start = NowMs();
    platform::WaitProcessingEvents(200);
    EXPECT_GT(NowMs() - start, 200);
    EXPECT_EQ(sink.Count(ControlId::按钮_启动, EventKind::Clicked), 1);
    EXPECT_GE(sink.Ticks(ControlId::时钟_倒计时, start).size(), 1u);
}

TEST_F(WaitTest, ZeroOrNegativeReturnsAtOnceDispatchingNothing) {
    for (int32_t milliseconds : {0, -1, scheduler::kTimerStop}) {
        SCOPED_TRACE(milliseconds);
        PostMessageW(Control(ControlId::按钮_启动), BM_CLICK, 0, 0);
        platform::WaitProcessingEvents(milliseconds);
        EXPECT_EQ(sink.Count(ControlId::按钮_启动, EventKind::Clicked), 0);
        PumpUntil([&] { return sink.Count(ControlId::按钮_启动, EventKind::Clicked) == 1; }, 1000);
        sink.events.clear();
    }
}

TEST_F(WaitTest, AQuitRequestStaysQueuedAndDoesNotShortenTheWait) {
    PostMessageW(Control(ControlId::按钮_启动), BM_CLICK, 0, 0);
    PostQuitMessage(3);
    platform::ProcessPendingEvents();
    EXPECT_EQ(sink.Count(ControlId::按钮_启动, EventKind::Clicked), 1);  // posted before the quit request

    const double start = NowMs();
    platform::WaitProcessingEvents(150);
    EXPECT_GT(NowMs() - start, 150);

    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 3u);
}

// A tick counter that wraps around 100 ms into the wait.
DWORD wrapBase = 0;
DWORD WrappingTicks() {
    return GetTickCount() - wrapBase + 0xFFFFFFFFu - 100;
}

TEST_F(WaitTest, AWaitAcrossTheTickCounterWrapLastsItsFullLength) {
    wrapBase = GetTickCount();
    const double start = NowMs();
    platform::WaitProcessingEvents(300, WrappingTicks);
    EXPECT_GT(NowMs() - start, 300);
    EXPECT_LT(WrappingTicks(), 0x10000u);  // the counter really did wrap
}

}  // namespace
}  // namespace runtime_test
