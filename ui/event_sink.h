#pragma once

#include <string_view>

#include "ui/window_description.h"

namespace ui {

// What the window runtime calls when something happens; the program's handlers sit behind it.
class EventSink {
  public:
    virtual ~EventSink() = default;

    // The main window and its controls exist and the main window is not shown yet. Called once.
    virtual void OnCreated() = 0;
    // The main window is being destroyed (it still exists).
    virtual void OnDestroy() = 0;
    // A click, an item chosen from a list, or a timer tick of the control `id` (the kinds of the tables).
    virtual void OnEvent(ControlId id, EventKind kind) = 0;
    // Files were dropped on the drop target: one path alone, or several each followed by CR LF (GBK).
    virtual void OnFilesReceived(std::string_view text) = 0;
};

}  // namespace ui
