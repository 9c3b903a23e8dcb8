#include "toolkit/dnd/DropTarget.h"

#include <shellapi.h>

#include "toolkit/window/BaseWindow.h"

namespace {

FORMATETC hglobalFormat(CLIPFORMAT format) { return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

}  // namespace

std::vector<std::wstring> readDroppedPaths(IDataObject* data) {
    std::vector<std::wstring> paths;
    if (!data) return paths;
    FORMATETC format = hglobalFormat(CF_HDROP);
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&format, &medium))) return paths;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
        paths = readDroppedPaths(static_cast<HDROP>(medium.hGlobal));
    }
    ::ReleaseStgMedium(&medium);
    return paths;
}

DropTarget::~DropTarget() { revoke(); }

HRESULT STDMETHODCALLTYPE DropTarget::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE DropTarget::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&mReferences)); }

ULONG STDMETHODCALLTYPE DropTarget::Release() { return static_cast<ULONG>(::InterlockedDecrement(&mReferences)); }

bool DropTarget::offers(CLIPFORMAT format) const {
    auto found = mFormats.find(format);
    return found != mFormats.end() && found->second;
}

void DropTarget::checkFormats(IDataObject* data) {
    mAccepts = false;
    for (auto& entry : mFormats) {
        FORMATETC format = hglobalFormat(entry.first);
        // Only S_OK means offered; S_FALSE and errors do not.
        entry.second = data && data->QueryGetData(&format) == S_OK;
        if (entry.second) mAccepts = true;
    }
}

HRESULT STDMETHODCALLTYPE DropTarget::DragEnter(IDataObject* data, DWORD, POINTL point, DWORD* effect) {
    try {
        checkFormats(data);
        if (!mAccepts) {
            if (effect) *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        POINT p{point.x, point.y};
        if (mDragImage) mDragImage->DragEnter(mWindow, data, &p, effect ? *effect : DROPEFFECT_NONE);
        if (offers(CF_HDROP) && effect) *effect = DROPEFFECT_LINK;
        onDragEnter();
    } catch (...) {
        // OLE calls in from its drag loop: nothing may unwind through it.
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect) {
    try {
        DWORD local = DROPEFFECT_NONE;
        DWORD* target = effect ? effect : &local;
        if (mAccepts) {
            *target = DROPEFFECT_COPY | DROPEFFECT_LINK;
            onDragOver(keyState, point.x, point.y, target);
        } else {
            *target = DROPEFFECT_NONE;
        }
        POINT p{point.x, point.y};
        if (mDragImage) mDragImage->DragOver(&p, *target);
    } catch (...) {
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DropTarget::DragLeave() {
    try {
        if (mDragImage) mDragImage->DragLeave();
        if (mAccepts) onDragLeave();
    } catch (...) {
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DropTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    try {
        DWORD local = DROPEFFECT_NONE;
        DWORD* target = effect ? effect : &local;
        POINT p{point.x, point.y};
        if (mDragImage) mDragImage->Drop(data, &p, *target);
        if (!mAccepts) return S_OK;
        if (keyState & MK_CONTROL) *target = DROPEFFECT_COPY;
        mAccepts = false;
        if (offers(CF_HDROP)) {
            *target = DROPEFFECT_LINK;
            std::vector<std::wstring> paths = readDroppedPaths(data);
            if (!paths.empty() && onDropFiles(paths)) return S_OK;
        }
        return onDrop(point.x, point.y, data, target);
    } catch (...) {
        return E_UNEXPECTED;
    }
}

HRESULT DropTarget::onDrop(int, int, IDataObject*, DWORD*) { return S_OK; }
void DropTarget::onDragEnter() {}
void DropTarget::onDragLeave() {}
void DropTarget::onDragOver(DWORD, int, int, DWORD*) {}
bool DropTarget::onDropFiles(const std::vector<std::wstring>&) { return false; }

void DropTarget::registerDropTarget(HWND window) {
    revoke();
    mWindow = window;
    // The shell's drag-image support draws the picture a drag source attached; without
    // it drops still work, only without the picture.
    void* helper = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDropTargetHelper,
                                     &helper))) {
        mDragImage = static_cast<IDropTargetHelper*>(helper);
    }
    // A failed registration is not reported: the window then simply accepts no drops.
    ::RegisterDragDrop(window, this);
}

void DropTarget::revoke() {
    if (mDragImage) {
        mDragImage->Release();
        mDragImage = nullptr;
    }
    if (mWindow) {
        ::RevokeDragDrop(mWindow);
        mWindow = nullptr;
    }
}

void DropTarget::addFormat(CLIPFORMAT format) { mFormats.emplace(format, false); }

bool DropTarget::acceptsFormat(CLIPFORMAT format) const { return mFormats.count(format) != 0; }
