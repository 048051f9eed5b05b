// What the main window must look like right after start-up, written down independently of the
// program's own window table so that an error in that table shows here.
#pragma once

#include <vector>

#include "tests/e2e/e2e.h"

namespace e2e {

enum class Kind { Label, DropList, DropEdit, Edit, Button, Radio, Check, Group, Timer, DropTarget, WebView };

struct ExpectedControl {
    ControlId id;
    Kind kind;
    bool inGroup;  // a child of 分组框1, position relative to it
    int left, top, width, height;
    const wchar_t* content;  // caption or text; nullptr: filled by the start-up, checked elsewhere
    bool visible, enabled, checked, focus;
};

// Stored order (= stacking order among siblings).
const std::vector<ExpectedControl>& ExpectedMainWindow();
const ExpectedControl* FindExpected(ControlId id);
bool IsWindowKind(Kind kind);  // timers and the drop target are not windows

}  // namespace e2e
