#include "platform/file_drop_target.h"

#include <shellapi.h>

#include "platform/file_drop_rules.h"

namespace platform {

namespace {

FORMATETC FileListFormat() {
    return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool OffersFileList(IDataObject* data) {
    FORMATETC format = FileListFormat();
    return data != nullptr && data->QueryGetData(&format) == S_OK;
}

std::vector<std::wstring> ReadFileList(IDataObject* data) {
    FORMATETC format = FileListFormat();
    STGMEDIUM medium{};
    if (data->GetData(&format, &medium) != S_OK) return {};
    std::vector<std::wstring> paths;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal != nullptr) {
        paths = DroppedPaths(static_cast<HDROP>(medium.hGlobal));
    }
    ReleaseStgMedium(&medium);
    return paths;
}

// The reference-counted object OLE holds while the window is registered. It refuses everything while
// its window is disabled, so a disabled box takes no drops.
class DropTargetObject final : public IDropTarget {
  public:
    explicit DropTargetObject(FileDropTarget::FilesReceived onFiles) : onFiles_(std::move(onFiles)) {}
    DropTargetObject(const DropTargetObject&) = delete;
    DropTargetObject& operator=(const DropTargetObject&) = delete;

    void SetWindow(HWND window) { window_ = window; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
            *object = static_cast<IDropTarget*>(this);
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

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL, DWORD* effect) override {
        if (effect == nullptr) return E_INVALIDARG;
        offersFiles_ = OffersFileList(data);
        *effect = EffectFor(keyState, *effect);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL, DWORD* effect) override {
        if (effect == nullptr) return E_INVALIDARG;
        *effect = EffectFor(keyState, *effect);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        offersFiles_ = false;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL, DWORD* effect) override {
        if (effect == nullptr) return E_INVALIDARG;
        offersFiles_ = offersFiles_ && OffersFileList(data);
        *effect = EffectFor(keyState, *effect);
        offersFiles_ = false;
        if (*effect == DROPEFFECT_NONE) return S_OK;
        // Called from OLE's drag loop: nothing may escape into it.
        try {
            const std::vector<std::wstring> paths = ReadFileList(data);
            if (paths.empty()) {
                *effect = DROPEFFECT_NONE;
                return S_OK;
            }
            if (onFiles_) onFiles_(DroppedFilesText(paths));
        } catch (...) {
            *effect = DROPEFFECT_NONE;
        }
        return S_OK;
    }

  private:
    ~DropTargetObject() = default;

    DWORD EffectFor(DWORD keyState, DWORD allowedEffects) const {
        if (!offersFiles_ || window_ == nullptr || !IsWindowEnabled(window_)) return DROPEFFECT_NONE;
        return FileDropEffect(keyState, allowedEffects);
    }

    LONG references_ = 1;
    FileDropTarget::FilesReceived onFiles_;
    HWND window_ = nullptr;
    bool offersFiles_ = false;
};

}  // namespace

class FileDropTarget::Impl {
  public:
    explicit Impl(FilesReceived onFiles) : target(new DropTargetObject(std::move(onFiles))) {}
    ~Impl() { target->Release(); }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    DropTargetObject* target;
    HWND window = nullptr;
    bool attached = false;
};

FileDropTarget::FileDropTarget(FilesReceived onFiles) : impl_(new Impl(std::move(onFiles))) {}

FileDropTarget::~FileDropTarget() {
    Withdraw();
    delete impl_;
}

bool FileDropTarget::Attach(HWND window) {
    if (impl_->attached) return false;
    impl_->attached = true;
    impl_->window = window;
    impl_->target->SetWindow(window);
    return RegisterDragDrop(window, impl_->target) == S_OK;
}

void FileDropTarget::Withdraw() {
    if (!impl_->attached) return;
    RevokeDragDrop(impl_->window);
    impl_->target->SetWindow(nullptr);
    impl_->window = nullptr;
    impl_->attached = false;
}

bool FileDropTarget::Attached() const {
    return impl_->attached;
}

IDropTarget* FileDropTarget::Target() const {
    return impl_->target;
}

}  // namespace platform
