#pragma once

#include <windows.h>

namespace platform {

// The themed common-controls look for standard controls created from now on: activates, for the
// rest of this object's life, the activation context of the common-controls 6 manifest stored as a
// resource of the program. Controls that exist already keep their classic look.
class ActivationContext {
  public:
    ActivationContext() = default;
    ~ActivationContext();
    ActivationContext(const ActivationContext&) = delete;
    ActivationContext& operator=(const ActivationContext&) = delete;

    // Creates and activates the context from manifest resource `resourceId` of `module`; false when
    // that failed (controls then keep the classic look). A second call does nothing.
    bool Activate(HMODULE module, int resourceId);
    bool Active() const { return cookie_ != 0; }

  private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
};

}  // namespace platform
