#pragma once

#include <windows.h>

#include "platform/activation_context.h"
#include "platform/file_drop_target.h"
#include "platform/window_runtime.h"
#include "ui/event_sink.h"
#include "ui/shell.h"

namespace platform {

// The window-level requests of the handlers over the window runtime.
class Win32Shell final : public ui::Shell {
  public:
    explicit Win32Shell(WindowRuntime& runtime);

    // Receives the dropped files; may be null.
    void SetSink(ui::EventSink* sink) { sink_ = sink; }

    void EnableCustomControlLook() override;
    void LoadWarningWindow() override;
    bool AttachDropTarget(scheduler::ControlId control) override;
    void WithdrawDropTarget() override;
    void RequestDestroy(scheduler::ControlId window) override;

  private:
    void OnFilesReceived(const std::wstring& text);

    WindowRuntime& runtime_;
    ui::EventSink* sink_ = nullptr;
    ActivationContext look_;
    FileDropTarget dropTarget_;
    scheduler::ControlId dropControl_ = scheduler::ControlId::None;
};

}  // namespace platform
