#pragma once

#include <windows.h>

namespace platform {

// Owns a kernel handle and closes it; null and INVALID_HANDLE_VALUE mean no handle.
class ScopedHandle {
  public:
    explicit ScopedHandle(HANDLE handle = nullptr) : handle_(handle) {}
    ~ScopedHandle() {
        if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    HANDLE Get() const { return handle_; }

  private:
    HANDLE handle_;
};

}  // namespace platform
