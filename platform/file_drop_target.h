#pragma once

#include <ole2.h>
#include <windows.h>

#include <functional>
#include <string>

namespace platform {

// An OLE drop target that accepts file lists (CF_HDROP) only and hands the dropped paths on as one text:
// a single path alone, several paths each followed by CR LF. Paths are read with the wide API.
class FileDropTarget {
  public:
    using FilesReceived = std::function<void(const std::wstring& text)>;

    explicit FileDropTarget(FilesReceived onFiles);
    ~FileDropTarget();
    FileDropTarget(const FileDropTarget&) = delete;
    FileDropTarget& operator=(const FileDropTarget&) = delete;

    // Registers for `window` (RegisterDragDrop). False when already attached (nothing happens) or when
    // registration failed; a failed registration still counts as attached.
    bool Attach(HWND window);
    // Unregisters (RevokeDragDrop) while the window still exists, and forgets it.
    void Withdraw();
    bool Attached() const;
    // The COM object that is registered for the window, for callers that drive a drag themselves.
    // Owned by this object: AddRef it to keep it longer.
    IDropTarget* Target() const;

  private:
    class Impl;
    Impl* impl_;
};

}  // namespace platform
