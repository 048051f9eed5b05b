#include "ui/selection.h"

namespace ui {

using scheduler::ControlId;
using C = ControlId;

namespace {

constexpr ControlId kMomentControls[] = {C::组合框_年, C::组合框_月, C::组合框_日,
                                         C::组合框_时, C::组合框_分, C::组合框_秒};
constexpr ControlId kCountdownControls[] = {C::编辑框_时, C::编辑框_分, C::编辑框_秒,
                                            C::标签1,     C::标签2,     C::标签3};

void ShowAll(scheduler::Controls& controls, const ControlId (&ids)[6], bool visible) {
    for (ControlId id : ids) controls.SetVisible(id, visible);
}

}  // namespace

bool OnSelectionClicked(ControlId clicked, scheduler::Controls& controls, Shell& shell) {
    switch (clicked) {
        case C::单选框_定时:
            ShowAll(controls, kMomentControls, true);
            ShowAll(controls, kCountdownControls, false);
            return true;
        case C::单选框_倒计时:
            ShowAll(controls, kMomentControls, false);
            ShowAll(controls, kCountdownControls, true);
            return true;
        case C::单选框_关闭计算机:
        case C::单选框_注销计算机:
        case C::单选框_重启计算机:
            controls.SetDisabled(C::选择框_弹出信息框, true);
            controls.SetDisabled(C::编辑框_文件路径, true);
            return true;
        case C::单选框_运行文件:
            shell.AttachDropTarget(C::编辑框_文件路径);  // a second attach does nothing
            controls.SetDisabled(C::编辑框_文件路径, false);
            controls.SetDisabled(C::选择框_弹出信息框, false);
            return true;
        case C::单选框1:
            controls.SetDisabled(C::选择框_弹出信息框, false);
            return true;
        case C::选择框_弹出信息框:
            if (controls.Checked(C::选择框_弹出信息框)) {
                controls.SetDisabled(C::编辑框_自定义信息框内容, false);
                return true;
            }
            controls.SetDisabled(C::编辑框_自定义信息框内容, true);
            controls.SetText(C::编辑框_自定义信息框内容, "自定义信息框内容");
            return true;
        default:
            return false;
    }
}

void OnFilesReceived(scheduler::Controls& controls, std::string_view text) {
    controls.SetText(C::编辑框_文件路径, text);
}

}  // namespace ui
