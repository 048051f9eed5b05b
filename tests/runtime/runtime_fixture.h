#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/event_loop.h"
#include "platform/window_runtime.h"

namespace runtime_test {

using scheduler::ControlId;
using ui::EventKind;

// Milliseconds on the performance counter: finer than the tick counter the wait itself reads.
double NowMs();

// Dispatches events until `done` holds or `timeoutMs` passed; true when it holds.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs);

struct Event {
    ControlId id;
    EventKind kind;
    double atMs;
};

// Records the runtime's events with the moment each arrived; an optional hook runs inside the event.
class RecordingSink : public ui::EventSink {
  public:
    void OnCreated() override {}
    void OnDestroy() override { ++destroyed; }
    void OnEvent(ControlId id, EventKind kind) override {
        events.push_back({id, kind, NowMs()});
        if (onEvent) onEvent(id, kind);
    }
    void OnFilesReceived(std::string_view) override {}

    int Count(ControlId id, EventKind kind) const;
    // Moments of the ticks of `timer` after `sinceMs`.
    std::vector<double> Ticks(ControlId timer, double sinceMs = 0) const;

    std::vector<Event> events;
    std::function<void(ControlId, EventKind)> onEvent;
    int destroyed = 0;
};

// A small main window (three timers, a button, lists, countdown boxes, radios) and a warning window
// built by the real builder.
const ui::WindowDescription& TestMainWindow();
const ui::WindowDescription& TestWarningWindow();

class RuntimeTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    HWND Control(ControlId id) const { return runtime->Handle(id); }

    RecordingSink sink;
    std::unique_ptr<platform::WindowRuntime> runtime;
    HWND main = nullptr;
};

}  // namespace runtime_test
