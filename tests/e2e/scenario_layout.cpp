// The main window right after start-up: frame, position, and every control of the table.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "tests/e2e/expected_main_window.h"

namespace e2e {
namespace {

constexpr int kOuterWidth = 357;
constexpr int kOuterHeight = 284;

bool ClassAndStyleFit(Kind kind, HWND hwnd) {
    const std::wstring cls = ClassOf(hwnd);
    const LONG style = StyleOf(hwnd);
    switch (kind) {
        case Kind::Label:
            return _wcsicmp(cls.c_str(), L"Static") == 0;
        case Kind::DropList:
            return _wcsicmp(cls.c_str(), L"ComboBox") == 0 && (style & 3) == CBS_DROPDOWNLIST;
        case Kind::DropEdit:
            return _wcsicmp(cls.c_str(), L"ComboBox") == 0 && (style & 3) == CBS_DROPDOWN;
        case Kind::Edit:
            return _wcsicmp(cls.c_str(), L"Edit") == 0 && (ExStyleOf(hwnd) & WS_EX_CLIENTEDGE) != 0 &&
                   (style & ES_MULTILINE) == 0;
        case Kind::Button:
            return _wcsicmp(cls.c_str(), L"Button") == 0 && (style & BS_TYPEMASK) == BS_PUSHBUTTON;
        case Kind::Radio:
            return _wcsicmp(cls.c_str(), L"Button") == 0 && (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
        case Kind::Check:
            return _wcsicmp(cls.c_str(), L"Button") == 0 && (style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
        case Kind::Group:
            return _wcsicmp(cls.c_str(), L"Button") == 0 && (style & BS_TYPEMASK) == BS_GROUPBOX;
        case Kind::Timer:
        case Kind::DropTarget:
        case Kind::WebView:
            return true;
    }
    return false;
}

// The dropped reach of a combo box of `style` created 160 pixels tall in the driver itself.
LONG ReferenceComboReach(LONG style, int width) {
    HWND parent =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
    HWND combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VSCROLL | static_cast<DWORD>(style), 0, 0,
                                 width, 160, parent, nullptr, nullptr, nullptr);
    SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    RECT dropped{}, field{};
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    GetWindowRect(combo, &field);
    DestroyWindow(parent);
    return dropped.bottom - field.top;
}

bool IsCombo(Kind kind) {
    return kind == Kind::DropList || kind == Kind::DropEdit;
}

void CheckGeometry(const ExpectedControl& row, HWND hwnd, const std::wstring& name) {
    const RECT r = RectInParent(hwnd);
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (!IsCombo(row.kind)) {
        Check(r.left == row.left && r.top == row.top && width == row.width && height == row.height,
              Format(L"%ls at %d,%d size %dx%d (expected %d,%d %dx%d)", name.c_str(), r.left, r.top, width,
                     height, row.left, row.top, row.width, row.height));
        return;
    }
    // The closed field keeps the stored left, top and width; its height follows from the font.
    Check(r.left == row.left && r.top == row.top && width == row.width && height >= 14 && height <= 30,
          Format(L"%ls closed field at %d,%d size %dx%d (expected %d,%d width %d, height from the font)",
                 name.c_str(), r.left, r.top, width, height, row.left, row.top, row.width));
    // How far the open list reaches below the field's top: at least as far as for a combo box of the same
    // kind that the driver creates 160 pixels tall (Windows and Wine measure the dropped rect differently).
    RECT dropped{}, field{};
    SendMessageW(hwnd, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    GetWindowRect(hwnd, &field);
    const LONG reach = dropped.bottom - field.top;
    const LONG reference = ReferenceComboReach(StyleOf(hwnd) & 3, row.width);
    Check(reach >= reference,
          Format(L"%ls open list reaches %ld px below its top (a combo box created 160 tall: %ld)",
                 name.c_str(), reach, reference));
}

void CheckContent(const ExpectedControl& row, HWND hwnd, const std::wstring& name) {
    if (row.content != nullptr) {
        const std::wstring text = TextOf(hwnd);
        Check(text == row.content,
              Format(L"%ls shows \"%ls\" (expected \"%ls\")", name.c_str(), text.c_str(), row.content));
    }
    if (row.id == ControlId::组合框_是否提示) {
        const std::vector<std::wstring> items = ComboItems(hwnd);
        Check(items == std::vector<std::wstring>{L"是", L"否"} && ComboSelection(hwnd) == 0,
              Format(L"%ls holds %zu items, selection %d (expected 是, 否 with 是 selected)", name.c_str(),
                     items.size(), ComboSelection(hwnd)));
    }
    if (row.id == ControlId::组合框_倒计时提示) {
        std::vector<std::wstring> expected;
        for (int s = 60; s >= 1; --s) expected.push_back(Format(L"%d秒", s));
        const std::vector<std::wstring> items = ComboItems(hwnd);
        Check(items == expected && ComboSelection(hwnd) == 0,
              Format(L"%ls holds %zu items (first \"%ls\", last \"%ls\"), selection %d (expected 60秒..1秒, "
                     L"60秒 selected)",
                     name.c_str(), items.size(), items.empty() ? L"" : items.front().c_str(),
                     items.empty() ? L"" : items.back().c_str(), ComboSelection(hwnd)));
    }
    if (row.id == ControlId::编辑框_文件路径) {
        Check((StyleOf(hwnd) & ES_READONLY) != 0, name + L" is read-only");
    }
}

void CheckStates(const ExpectedControl& row, HWND hwnd, const std::wstring& name) {
    Check(IsShown(hwnd) == row.visible,
          Format(L"%ls %ls", name.c_str(), row.visible ? L"visible" : L"hidden"));
    Check(IsEnabledCtl(hwnd) == row.enabled,
          Format(L"%ls %ls", name.c_str(), row.enabled ? L"enabled" : L"disabled"));
    if (row.kind == Kind::Radio || row.kind == Kind::Check) {
        Check(IsChecked(hwnd) == row.checked,
              Format(L"%ls %ls", name.c_str(), row.checked ? L"checked" : L"unchecked"));
    }
}

// Siblings from the top of the stacking order down must follow the stored order.
void CheckStacking(HWND parent, bool inGroup, const wchar_t* what) {
    std::vector<ControlId> seen;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        const ExpectedControl* row = id >= 1000 ? FindExpected(static_cast<ControlId>(id - 1000)) : nullptr;
        if (!Check(row != nullptr && row->inGroup == inGroup,
                   Format(L"child window id %d (class %ls) of the %ls belongs to the table", id,
                          ClassOf(child).c_str(), what))) {
            continue;
        }
        seen.push_back(row->id);
    }
    std::vector<ControlId> expected;
    for (const ExpectedControl& row : ExpectedMainWindow()) {
        if (row.inGroup != inGroup || !IsWindowKind(row.kind)) continue;
        if (row.kind == Kind::WebView && std::find(seen.begin(), seen.end(), row.id) == seen.end()) continue;
        expected.push_back(row.id);
    }
    std::wstring order;
    for (ControlId id : seen) order += NameOf(id) + L" ";
    Check(seen == expected,
          Format(L"stacking order of the %ls's controls is the stored order: %ls", what, order.c_str()));
}

void CheckFrame(HWND main) {
    Check(TextOf(main) == L"禾舟定时关机1.0", L"title \"" + TextOf(main) + L"\"");
    RECT r{};
    GetWindowRect(main, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    Check(width == kOuterWidth && height == kOuterHeight,
          Format(L"outer size %dx%d (expected %dx%d)", width, height, kOuterWidth, kOuterHeight));
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    auto centredIn = [&](int left, int top, int w, int h) {
        return std::abs(r.left - (left + (w - width) / 2)) <= 1 &&
               std::abs(r.top - (top + (h - height) / 2)) <= 1;
    };
    Check(centredIn(0, 0, screenW, screenH) ||
              centredIn(work.left, work.top, work.right - work.left, work.bottom - work.top),
          Format(L"position %ld,%ld centred on the %dx%d screen (work area %ldx%ld)", r.left, r.top, screenW,
                 screenH, work.right - work.left, work.bottom - work.top));
    const LONG style = StyleOf(main);
    Check((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU) && (style & WS_MINIMIZEBOX) &&
              !(style & WS_MAXIMIZEBOX) && !(style & WS_THICKFRAME),
          Format(L"frame style 0x%08lx: caption, system menu, minimize box, no maximize box, fixed size",
                 style));
    Check(GetWindow(main, GW_OWNER) == nullptr && !(ExStyleOf(main) & WS_EX_TOOLWINDOW) &&
              !(ExStyleOf(main) & WS_EX_TOPMOST),
          L"no owner, own taskbar entry, not topmost");
}

COLORREF PixelAt(HWND main, int clientX, int clientY) {
    POINT p{clientX, clientY};
    ClientToScreen(main, &p);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// Pixels that no control covers: between the clock line and 定时任务, and inside the group box below its
// caption (the group box's own background).
void CheckBackground(HWND main) {
    const COLORREF window = PixelAt(main, 257, 10);
    Check(window == RGB(255, 255, 255),
          Format(L"window background at client 257,10 is white (0x%06lx)", window));
    const COLORREF group = PixelAt(main, 8 + 200, 69 + 12);
    Check(group == RGB(255, 255, 255),
          Format(L"inside 分组框1 (client 208,81) the background is white (0x%06lx)", group));
}

// Lets tests/e2e/screenshot.sh photograph the window: writes its rect, waits for the picture.
void ScreenshotHandshake(HWND main, const std::wstring& folder) {
    RECT r{};
    GetWindowRect(main, &r);
    const std::wstring rectFile = folder + L"\\main-window.rect";
    const std::wstring doneFile = folder + L"\\main-window.shot";
    DeleteFileW(doneFile.c_str());
    FILE* out = _wfopen((rectFile + L".tmp").c_str(), L"w");
    if (out == nullptr) {
        Check(false, L"cannot write " + rectFile);
        return;
    }
    std::fprintf(out, "%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    std::fclose(out);
    MoveFileExW((rectFile + L".tmp").c_str(), rectFile.c_str(), MOVEFILE_REPLACE_EXISTING);
    Check(WaitFor([&] { return GetFileAttributesW(doneFile.c_str()) != INVALID_FILE_ATTRIBUTES; }, 20000),
          L"screenshot taken");
}

}  // namespace

int Layout(const Arguments& args) {
    Program program(args.exe);
    if (!program.Started()) return 1;
    HWND main = program.Main();
    CheckFrame(main);
    HWND group = program.Control(ControlId::分组框1);

    for (const ExpectedControl& row : ExpectedMainWindow()) {
        const std::wstring name = NameOf(row.id);
        HWND hwnd = program.Control(row.id);
        if (!IsWindowKind(row.kind)) {
            Check(hwnd == nullptr, name + L" is not a window");
            continue;
        }
        if (row.kind == Kind::WebView && hwnd == nullptr) {
            Note(name + L" is not a window in this build: skipped");
            continue;
        }
        if (!Check(hwnd != nullptr, name + L" exists")) continue;
        Check(GetAncestor(hwnd, GA_PARENT) == (row.inGroup ? group : main),
              name + (row.inGroup ? L" lies in 分组框1" : L" lies on the main window"));
        CheckGeometry(row, hwnd, name);
        if (row.kind == Kind::WebView) continue;
        Check(ClassAndStyleFit(row.kind, hwnd), Format(L"%ls kind: class %ls, style 0x%08lx", name.c_str(),
                                                       ClassOf(hwnd).c_str(), StyleOf(hwnd)));
        CheckContent(row, hwnd, name);
        CheckStates(row, hwnd, name);
    }
    CheckStacking(main, false, L"main window");
    if (group != nullptr) CheckStacking(group, true, L"group box");
    CheckBackground(main);
    if (!args.handshake.empty()) ScreenshotHandshake(main, args.handshake);

    DWORD code = program.End();
    Check(code == 0, Format(L"exit code %lu", code));
    return FailureCount() == 0 ? 0 : 1;
}

}  // namespace e2e
