#include "runtime_fixture.h"

namespace runtime_test {

double NowMs() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const double end = NowMs() + timeoutMs;
    for (;;) {
        platform::ProcessPendingEvents();
        if (done()) return true;
        if (NowMs() > end) return false;
        MsgWaitForMultipleObjectsEx(0, nullptr, 5, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

int RecordingSink::Count(ControlId id, EventKind kind) const {
    int count = 0;
    for (const Event& event : events) count += event.id == id && event.kind == kind;
    return count;
}

std::vector<double> RecordingSink::Ticks(ControlId timer, double sinceMs) const {
    std::vector<double> ticks;
    for (const Event& event : events) {
        if (event.id == timer && event.kind == EventKind::Tick && event.atMs > sinceMs)
            ticks.push_back(event.atMs);
    }
    return ticks;
}

namespace {

using K = ui::ControlKind;
using C = ControlId;

ui::ControlDescription Row(C id, K kind, C parent, int32_t left, int32_t top, int32_t width, int32_t height,
                           core::Text content = {}) {
    ui::ControlDescription row{id, kind, parent, left, top, width, height, std::move(content)};
    row.tabStop = kind != K::Label && kind != K::Timer;
    return row;
}

ui::WindowDescription BuildMain() {
    ui::WindowDescription w{C::MainWindow, "runtime test", 300, 220};
    auto& c = w.controls;
    c.reserve(12);
    c.push_back(Row(C::按钮_启动, K::PushButton, C::MainWindow, 5, 5, 60, 24, "start"));
    c.back().event = EventKind::Clicked;
    c.push_back(Row(C::组合框_年, K::DropDownList, C::MainWindow, 70, 5, 60, 20));
    c.push_back(Row(C::组合框_月, K::EditableDropDown, C::MainWindow, 135, 5, 60, 20));
    c.back().items = {"1", "2", "3"};
    c.back().selected = 0;
    c.back().event = EventKind::ItemChosen;
    c.push_back(Row(C::编辑框_时, K::EditBox, C::MainWindow, 5, 40, 60, 20, "0"));
    c.back().integerInput = true;
    c.back().align = ui::Align::Right;
    c.push_back(Row(C::编辑框_分, K::EditBox, C::MainWindow, 70, 40, 60, 20));
    c.back().disabled = true;
    c.push_back(Row(C::单选框_倒计时, K::RadioButton, C::MainWindow, 5, 70, 80, 16, "countdown"));
    c.back().event = EventKind::Clicked;
    c.push_back(Row(C::单选框_定时, K::RadioButton, C::MainWindow, 90, 70, 80, 16, "moment"));
    c.back().checked = true;
    c.back().event = EventKind::Clicked;
    c.push_back(Row(C::按钮_中止, K::PushButton, C::MainWindow, 5, 100, 60, 24, "stop"));
    c.back().visible = false;
    c.push_back(Row(C::标签_当前时间, K::Label, C::MainWindow, 5, 130, 200, 16, "label"));
    for (C timer : {C::时钟1, C::时钟_倒计时, C::时钟_定时关机}) {
        c.push_back(Row(timer, K::Timer, C::MainWindow, 0, 0, 32, 32));
        c.back().event = EventKind::Tick;
    }
    return w;
}

ui::WindowDescription BuildWarning() {
    ui::WindowDescription w{C::WarningWindow, "", 124, 136};
    w.titleBar = false;
    w.topmost = true;
    w.visible = false;
    w.controls.push_back(Row(C::按钮_取消任务, K::PushButton, C::WarningWindow, 9, 96, 99, 32, "cancel"));
    w.controls.back().event = EventKind::Clicked;
    w.controls.push_back(Row(C::标签_倒计时读秒, K::Label, C::WarningWindow, 11, 3, 95, 75, "55"));
    return w;
}

}  // namespace

const ui::WindowDescription& TestMainWindow() {
    static const ui::WindowDescription window = BuildMain();
    return window;
}

const ui::WindowDescription& TestWarningWindow() {
    static const ui::WindowDescription window = BuildWarning();
    return window;
}

void RuntimeTest::SetUp() {
    runtime = std::make_unique<platform::WindowRuntime>(GetModuleHandleW(nullptr));
    runtime->SetSink(&sink);
    main = runtime->Load(TestMainWindow());
    ASSERT_NE(main, nullptr);
    runtime->SetVisible(ControlId::MainWindow, true);
    PumpUntil([] { return false; }, 0);
}

void RuntimeTest::TearDown() {
    runtime.reset();
    // Drop whatever the windows left in the queue (a quit request included) for the next test.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

}  // namespace runtime_test
