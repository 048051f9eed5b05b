// A browser control that is created but refuses in-place activation: the strip must let go of it
// completely (site detached, object released) and stay a white, empty host. The stand-in is
// registered for CLSID_WebBrowser in this process only.
#include <exdisp.h>
#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include "platform/web_view.h"

namespace {

struct Record {
    int alive = 0;
    bool siteHeldAtEnd = false;
    bool closed = false;
};

class RefusingControl final : public IOleObject {
  public:
    explicit RefusingControl(Record& record) : record_(record) { ++record_.alive; }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IOleObject) {
            *object = static_cast<IOleObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            record_.siteHeldAtEnd = site_ != nullptr;
            if (site_ != nullptr) site_->Release();
            --record_.alive;
            delete this;
        }
        return left;
    }

    STDMETHODIMP SetClientSite(IOleClientSite* site) override {
        if (site != nullptr) site->AddRef();
        if (site_ != nullptr) site_->Release();
        site_ = site;
        return S_OK;
    }
    STDMETHODIMP DoVerb(LONG, MSG*, IOleClientSite*, LONG, HWND, const RECT*) override { return E_FAIL; }
    STDMETHODIMP Close(DWORD) override {
        record_.closed = true;
        return S_OK;
    }
    STDMETHODIMP GetClientSite(IOleClientSite**) override { return E_NOTIMPL; }
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return E_NOTIMPL; }
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    STDMETHODIMP EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
    STDMETHODIMP Update() override { return E_NOTIMPL; }
    STDMETHODIMP IsUpToDate() override { return E_NOTIMPL; }
    STDMETHODIMP GetUserClassID(CLSID*) override { return E_NOTIMPL; }
    STDMETHODIMP GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
    STDMETHODIMP SetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    STDMETHODIMP GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    STDMETHODIMP Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP Unadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    STDMETHODIMP GetMiscStatus(DWORD, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

  private:
    Record& record_;
    IOleClientSite* site_ = nullptr;
    ULONG references_ = 1;
};

class RefusingFactory final : public IClassFactory {
  public:
    explicit RefusingFactory(Record& record) : record_(record) {}
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the test's stack.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (outer != nullptr) return CLASS_E_NOAGGREGATION;
        auto* control = new RefusingControl(record_);
        const HRESULT result = control->QueryInterface(iid, object);
        control->Release();
        return result;
    }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }

  private:
    Record& record_;
};

TEST(WebViewWithRefusingControl, LetsGoOfItAndStaysWhiteAndEmpty) {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    Record record;
    RefusingFactory factory(record);
    DWORD cookie = 0;
    ASSERT_TRUE(SUCCEEDED(CoRegisterClassObject(CLSID_WebBrowser, &factory, CLSCTX_INPROC_SERVER,
                                                REGCLS_MULTIPLEUSE, &cookie)));
    HWND parent = CreateWindowExW(0, L"STATIC", L"parent", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    {
        platform::WebView view;
        HWND host = view.Create(parent, 1042, 6, 160, 360, 40, L"about:blank");
        ASSERT_NE(host, nullptr);
        EXPECT_EQ(GetParent(host), parent);
        EXPECT_FALSE(view.HasBrowser());
        EXPECT_EQ(GetWindow(host, GW_CHILD), nullptr);
        EXPECT_EQ(record.alive, 0) << "the control that failed is still held";
        EXPECT_FALSE(record.siteHeldAtEnd) << "the control was released still attached to the site";
        EXPECT_TRUE(record.closed);
    }
    DestroyWindow(parent);
    CoRevokeClassObject(cookie);
    OleUninitialize();
}

}  // namespace
