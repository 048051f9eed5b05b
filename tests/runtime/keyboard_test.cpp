// Window-level keys of the pre-translation.
#include "runtime_fixture.h"

namespace runtime_test {
namespace {

class KeyboardTest : public RuntimeTest {};

TEST_F(KeyboardTest, TabVisitsVisibleEnabledStopsWithoutCheckingRadios) {
    // Stops in table order: start, year, month, hours, [minutes: disabled], countdown, moment, [stop:
    // hidden].
    const ControlId expected[] = {ControlId::组合框_年,     ControlId::组合框_月,   ControlId::编辑框_时,
                                  ControlId::单选框_倒计时, ControlId::单选框_定时, ControlId::按钮_启动};
    SetFocus(Control(ControlId::按钮_启动));
    for (ControlId id : expected) {
        SCOPED_TRACE(scheduler::ControlName(id));
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        platform::ProcessPendingEvents();
        HWND focus = GetFocus();
        EXPECT_TRUE(focus == Control(id) || IsChild(Control(id), focus));
    }
    EXPECT_FALSE(runtime->Checked(ControlId::单选框_倒计时));
    EXPECT_TRUE(runtime->Checked(ControlId::单选框_定时));
    EXPECT_EQ(sink.Count(ControlId::单选框_倒计时, EventKind::Clicked), 0);
}

TEST_F(KeyboardTest, RadiosOfOneParentFormOneGroup) {
    PostMessageW(Control(ControlId::单选框_倒计时), BM_CLICK, 0, 0);
    platform::ProcessPendingEvents();
    EXPECT_TRUE(runtime->Checked(ControlId::单选框_倒计时));
    EXPECT_FALSE(runtime->Checked(ControlId::单选框_定时));
    EXPECT_EQ(sink.Count(ControlId::单选框_倒计时, EventKind::Clicked), 1);
}

TEST_F(KeyboardTest, EnterDoesNothingAndKeysToADisabledControlPassUntouched) {
    SetFocus(Control(ControlId::按钮_启动));
    PostMessageW(Control(ControlId::按钮_启动), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(Control(ControlId::编辑框_分), WM_KEYDOWN, VK_ESCAPE, 0);  // disabled: not a close request
    platform::ProcessPendingEvents();
    EXPECT_TRUE(IsWindow(main));
    EXPECT_EQ(sink.Count(ControlId::按钮_启动, EventKind::Clicked), 0);
}

}  // namespace
}  // namespace runtime_test
