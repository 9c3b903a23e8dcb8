#include "standins/msime/ReadingLanguage.h"

#include <string>

#include "standins/msime/KakasiConverter.h"
#include "standins/msime/MorphResultBlock.h"
#include "standins/msime/ReadingWords.h"

namespace {

// Longer inputs are refused as too long; callers convert long texts in pieces.
constexpr INT kMaxInput = 4096;

}  // namespace

std::atomic<long>& serverUsers() {
    static std::atomic<long> users{0};
    return users;
}

ReadingLanguage::ReadingLanguage() {
    ++serverUsers();
}

ReadingLanguage::~ReadingLanguage() {
    --serverUsers();
}

HRESULT ReadingLanguage::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (::IsEqualIID(iid, IID_IUnknown) || ::IsEqualIID(iid, kIidFELanguage)) {
        *object = static_cast<IFELanguage*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ReadingLanguage::AddRef() {
    return ++m_references;
}

ULONG ReadingLanguage::Release() {
    const ULONG left = --m_references;
    if (left == 0) delete this;
    return left;
}

HRESULT ReadingLanguage::Open() {
    if (!KakasiConverter::instance().ready()) return E_FAIL;
    m_open = true;
    return S_OK;
}

HRESULT ReadingLanguage::Close() {
    m_open = false;
    return S_OK;
}

HRESULT ReadingLanguage::GetJMorphResult(DWORD request, DWORD mode, INT inputLength, const WCHAR* input,
                                         DWORD* charInfo, MORRSLT** result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    if (!m_open) return E_FAIL;
    if (request != kFELangRequestReverse) return E_NOTIMPL;
    if (inputLength < 0 || (!input && inputLength > 0)) return E_INVALIDARG;
    if (inputLength > kMaxInput) return kFELangInputTooLong;
    const std::wstring text(input ? input : L"", static_cast<size_t>(inputLength));
    const auto words = splitReadingWords(text, [](const std::wstring& run, std::wstring& output) {
        return KakasiConverter::instance().convert(run, output);
    });
    *result = buildMorphResult(text, words);
    return *result ? S_OK : E_OUTOFMEMORY;
}

HRESULT ReadingLanguage::GetConversionModeCaps(DWORD* caps) {
    if (!caps) return E_POINTER;
    *caps = kFELangModeReverse;
    return S_OK;
}

HRESULT ReadingLanguage::GetPhonetic(BSTR, LONG, LONG, BSTR* result) {
    if (result) *result = nullptr;
    return E_NOTIMPL;
}

HRESULT ReadingLanguage::GetConversion(BSTR, LONG, LONG, BSTR* result) {
    if (result) *result = nullptr;
    return E_NOTIMPL;
}
