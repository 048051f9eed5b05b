#pragma once

#include <cstdint>
#include <string_view>

#include "core/text.h"
#include "scheduler/control_id.h"

namespace scheduler {

// The control properties: the only way handlers read and change the windows. Texts are GBK.
// Implemented over real windows by the platform and in memory by the tests.
class Controls {
  public:
    virtual ~Controls() = default;

    // Whether the control (or window) is shown; writing true shows it, false hides it.
    virtual bool Visible(ControlId id) const = 0;
    virtual void SetVisible(ControlId id, bool visible) = 0;

    virtual bool Disabled(ControlId id) const = 0;
    virtual void SetDisabled(ControlId id, bool disabled) = 0;

    // Caption of a label, button, radio button, check box or group box.
    virtual core::Text Caption(ControlId id) const = 0;
    virtual void SetCaption(ControlId id, std::string_view caption) = 0;

    // Text of an edit box, or the edit field of a combo box (a drop-down list: its selected item's text).
    virtual core::Text GetText(ControlId id) const = 0;
    virtual void SetText(ControlId id, std::string_view text) = 0;

    // Index of a combo box's selected item, -1 if none. Writing an index past the last item selects
    // the last item; -1, any lower index, or any index on an empty list selects nothing.
    virtual int32_t SelectedItem(ControlId id) const = 0;
    virtual void SetSelectedItem(ControlId id, int32_t index) = 0;

    // Appends an item to a combo box; Clear removes every item and empties the edit field.
    virtual void AddItem(ControlId id, std::string_view text, int32_t value) = 0;
    virtual void Clear(ControlId id) = 0;

    // Whether a radio button or check box is checked.
    virtual bool Checked(ControlId id) const = 0;

    // Period of a timer control in ms. A negative write counts as 0 (stopped); writing the stored period
    // changes nothing; any other positive write restarts the timer, its first tick one period later.
    virtual int32_t Period(ControlId id) const = 0;
    virtual void SetPeriod(ControlId id, int32_t milliseconds) = 0;
};

// The stop values handlers write to a timer's period: the low 32 bits of 10^15 and of 10^15 - 1.
constexpr int32_t kTimerStop = static_cast<int32_t>(0xA4C68000u);
constexpr int32_t kTimerStopAlt = static_cast<int32_t>(0xA4C67FFFu);

}  // namespace scheduler
