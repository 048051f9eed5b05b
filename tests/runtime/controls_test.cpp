// The control properties over real controls, the integer boxes, and the warning window's life.
#include "platform/text_win32.h"
#include "runtime_fixture.h"

namespace runtime_test {
namespace {

class ControlsTest : public RuntimeTest {};

TEST_F(ControlsTest, SelectedItemIsClampedOnARealList) {
    const ControlId list = ControlId::组合框_年;
    for (int32_t index : {0, 5, -1}) {
        runtime->SetSelectedItem(list, index);
        EXPECT_EQ(runtime->SelectedItem(list), -1) << "empty list, index " << index;
    }
    for (int i = 0; i < 30; ++i) runtime->AddItem(list, std::to_string(2000 + i), i);
    EXPECT_EQ(SendMessageW(Control(list), CB_GETITEMDATA, 7, 0), 7);
    struct Case {
        int32_t written;
        int32_t selected;
        const char* text;
    };
    const Case cases[] = {
        {3, 3, "2003"}, {40, 29, "2029"}, {-1, -1, ""}, {29, 29, "2029"}, {scheduler::kTimerStop, -1, ""},
        {0, 0, "2000"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        runtime->SetSelectedItem(list, c.written);
        EXPECT_EQ(runtime->SelectedItem(list), c.selected);
        EXPECT_EQ(runtime->GetText(list), c.text);
    }
    runtime->Clear(list);
    EXPECT_EQ(SendMessageW(Control(list), CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(runtime->GetText(list), "");
}

TEST_F(ControlsTest, ListsAreTallAndTheirItemsOnePixelTaller) {
    for (ControlId id : {ControlId::组合框_年, ControlId::组合框_月}) {
        SCOPED_TRACE(scheduler::ControlName(id));
        HWND combo = Control(id);
        // A plain combo box of the same kind and font gives the default item height.
        HWND plain = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | (GetWindowLongW(combo, GWL_STYLE) & 0xF),
                                     0, 0, 60, 160, main, nullptr, nullptr, nullptr);
        SendMessageW(plain, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0),
                  SendMessageW(plain, CB_GETITEMHEIGHT, 0, 0) + 1);
        EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0),
                  SendMessageW(plain, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
        // Created 160 high rather than the stored 20: the open list gets about 140 pixels (Windows
        // reports field and list in the dropped rectangle, Wine the list alone).
        RECT dropped{};
        SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        EXPECT_GE(dropped.bottom - dropped.top, 130);
        EXPECT_EQ(GetWindowLongW(combo, GWL_STYLE) & CBS_SORT, 0);
        DestroyWindow(plain);
    }
}

TEST_F(ControlsTest, ChoosingAMonthIsReportedAfterTheFieldShowsIt) {
    core::Text seen;
    sink.onEvent = [&](ControlId id, EventKind kind) {
        if (id == ControlId::组合框_月 && kind == EventKind::ItemChosen) seen = runtime->GetText(id);
    };
    runtime->SetSelectedItem(ControlId::组合框_月, 1);  // programmatic: no event
    SetFocus(Control(ControlId::组合框_月));
    HWND field = GetFocus();
    PostMessageW(field, WM_KEYDOWN, VK_DOWN, 0);  // the user picks the next item with the keyboard
    ASSERT_TRUE(PumpUntil([&] { return sink.Count(ControlId::组合框_月, EventKind::ItemChosen) > 0; }, 2000));
    EXPECT_EQ(sink.Count(ControlId::组合框_月, EventKind::ItemChosen), 1);
    EXPECT_EQ(seen, "3");
}

TEST_F(ControlsTest, IntegerBoxDropsTypedLettersAndNormalizesOnFocusLoss) {
    const ControlId box = ControlId::编辑框_时;
    HWND edit = Control(box);
    runtime->SetText(box, "");
    for (wchar_t ch : std::wstring(L"12a3\x4E00")) SendMessageW(edit, WM_CHAR, ch, 0);
    EXPECT_EQ(runtime->GetText(box), "123");

    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {{"007", "7"}, {"0", ""},      {"-0", ""},   {"99999999999", "2147483647"},
                          {"-", ""},    {"  42", "42"}, {"-5x", "-5"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        runtime->SetText(box, c.typed);
        SetFocus(edit);
        SetFocus(Control(ControlId::按钮_启动));
        EXPECT_EQ(runtime->GetText(box), c.shown);
    }

    // The caret keeps its place; a text that is already normal is left alone.
    runtime->SetText(box, "  42");
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 2, 2);
    SetFocus(Control(ControlId::按钮_启动));
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end, 2u);
    SetFocus(edit);
    SendMessageW(edit, EM_SETMODIFY, TRUE, 0);
    SetFocus(Control(ControlId::按钮_启动));
    EXPECT_NE(SendMessageW(edit, EM_GETMODIFY, 0, 0), 0);
}

TEST_F(ControlsTest, PropertiesOfButtonsLabelsAndWindows) {
    EXPECT_TRUE(runtime->Visible(ControlId::MainWindow));
    EXPECT_FALSE(runtime->Visible(ControlId::按钮_中止));
    runtime->SetVisible(ControlId::按钮_中止, true);
    EXPECT_TRUE(runtime->Visible(ControlId::按钮_中止));
    EXPECT_TRUE(runtime->Disabled(ControlId::编辑框_分));
    runtime->SetDisabled(ControlId::编辑框_分, false);
    EXPECT_FALSE(runtime->Disabled(ControlId::编辑框_分));
    EXPECT_TRUE(runtime->Checked(ControlId::单选框_定时));
    EXPECT_FALSE(runtime->Checked(ControlId::单选框_倒计时));
    runtime->SetCaption(ControlId::标签_当前时间, "当前电脑时间：");
    EXPECT_EQ(runtime->Caption(ControlId::标签_当前时间), "当前电脑时间：");
    wchar_t wide[32]{};
    GetWindowTextW(Control(ControlId::标签_当前时间), wide, 32);
    EXPECT_STREQ(wide, L"当前电脑时间：");
}

TEST_F(ControlsTest, ADroppedWideTextSurvivesTheGbkRoundTrip) {
    const std::wstring path = L"C:\\dir\\\x0928\x0E01.exe";  // characters outside code page 936
    const core::Text gbk = platform::WideToGbk(path);
    ASSERT_NE(platform::GbkToWide(gbk), path);
    runtime->PreferWideText(ControlId::编辑框_时, path);
    runtime->SetText(ControlId::编辑框_时, gbk);
    wchar_t shown[64]{};
    GetWindowTextW(Control(ControlId::编辑框_时), shown, 64);
    EXPECT_EQ(std::wstring(shown), path);
    runtime->SetText(ControlId::编辑框_时, "12");  // any other text is written as given
    EXPECT_EQ(runtime->GetText(ControlId::编辑框_时), "12");
}

class WarningWindowTest : public RuntimeTest {
  protected:
    void SetUp() override {
        RuntimeTest::SetUp();
        warning = runtime->Load(TestWarningWindow());
        ASSERT_NE(warning, nullptr);
    }
    HWND warning = nullptr;
};

TEST_F(WarningWindowTest, ShowingActivatesItWithTheFocusOnItsButton) {
    EXPECT_FALSE(runtime->Visible(ControlId::WarningWindow));
    runtime->SetCaption(ControlId::标签_倒计时读秒, "9");
    runtime->SetVisible(ControlId::WarningWindow, true);
    EXPECT_TRUE(IsWindowVisible(warning));
    EXPECT_EQ(GetFocus(), Control(ControlId::按钮_取消任务));
    EXPECT_NE(GetWindowLongW(warning, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetWindowLongW(warning, GWL_STYLE) & WS_CAPTION, static_cast<LONG>(WS_DLGFRAME));
    RECT rect;
    GetWindowRect(warning, &rect);
    EXPECT_EQ(rect.right - rect.left, 124);
    EXPECT_EQ(rect.bottom - rect.top, 136);
    runtime->SetVisible(ControlId::WarningWindow, false);
    EXPECT_FALSE(IsWindowVisible(warning));
}

TEST_F(WarningWindowTest, EscDismissesTheCurrentWarningAndTheNextOneLoadsTheWindowAgain) {
    runtime->SetVisible(ControlId::WarningWindow, true);
    PostMessageW(Control(ControlId::按钮_取消任务), WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(warning); }, 2000));
    EXPECT_EQ(runtime->Handle(ControlId::WarningWindow), nullptr);
    EXPECT_TRUE(IsWindow(main));

    // The countdown goes on writing to the gone window: harmless, and it stays gone.
    runtime->SetVisible(ControlId::WarningWindow, true);
    runtime->SetCaption(ControlId::标签_倒计时读秒, "5");
    EXPECT_EQ(runtime->Handle(ControlId::WarningWindow), nullptr);
    EXPECT_EQ(runtime->Caption(ControlId::标签_倒计时读秒), "");
    EXPECT_FALSE(runtime->Visible(ControlId::WarningWindow));

    // Stop, cancel or the task hide the warning; the next warning comes up in a new window.
    runtime->SetVisible(ControlId::WarningWindow, false);
    runtime->SetVisible(ControlId::WarningWindow, true);
    HWND again = runtime->Handle(ControlId::WarningWindow);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(IsWindowVisible(again));
    runtime->SetCaption(ControlId::标签_倒计时读秒, "4");
    EXPECT_EQ(runtime->Caption(ControlId::标签_倒计时读秒), "4");
    EXPECT_EQ(GetParent(Control(ControlId::标签_倒计时读秒)), again);
}

TEST_F(WarningWindowTest, EscInTheMainWindowDestroysItAndTheDestroyHandlerRuns) {
    PostMessageW(Control(ControlId::按钮_启动), WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(main); }, 2000));
    EXPECT_EQ(sink.destroyed, 1);
    EXPECT_TRUE(runtime->AnyWindowAlive());  // the warning window is still there
    // With the main window gone a hidden warning is not brought back; writes stay harmless.
    PostMessageW(warning, WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(warning); }, 2000));
    runtime->SetVisible(ControlId::WarningWindow, true);
    EXPECT_FALSE(runtime->AnyWindowAlive());
    runtime->SetPeriod(ControlId::时钟1, 1000);
    EXPECT_EQ(runtime->Period(ControlId::时钟1), 1000);
}

}  // namespace
}  // namespace runtime_test
