// The DLL's COM entry points: its class factory, unloading, and registration of the
// program id "MSIME.Japan" with this DLL's own path as its in-process server.
#include <windows.h>
#include <objbase.h>
#include <olectl.h>

#include <new>
#include <string>
#include <vector>

#include "standins/msime/ReadingLanguage.h"
#include "standins/msime/ServerIds.h"

namespace {

class ReadingClassFactory : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (::IsEqualIID(iid, IID_IUnknown) || ::IsEqualIID(iid, IID_IClassFactory)) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // The factory is static: its references keep nothing alive.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        auto* language = new (std::nothrow) ReadingLanguage();
        if (!language) return E_OUTOFMEMORY;
        const HRESULT hr = language->QueryInterface(iid, object);
        language->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock) {
            ++serverUsers();
        } else {
            --serverUsers();
        }
        return S_OK;
    }
};

ReadingClassFactory factory;

std::wstring modulePath() {
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&modulePath), &module);
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::wstring();
        if (length < path.size()) return std::wstring(path.data(), length);
        path.resize(path.size() * 2);
    }
}

bool setValue(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    HKEY handle = nullptr;
    if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const LONG status =
        ::RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
    ::RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}

}  // namespace

extern "C" {

__declspec(dllexport) HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID classId, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!::IsEqualCLSID(classId, kReadingServerClassId)) return CLASS_E_CLASSNOTAVAILABLE;
    return factory.QueryInterface(iid, object);
}

__declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return serverUsers() == 0 ? S_OK : S_FALSE;
}

// Writes the program id and the class with this DLL's current path; running it again
// (for example after the run folder moved) rewrites the same keys.
__declspec(dllexport) HRESULT STDAPICALLTYPE DllRegisterServer() {
    const std::wstring path = modulePath();
    if (path.empty()) return SELFREG_E_CLASS;
    const std::wstring classKey = std::wstring(L"CLSID\\") + kReadingServerClassIdText;
    const std::wstring progIdKey = kReadingServerProgId;
    const bool ok = setValue(progIdKey, nullptr, kReadingServerName) &&
                    setValue(progIdKey + L"\\CLSID", nullptr, kReadingServerClassIdText) &&
                    setValue(classKey, nullptr, kReadingServerName) &&
                    setValue(classKey + L"\\ProgID", nullptr, kReadingServerProgId) &&
                    setValue(classKey + L"\\InprocServer32", nullptr, path) &&
                    setValue(classKey + L"\\InprocServer32", L"ThreadingModel", L"Both");
    return ok ? S_OK : SELFREG_E_CLASS;
}

__declspec(dllexport) HRESULT STDAPICALLTYPE DllUnregisterServer() {
    const std::wstring classKey = std::wstring(L"CLSID\\") + kReadingServerClassIdText;
    ::RegDeleteTreeW(HKEY_CLASSES_ROOT, classKey.c_str());
    ::RegDeleteTreeW(HKEY_CLASSES_ROOT, kReadingServerProgId);
    return S_OK;
}

}  // extern "C"
