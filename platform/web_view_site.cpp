// The container interfaces the browser control asks its host for. Everything the control might
// negotiate (menus, toolbars, border space, undo) is declined; only the window and its place answer.
#include "platform/web_view_site.h"

namespace platform {

STDMETHODIMP WebViewSite::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
        *object = static_cast<IOleClientSite*>(this);
    } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
        *object = static_cast<IOleInPlaceSite*>(this);
    } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
        *object = static_cast<IOleInPlaceFrame*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) WebViewSite::AddRef() {
    return ++references_;
}

STDMETHODIMP_(ULONG) WebViewSite::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

STDMETHODIMP WebViewSite::SaveObject() {
    return E_NOTIMPL;
}

STDMETHODIMP WebViewSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker != nullptr) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP WebViewSite::GetContainer(IOleContainer** container) {
    if (container != nullptr) *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP WebViewSite::ShowObject() {
    return S_OK;
}
STDMETHODIMP WebViewSite::OnShowWindow(BOOL) {
    return S_OK;
}
STDMETHODIMP WebViewSite::RequestNewObjectLayout() {
    return E_NOTIMPL;
}

STDMETHODIMP WebViewSite::GetWindow(HWND* window) {
    if (window == nullptr) return E_POINTER;
    *window = host_;
    return host_ != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP WebViewSite::ContextSensitiveHelp(BOOL) {
    return E_NOTIMPL;
}

STDMETHODIMP WebViewSite::CanInPlaceActivate() {
    return host_ != nullptr ? S_OK : S_FALSE;
}
STDMETHODIMP WebViewSite::OnInPlaceActivate() {
    return S_OK;
}
STDMETHODIMP WebViewSite::OnUIActivate() {
    return S_OK;
}

STDMETHODIMP WebViewSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                           RECT* position, RECT* clip, OLEINPLACEFRAMEINFO* frameInfo) {
    if (frame == nullptr || document == nullptr || position == nullptr || clip == nullptr ||
        frameInfo == nullptr)
        return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    if (host_ == nullptr || !GetClientRect(host_, position)) SetRectEmpty(position);
    *clip = *position;
    // frameInfo->cb is set by the caller; the frame has no accelerators of its own.
    frameInfo->fMDIApp = FALSE;
    frameInfo->hwndFrame = host_ != nullptr ? GetAncestor(host_, GA_ROOT) : nullptr;
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP WebViewSite::Scroll(SIZE) {
    return E_NOTIMPL;
}
STDMETHODIMP WebViewSite::OnUIDeactivate(BOOL) {
    return S_OK;
}
STDMETHODIMP WebViewSite::OnInPlaceDeactivate() {
    return S_OK;
}
STDMETHODIMP WebViewSite::DiscardUndoState() {
    return E_NOTIMPL;
}
STDMETHODIMP WebViewSite::DeactivateAndUndo() {
    return E_NOTIMPL;
}
STDMETHODIMP WebViewSite::OnPosRectChange(const RECT*) {
    return S_OK;
}

STDMETHODIMP WebViewSite::GetBorder(RECT*) {
    return INPLACE_E_NOTOOLSPACE;
}
STDMETHODIMP WebViewSite::RequestBorderSpace(LPCBORDERWIDTHS) {
    return INPLACE_E_NOTOOLSPACE;
}
STDMETHODIMP WebViewSite::SetBorderSpace(LPCBORDERWIDTHS widths) {
    return widths == nullptr ? S_OK : OLE_E_INVALIDRECT;
}
STDMETHODIMP WebViewSite::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) {
    return S_OK;
}

STDMETHODIMP WebViewSite::InsertMenus(HMENU, OLEMENUGROUPWIDTHS*) {
    return E_NOTIMPL;
}
STDMETHODIMP WebViewSite::SetMenu(HMENU, HOLEMENU, HWND) {
    return S_OK;
}
STDMETHODIMP WebViewSite::RemoveMenus(HMENU) {
    return E_NOTIMPL;
}
STDMETHODIMP WebViewSite::SetStatusText(LPCOLESTR) {
    return S_OK;
}
STDMETHODIMP WebViewSite::EnableModeless(BOOL) {
    return S_OK;
}
STDMETHODIMP WebViewSite::TranslateAccelerator(MSG*, WORD) {
    return S_FALSE;
}

}  // namespace platform
