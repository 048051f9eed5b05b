// Window-level requests: the themed look for later controls, loading and destroying the warning window.
#include <windows.h>
// windows.h first
#include <commctrl.h>

#include "platform/win32_shell.h"
#include "runtime_fixture.h"

namespace runtime_test {
namespace {

// Only the version-6 button answers BCM_GETIDEALSIZE.
bool HasThemedLook(HWND button) {
    SIZE ideal{};
    return SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) != 0;
}

class ShellTest : public RuntimeTest {
  protected:
    void SetUp() override {
        RuntimeTest::SetUp();
        shellOwner = std::make_unique<platform::Win32Shell>(*runtime);
    }
    void TearDown() override {
        shellOwner.reset();
        RuntimeTest::TearDown();
    }
    std::unique_ptr<platform::Win32Shell> shellOwner;
    platform::Win32Shell& shell() { return *shellOwner; }
};

TEST_F(ShellTest, ControlsCreatedAfterTheCustomLookGetItAndEarlierOnesKeepTheClassicLook) {
    shell().EnableCustomControlLook();
    shell().LoadWarningWindow();
    HWND cancel = Control(ControlId::按钮_取消任务);
    ASSERT_NE(cancel, nullptr);
    EXPECT_TRUE(HasThemedLook(cancel));
    EXPECT_FALSE(HasThemedLook(Control(ControlId::按钮_启动)));
    EXPECT_FALSE(IsWindowVisible(runtime->Handle(ControlId::WarningWindow)));
}

TEST_F(ShellTest, DestroyRequestsAreQueuedAndHarmlessForAWindowThatIsGone) {
    shell().LoadWarningWindow();
    HWND warning = runtime->Handle(ControlId::WarningWindow);
    shell().RequestDestroy(ControlId::WarningWindow);
    EXPECT_TRUE(IsWindow(warning));  // queued, not done at once
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(warning); }, 2000));
    shell().RequestDestroy(ControlId::WarningWindow);
    platform::ProcessPendingEvents();
    EXPECT_TRUE(IsWindow(main));
    EXPECT_FALSE(shell().AttachDropTarget(ControlId::标签_倒计时读秒));  // no such window now
}

}  // namespace
}  // namespace runtime_test
