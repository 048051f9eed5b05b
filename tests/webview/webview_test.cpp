// The announcement strip's host and browser control under Wine: with the engine (the default) and
// without it (the suite WebViewWithoutEngine runs with WINEDLLOVERRIDES=ieframe=d).
#include <exdisp.h>
#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include <optional>

#include "platform/web_view.h"
#include "tests/webview/loopback_server.h"

namespace {

constexpr int kHostId = 1042;
constexpr RECT kHostRect{6, 160, 366, 200};
constexpr wchar_t kParentClass[] = L"WebViewTest.Parent";

// Dispatches the thread's messages until `done` holds or `timeoutMs` has passed.
template <typename Condition>
bool PumpUntil(Condition done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (done()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

RECT RectInParent(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Describe(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) +
           "," + std::to_string(r.bottom) + ")";
}

bool FocusInside(HWND host) {
    HWND focus = GetFocus();
    return focus != nullptr && (focus == host || IsChild(host, focus));
}

MSG KeyDown(HWND target, WPARAM key) {
    MSG message{};
    message.hwnd = target;
    message.message = WM_KEYDOWN;
    message.wParam = key;
    message.lParam = 1;
    message.time = GetTickCount();
    return message;
}

class WebViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = kParentClass;
        RegisterClassExW(&wc);
        parent_ = CreateWindowExW(0, kParentClass, L"webview test", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0,
                                  0, 400, 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr);
        other_ = CreateWindowExW(0, L"BUTTON", L"other", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 188, 222, 75, 25,
                                 parent_, reinterpret_cast<HMENU>(7), GetModuleHandleW(nullptr), nullptr);
        ShowWindow(parent_, SW_SHOW);
        SetForegroundWindow(parent_);
        view_.emplace();
    }

    void TearDown() override {
        view_.reset();
        if (IsWindow(parent_)) DestroyWindow(parent_);
        PumpUntil([] { return false; }, 0);
        OleUninitialize();
    }

    HWND Create(const wchar_t* address) {
        return view_->Create(parent_, kHostId, kHostRect.left, kHostRect.top,
                             kHostRect.right - kHostRect.left, kHostRect.bottom - kHostRect.top, address);
    }

    // The host is the parent's visible child at the stored place, with its id and a white background.
    void ExpectWhiteHostAtItsPlace(HWND host) {
        ASSERT_NE(host, nullptr);
        EXPECT_EQ(view_->Host(), host);
        EXPECT_EQ(GetParent(host), parent_);
        EXPECT_EQ(GetDlgCtrlID(host), kHostId);
        EXPECT_TRUE(IsWindowVisible(host));
        EXPECT_NE(GetWindowLongW(host, GWL_STYLE) & WS_TABSTOP, 0);
        EXPECT_TRUE(SameRect(RectInParent(host), kHostRect)) << Describe(RectInParent(host));
        EXPECT_EQ(reinterpret_cast<HBRUSH>(GetClassLongPtrW(host, GCLP_HBRBACKGROUND)),
                  static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }

    HWND parent_ = nullptr;
    HWND other_ = nullptr;
    std::optional<platform::WebView> view_;
};

using WebViewWithEngine = WebViewTest;
using WebViewWithoutEngine = WebViewTest;

TEST_F(WebViewWithEngine, BrowserFillsTheHostAndRequestsTheAddress) {
    webview_test::LoopbackServer server;
    ASSERT_NE(server.Port(), 0);
    HWND host = Create(server.Address(L"/announcement.html").c_str());
    ExpectWhiteHostAtItsPlace(host);
    ASSERT_TRUE(view_->HasBrowser());

    HWND browser = GetWindow(host, GW_CHILD);
    ASSERT_NE(browser, nullptr);
    RECT client{};
    GetClientRect(host, &client);
    EXPECT_TRUE(SameRect(RectInParent(browser), client)) << Describe(RectInParent(browser));

    const bool received = PumpUntil([&] { return server.Received("/announcement.html"); }, 10000);
    std::string lines;
    for (const auto& line : server.RequestLines()) lines += line + "\n";
    EXPECT_TRUE(received) << "requests:\n" << lines;

    // The control follows the host when the host is resized.
    SetWindowPos(host, nullptr, 0, 0, 200, 30, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(SameRect(RectInParent(browser), RECT{0, 0, 200, 30})) << Describe(RectInParent(browser));
}

TEST_F(WebViewWithEngine, InputIsOfferedOnlyWhileTheFocusIsInside) {
    HWND host = Create(L"");
    ASSERT_NE(host, nullptr);
    ASSERT_TRUE(view_->HasBrowser());

    SetFocus(other_);
    MSG outside = KeyDown(other_, VK_TAB);
    EXPECT_FALSE(view_->TranslateAccelerator(outside));

    SetFocus(host);
    PumpUntil([] { return false; }, 100);
    EXPECT_TRUE(FocusInside(host));
    MSG notInput{};
    notInput.hwnd = GetFocus();
    notInput.message = WM_NULL;
    EXPECT_FALSE(view_->TranslateAccelerator(notInput));
}

// Without a configured address the strip shows the page the program carries as a resource.
TEST(WebViewAddress, DefaultsToTheProgramsOwnPage) {
    const std::wstring configured = platform::ConfiguredAnnouncementAddress();
    if (!configured.empty()) {
        EXPECT_EQ(platform::WebView::DefaultAddress(), configured);
        return;
    }
    wchar_t path[MAX_PATH]{};
    ASSERT_NE(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    EXPECT_EQ(platform::WebView::DefaultAddress(), L"res://" + std::wstring(path) + L"/announcement.html");
}

TEST_F(WebViewWithEngine, CreatingTwiceKeepsOneHost) {
    HWND host = Create(L"");
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(Create(L""), host);
    HWND child = GetWindow(parent_, GW_CHILD);
    int hosts = 0;
    for (; child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) hosts += GetDlgCtrlID(child) == kHostId;
    EXPECT_EQ(hosts, 1);
}

TEST_F(WebViewWithEngine, DestroyingTheParentReleasesTheBrowser) {
    HWND host = Create(L"");
    ASSERT_TRUE(view_->HasBrowser());
    DestroyWindow(parent_);
    EXPECT_FALSE(IsWindow(host));
    EXPECT_FALSE(view_->HasBrowser());
    EXPECT_EQ(view_->Host(), nullptr);
    view_->Destroy();  // as the window runtime does at exit; the destructor follows
}

TEST_F(WebViewWithEngine, DestroyRemovesTheHost) {
    HWND host = Create(L"");
    ASSERT_TRUE(view_->HasBrowser());
    view_->Destroy();
    EXPECT_FALSE(IsWindow(host));
    EXPECT_FALSE(view_->HasBrowser());
    view_->Destroy();
}

// Without a browser engine the strip is a white, empty host and everything around it goes on.
TEST_F(WebViewWithoutEngine, HostStaysWhiteAndEmpty) {
    IOleObject* probe = nullptr;
    const HRESULT engine = CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                            reinterpret_cast<void**>(&probe));
    if (probe != nullptr) probe->Release();
    ASSERT_TRUE(FAILED(engine))
        << "the browser engine must be disabled for this suite (WINEDLLOVERRIDES=ieframe=d)";

    webview_test::LoopbackServer server;
    HWND host = Create(server.Address(L"/announcement.html").c_str());
    ExpectWhiteHostAtItsPlace(host);
    EXPECT_FALSE(view_->HasBrowser());
    EXPECT_EQ(GetWindow(host, GW_CHILD), nullptr);

    SetFocus(host);
    EXPECT_TRUE(FocusInside(host));
    MSG key = KeyDown(host, VK_TAB);
    EXPECT_FALSE(view_->TranslateAccelerator(key));

    // The parent's other controls keep working.
    SetFocus(other_);
    EXPECT_EQ(GetFocus(), other_);
    view_->Destroy();
    EXPECT_FALSE(IsWindow(host));
}

}  // namespace
