#include "toolkit/dnd/DataObject.h"

#include <cstring>

namespace {

// A movable, zero-filled global block holding the bytes, or null.
HGLOBAL copyToGlobal(const void* bytes, size_t size) {
    HGLOBAL block = ::GlobalAlloc(GHND, size);
    if (!block) return nullptr;
    void* target = ::GlobalLock(block);
    if (!target) {
        ::GlobalFree(block);
        return nullptr;
    }
    std::memcpy(target, bytes, size);
    ::GlobalUnlock(block);
    return block;
}

}  // namespace

HRESULT STDMETHODCALLTYPE DataObject::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
        *object = static_cast<IDataObject*>(this);
    } else if (IsEqualIID(iid, IID_IEnumFORMATETC)) {
        *object = static_cast<IEnumFORMATETC*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG STDMETHODCALLTYPE DataObject::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&mReferences)); }

ULONG STDMETHODCALLTYPE DataObject::Release() {
    LONG count = ::InterlockedDecrement(&mReferences);
    if (count == 0) delete this;
    return static_cast<ULONG>(count);
}

HRESULT STDMETHODCALLTYPE DataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (!format || !medium) return E_INVALIDARG;
    HGLOBAL block = nullptr;
    if (format->cfFormat == CF_TEXT && !mTextA.empty()) {
        block = copyToGlobal(mTextA.c_str(), mTextA.size() + 1);
    } else if (format->cfFormat == CF_UNICODETEXT && !mText.empty()) {
        block = copyToGlobal(mText.c_str(), (mText.size() + 1) * sizeof(wchar_t));
    } else {
        return E_FAIL;
    }
    if (!block) return E_OUTOFMEMORY;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = block;
    medium->pUnkForRelease = nullptr;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DataObject::QueryGetData(FORMATETC* format) {
    if (!format) return S_FALSE;
    if (format->cfFormat == CF_UNICODETEXT && !mText.empty()) return S_OK;
    if (format->cfFormat == CF_TEXT && !mTextA.empty()) return S_OK;
    return S_FALSE;
}

HRESULT STDMETHODCALLTYPE DataObject::GetDataHere(FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }
HRESULT STDMETHODCALLTYPE DataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) { return E_NOTIMPL; }
HRESULT STDMETHODCALLTYPE DataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL) { return E_NOTIMPL; }
HRESULT STDMETHODCALLTYPE DataObject::EnumFormatEtc(DWORD, IEnumFORMATETC**) { return E_NOTIMPL; }
HRESULT STDMETHODCALLTYPE DataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) { return E_NOTIMPL; }
HRESULT STDMETHODCALLTYPE DataObject::DUnadvise(DWORD) { return E_NOTIMPL; }
HRESULT STDMETHODCALLTYPE DataObject::EnumDAdvise(IEnumSTATDATA**) { return E_NOTIMPL; }
HRESULT STDMETHODCALLTYPE DataObject::Next(ULONG, FORMATETC*, ULONG*) { return E_NOTIMPL; }
HRESULT STDMETHODCALLTYPE DataObject::Skip(ULONG) { return E_NOTIMPL; }
HRESULT STDMETHODCALLTYPE DataObject::Reset() { return E_NOTIMPL; }
HRESULT STDMETHODCALLTYPE DataObject::Clone(IEnumFORMATETC**) { return E_NOTIMPL; }
