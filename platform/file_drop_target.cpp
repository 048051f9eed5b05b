// Placeholder until the drop target lands: attaching always fails.
#include "platform/file_drop_target.h"

namespace platform {

class FileDropTarget::Impl {};

FileDropTarget::FileDropTarget(FilesReceived) : impl_(nullptr) {}
FileDropTarget::~FileDropTarget() = default;
bool FileDropTarget::Attach(HWND) { return false; }
void FileDropTarget::Withdraw() {}
bool FileDropTarget::Attached() const { return false; }

}  // namespace platform
