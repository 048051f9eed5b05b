#pragma once

#include <string_view>

#include "scheduler/controls.h"
#include "ui/shell.h"

namespace ui {

// The click handlers of the mode radio buttons, the five task radio buttons and the message check box:
// they show, hide, enable and disable the controls that go with the choice (the radio buttons have
// checked themselves already). False when `clicked` is none of these controls.
bool OnSelectionClicked(scheduler::ControlId clicked, scheduler::Controls& controls, Shell& shell);

// Files dropped on the path box: the received text replaces the box's text.
void OnFilesReceived(scheduler::Controls& controls, std::string_view text);

}  // namespace ui
