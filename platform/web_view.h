#pragma once

#include <windows.h>

#include <string>

namespace platform {

// The announcement address the program was built with (the build setting HZ_ANNOUNCEMENT_URL);
// empty when none was set. Defined alone in its own file so that a program can link its own
// definition in place of the library's one (the test build of the program points it at loopback).
const wchar_t* ConfiguredAnnouncementAddress();

// The announcement strip: a white host window with the platform's WebBrowser control filling it,
// navigated once to the announcement address. Without a browser engine the host stays white and empty.
class WebView {
  public:
    WebView() = default;
    ~WebView();
    WebView(const WebView&) = delete;
    WebView& operator=(const WebView&) = delete;

    // Creates the host window as a child of `parent` with control id `id` and starts loading
    // `address` (null: DefaultAddress(); empty: "about:blank"). The thread must have called
    // OleInitialize. Returns the host window (also when the browser control could not be created),
    // or null when even the host window could not be made. A second call does nothing but return
    // the existing host.
    HWND Create(HWND parent, int id, int left, int top, int width, int height,
                const wchar_t* address = nullptr);
    // Offers a keyboard or mouse message to the browser while the focus is inside it; true when it took it.
    bool TranslateAccelerator(MSG& message);
    // Whether the browser control exists.
    bool HasBrowser() const;
    // Releases the browser control and destroys the host window; safe to call more than once and
    // after the host was destroyed with its parent.
    void Destroy();

    // The host window, null before Create and after Destroy.
    HWND Host() const;
    // The address the strip navigates to by default: the configured address, or else the page the
    // program carries as a resource, "res://<own path>/announcement.html".
    static std::wstring DefaultAddress();

  private:
    class Impl;
    Impl* impl_ = nullptr;
};

}  // namespace platform
