#pragma once

#include <cstdint>

#include "core/datetime.h"

namespace sim {

// Virtual time: a millisecond counter that only moves forward (what timers and waits measure, like the
// system's tick counter) and a wall clock that moves with it but can be set to any moment, backwards too.
class VirtualClock {
  public:
    int64_t NowMs() const { return nowMs_; }
    void Advance(int64_t milliseconds);
    void AdvanceTo(int64_t nowMs) { Advance(nowMs - nowMs_); }

    // Sets the wall clock to the whole second `moment` plus `millisecondsIntoSecond`.
    void SetWallClock(core::DateTime moment, int32_t millisecondsIntoSecond = 0);
    // The wall clock truncated to the whole second, built from its fields like the real clock.
    core::DateTime CurrentTime() const;
    // Milliseconds since the start of the current wall-clock second.
    int32_t MillisecondsIntoSecond() const;

  private:
    int64_t nowMs_ = 0;
    core::DateTime wallBase_ = 0.0;  // a whole second
    int64_t wallMsSinceBase_ = 0;
};

}  // namespace sim
