#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "scheduler/controls.h"
#include "tests/sim/virtual_clock.h"
#include "ui/window_description.h"

namespace sim {

using scheduler::ControlId;

// The two windows' controls in memory, initialised from the window tables, with the behaviour of the
// real ones: radio groups by parent, selection clamping, the text a combo box shows, and timers that
// keep their period and phase in virtual time.
class SimControls final : public scheduler::Controls {
  public:
    explicit SimControls(const VirtualClock& clock);

    bool Visible(ControlId id) const override;
    void SetVisible(ControlId id, bool visible) override;
    bool Disabled(ControlId id) const override;
    void SetDisabled(ControlId id, bool disabled) override;
    core::Text Caption(ControlId id) const override;
    void SetCaption(ControlId id, std::string_view caption) override;
    core::Text GetText(ControlId id) const override;
    void SetText(ControlId id, std::string_view text) override;
    int32_t SelectedItem(ControlId id) const override;
    void SetSelectedItem(ControlId id, int32_t index) override;
    void AddItem(ControlId id, std::string_view text, int32_t value) override;
    void Clear(ControlId id) override;
    bool Checked(ControlId id) const override;
    int32_t Period(ControlId id) const override;
    void SetPeriod(ControlId id, int32_t milliseconds) override;

    // The table row of a control; null for the windows.
    const ui::ControlDescription* Row(ControlId id) const { return state_[Index(id)].row; }
    std::vector<core::Text> Items(ControlId id) const;
    bool Running(ControlId id) const { return state_[Index(id)].running; }

    // What the user does: checks a radio button (and unchecks the others of its group), toggles a
    // check box, types into an edit field. No event is raised here.
    void UserCheck(ControlId id);
    void UserType(ControlId id, std::string_view text);

    // Timers. Extra milliseconds added to each interval (the first after arming included); 0 if unset.
    using Jitter = std::function<int32_t(ControlId)>;
    void SetJitter(Jitter jitter) { jitter_ = std::move(jitter); }
    // The timer whose tick falls due first (earlier armed first on a tie), if any is due by `limitMs`.
    std::optional<ControlId> NextDue(int64_t limitMs) const;
    int64_t DueAt(ControlId id) const { return state_[Index(id)].dueMs; }
    // Takes the due tick of `id` at the clock's time: the next one falls due an interval after this
    // one was due; periods that passed meanwhile are not made up (one tick pending at most).
    void TakeTick(ControlId id);
    // Arms every timer whose table period is positive, as creating the window does.
    void ArmStoredTimers();

  private:
    struct Item {
        core::Text text;
        int32_t value;
    };
    struct State {
        const ui::ControlDescription* row = nullptr;
        bool visible = false;
        bool disabled = false;
        bool checked = false;
        core::Text caption;
        core::Text text;  // edit box text, or the edit field of a combo box
        std::vector<Item> items;
        int32_t selected = -1;
        int32_t period = 0;
        bool running = false;
        int64_t dueMs = 0;
        uint64_t armOrder = 0;
    };

    static size_t Index(ControlId id) { return static_cast<size_t>(id); }
    State& At(ControlId id) { return state_[Index(id)]; }
    const State& At(ControlId id) const { return state_[Index(id)]; }
    bool Is(ControlId id, ui::ControlKind kind) const;
    bool IsCombo(ControlId id) const;
    void Arm(State& timer);
    int32_t Interval(ControlId id) const;

    const VirtualClock& clock_;
    std::array<State, scheduler::kControlCount> state_{};
    Jitter jitter_;
    uint64_t armCount_ = 0;
};

}  // namespace sim
