#pragma once

#include <cstdint>
#include <vector>

#include "core/text.h"
#include "scheduler/control_id.h"

namespace ui {

using scheduler::ControlId;

enum class ControlKind {
    Label,
    DropDownList,      // combo box whose field cannot be typed into
    EditableDropDown,  // combo box with an edit field
    EditBox,
    PushButton,
    RadioButton,  // automatic; grouped by parent
    CheckBox,     // automatic
    GroupBox,     // parent of the controls placed in it
    Timer,
    FileDropTarget,  // an empty slot in the table: attached to a window at run time
    WebView,
};

enum class Align { Left, Center, Right };

// Events a control raises to the program's handlers.
enum class EventKind {
    None,
    Clicked,
    ItemChosen,     // an item chosen from a combo box's list
    Tick,           // a timer's period elapsed
    FilesReceived,  // files dropped on the drop target
    Created,        // the main window and its controls exist, not yet shown
    Destroyed,      // the window is being destroyed
};

struct Rgb {
    uint8_t r, g, b;
    friend bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
};

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRed{255, 0, 0};

struct FontDescription {
    core::Text face{};   // empty: DEFAULT_GUI_FONT
    int32_t height = 0;  // logical height (negative: character height)
    int32_t weight = 400;
};

struct ControlDescription {
    ControlId id;
    ControlKind kind;
    ControlId parent;  // the window, or the group box the control lies in
    int32_t left, top, width, height;
    core::Text content{};             // caption or text
    std::vector<core::Text> items{};  // initial items of a combo box
    int32_t selected = -1;            // initial selected item of a combo box
    int32_t period = 0;               // stored period of a timer, ms
    bool visible = true;
    bool disabled = false;
    bool checked = false;
    bool tabStop = false;       // takes the keyboard focus (a Tab stop)
    bool readOnly = false;      // edit box the user cannot type into
    bool integerInput = false;  // edit box taking whole numbers only
    bool handCursor = false;
    Align align = Align::Left;
    Rgb textColor = kBlack;
    Rgb background = kWhite;
    FontDescription font{};
    EventKind event = EventKind::None;  // the event the program handles for this control
};

struct WindowDescription {
    ControlId id;
    core::Text title{};
    int32_t outerWidth, outerHeight;  // frame and title bar included; centred on the screen
    bool titleBar = true;             // with system menu and minimize button, no maximize
    bool topmost = false;
    bool visible = true;  // shown after loading
    bool hasIcon = true;
    Rgb background = kWhite;
    bool escCloses = true;
    std::vector<ControlDescription> controls{};  // stored order = creation and stacking order
};

const WindowDescription& MainWindowDescription();
const WindowDescription& WarningWindowDescription();

// The row of a control in either window's table; nullptr for a window id or None.
const ControlDescription* FindControl(ControlId id);

}  // namespace ui
