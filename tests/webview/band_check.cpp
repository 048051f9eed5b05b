// Starts the program under test with a loopback announcement address and checks, as a user would
// see it, the announcement strip of its main window: the band the masks leave open, the controls
// that lie over the bottom mask, the request for the announcement page, no dialog of the browser,
// and a clean exit. Prints PASS/FAIL lines; exits 0 when every check passed.
//   band_check PROGRAM MODE
// MODE --engine: the program is the loopback build and must request the page; --no-engine: run
// with the browser engine disabled, the host must stay empty; --own-page: the program as shipped,
// which must carry its announcement page as a resource and send nothing to the server.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "scheduler/control_id.h"
#include "tests/webview/loopback_server.h"
#include "ui/window_identity.h"

namespace {

using scheduler::ControlId;

int failures = 0;

void Check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "PASS" : "FAIL", what.c_str());
    std::fflush(stdout);
    if (!ok) ++failures;
}

template <typename Condition>
bool PollUntil(Condition done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(25);
    }
}

// A path from the Linux side (/work/...) becomes the drive that maps the root (Z:\work\...).
std::wstring WindowsPath(const char* path) {
    std::wstring wide;
    for (const char* p = path; *p != '\0'; ++p) wide += static_cast<wchar_t>(*p == '/' ? '\\' : *p);
    return path[0] == '/' ? L"Z:" + wide : wide;
}

struct VisibleWindows {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND hwnd, LPARAM param) {
    auto* windows = reinterpret_cast<VisibleWindows*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == windows->pid && IsWindowVisible(hwnd)) windows->found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> VisibleTopLevel(DWORD pid) {
    VisibleWindows windows{pid, {}};
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&windows));
    return windows.found;
}

HWND FindMainWindow(DWORD pid) {
    for (HWND hwnd : VisibleTopLevel(pid)) {
        wchar_t name[64]{};
        GetClassNameW(hwnd, name, 64);
        if (lstrcmpW(name, ui::kMainWindowClass) == 0) return hwnd;
    }
    return nullptr;
}

HWND Control(HWND main, ControlId id) {
    return GetDlgItem(main, ui::WindowIdOf(id));
}

RECT RectInClient(HWND main, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, main, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string Describe(const RECT& r) {
    char text[64];
    std::snprintf(text, sizeof(text), "(%ld,%ld)-(%ld,%ld)", r.left, r.top, r.right, r.bottom);
    return text;
}

// The main window's children in Z-order, topmost first, with their places in client coordinates.
struct Child {
    HWND hwnd;
    RECT rect;
    bool visible;
};

struct Layout {
    HWND main;
    RECT client;
    std::vector<Child> children;
};

Layout Snapshot(HWND main) {
    Layout layout{main, {}, {}};
    GetClientRect(main, &layout.client);
    for (HWND w = GetWindow(main, GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT))
        layout.children.push_back({w, RectInClient(main, w), IsWindowVisible(w) != FALSE});
    return layout;
}

// The child that shows at a client point, as ChildWindowFromPointEx(CWP_SKIPINVISIBLE) finds it;
// worked out from one snapshot because each cross-process call costs milliseconds under Wine.
HWND TopChildAt(const Layout& layout, int x, int y) {
    if (!PtInRect(&layout.client, POINT{x, y})) return nullptr;
    for (const Child& child : layout.children)
        if (child.visible && PtInRect(&child.rect, POINT{x, y})) return child.hwnd;
    return layout.main;
}

// Exactly the band x 8..343, y 172..193 shows the web view: every client point around the view
// where the view is the topmost child lies in the band, and every point of the band shows the view.
void CheckBand(HWND main, HWND view) {
    const RECT band{8, 172, 344, 194};
    const Layout layout = Snapshot(main);
    int wrong = 0;
    std::string first;
    for (int y = 150; y <= 210; ++y) {
        for (int x = 0; x <= 372; ++x) {
            const bool shown = TopChildAt(layout, x, y) == view;
            const bool inBand = x >= band.left && x < band.right && y >= band.top && y < band.bottom;
            if (shown == inBand) continue;
            if (wrong++ == 0) first = " first at (" + std::to_string(x) + "," + std::to_string(y) + ")";
        }
    }
    Check(wrong == 0, "only the band (8..343, 172..193) shows the web view; wrong points: " +
                          std::to_string(wrong) + first);
    // The system agrees at the band's corners and just outside them.
    const POINT probes[] = {{8, 172},   {343, 172}, {8, 193},   {343, 193}, {7, 180},
                            {344, 180}, {100, 171}, {100, 194}, {6, 160},   {365, 199}};
    int disagree = 0;
    for (const POINT& p : probes) {
        HWND system = ChildWindowFromPointEx(main, p, CWP_SKIPINVISIBLE);
        HWND expected = TopChildAt(layout, p.x, p.y);
        if (system == expected) continue;
        ++disagree;
        std::printf("at (%ld,%ld): system id %d, snapshot id %d\n", p.x, p.y, GetDlgCtrlID(system),
                    GetDlgCtrlID(expected));
    }
    Check(disagree == 0,
          "ChildWindowFromPointEx agrees at the band's edges; disagreements: " + std::to_string(disagree));
}

// The controls that reach into the bottom mask lie above it: earlier in the Z-order, and topmost at
// every point they share with it.
void CheckAboveBottomMask(HWND main) {
    HWND mask = Control(main, ControlId::标签8);
    const Layout layout = Snapshot(main);
    const RECT maskRect = RectInClient(main, mask);
    const struct {
        ControlId id;
        const char* name;
    } nearby[] = {{ControlId::按钮_倒计时提示设置, u8"按钮_倒计时提示设置"},
                  {ControlId::组合框_倒计时提示, u8"组合框_倒计时提示"},
                  {ControlId::标签_1, u8"标签_1"},
                  {ControlId::标签_倒计时显示, u8"标签_倒计时显示"}};
    for (const auto& control : nearby) {
        HWND hwnd = Control(main, control.id);
        if (hwnd == nullptr) {
            Check(false, std::string(control.name) + " exists");
            continue;
        }
        bool maskSeen = false;
        bool above = false;
        for (HWND w = GetWindow(main, GW_CHILD); w != nullptr && !maskSeen; w = GetWindow(w, GW_HWNDNEXT)) {
            above = above || w == hwnd;
            maskSeen = w == mask;
        }
        Check(above, std::string(control.name) + u8" lies above 标签8 in the Z-order");
        if (!IsWindowVisible(hwnd)) continue;
        RECT shared{};
        const RECT own = RectInClient(main, hwnd);
        IntersectRect(&shared, &own, &maskRect);
        int hidden = 0;
        for (int y = shared.top; y < shared.bottom; ++y)
            for (int x = shared.left; x < shared.right; ++x) hidden += TopChildAt(layout, x, y) != hwnd;
        Check(hidden == 0 && !IsRectEmpty(&shared),
              std::string(control.name) + u8" is visible where it overlaps 标签8 " + Describe(shared) +
                  ", hidden points: " + std::to_string(hidden));
    }
}

void CheckLayout(HWND main) {
    HWND view = Control(main, ControlId::超文本浏览框1);
    Check(view != nullptr, "the web view host exists");
    if (view == nullptr) return;
    const RECT rect = RectInClient(main, view);
    Check(rect.left == 6 && rect.top == 160 && rect.right == 366 && rect.bottom == 200,
          "the web view host lies at (6,160) 360x40: " + Describe(rect));
    Check(GetWindow(view, GW_HWNDNEXT) == nullptr, "the web view is the bottom control");
    const ControlId masks[] = {ControlId::标签5, ControlId::标签6, ControlId::标签7, ControlId::标签8};
    for (ControlId mask : masks) Check(Control(main, mask) != nullptr, "mask exists");
    CheckBand(main, view);
    CheckAboveBottomMask(main);
}

// No window of the program but the main window may be visible (no dialog of the browser).
void CheckNoDialog(DWORD pid, HWND main) {
    std::string extra;
    PollUntil(
        [&] {
            for (HWND hwnd : VisibleTopLevel(pid)) {
                if (hwnd == main) continue;
                wchar_t title[128]{};
                GetWindowTextW(hwnd, title, 128);
                char utf8[384]{};
                WideCharToMultiByte(CP_UTF8, 0, title, -1, utf8, sizeof(utf8), nullptr, nullptr);
                extra = utf8;
                return true;
            }
            return false;
        },
        1500);
    Check(extra.empty(), "no other window of the program appears" + (extra.empty() ? "" : ": " + extra));
}

void CheckCarriesPage(const std::wstring& program) {
    HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC page = module != nullptr ? FindResourceW(module, L"ANNOUNCEMENT.HTML", RT_HTML) : nullptr;
    Check(page != nullptr && SizeofResource(module, page) > 0,
          "the program carries announcement.html as an HTML resource");
    if (module != nullptr) FreeLibrary(module);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::printf("usage: band_check PROGRAM (--engine | --no-engine | --own-page)\n");
        return 2;
    }
    const std::string mode = argv[2];
    const bool engine = mode != "--no-engine";
    const bool ownPage = mode == "--own-page";
    webview_test::LoopbackServer server;
    Check(server.Port() != 0, "the loopback server listens");
    if (server.Port() == 0) return 1;
    SetEnvironmentVariableW(L"HZ_TEST_ANNOUNCEMENT_PORT", std::to_wstring(server.Port()).c_str());

    const std::wstring program = WindowsPath(argv[1]);
    if (ownPage) CheckCarriesPage(program);
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        Check(false, "the program starts (CreateProcess error " + std::to_string(GetLastError()) + ")");
        return 1;
    }
    HWND main = nullptr;
    Check(PollUntil([&] { return (main = FindMainWindow(process.dwProcessId)) != nullptr; }, 20000),
          "the main window appears");
    if (main != nullptr) {
        HWND view = Control(main, ControlId::超文本浏览框1);
        if (engine && !ownPage) {
            Check(PollUntil([&] { return server.Received("/announcement.html"); }, 10000),
                  "the loopback server receives GET /announcement.html");
        }
        if (engine) {
            Check(view != nullptr && GetWindow(view, GW_CHILD) != nullptr,
                  "the browser control fills the host");
        } else {
            Check(view != nullptr && GetWindow(view, GW_CHILD) == nullptr,
                  "without the engine the host is empty");
        }
        CheckLayout(main);
        CheckNoDialog(process.dwProcessId, main);
        HWND clock = Control(main, ControlId::标签_当前时间);
        Check(PollUntil([&] { return GetWindowTextLengthW(clock) > 0; }, 5000), "the clock shows the time");
        PostMessageW(main, WM_CLOSE, 0, 0);
    }
    const bool ended = WaitForSingleObject(process.hProcess, 15000) == WAIT_OBJECT_0;
    DWORD code = 1;
    if (ended) GetExitCodeProcess(process.hProcess, &code);
    Check(ended && code == 0,
          "the program ends with exit code 0 after closing (code " + std::to_string(code) + ")");
    if (!ended) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (const auto& line : server.RequestLines()) std::printf("request: %s\n", line.c_str());
    if (ownPage) Check(server.RequestLines().empty(), "the program as shipped sends no request");
    std::printf("%d failed\n", failures);
    return failures == 0 ? 0 : 1;
}
