// Placeholder until the browser control lands: no strip is created.
#include "platform/web_view.h"

namespace platform {

class WebView::Impl {};

WebView::~WebView() = default;
HWND WebView::Create(HWND, int, int, int, int, int) { return nullptr; }
bool WebView::TranslateAccelerator(MSG&) { return false; }
bool WebView::HasBrowser() const { return false; }
void WebView::Destroy() {}

}  // namespace platform
