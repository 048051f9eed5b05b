// The announcement strip: a white host window holding the WebBrowser control, activated in place
// through WebViewSite and navigated once. Every step of the control's set-up is checked; when the
// control cannot be created (no browser engine) the host stays, white and empty, so the window
// around it keeps its layout and the program goes on.
#include "platform/web_view.h"

#include <exdisp.h>
#include <ole2.h>
#include <wrl/client.h>

#include <utility>

#include "platform/web_view_site.h"

namespace platform {
namespace {

using Microsoft::WRL::ComPtr;

constexpr wchar_t kHostClass[] = L"HezhouTimer.WebViewHost";
constexpr wchar_t kResourcePage[] = L"announcement.html";
// Text size on the control's scale of 0 (smallest) to 4 (largest).
constexpr LONG kTextSize = 2;

void Report(const wchar_t* step, HRESULT result) {
    wchar_t line[96];
    wsprintfW(line, L"WebView: %s failed, 0x%08lX\n", step, static_cast<unsigned long>(result));
    OutputDebugStringW(line);
}

bool IsInputMessage(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

std::wstring OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

class WebView::Impl {
  public:
    HWND host = nullptr;

    bool HasBrowser() const { return browser_ != nullptr; }

    // Creates the control in the host and starts loading `address`. False when there is no control.
    bool Embed(const std::wstring& address) {
        if (!CreateBrowser()) return false;
        Configure();
        Navigate(address);
        return true;
    }

    bool TranslateAccelerator(MSG& message) {
        if (object_ == nullptr) return false;
        ComPtr<IOleInPlaceActiveObject> active;
        if (FAILED(object_.As(&active))) return false;
        return active->TranslateAccelerator(&message) == S_OK;
    }

    void FitToHost() {
        ComPtr<IOleInPlaceObject> inPlace;
        if (object_ == nullptr || host == nullptr || FAILED(object_.As(&inPlace))) return;
        RECT rect{};
        GetClientRect(host, &rect);
        inPlace->SetObjectRects(&rect, &rect);
    }

    // Gives the keyboard focus to the control's own window (the user tabbed into the strip).
    void Activate() {
        if (object_ == nullptr || host == nullptr) return;
        RECT rect{};
        GetClientRect(host, &rect);
        const HRESULT result = object_->DoVerb(OLEIVERB_UIACTIVATE, nullptr, site_, 0, host, &rect);
        if (FAILED(result)) Report(L"DoVerb(UIACTIVATE)", result);
    }

    // Deactivates and releases the control and the site; the host window is left alone. The members
    // are cleared first, so that messages the control sends while it closes find no control.
    void ReleaseBrowser() {
        browser_.Reset();
        ComPtr<IOleObject> object = std::move(object_);
        WebViewSite* site = site_;
        site_ = nullptr;
        if (object != nullptr) {
            ComPtr<IOleInPlaceObject> inPlace;
            if (SUCCEEDED(object.As(&inPlace))) inPlace->InPlaceDeactivate();
            object->Close(OLECLOSE_NOSAVE);
            object->SetClientSite(nullptr);
        }
        if (site != nullptr) {
            site->Detach();
            site->Release();
        }
    }

    static bool RegisterHostClass(HINSTANCE instance) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = HostProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = kHostClass;
        return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }

  private:
    bool CreateBrowser() {
        ComPtr<IOleObject> object;
        HRESULT result = CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                          reinterpret_cast<void**>(object.GetAddressOf()));
        if (FAILED(result)) {
            Report(L"CoCreateInstance(WebBrowser)", result);
            return false;
        }
        object_ = object;
        site_ = new WebViewSite(host);
        result = object_->SetClientSite(site_);
        if (FAILED(result)) return Fail(L"SetClientSite", result);
        RECT rect{};
        GetClientRect(host, &rect);
        result = object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_, 0, host, &rect);
        if (FAILED(result)) return Fail(L"DoVerb(INPLACEACTIVATE)", result);
        result = object_.As(&browser_);
        if (FAILED(result)) return Fail(L"QueryInterface(IWebBrowser2)", result);
        return true;
    }

    bool Fail(const wchar_t* step, HRESULT result) {
        Report(step, result);
        ReleaseBrowser();
        return false;
    }

    // Pages come from the network, the control may show its own dialogs, and the text is the middle
    // size. A setting that fails leaves the control's default; the page still loads.
    void Configure() {
        HRESULT result = browser_->put_Offline(VARIANT_FALSE);
        if (FAILED(result)) Report(L"put_Offline", result);
        result = browser_->put_Silent(VARIANT_FALSE);
        if (FAILED(result)) Report(L"put_Silent", result);
        VARIANT size;
        VariantInit(&size);
        V_VT(&size) = VT_I4;
        V_I4(&size) = kTextSize;
        // Some engines refuse the zoom command before a document exists; the size is cosmetic.
        browser_->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &size, nullptr);
    }

    void Navigate(const std::wstring& address) {
        BSTR url = SysAllocString(address.empty() ? L"about:blank" : address.c_str());
        if (url == nullptr) {
            Report(L"SysAllocString", E_OUTOFMEMORY);
            return;
        }
        VARIANT none;
        VariantInit(&none);
        const HRESULT result = browser_->Navigate(url, &none, &none, &none, &none);
        SysFreeString(url);
        if (FAILED(result)) Report(L"Navigate", result);
    }

    static LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    ComPtr<IOleObject> object_;
    ComPtr<IWebBrowser2> browser_;
    WebViewSite* site_ = nullptr;
};

LRESULT CALLBACK WebView::Impl::HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* impl = reinterpret_cast<Impl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (impl == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_SIZE:
            impl->FitToHost();
            return 0;
        case WM_SETFOCUS:
            impl->Activate();
            return 0;
        case WM_DESTROY:
            impl->ReleaseBrowser();
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            impl->host = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

WebView::~WebView() {
    Destroy();
    delete impl_;
}

HWND WebView::Create(HWND parent, int id, int left, int top, int width, int height, const wchar_t* address) {
    if (impl_ != nullptr && impl_->host != nullptr) return impl_->host;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!Impl::RegisterHostClass(instance)) return nullptr;
    if (impl_ == nullptr) impl_ = new Impl;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP;
    impl_->host = CreateWindowExW(0, kHostClass, L"", style, left, top, width, height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, impl_);
    if (impl_->host == nullptr) return nullptr;
    impl_->Embed(address != nullptr ? std::wstring(address) : DefaultAddress());
    return impl_->host;
}

bool WebView::TranslateAccelerator(MSG& message) {
    if (impl_ == nullptr || impl_->host == nullptr || !IsInputMessage(message.message)) return false;
    HWND focus = GetFocus();
    if (focus == nullptr || (focus != impl_->host && !IsChild(impl_->host, focus))) return false;
    return impl_->TranslateAccelerator(message);
}

bool WebView::HasBrowser() const {
    return impl_ != nullptr && impl_->HasBrowser();
}

HWND WebView::Host() const {
    return impl_ != nullptr ? impl_->host : nullptr;
}

void WebView::Destroy() {
    if (impl_ == nullptr) return;
    impl_->ReleaseBrowser();
    if (impl_->host != nullptr) DestroyWindow(impl_->host);
}

std::wstring WebView::DefaultAddress() {
    const wchar_t* configured = ConfiguredAnnouncementAddress();
    if (configured != nullptr && configured[0] != L'\0') return configured;
    const std::wstring path = OwnPath();
    if (path.empty()) return {};
    return L"res://" + path + L"/" + kResourcePage;
}

}  // namespace platform
