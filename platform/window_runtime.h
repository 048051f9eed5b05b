#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "platform/event_loop_hooks.h"
#include "platform/web_view.h"
#include "scheduler/controls.h"
#include "ui/event_sink.h"
#include "ui/window_description.h"

namespace platform {

using scheduler::ControlId;

// The program's windows built from their descriptions, and the control properties over them.
// Controls are addressed by ControlId; the ids MainWindow and WarningWindow address the windows.
// Reads of a control that does not exist (never created, or its window destroyed) give the empty
// value; writes to it are ignored, except that the next warning after one that Esc dismissed (by
// destroying the warning window) loads the window again, so that a later warning still appears.
class WindowRuntime final : public scheduler::Controls, public MessageFilter {
  public:
    explicit WindowRuntime(HINSTANCE instance);
    ~WindowRuntime() override;
    WindowRuntime(const WindowRuntime&) = delete;
    WindowRuntime& operator=(const WindowRuntime&) = delete;

    // Receives the controls' events; may be null (events are then dropped).
    void SetSink(ui::EventSink* sink) { sink_ = sink; }

    // Creates the window of `description` (its id must be MainWindow or WarningWindow) with its
    // controls, hidden whatever its visible setting: the caller shows it (the main window after the
    // created handler). Returns the window, or null when it could not be created.
    HWND Load(const ui::WindowDescription& description);
    // Calls the sink's created handler; the program then shows the main window.
    void NotifyCreated();

    // The window of a control or window id; null when it does not exist.
    HWND Handle(ControlId id) const;
    bool AnyWindowAlive() const;

    // The next SetText of `id` with the GBK form of `wide` sets `wide` itself, so that characters
    // outside code page 936 (a dropped path) survive.
    void PreferWideText(ControlId id, std::wstring wide);

    bool Visible(ControlId id) const override;
    void SetVisible(ControlId id, bool visible) override;
    bool Disabled(ControlId id) const override;
    void SetDisabled(ControlId id, bool disabled) override;
    core::Text Caption(ControlId id) const override;
    void SetCaption(ControlId id, std::string_view caption) override;
    core::Text GetText(ControlId id) const override;
    void SetText(ControlId id, std::string_view text) override;
    int32_t SelectedItem(ControlId id) const override;
    void SetSelectedItem(ControlId id, int32_t index) override;
    void AddItem(ControlId id, std::string_view text, int32_t value) override;
    void Clear(ControlId id) override;
    bool Checked(ControlId id) const override;
    int32_t Period(ControlId id) const override;
    void SetPeriod(ControlId id, int32_t milliseconds) override;

    bool PreTranslate(MSG& message) override;

  private:
    struct ControlRecord {
        HWND hwnd = nullptr;
        const ui::ControlDescription* row = nullptr;
        ControlId window = ControlId::None;  // the top-level window the control belongs to
        int32_t period = 0;                  // timers: stored period, ms
        bool running = false;                // timers: an OS timer is armed
    };
    struct WindowRecord {
        HWND hwnd = nullptr;
        const ui::WindowDescription* description = nullptr;
        bool loaded = false;  // loaded at least once
    };

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(HWND control, UINT code);
    LRESULT OnControlColor(HWND window, UINT message, HDC dc, HWND control);
    LRESULT EraseBackground(HWND hwnd, HDC dc);
    bool OnSetCursor(HWND under, UINT hitTest);
    void OnActivate(HWND hwnd, bool active);
    void OnNcDestroy(HWND hwnd);

    bool RegisterClasses();
    HWND CreateTopLevel(const ui::WindowDescription& description);
    void CreateControls(const ui::WindowDescription& description, HWND window);
    HWND CreateControl(const ui::ControlDescription& row, HWND parent, DWORD extraStyle);
    void ApplyInitialState(const ui::ControlDescription& row, HWND hwnd);
    void FixStackingOrder(const ui::WindowDescription& description);
    HFONT FontFor(const ui::ControlDescription& row);
    HBRUSH BrushFor(ui::Rgb color);

    ControlRecord* Find(ControlId id);
    const ControlRecord* Find(ControlId id) const;
    HWND ControlWindow(ControlId id) const;
    ControlRecord* RecordOf(HWND control);
    WindowRecord* WindowOf(ControlId id);
    const WindowRecord* WindowOf(ControlId id) const;
    ControlId WindowIdOfHandle(HWND hwnd) const;

    bool MoveFocusByTab(HWND root, bool backwards);
    void ShowWarning(WindowRecord& window);

    HINSTANCE instance_;
    ui::EventSink* sink_ = nullptr;
    std::array<ControlRecord, scheduler::kControlCount> controls_{};
    WindowRecord main_{};
    WindowRecord warning_{};
    WindowRecord* creating_ = nullptr;  // the window being created, until CreateWindowEx returns
    WebView webView_;
    std::vector<std::pair<ui::FontDescription, HFONT>> fonts_;
    std::vector<std::pair<COLORREF, HBRUSH>> brushes_;
    std::array<HWND, 2> savedFocus_{};  // focus to restore when the main / warning window is activated
    ControlId wideTextControl_ = ControlId::None;
    std::wstring wideText_;
    bool classesRegistered_ = false;
    bool warningDismissed_ = false;  // Esc destroyed the warning window during the current warning
};

}  // namespace platform
