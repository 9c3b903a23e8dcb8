// The encoding id shared by text files, the XML parser, play lists and the text editor.
#pragma once

#include <windows.h>

#include <string>

using EncodingId = int;

enum : EncodingId {
    kEncodingUndefined = -1,  // "Undefine": asks the reader to detect; written as UTF-16LE
    kEncodingAnsi = 0,        // the conversion code page
    kEncodingUtf16Le = 1,     // "Unicode"
    kEncodingUtf16Be = 2,
    kEncodingUtf8 = 3,        // without byte-order mark
    kEncodingUtf8Bom = 4,
    kEncodingShiftJis = 5,
    kEncodingBig5 = 6,
    kEncodingEucJp = 7,
    kEncodingBinary = 8,      // read through the conversion code page, never written
    kEncodingIso2022Jp = 9,
};

// The display name of an id ("Unicode", "UTF-8(BOM)", ...); empty for an unknown id.
std::wstring getEncodingName(EncodingId id);

// The id named by a configuration text (case-sensitive): "Shift_JIS", "ANSI", "UTF-16",
// "UTF-16BE", "UTF-8"/"UTF8", "UTF-8N" (with BOM), "EUC-JP", "ISO-2022-JP", "Binary";
// any other name gives 0 (ANSI).
EncodingId getEncodingByName(const std::wstring& name);

// The code page an id is written in: 65001, 932, 950, 20932, 50220, else 0 (CP_ACP).
UINT getCodePage(EncodingId id);
