#pragma once

#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

// A file list as the shell hands it over: DROPFILES with wide paths, each ended by NUL, and a final NUL.
inline HGLOBAL MakeDropFiles(const std::vector<std::wstring>& paths) {
    size_t characters = 1;
    for (const std::wstring& path : paths) characters += path.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + characters * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    auto* list = reinterpret_cast<wchar_t*>(header + 1);
    for (const std::wstring& path : paths) {
        std::memcpy(list, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
        list += path.size() + 1;
    }
    *list = L'\0';
    GlobalUnlock(memory);
    return memory;
}

// Global memory holding a wide text, as CF_UNICODETEXT.
inline HGLOBAL MakeUnicodeText(const std::wstring& text) {
    HGLOBAL memory = GlobalAlloc(GHND, (text.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    return memory;
}

// A data object offering one clipboard format in global memory (owned); GetData hands out copies.
class MemoryDataObject final : public IDataObject {
  public:
    MemoryDataObject(CLIPFORMAT format, HGLOBAL memory)
        : format_{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}, memory_(memory) {}
    MemoryDataObject(const MemoryDataObject&) = delete;
    MemoryDataObject& operator=(const MemoryDataObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
            *object = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
        const SIZE_T size = GlobalSize(memory_);
        HGLOBAL copy = GlobalAlloc(GHND, size);
        std::memcpy(GlobalLock(copy), GlobalLock(memory_), size);
        GlobalUnlock(memory_);
        GlobalUnlock(copy);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = copy;
        medium->pUnkForRelease = nullptr;
        ++getDataCalls;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        if (format == nullptr) return E_INVALIDARG;
        if (format->cfFormat != format_.cfFormat) return DV_E_FORMATETC;
        if ((format->tymed & TYMED_HGLOBAL) == 0) return DV_E_TYMED;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
        if (direction != DATADIR_GET) return E_NOTIMPL;
        return SHCreateStdEnumFmtEtc(1, &format_, formats);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

    int getDataCalls = 0;

  private:
    ~MemoryDataObject() { GlobalFree(memory_); }

    FORMATETC format_;
    HGLOBAL memory_;
    LONG references_ = 1;
};
