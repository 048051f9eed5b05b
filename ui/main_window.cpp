#include "core/convert.h"
#include "ui/window_description.h"

namespace ui {
namespace {

using K = ControlKind;
using C = ControlId;

ControlDescription Row(C id, K kind, C parent, int32_t left, int32_t top, int32_t width, int32_t height,
                       core::Text content = {}) {
    ControlDescription row{id, kind, parent, left, top, width, height, std::move(content)};
    return row;
}

// "60秒", "59秒", ... "1秒": item i is the number 60 - i.
std::vector<core::Text> WarningLeadItems() {
    std::vector<core::Text> items;
    for (int32_t seconds = 60; seconds >= 1; --seconds)
        items.push_back(core::JoinTexts({core::IntToText(seconds), "秒"}));
    return items;
}

WindowDescription BuildMainWindow() {
    WindowDescription w{C::MainWindow, "禾舟定时关机1.0", 357, 284};
    auto& c = w.controls;
    const C main = C::MainWindow;
    const C group = C::分组框1;

    c.reserve(42);  // rows are edited through references right after they are added

    c.emplace_back(Row(C::标签4, K::Label, main, 13, 224, 123, 24, "任务执行前是否提示："));
    auto& r2 = c.emplace_back(Row(C::组合框_是否提示, K::DropDownList, main, 136, 225, 49, 20));
    r2.items = {"是", "否"};
    r2.selected = 0;
    r2.tabStop = true;
    auto& r3 = c.emplace_back(Row(C::单选框1, K::RadioButton, group, 252, 20, 81, 16, "只弹出信息"));
    r3.tabStop = true;
    r3.event = EventKind::Clicked;
    auto& r4 = c.emplace_back(
        Row(C::编辑框_文件路径, K::EditBox, group, 96, 42, 230, 20, "将要运行的文件拖拽到此处获得文件路径"));
    r4.disabled = true;
    r4.readOnly = true;
    r4.tabStop = true;
    auto& r5 = c.emplace_back(
        Row(C::编辑框_自定义信息框内容, K::EditBox, group, 96, 68, 230, 20, "自定义信息框内容"));
    r5.disabled = true;
    r5.tabStop = true;
    auto& r6 = c.emplace_back(Row(C::单选框_运行文件, K::RadioButton, group, 6, 40, 73, 24, "运行文件"));
    r6.tabStop = true;
    r6.event = EventKind::Clicked;
    auto& r7 =
        c.emplace_back(Row(C::单选框_重启计算机, K::RadioButton, group, 170, 20, 81, 16, "重启计算机"));
    r7.tabStop = true;
    r7.event = EventKind::Clicked;
    auto& r8 = c.emplace_back(Row(C::单选框_注销计算机, K::RadioButton, group, 89, 20, 91, 16, "注销计算机"));
    r8.tabStop = true;
    r8.event = EventKind::Clicked;
    auto& r9 = c.emplace_back(Row(C::单选框_关闭计算机, K::RadioButton, group, 6, 16, 87, 24, "关闭计算机"));
    r9.checked = true;
    r9.tabStop = true;
    r9.event = EventKind::Clicked;
    auto& r10 = c.emplace_back(Row(C::选择框_弹出信息框, K::CheckBox, main, 15, 140, 81, 16, "弹出信息框"));
    r10.disabled = true;
    r10.tabStop = true;
    r10.event = EventKind::Clicked;
    c.emplace_back(Row(C::标签_1, K::Label, main, 13, 200, 119, 20, "任务执行前提醒时间："));
    auto& r12 = c.emplace_back(Row(C::组合框_倒计时提示, K::DropDownList, main, 136, 199, 49, 20));
    r12.items = WarningLeadItems();
    r12.selected = 0;
    r12.tabStop = true;
    auto& r13 = c.emplace_back(Row(C::按钮_倒计时提示设置, K::PushButton, main, 188, 197, 48, 24, "设置"));
    r13.tabStop = true;
    r13.event = EventKind::Clicked;
    auto& r14 = c.emplace_back(Row(C::标签_倒计时显示, K::Label, main, 240, 200, 100, 20));
    r14.align = Align::Right;
    r14.textColor = kRed;
    auto& r15 = c.emplace_back(Row(C::时钟_倒计时, K::Timer, main, 40, 217, 32, 32));
    r15.period = 1000;
    r15.event = EventKind::Tick;
    auto& r16 = c.emplace_back(Row(C::标签3, K::Label, main, 200, 43, 104, 20, "秒 后自动执行任务"));
    r16.visible = false;
    auto& r17 = c.emplace_back(Row(C::标签2, K::Label, main, 135, 43, 25, 20, "分钟"));
    r17.visible = false;
    auto& r18 = c.emplace_back(Row(C::标签1, K::Label, main, 69, 43, 25, 20, "小时"));
    r18.visible = false;
    for (auto [id, left] :
         {std::pair{C::编辑框_秒, 165}, std::pair{C::编辑框_分, 100}, std::pair{C::编辑框_时, 35}}) {
        auto& box = c.emplace_back(Row(id, K::EditBox, main, left, 43, 30, 20, "0"));
        box.visible = false;
        box.align = Align::Right;
        box.integerInput = true;
        box.tabStop = true;
    }
    auto& r22 = c.emplace_back(Row(C::单选框_倒计时, K::RadioButton, main, 270, 20, 82, 16, "倒计时任务"));
    r22.handCursor = true;
    r22.tabStop = true;
    r22.event = EventKind::Clicked;
    auto& r23 = c.emplace_back(Row(C::单选框_定时, K::RadioButton, main, 270, 2, 74, 17, "定时任务"));
    r23.checked = true;
    r23.handCursor = true;
    r23.tabStop = true;
    r23.event = EventKind::Clicked;
    auto& r24 = c.emplace_back(Row(C::标签_关机时间, K::Label, main, 5, 20, 240, 16));
    r24.textColor = kRed;
    for (auto [id, left] :
         {std::pair{C::组合框_时, 184}, std::pair{C::组合框_分, 240}, std::pair{C::组合框_秒, 296},
          std::pair{C::组合框_日, 128}, std::pair{C::组合框_月, 73}}) {
        auto& box = c.emplace_back(Row(id, K::EditableDropDown, main, left, 43, 50, 20));
        box.tabStop = true;
        if (id == C::组合框_月) box.event = EventKind::ItemChosen;
    }
    auto& r30 = c.emplace_back(Row(C::组合框_年, K::DropDownList, main, 5, 43, 62, 20));
    r30.tabStop = true;
    c.emplace_back(Row(C::标签_当前时间, K::Label, main, 5, 4, 240, 16));
    auto& r32 = c.emplace_back(Row(C::时钟1, K::Timer, main, 0, 217, 32, 32));
    r32.period = 1000;
    r32.event = EventKind::Tick;
    auto& r33 = c.emplace_back(Row(C::按钮_中止, K::PushButton, main, 267, 223, 75, 24, "中止"));
    r33.disabled = true;
    r33.tabStop = true;
    r33.event = EventKind::Clicked;
    auto& r34 = c.emplace_back(Row(C::按钮_启动, K::PushButton, main, 188, 222, 75, 25, "启动"));
    r34.tabStop = true;
    r34.event = EventKind::Clicked;
    auto& r35 = c.emplace_back(Row(C::时钟_定时关机, K::Timer, main, 80, 217, 32, 32));
    r35.period = 1000;
    r35.event = EventKind::Tick;
    c.emplace_back(Row(C::分组框1, K::GroupBox, main, 8, 69, 336, 99, "选择要执行的任务"));
    auto& r37 = c.emplace_back(Row(C::拖放对象1, K::FileDropTarget, main, 88, 217, 32, 32));
    r37.event = EventKind::FilesReceived;
    // Four empty white masks over the web view's edges leave only its inner band visible.
    c.emplace_back(Row(C::标签5, K::Label, main, 0, 156, 344, 16));
    c.emplace_back(Row(C::标签6, K::Label, main, -16, 160, 24, 40));
    c.emplace_back(Row(C::标签7, K::Label, main, 344, 152, 24, 48));
    c.emplace_back(Row(C::标签8, K::Label, main, 0, 194, 352, 12));
    auto& r42 = c.emplace_back(Row(C::超文本浏览框1, K::WebView, main, 6, 160, 360, 40));
    r42.tabStop = true;
    return w;
}

}  // namespace

const WindowDescription& MainWindowDescription() {
    static const WindowDescription window = BuildMainWindow();
    return window;
}

}  // namespace ui
