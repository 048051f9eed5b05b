#pragma once

#include <windows.h>

namespace platform {

// The announcement strip: a white host window with the platform's WebBrowser control filling it,
// navigated once to the announcement address. Without a browser engine the host stays white and empty.
class WebView {
public:
    WebView() = default;
    ~WebView();
    WebView(const WebView&) = delete;
    WebView& operator=(const WebView&) = delete;

    // Creates the host window as a child of `parent` with control id `id` and starts loading.
    // Returns the host window (also when the browser control could not be created), or null.
    HWND Create(HWND parent, int id, int left, int top, int width, int height);
    // Offers a keyboard or mouse message to the browser while the focus is inside it; true when it took it.
    bool TranslateAccelerator(MSG& message);
    // Whether the browser control exists.
    bool HasBrowser() const;
    void Destroy();

private:
    class Impl;
    Impl* impl_ = nullptr;
};

}  // namespace platform
