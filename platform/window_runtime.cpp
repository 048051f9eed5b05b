#include "platform/window_runtime.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/control_subclass.h"
#include "platform/text_win32.h"
#include "resources/resource_ids.h"
#include "ui/window_identity.h"

namespace platform {
namespace {

using ui::ControlKind;

// Raised after the user's choice in a list has taken effect (the edit field shows the item).
constexpr UINT kItemChosenMessage = WM_APP + 1;

COLORREF ColorOf(ui::Rgb color) {
    return RGB(color.r, color.g, color.b);
}

bool IsValidControl(ControlId id) {
    const auto value = static_cast<int32_t>(id);
    return value >= 0 && value < scheduler::kControlCount;
}

DWORD KindStyle(const ui::ControlDescription& row) {
    switch (row.kind) {
        case ControlKind::Label: {
            const DWORD align = row.align == ui::Align::Center  ? SS_CENTER
                                : row.align == ui::Align::Right ? SS_RIGHT
                                                                : SS_LEFT;
            return SS_CENTERIMAGE | SS_NOPREFIX | align;
        }
        case ControlKind::DropDownList:
            return CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | WS_VSCROLL;
        case ControlKind::EditableDropDown:
            return CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL;
        case ControlKind::EditBox:
            return ES_AUTOHSCROLL | (row.readOnly ? ES_READONLY : 0) |
                   (row.align == ui::Align::Right    ? ES_RIGHT
                    : row.align == ui::Align::Center ? ES_CENTER
                                                     : ES_LEFT);
        case ControlKind::PushButton:
            return BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
        case ControlKind::RadioButton:
            return BS_AUTORADIOBUTTON | BS_MULTILINE;
        case ControlKind::CheckBox:
            return BS_AUTOCHECKBOX | BS_MULTILINE;
        case ControlKind::GroupBox:
            return BS_GROUPBOX | WS_CLIPCHILDREN;
        case ControlKind::Timer:
        case ControlKind::FileDropTarget:
        case ControlKind::WebView:
            return 0;
    }
    return 0;
}

const wchar_t* KindClass(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return L"STATIC";
        case ControlKind::DropDownList:
        case ControlKind::EditableDropDown:
            return L"COMBOBOX";
        case ControlKind::EditBox:
            return L"EDIT";
        case ControlKind::PushButton:
        case ControlKind::RadioButton:
        case ControlKind::CheckBox:
        case ControlKind::GroupBox:
            return L"BUTTON";
        case ControlKind::Timer:
        case ControlKind::FileDropTarget:
        case ControlKind::WebView:
            return nullptr;
    }
    return nullptr;
}

bool IsCombo(ControlKind kind) {
    return kind == ControlKind::DropDownList || kind == ControlKind::EditableDropDown;
}

// Radio buttons with the same parent form one group: the first radio of a parent starts it, and the
// first other control after the parent's last radio ends it.
std::vector<DWORD> GroupStyles(const ui::WindowDescription& description) {
    const auto& rows = description.controls;
    std::vector<DWORD> styles(rows.size(), 0);
    std::vector<ControlId> parents;
    for (const auto& row : rows) {
        if (std::find(parents.begin(), parents.end(), row.parent) == parents.end())
            parents.push_back(row.parent);
    }
    for (ControlId parent : parents) {
        size_t first = rows.size();
        size_t last = rows.size();
        for (size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].parent != parent || rows[i].kind != ControlKind::RadioButton) continue;
            if (first == rows.size()) first = i;
            last = i;
        }
        if (first == rows.size()) continue;
        styles[first] |= WS_GROUP;
        for (size_t i = last + 1; i < rows.size(); ++i) {
            if (rows[i].parent == parent && KindClass(rows[i].kind) != nullptr) {
                styles[i] |= WS_GROUP;
                break;
            }
        }
    }
    return styles;
}

// Items one pixel taller than the font gives; the closed field keeps its own height. Wine honours
// CB_SETITEMHEIGHT only for owner-drawn combo boxes, so the list box is told directly as well.
void SetListItemHeight(HWND combo) {
    const LRESULT itemHeight = SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0);
    if (itemHeight <= 0) return;
    SendMessageW(combo, CB_SETITEMHEIGHT, 0, itemHeight + 1);
    if (SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0) == itemHeight + 1) return;
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(combo, &info) && info.hwndList != nullptr)
        SendMessageW(info.hwndList, LB_SETITEMHEIGHT, 0, itemHeight + 1);
}

// The program's icon for the title bar and the taskbar, stored with the window itself.
void SetIcons(HWND hwnd) {
    HINSTANCE module = GetModuleHandleW(nullptr);
    auto load = [&](int size) {
        return static_cast<HICON>(
            LoadImageW(module, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, size, size, LR_SHARED));
    };
    if (HICON big = load(GetSystemMetrics(SM_CXICON)))
        SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    if (HICON small = load(GetSystemMetrics(SM_CXSMICON)))
        SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

RECT CentredRect(int32_t width, int32_t height) {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const LONG left = area.left + (area.right - area.left - width) / 2;
    const LONG top = area.top + (area.bottom - area.top - height) / 2;
    return RECT{left, top, left + width, top + height};
}

}  // namespace

WindowRuntime::WindowRuntime(HINSTANCE instance) : instance_(instance) {
    SetMessageFilter(this);
}

WindowRuntime::~WindowRuntime() {
    SetMessageFilter(nullptr);
    for (HWND hwnd : {warning_.hwnd, main_.hwnd}) {
        if (hwnd != nullptr && IsWindow(hwnd)) DestroyWindow(hwnd);
    }
    for (auto& font : fonts_) DeleteObject(font.second);
    for (auto& brush : brushes_) DeleteObject(brush.second);
}

bool WindowRuntime::RegisterClasses() {
    if (classesRegistered_) return true;
    for (const wchar_t* name : {ui::kMainWindowClass, ui::kWarningWindowClass}) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = instance_;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(IDI_APP));
        wc.hIconSm = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), LR_SHARED));
        wc.lpszClassName = name;
        if (RegisterClassExW(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    }
    classesRegistered_ = true;
    return true;
}

HWND WindowRuntime::Load(const ui::WindowDescription& description) {
    WindowRecord* window = WindowOf(description.id);
    if (window == nullptr || window->hwnd != nullptr || !RegisterClasses()) return nullptr;
    window->description = &description;
    creating_ = window;
    HWND hwnd = CreateTopLevel(description);
    creating_ = nullptr;
    if (hwnd == nullptr) return nullptr;
    window->hwnd = hwnd;
    if (description.hasIcon) SetIcons(hwnd);
    window->loaded = true;
    CreateControls(description, hwnd);
    FixStackingOrder(description);
    return hwnd;
}

HWND WindowRuntime::CreateTopLevel(const ui::WindowDescription& description) {
    const bool isMain = description.id == ControlId::MainWindow;
    DWORD style = WS_CLIPCHILDREN;
    DWORD exStyle = 0;
    if (description.titleBar) {
        style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    } else {
        // A fixed dialog frame without a title bar; its own taskbar entry although it has no caption.
        style |= WS_POPUP | WS_DLGFRAME;
        exStyle |= WS_EX_APPWINDOW;
    }
    if (description.topmost) exStyle |= WS_EX_TOPMOST;
    const RECT rect = CentredRect(description.outerWidth, description.outerHeight);
    return CreateWindowExW(exStyle, isMain ? ui::kMainWindowClass : ui::kWarningWindowClass,
                           GbkToWide(description.title).c_str(), style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, instance_, this);
}

void WindowRuntime::CreateControls(const ui::WindowDescription& description, HWND window) {
    const auto& rows = description.controls;
    const std::vector<DWORD> groupStyles = GroupStyles(description);
    for (const auto& row : rows) {
        if (IsValidControl(row.id))
            controls_[static_cast<size_t>(row.id)] = ControlRecord{nullptr, &row, description.id};
    }
    // A group box may come after the controls placed in it: create the parents first.
    auto isParent = [&](const ui::ControlDescription& row) {
        return std::any_of(rows.begin(), rows.end(),
                           [&](const auto& other) { return other.parent == row.id; });
    };
    for (size_t pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i < rows.size(); ++i) {
            const auto& row = rows[i];
            if (isParent(row) != (pass == 0) || !IsValidControl(row.id)) continue;
            HWND parent = row.parent == description.id ? window : ControlWindow(row.parent);
            if (parent == nullptr) continue;
            HWND hwnd = CreateControl(row, parent, groupStyles[i]);
            controls_[static_cast<size_t>(row.id)].hwnd = hwnd;
        }
    }
}

HWND WindowRuntime::CreateControl(const ui::ControlDescription& row, HWND parent, DWORD extraStyle) {
    ControlRecord& record = controls_[static_cast<size_t>(row.id)];
    const int id = ui::WindowIdOf(row.id);
    switch (row.kind) {
        case ControlKind::Timer:
            if (row.period > 0) {
                SetTimer(parent, static_cast<UINT_PTR>(id), static_cast<UINT>(row.period), nullptr);
                record.period = row.period;
                record.running = true;
            }
            return nullptr;
        case ControlKind::FileDropTarget:
            return nullptr;
        case ControlKind::WebView:
            return webView_.Create(parent, id, row.left, row.top, row.width, row.height);
        default:
            break;
    }
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | KindStyle(row) | extraStyle;
    if (row.visible) style |= WS_VISIBLE;
    if (row.disabled) style |= WS_DISABLED;
    if (row.tabStop) style |= WS_TABSTOP;
    const DWORD exStyle = row.kind == ControlKind::EditBox ? WS_EX_CLIENTEDGE : 0;
    const int height = IsCombo(row.kind) ? std::max(160, static_cast<int>(row.height)) : row.height;
    HWND hwnd = CreateWindowExW(exStyle, KindClass(row.kind), GbkToWide(row.content).c_str(), style, row.left,
                                row.top, row.width, height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    if (hwnd != nullptr) ApplyInitialState(row, hwnd);
    return hwnd;
}

void WindowRuntime::ApplyInitialState(const ui::ControlDescription& row, HWND hwnd) {
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(row)), FALSE);
    if (IsCombo(row.kind)) {
        SetListItemHeight(hwnd);
        for (const auto& item : row.items)
            SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(GbkToWide(item).c_str()));
        if (row.selected >= 0) SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(row.selected), 0);
    }
    if (row.checked) SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
    if (row.kind == ControlKind::GroupBox) SubclassGroupBox(hwnd);
    if (row.integerInput) SubclassIntegerInput(hwnd);
}

void WindowRuntime::FixStackingOrder(const ui::WindowDescription& description) {
    // Creation puts each new control on top of its siblings; the table wants an earlier row above a
    // later one, so chain each control below the previous one with the same parent.
    std::vector<std::pair<ControlId, HWND>> lastOfParent;
    for (const auto& row : description.controls) {
        HWND hwnd = ControlWindow(row.id);
        if (hwnd == nullptr) continue;
        auto it = std::find_if(lastOfParent.begin(), lastOfParent.end(),
                               [&](const auto& entry) { return entry.first == row.parent; });
        HWND after = it == lastOfParent.end() ? HWND_TOP : it->second;
        SetWindowPos(hwnd, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        if (it == lastOfParent.end()) {
            lastOfParent.emplace_back(row.parent, hwnd);
        } else {
            it->second = hwnd;
        }
    }
}

HFONT WindowRuntime::FontFor(const ui::ControlDescription& row) {
    const ui::FontDescription& font = row.font;
    if (font.face.empty()) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (const auto& entry : fonts_) {
        if (entry.first.face == font.face && entry.first.height == font.height &&
            entry.first.weight == font.weight)
            return entry.second;
    }
    HFONT created = CreateFontW(font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, GbkToWide(font.face).c_str());
    if (created == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    fonts_.emplace_back(font, created);
    return created;
}

HBRUSH WindowRuntime::BrushFor(ui::Rgb color) {
    const COLORREF value = ColorOf(color);
    for (const auto& entry : brushes_) {
        if (entry.first == value) return entry.second;
    }
    HBRUSH brush = CreateSolidBrush(value);
    brushes_.emplace_back(value, brush);
    return brush;
}

void WindowRuntime::NotifyCreated() {
    if (sink_ != nullptr) sink_->OnCreated();
}

HWND WindowRuntime::Handle(ControlId id) const {
    if (const WindowRecord* window = WindowOf(id)) return window->hwnd;
    return ControlWindow(id);
}

bool WindowRuntime::AnyWindowAlive() const {
    return main_.hwnd != nullptr || warning_.hwnd != nullptr;
}

void WindowRuntime::PreferWideText(ControlId id, std::wstring wide) {
    wideTextControl_ = id;
    wideText_ = std::move(wide);
}

WindowRuntime::ControlRecord* WindowRuntime::Find(ControlId id) {
    return IsValidControl(id) ? &controls_[static_cast<size_t>(id)] : nullptr;
}

const WindowRuntime::ControlRecord* WindowRuntime::Find(ControlId id) const {
    return IsValidControl(id) ? &controls_[static_cast<size_t>(id)] : nullptr;
}

HWND WindowRuntime::ControlWindow(ControlId id) const {
    const ControlRecord* record = Find(id);
    return record != nullptr ? record->hwnd : nullptr;
}

WindowRuntime::ControlRecord* WindowRuntime::RecordOf(HWND control) {
    if (control == nullptr) return nullptr;
    const int windowId = GetDlgCtrlID(control);
    ControlRecord* record = Find(static_cast<ControlId>(windowId - ui::kControlIdBase));
    return record != nullptr && record->hwnd == control ? record : nullptr;
}

WindowRuntime::WindowRecord* WindowRuntime::WindowOf(ControlId id) {
    if (id == ControlId::MainWindow) return &main_;
    if (id == ControlId::WarningWindow) return &warning_;
    return nullptr;
}

const WindowRuntime::WindowRecord* WindowRuntime::WindowOf(ControlId id) const {
    if (id == ControlId::MainWindow) return &main_;
    if (id == ControlId::WarningWindow) return &warning_;
    return nullptr;
}

ControlId WindowRuntime::WindowIdOfHandle(HWND hwnd) const {
    if (hwnd != nullptr && hwnd == main_.hwnd) return ControlId::MainWindow;
    if (hwnd != nullptr && hwnd == warning_.hwnd) return ControlId::WarningWindow;
    return ControlId::None;
}

LRESULT CALLBACK WindowRuntime::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<WindowRuntime*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<WindowRuntime*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        // Known from the first message on, so that messages sent during creation find their window.
        if (self->creating_ != nullptr) self->creating_->hwnd = hwnd;
    }
    if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->HandleMessage(hwnd, message, wParam, lParam);
}

LRESULT WindowRuntime::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            return 0;
        case kItemChosenMessage:
            if (sink_ != nullptr && ControlWindow(static_cast<ControlId>(wParam)) != nullptr)
                sink_->OnEvent(static_cast<ControlId>(wParam), ui::EventKind::ItemChosen);
            return 0;
        case WM_TIMER: {
            const auto id = static_cast<ControlId>(static_cast<int32_t>(wParam) - ui::kControlIdBase);
            const ControlRecord* record = Find(id);
            if (record != nullptr && record->running && sink_ != nullptr)
                sink_->OnEvent(id, ui::EventKind::Tick);
            return 0;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return OnControlColor(hwnd, message, reinterpret_cast<HDC>(wParam),
                                  reinterpret_cast<HWND>(lParam));
        case WM_ERASEBKGND:
            return EraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
        case WM_SETCURSOR:
            if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
            break;
        case WM_ACTIVATE:
            OnActivate(hwnd, LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_DESTROY:
            if (hwnd == main_.hwnd) {
                if (sink_ != nullptr) sink_->OnDestroy();
                webView_.Destroy();
            }
            return 0;
        case WM_NCDESTROY:
            OnNcDestroy(hwnd);
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void WindowRuntime::OnCommand(HWND control, UINT code) {
    const ControlRecord* record = RecordOf(control);
    if (record == nullptr || record->row == nullptr || sink_ == nullptr) return;
    const ControlId id = record->row->id;
    if (code == BN_CLICKED && record->row->event == ui::EventKind::Clicked) {
        sink_->OnEvent(id, ui::EventKind::Clicked);
    } else if (code == CBN_SELCHANGE && record->row->event == ui::EventKind::ItemChosen) {
        // The edit field of a drop-down shows the chosen item only after this notification returns.
        PostMessageW(GetAncestor(control, GA_ROOT), kItemChosenMessage, static_cast<WPARAM>(id), 0);
    }
}

LRESULT WindowRuntime::OnControlColor(HWND window, UINT message, HDC dc, HWND control) {
    const ControlRecord* record = RecordOf(control);
    if (record == nullptr || record->row == nullptr)
        return DefWindowProcW(window, message, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    SetTextColor(dc, ColorOf(record->row->textColor));
    SetBkColor(dc, ColorOf(record->row->background));
    return reinterpret_cast<LRESULT>(BrushFor(record->row->background));
}

LRESULT WindowRuntime::EraseBackground(HWND hwnd, HDC dc) {
    const WindowRecord* window = WindowOf(WindowIdOfHandle(hwnd));
    const ui::Rgb color =
        window != nullptr && window->description != nullptr ? window->description->background : ui::kWhite;
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, BrushFor(color));
    return 1;
}

bool WindowRuntime::OnSetCursor(HWND under, UINT hitTest) {
    const ControlRecord* record = RecordOf(under);
    if (record == nullptr || record->row == nullptr || !record->row->handCursor || hitTest != HTCLIENT)
        return false;
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}

void WindowRuntime::OnActivate(HWND hwnd, bool active) {
    // Like a dialog: the control that had the focus gets it back when the window is activated again.
    HWND& saved = savedFocus_[hwnd == main_.hwnd ? 0 : 1];
    if (!active) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd, focus)) saved = focus;
        return;
    }
    if (saved != nullptr && IsWindow(saved) && IsChild(hwnd, saved) && IsWindowVisible(saved) &&
        IsWindowEnabled(saved)) {
        SetFocus(saved);
        return;
    }
    SetFocus(hwnd);
}

void WindowRuntime::OnNcDestroy(HWND hwnd) {
    const ControlId windowId = WindowIdOfHandle(hwnd);
    WindowRecord* window = WindowOf(windowId);
    if (window == nullptr) return;
    window->hwnd = nullptr;
    if (windowId == ControlId::WarningWindow) warningDismissed_ = true;
    savedFocus_[windowId == ControlId::MainWindow ? 0 : 1] = nullptr;
    for (ControlRecord& record : controls_) {
        if (record.window != windowId) continue;
        record.hwnd = nullptr;
        record.running = false;  // the window's timers went with it
    }
    if (!AnyWindowAlive() && EventLoopStarted()) PostQuitMessage(0);
}

}  // namespace platform
