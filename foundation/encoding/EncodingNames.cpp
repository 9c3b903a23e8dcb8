#include "foundation/encoding/EncodingId.h"

std::wstring getEncodingName(EncodingId id) {
    switch (id) {
    case kEncodingUndefined: return L"Undefine";
    case kEncodingAnsi: return L"ANSI";
    case kEncodingUtf16Le: return L"Unicode";
    case kEncodingUtf16Be: return L"UTF-16BE";
    case kEncodingUtf8: return L"UTF-8";
    case kEncodingUtf8Bom: return L"UTF-8(BOM)";
    case kEncodingShiftJis: return L"Shift_JIS";
    case kEncodingBig5: return L"BIG5";
    case kEncodingEucJp: return L"EUC_JP";
    case kEncodingBinary: return L"Binary";
    case kEncodingIso2022Jp: return L"ISO-2022-JP";
    default: return std::wstring();
    }
}

EncodingId getEncodingByName(const std::wstring& name) {
    // Configuration texts use these spellings, which are not the display names:
    // "BIG5" and "EUC_JP" are deliberately unknown here and give ANSI.
    struct Entry {
        const wchar_t* name;
        EncodingId id;
    };
    static const Entry kNames[] = {
        {L"Shift_JIS", kEncodingShiftJis}, {L"ANSI", kEncodingAnsi},
        {L"UTF-16", kEncodingUtf16Le},     {L"UTF-16BE", kEncodingUtf16Be},
        {L"UTF-8", kEncodingUtf8},         {L"UTF8", kEncodingUtf8},
        {L"UTF-8N", kEncodingUtf8Bom},     {L"EUC-JP", kEncodingEucJp},
        {L"ISO-2022-JP", kEncodingIso2022Jp}, {L"Binary", kEncodingBinary},
    };
    for (const Entry& entry : kNames) {
        if (name == entry.name) return entry.id;
    }
    return kEncodingAnsi;
}

UINT getCodePage(EncodingId id) {
    switch (id) {
    case kEncodingUtf8:
    case kEncodingUtf8Bom: return CP_UTF8;
    case kEncodingShiftJis: return 932;
    case kEncodingBig5: return 950;
    case kEncodingEucJp: return 20932;
    case kEncodingIso2022Jp: return 50220;
    default: return CP_ACP;
    }
}
