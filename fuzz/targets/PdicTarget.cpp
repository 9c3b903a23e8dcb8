// PDIC dictionaries on damaged files: the header, the index, block groups and records
// through searches of several kinds, every hit read back, and BOCU-1 on raw bytes.
// The reader works on a file, so the input goes through a scratch file.
#include <windows.h>

#include <cstdio>
#include <string>

#include "fuzz/FuzzTarget.h"
#include "words/pdic/Bocu1Decoder.h"
#include "words/pdic/PDicReader.h"

namespace {

const std::wstring& scratchPath() {
    static const std::wstring path = [] {
        wchar_t folder[MAX_PATH + 1] = {};
        ::GetTempPathW(MAX_PATH, folder);
        return std::wstring(folder) + L"fuzz-input-" + std::to_wstring(::GetCurrentProcessId()) + L".dic";
    }();
    return path;
}

void readAllHits(CPDicReader& reader, int count) {
    PDicHitTexts texts;
    for (int i = 0; i < count; ++i) reader.getHit(i, texts);
}

void readDictionary(const uint8_t* data, size_t size) {
    (void)bocu1ToWide(data, size, 2048);
    FILE* file = _wfopen(scratchPath().c_str(), L"wb");
    if (!file) return;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    CPDicReader reader;
    if (reader.open(scratchPath()) != 0) return;
    int more = 0;
    for (const wchar_t* key : {L"a", L"ice", L"Ice-Cream", L"\x30AC", L"zz", L""}) {
        readAllHits(reader, reader.search(key, false, 30, more));
        readAllHits(reader, reader.search(key, true, 30, more));
    }
    readAllHits(reader, reader.search(L"b", false, 0, more));
}

const std::vector<std::string> kPdicTokens = {
    "=============== Dictionary for PDIC ===============", std::string("\x00\x06", 2), std::string("\x00\x04", 2),
    std::string("\x01\x80", 2), std::string("\xFF\x7F", 2),
    std::string("\xFF\xFF\xFF\xFF", 4), std::string("\x00\x00\x40\x00", 4), std::string("\x10\x80", 2),
    std::string("\x01\x00", 2), std::string("\x02\x00", 2), std::string("\xFB\x11\x59", 3),
    std::string("\xFC\xFF\x5D", 3), std::string("\x08", 1), std::string("\x00\x00", 2)};

FuzzTargetRegistration registration({"pdic", readDictionary, kPdicTokens, {}});

}  // namespace
