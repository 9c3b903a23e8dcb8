// The language object: reverse conversion of Japanese text into hiragana readings,
// word by word, from kakasi.
#pragma once

#include <atomic>

#include "toolkit/widgets/FELanguage.h"

// Objects and locks alive in this DLL (it may be unloaded at zero).
std::atomic<long>& serverUsers();

class ReadingLanguage final : public IFELanguage {
public:
    ReadingLanguage();
    ReadingLanguage(const ReadingLanguage&) = delete;
    ReadingLanguage& operator=(const ReadingLanguage&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE Open() override;
    HRESULT STDMETHODCALLTYPE Close() override;
    HRESULT STDMETHODCALLTYPE GetJMorphResult(DWORD request, DWORD mode, INT inputLength, const WCHAR* input,
                                              DWORD* charInfo, MORRSLT** result) override;
    HRESULT STDMETHODCALLTYPE GetConversionModeCaps(DWORD* caps) override;
    HRESULT STDMETHODCALLTYPE GetPhonetic(BSTR text, LONG start, LONG length, BSTR* result) override;
    HRESULT STDMETHODCALLTYPE GetConversion(BSTR text, LONG start, LONG length, BSTR* result) override;

private:
    ~ReadingLanguage();

    std::atomic<ULONG> m_references{1};
    bool m_open = false;
};
