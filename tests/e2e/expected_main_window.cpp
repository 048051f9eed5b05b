#include "tests/e2e/expected_main_window.h"

namespace e2e {

const std::vector<ExpectedControl>& ExpectedMainWindow() {
    using C = ControlId;
    using K = Kind;
    constexpr bool G = true, M = false;  // in the group box / on the main window
    constexpr bool V = true, H = false;  // visible / hidden
    constexpr bool E = true, D = false;  // enabled / disabled
    constexpr bool X = true, O = false;  // checked / unchecked
    constexpr bool F = true, N = false;  // takes the focus / does not
    static const std::vector<ExpectedControl> rows = {
        {C::标签4, K::Label, M, 13, 224, 123, 24, L"任务执行前是否提示：", V, E, O, N},
        {C::组合框_是否提示, K::DropList, M, 136, 225, 49, 20, L"是", V, E, O, F},
        {C::单选框1, K::Radio, G, 252, 20, 81, 16, L"只弹出信息", V, E, O, F},
        {C::编辑框_文件路径, K::Edit, G, 96, 42, 230, 20, L"将要运行的文件拖拽到此处获得文件路径", V, D, O,
         F},
        {C::编辑框_自定义信息框内容, K::Edit, G, 96, 68, 230, 20, L"自定义信息框内容", V, D, O, F},
        {C::单选框_运行文件, K::Radio, G, 6, 40, 73, 24, L"运行文件", V, E, O, F},
        {C::单选框_重启计算机, K::Radio, G, 170, 20, 81, 16, L"重启计算机", V, E, O, F},
        {C::单选框_注销计算机, K::Radio, G, 89, 20, 91, 16, L"注销计算机", V, E, O, F},
        {C::单选框_关闭计算机, K::Radio, G, 6, 16, 87, 24, L"关闭计算机", V, E, X, F},
        {C::选择框_弹出信息框, K::Check, M, 15, 140, 81, 16, L"弹出信息框", V, D, O, F},
        {C::标签_1, K::Label, M, 13, 200, 119, 20, L"任务执行前提醒时间：", V, E, O, N},
        {C::组合框_倒计时提示, K::DropList, M, 136, 199, 49, 20, L"60秒", V, E, O, F},
        {C::按钮_倒计时提示设置, K::Button, M, 188, 197, 48, 24, L"设置", V, E, O, F},
        {C::标签_倒计时显示, K::Label, M, 240, 200, 100, 20, L"", V, E, O, N},
        {C::时钟_倒计时, K::Timer, M, 40, 217, 32, 32, nullptr, H, E, O, N},
        {C::标签3, K::Label, M, 200, 43, 104, 20, L"秒 后自动执行任务", H, E, O, N},
        {C::标签2, K::Label, M, 135, 43, 25, 20, L"分钟", H, E, O, N},
        {C::标签1, K::Label, M, 69, 43, 25, 20, L"小时", H, E, O, N},
        {C::编辑框_秒, K::Edit, M, 165, 43, 30, 20, L"0", H, E, O, F},
        {C::编辑框_分, K::Edit, M, 100, 43, 30, 20, L"0", H, E, O, F},
        {C::编辑框_时, K::Edit, M, 35, 43, 30, 20, L"0", H, E, O, F},
        {C::单选框_倒计时, K::Radio, M, 270, 20, 82, 16, L"倒计时任务", V, E, O, F},
        {C::单选框_定时, K::Radio, M, 270, 2, 74, 17, L"定时任务", V, E, X, F},
        {C::标签_关机时间, K::Label, M, 5, 20, 240, 16, nullptr, V, E, O, N},
        {C::组合框_时, K::DropEdit, M, 184, 43, 50, 20, nullptr, V, E, O, F},
        {C::组合框_分, K::DropEdit, M, 240, 43, 50, 20, nullptr, V, E, O, F},
        {C::组合框_秒, K::DropEdit, M, 296, 43, 50, 20, nullptr, V, E, O, F},
        {C::组合框_日, K::DropEdit, M, 128, 43, 50, 20, nullptr, V, E, O, F},
        {C::组合框_月, K::DropEdit, M, 73, 43, 50, 20, nullptr, V, E, O, F},
        {C::组合框_年, K::DropList, M, 5, 43, 62, 20, nullptr, V, E, O, F},
        {C::标签_当前时间, K::Label, M, 5, 4, 240, 16, nullptr, V, E, O, N},
        {C::时钟1, K::Timer, M, 0, 217, 32, 32, nullptr, H, E, O, N},
        {C::按钮_中止, K::Button, M, 267, 223, 75, 24, L"中止", V, D, O, F},
        {C::按钮_启动, K::Button, M, 188, 222, 75, 25, L"启动", V, E, O, F},
        {C::时钟_定时关机, K::Timer, M, 80, 217, 32, 32, nullptr, H, E, O, N},
        {C::分组框1, K::Group, M, 8, 69, 336, 99, L"选择要执行的任务", V, E, O, N},
        {C::拖放对象1, K::DropTarget, M, 88, 217, 32, 32, nullptr, H, E, O, N},
        {C::标签5, K::Label, M, 0, 156, 344, 16, L"", V, E, O, N},
        {C::标签6, K::Label, M, -16, 160, 24, 40, L"", V, E, O, N},
        {C::标签7, K::Label, M, 344, 152, 24, 48, L"", V, E, O, N},
        {C::标签8, K::Label, M, 0, 194, 352, 12, L"", V, E, O, N},
        {C::超文本浏览框1, K::WebView, M, 6, 160, 360, 40, nullptr, V, E, O, F},
    };
    return rows;
}

const ExpectedControl* FindExpected(ControlId id) {
    for (const ExpectedControl& row : ExpectedMainWindow()) {
        if (row.id == id) return &row;
    }
    return nullptr;
}

bool IsWindowKind(Kind kind) {
    return kind != Kind::Timer && kind != Kind::DropTarget;
}

}  // namespace e2e
