#include "ui/selection.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tests/scheduler/program_fixture.h"
#include "tests/scheduler/write_log.h"

namespace sim {
namespace {

// Every property of every control, to see what a click changed and that nothing else did.
using Snapshot = std::map<std::string, std::string>;

Snapshot Take(SimControls& c) {
    Snapshot s;
    for (int32_t i = 0; i < scheduler::kControlCount; ++i) {
        const C id = static_cast<C>(i);
        const std::string name(scheduler::ControlName(id));
        s[name + " visible"] = c.Visible(id) ? "shown" : "hidden";
        s[name + " disabled"] = c.Disabled(id) ? "disabled" : "enabled";
        s[name + " checked"] = c.Checked(id) ? "checked" : "unchecked";
        s[name + " caption"] = c.Caption(id);
        s[name + " text"] = c.GetText(id);
        s[name + " selected"] = std::to_string(c.SelectedItem(id));
        s[name + " period"] = std::to_string(c.Period(id));
    }
    return s;
}

std::vector<std::string> Changes(const Snapshot& before, const Snapshot& after) {
    std::vector<std::string> changes;
    for (const auto& [key, value] : after) {
        if (before.at(key) != value) changes.push_back(key + " " + value);
    }
    std::sort(changes.begin(), changes.end());
    return changes;
}

using SelectionTest = ProgramTest;

struct Change {
    C id;
    const char* what;  // property and new value, as Take writes them
};

std::vector<std::string> Texts(std::vector<Change> changes) {
    std::vector<std::string> texts;
    for (const Change& c : changes) texts.push_back(std::string(scheduler::ControlName(c.id)) + " " + c.what);
    std::sort(texts.begin(), texts.end());
    return texts;
}

std::vector<Change> ModeChanges(bool countdown) {
    const char* moment = countdown ? "visible hidden" : "visible shown";
    const char* boxes = countdown ? "visible shown" : "visible hidden";
    std::vector<Change> changes = {{C::单选框_定时, countdown ? "checked unchecked" : "checked checked"},
                                   {C::单选框_倒计时, countdown ? "checked checked" : "checked unchecked"}};
    for (C id : {C::组合框_年, C::组合框_月, C::组合框_日, C::组合框_时, C::组合框_分, C::组合框_秒}) {
        changes.push_back({id, moment});
    }
    for (C id : {C::编辑框_时, C::编辑框_分, C::编辑框_秒, C::标签1, C::标签2, C::标签3})
        changes.push_back({id, boxes});
    return changes;
}

TEST_F(SelectionTest, EachClickChangesExactlyItsControls) {
    const struct {
        const char* name;
        std::vector<C> before;  // clicks that set the scene
        C click;
        std::vector<Change> changes;
    } cases[] = {
        {"countdown mode", {}, C::单选框_倒计时, ModeChanges(true)},
        {"moment mode again", {C::单选框_倒计时}, C::单选框_定时, ModeChanges(false)},
        {"moment mode while chosen", {}, C::单选框_定时, {}},
        {"run file",
         {},
         C::单选框_运行文件,
         {{C::单选框_关闭计算机, "checked unchecked"},
          {C::单选框_运行文件, "checked checked"},
          {C::编辑框_文件路径, "disabled enabled"},
          {C::选择框_弹出信息框, "disabled enabled"}}},
        {"message only",
         {},
         C::单选框1,
         {{C::单选框1, "checked checked"},
          {C::单选框_关闭计算机, "checked unchecked"},
          {C::选择框_弹出信息框, "disabled enabled"}}},
        {"shut down after run file",
         {C::单选框_运行文件},
         C::单选框_关闭计算机,
         {{C::单选框_关闭计算机, "checked checked"},
          {C::单选框_运行文件, "checked unchecked"},
          {C::编辑框_文件路径, "disabled disabled"},
          {C::选择框_弹出信息框, "disabled disabled"}}},
        {"restart keeps the message settings",
         {C::单选框1, C::选择框_弹出信息框},
         C::单选框_重启计算机,
         {{C::单选框1, "checked unchecked"},
          {C::单选框_重启计算机, "checked checked"},
          {C::选择框_弹出信息框, "disabled disabled"}}},
        {"log off",
         {},
         C::单选框_注销计算机,
         {{C::单选框_关闭计算机, "checked unchecked"}, {C::单选框_注销计算机, "checked checked"}}},
        {"check the message box",
         {C::单选框1},
         C::选择框_弹出信息框,
         {{C::选择框_弹出信息框, "checked checked"}, {C::编辑框_自定义信息框内容, "disabled enabled"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Launch(Moment(2011, 12, 27, 16, 56, 7));
        for (C click : c.before) ASSERT_TRUE(sim().Click(click));
        const Snapshot before = Take(controls());
        ASSERT_TRUE(sim().Click(c.click));
        EXPECT_EQ(Changes(before, Take(controls())), Texts(c.changes));
    }
}

TEST_F(SelectionTest, HandlersWriteInTheirOrder) {
    const struct {
        C click;
        std::vector<std::pair<const char*, C>> writes;
    } cases[] = {
        {C::单选框_倒计时,
         {{"hide", C::组合框_年},
          {"hide", C::组合框_月},
          {"hide", C::组合框_日},
          {"hide", C::组合框_时},
          {"hide", C::组合框_分},
          {"hide", C::组合框_秒},
          {"show", C::编辑框_时},
          {"show", C::编辑框_分},
          {"show", C::编辑框_秒},
          {"show", C::标签1},
          {"show", C::标签2},
          {"show", C::标签3}}},
        {C::单选框_运行文件,
         {{"attach", C::编辑框_文件路径}, {"enable", C::编辑框_文件路径}, {"enable", C::选择框_弹出信息框}}},
        {C::单选框_注销计算机, {{"disable", C::选择框_弹出信息框}, {"disable", C::编辑框_文件路径}}},
        {C::选择框_弹出信息框,
         {{"disable", C::编辑框_自定义信息框内容}, {"text", C::编辑框_自定义信息框内容}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(scheduler::ControlName(c.click)));
        WriteLog log(sim());
        ASSERT_TRUE(ui::OnSelectionClicked(c.click, log, log));
        EXPECT_EQ(log.writes, Writes(c.writes));
    }
}

TEST_F(SelectionTest, UncheckingTheMessageBoxResetsItsText) {
    ASSERT_TRUE(sim().Click(C::单选框1));
    ASSERT_TRUE(sim().Click(C::选择框_弹出信息框));
    ASSERT_TRUE(sim().Type(C::编辑框_自定义信息框内容, "下班了"));
    ASSERT_TRUE(sim().Click(C::单选框_关闭计算机));  // keeps the check mark and the typed text
    EXPECT_TRUE(controls().Checked(C::选择框_弹出信息框));
    EXPECT_EQ(controls().GetText(C::编辑框_自定义信息框内容), "下班了");
    ASSERT_TRUE(sim().Click(C::单选框1));
    ASSERT_TRUE(sim().Click(C::选择框_弹出信息框));
    EXPECT_TRUE(controls().Disabled(C::编辑框_自定义信息框内容));
    EXPECT_EQ(controls().GetText(C::编辑框_自定义信息框内容), "自定义信息框内容");
}

TEST_F(SelectionTest, DropTargetAttachesOnceAndTakesFilesOnlyWhileThePathBoxIsEnabled) {
    EXPECT_FALSE(sim().DropFiles("C:\\a.exe"));  // not attached yet
    ASSERT_TRUE(sim().Click(C::单选框_运行文件));
    EXPECT_TRUE(sim().DropFiles("C:\\Program Files\\Tool\\run me.exe"));
    EXPECT_EQ(controls().GetText(C::编辑框_文件路径), "C:\\Program Files\\Tool\\run me.exe");
    ASSERT_TRUE(sim().Click(C::单选框_关闭计算机));
    EXPECT_FALSE(sim().DropFiles("C:\\b.exe"));
    EXPECT_EQ(controls().GetText(C::编辑框_文件路径), "C:\\Program Files\\Tool\\run me.exe");
    ASSERT_TRUE(sim().Click(C::单选框_运行文件));
    EXPECT_TRUE(sim().DropFiles("C:\\a.exe\r\nC:\\b.exe\r\n"));
    EXPECT_EQ(controls().GetText(C::编辑框_文件路径), "C:\\a.exe\r\nC:\\b.exe\r\n");
    EXPECT_EQ(sim().shell.attaches, 1);
    EXPECT_FALSE(sim().Type(C::编辑框_文件路径, "typed"));  // read-only even when enabled
}

}  // namespace
}  // namespace sim
