#pragma once

#include <cstdint>
#include <string_view>

namespace scheduler {

// Every control of the program's two windows, by the name it has in the window descriptions,
// plus the two windows themselves (their visible property shows and hides the window).
enum class ControlId : int32_t {
    // Main window, in stored order.
    标签4,
    组合框_是否提示,
    单选框1,
    编辑框_文件路径,
    编辑框_自定义信息框内容,
    单选框_运行文件,
    单选框_重启计算机,
    单选框_注销计算机,
    单选框_关闭计算机,
    选择框_弹出信息框,
    标签_1,
    组合框_倒计时提示,
    按钮_倒计时提示设置,
    标签_倒计时显示,
    时钟_倒计时,
    标签3,
    标签2,
    标签1,
    编辑框_秒,
    编辑框_分,
    编辑框_时,
    单选框_倒计时,
    单选框_定时,
    标签_关机时间,
    组合框_时,
    组合框_分,
    组合框_秒,
    组合框_日,
    组合框_月,
    组合框_年,
    标签_当前时间,
    时钟1,
    按钮_中止,
    按钮_启动,
    时钟_定时关机,
    分组框1,
    拖放对象1,
    标签5,
    标签6,
    标签7,
    标签8,
    超文本浏览框1,
    // Warning window, in stored order.
    按钮_取消任务,
    标签_执行任务类别,
    标签_倒计时读秒,
    // The windows.
    MainWindow,
    WarningWindow,
    None,  // no control: the parent of a window
};

constexpr int32_t kControlCount = static_cast<int32_t>(ControlId::None);

// The control's name as written in the sources (UTF-8), for test messages and diagnostics.
std::string_view ControlName(ControlId id);

}  // namespace scheduler
