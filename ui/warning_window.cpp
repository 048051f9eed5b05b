#include "ui/window_description.h"

namespace ui {
namespace {

WindowDescription BuildWarningWindow() {
    WindowDescription w{ControlId::WarningWindow, "", 124, 136};
    w.titleBar = false;
    w.topmost = true;
    w.visible = false;
    w.hasIcon = false;

    ControlDescription cancel{ControlId::按钮_取消任务,
                              ControlKind::PushButton,
                              ControlId::WarningWindow,
                              9,
                              96,
                              99,
                              32,
                              "取消任务"};
    cancel.tabStop = true;
    cancel.align = Align::Center;
    cancel.event = EventKind::Clicked;

    ControlDescription kind{ControlId::标签_执行任务类别,
                            ControlKind::Label,
                            ControlId::WarningWindow,
                            10,
                            81,
                            97,
                            15,
                            "秒后自动执行任务"};
    kind.align = Align::Center;

    ControlDescription digits{
        ControlId::标签_倒计时读秒, ControlKind::Label, ControlId::WarningWindow, 11, 3, 95, 75, "55"};
    digits.align = Align::Center;
    digits.textColor = kRed;
    digits.font = {"宋体", -107, 400};

    w.controls = {cancel, kind, digits};
    return w;
}

}  // namespace

const WindowDescription& WarningWindowDescription() {
    static const WindowDescription window = BuildWarningWindow();
    return window;
}

const ControlDescription* FindControl(ControlId id) {
    for (const WindowDescription* window : {&MainWindowDescription(), &WarningWindowDescription()}) {
        for (const ControlDescription& row : window->controls) {
            if (row.id == id) return &row;
        }
    }
    return nullptr;
}

}  // namespace ui
