#include "platform/activation_context.h"

#include <commctrl.h>

namespace platform {

bool ActivationContext::Activate(HMODULE module, int resourceId) {
    if (context_ != INVALID_HANDLE_VALUE) return Active();
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(module, path, MAX_PATH);
    ACTCTXW request{};
    request.cbSize = sizeof(request);
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID | ACTCTX_FLAG_HMODULE_VALID;
    request.hModule = module;
    request.lpResourceName = MAKEINTRESOURCEW(resourceId);
    request.lpSource = path;
    context_ = CreateActCtxW(&request);
    if (context_ == INVALID_HANDLE_VALUE) return false;
    if (!ActivateActCtx(context_, &cookie_)) cookie_ = 0;
    // Registers the version-6 window classes of the standard controls under the new context.
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    return Active();
}

ActivationContext::~ActivationContext() {
    if (cookie_ != 0) DeactivateActCtx(0, cookie_);
    if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
}

}  // namespace platform
