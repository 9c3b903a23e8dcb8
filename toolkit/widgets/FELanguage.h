// The Japanese input method's language interface (IFELanguage): reverse conversion of a
// text into its readings, word by word. MinGW-w64 does not declare it, so the program
// and the project's own stand-in server share this declaration; the layouts follow the
// interface's binary form, which the system input method also answers with.
#pragma once

#include <windows.h>
#include <objbase.h>

// One word of a conversion result: where it lies in the output (the reading) and in
// the input (the text that was converted).
struct MorphWord {
    WORD outputPos;
    WORD inputPos;
    WORD outputLength;
    WORD inputLength;
    DWORD reserved;
    WORD partOfSpeech;
    WORD flags;
    void* reservedPointer;
};

// A conversion result: one block from CoTaskMemAlloc, which the caller frees with
// CoTaskMemFree. Every pointer points into the same block (or is null).
struct MORRSLT {
    DWORD size;
    WCHAR* output;
    WORD outputLength;
    WCHAR* input;
    WORD inputLength;
    WORD* inputPosOfOutput;
    WORD* outputWordIndex;
    WORD* inputWordIndex;
    WORD* monoRubyPos;
    MorphWord* words;
    INT wordCount;
    void* reservedPointer;
};

// Request of GetJMorphResult: reverse conversion (text to readings).
constexpr DWORD kFELangRequestReverse = 0x00030000;
// Conversion mode of the reverse conversion: hiragana output, no automatic conversion.
constexpr DWORD kFELangModeReverse = 0x40000100;

// Success codes that come without a result block.
constexpr HRESULT kFELangNoResult = 1;
constexpr HRESULT kFELangNoMoreCandidates = 0x30;
constexpr HRESULT kFELangInputTooLong = 0x33;
constexpr HRESULT kFELangNoCandidates = 0x79;

// {019F7152-E6DB-11D0-83C3-00C04FDDB82E}
constexpr IID kIidFELanguage = {0x019F7152, 0xE6DB, 0x11D0, {0x83, 0xC3, 0x00, 0xC0, 0x4F, 0xDD, 0xB8, 0x2E}};

struct IFELanguage : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Open() = 0;
    virtual HRESULT STDMETHODCALLTYPE Close() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetJMorphResult(DWORD request, DWORD mode, INT inputLength,
                                                      const WCHAR* input, DWORD* charInfo,
                                                      MORRSLT** result) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetConversionModeCaps(DWORD* caps) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetPhonetic(BSTR text, LONG start, LONG length, BSTR* result) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetConversion(BSTR text, LONG start, LONG length, BSTR* result) = 0;
};
