#include "tests/sim/sim_controls.h"

namespace sim {

using ui::ControlKind;

SimControls::SimControls(const VirtualClock& clock) : clock_(clock) {
    for (const ui::WindowDescription* window :
         {&ui::MainWindowDescription(), &ui::WarningWindowDescription()}) {
        // Windows are loaded hidden; the runtime shows them.
        At(window->id).visible = false;
        for (const ui::ControlDescription& row : window->controls) {
            State& s = At(row.id);
            s.row = &row;
            s.visible = row.visible;
            s.disabled = row.disabled;
            s.checked = row.checked;
            const bool combo =
                row.kind == ControlKind::DropDownList || row.kind == ControlKind::EditableDropDown;
            if (combo) {
                for (const core::Text& item : row.items) s.items.push_back({item, 0});
            } else if (row.kind == ControlKind::EditBox) {
                s.text = row.content;
            } else {
                s.caption = row.content;
            }
            s.period = row.period;
            if (combo) SetSelectedItem(row.id, row.selected);
        }
    }
}

bool SimControls::Is(ControlId id, ControlKind kind) const {
    return Row(id) != nullptr && Row(id)->kind == kind;
}

bool SimControls::IsCombo(ControlId id) const {
    return Is(id, ControlKind::DropDownList) || Is(id, ControlKind::EditableDropDown);
}

bool SimControls::Visible(ControlId id) const {
    return At(id).visible;
}

void SimControls::SetVisible(ControlId id, bool visible) {
    At(id).visible = visible;
}

bool SimControls::Disabled(ControlId id) const {
    return At(id).disabled;
}

void SimControls::SetDisabled(ControlId id, bool disabled) {
    At(id).disabled = disabled;
}

core::Text SimControls::Caption(ControlId id) const {
    return At(id).caption;
}

void SimControls::SetCaption(ControlId id, std::string_view caption) {
    At(id).caption = core::Text(caption);
}

core::Text SimControls::GetText(ControlId id) const {
    const State& s = At(id);
    if (Is(id, ControlKind::DropDownList)) return s.selected >= 0 ? s.items[s.selected].text : core::Text();
    return s.text;
}

void SimControls::SetText(ControlId id, std::string_view text) {
    if (Is(id, ControlKind::EditBox) || Is(id, ControlKind::EditableDropDown)) At(id).text = core::Text(text);
}

int32_t SimControls::SelectedItem(ControlId id) const {
    return At(id).selected;
}

void SimControls::SetSelectedItem(ControlId id, int32_t index) {
    if (!IsCombo(id)) return;
    State& s = At(id);
    const auto count = static_cast<int32_t>(s.items.size());
    s.selected = index < 0 || count == 0 ? -1 : (index < count ? index : count - 1);
    s.text = s.selected >= 0 ? s.items[s.selected].text : core::Text();
}

void SimControls::AddItem(ControlId id, std::string_view text, int32_t value) {
    if (IsCombo(id)) At(id).items.push_back({core::Text(text), value});
}

void SimControls::Clear(ControlId id) {
    if (!IsCombo(id)) return;
    State& s = At(id);
    s.items.clear();
    s.selected = -1;
    s.text.clear();
}

std::vector<core::Text> SimControls::Items(ControlId id) const {
    std::vector<core::Text> texts;
    for (const Item& item : At(id).items) texts.push_back(item.text);
    return texts;
}

bool SimControls::Checked(ControlId id) const {
    return At(id).checked;
}

void SimControls::UserCheck(ControlId id) {
    State& s = At(id);
    if (Is(id, ControlKind::CheckBox)) {
        s.checked = !s.checked;
        return;
    }
    if (!Is(id, ControlKind::RadioButton)) return;
    for (State& other : state_) {
        if (other.row != nullptr && other.row->kind == ControlKind::RadioButton &&
            other.row->parent == s.row->parent) {
            other.checked = false;
        }
    }
    s.checked = true;
}

void SimControls::UserType(ControlId id, std::string_view text) {
    SetText(id, text);
}

int32_t SimControls::Period(ControlId id) const {
    return At(id).period;
}

void SimControls::SetPeriod(ControlId id, int32_t milliseconds) {
    if (!Is(id, ControlKind::Timer)) return;
    State& s = At(id);
    const int32_t period = milliseconds < 0 ? 0 : milliseconds;
    if (period == s.period) return;
    s.period = period;
    s.running = false;
    if (period > 0) Arm(s);
}

void SimControls::ArmStoredTimers() {
    for (State& s : state_) {
        if (s.row != nullptr && s.row->kind == ControlKind::Timer && s.period > 0) Arm(s);
    }
}

int32_t SimControls::Interval(ControlId id) const {
    return At(id).period + (jitter_ ? jitter_(id) : 0);
}

void SimControls::Arm(State& timer) {
    timer.running = true;
    timer.armOrder = ++armCount_;
    timer.dueMs = clock_.NowMs() + Interval(timer.row->id);
}

std::optional<ControlId> SimControls::NextDue(int64_t limitMs) const {
    const State* first = nullptr;
    for (const State& s : state_) {
        if (!s.running || s.dueMs > limitMs) continue;
        if (first == nullptr || s.dueMs < first->dueMs ||
            (s.dueMs == first->dueMs && s.armOrder < first->armOrder)) {
            first = &s;
        }
    }
    if (first == nullptr) return std::nullopt;
    return first->row->id;
}

void SimControls::TakeTick(ControlId id) {
    State& s = At(id);
    s.dueMs += Interval(id);
    while (s.dueMs <= clock_.NowMs()) s.dueMs += s.period;
}

}  // namespace sim
