#include "toolkit/dnd/DropSource.h"

HRESULT STDMETHODCALLTYPE DropSource::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) {
        *object = static_cast<IDropSource*>(this);
    } else if (IsEqualIID(iid, IID_IDropSourceNotify)) {
        *object = static_cast<IDropSourceNotify*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG STDMETHODCALLTYPE DropSource::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&mReferences)); }

ULONG STDMETHODCALLTYPE DropSource::Release() {
    LONG count = ::InterlockedDecrement(&mReferences);
    if (count == 0) delete this;
    return static_cast<ULONG>(count);
}

HRESULT STDMETHODCALLTYPE DropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
    const bool left = (keyState & MK_LBUTTON) != 0;
    const bool right = (keyState & MK_RBUTTON) != 0;
    if (escapePressed || (left && right)) return DRAGDROP_S_CANCEL;
    if (!left && !right) return DRAGDROP_S_DROP;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DropSource::GiveFeedback(DWORD) { return DRAGDROP_S_USEDEFAULTCURSORS; }

HRESULT STDMETHODCALLTYPE DropSource::DragEnterTarget(HWND) { return S_OK; }
HRESULT STDMETHODCALLTYPE DropSource::DragLeaveTarget() { return S_OK; }
