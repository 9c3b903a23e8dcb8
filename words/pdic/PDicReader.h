// Reads PDIC dictionary files (version 4 and later, Shift_JIS or BOCU-1 texts): which
// headwords equal or begin with a keyword, and each hit's headword, body, example,
// pronunciation and level. Every failure is a return value; nothing is ever shown.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "words/pdic/PDicData.h"
#include "words/pdic/PDicFile.h"
#include "words/pdic/PDicHeader.h"
#include "words/pdic/PDicIndex.h"

// Replacements for the units 0..255 of a pronunciation: each entry's first unit (0: keep
// the unit as it is) and an optional second one.
using PronunciationSymbols = wchar_t[256][2];

// The texts of one hit, each limited to `size` units including a terminator, as a caller's
// buffer would hold them.
struct PDicHitTexts {
    std::wstring headword;
    std::wstring body;
    std::wstring example;
    std::wstring pronunciation;
    int level = 0;
};

struct PDicTextLimits {
    size_t headword = 1024;
    size_t body = 3000;
    size_t example = 20000;
    size_t pronunciation = 1000;
};

class CPDicReader {
public:
    CPDicReader() = default;
    virtual ~CPDicReader();
    CPDicReader(const CPDicReader&) = delete;
    CPDicReader& operator=(const CPDicReader&) = delete;

    // 0 when the file is a PDIC dictionary this reader takes, else -1 (also when open).
    int open(const std::wstring& path);
    void close();
    bool isOpen() const { return mOpen; }
    int getMajorVersion() const { return mHeader.majorVersion; }

    // Headwords beginning with the keyword (or equal to it when exact), in dictionary
    // order, at most maxHits of them when maxHits > 0; more becomes 1 when the search
    // stopped at that limit. Returns the number of hits.
    int search(const std::wstring& keyword, bool exact, int maxHits, int& more);
    // The texts of hit num; -1 when there is no such hit or its block can't be read.
    // A Shift_JIS text too long for its limit comes out empty; a BOCU-1 one is cut.
    int getHit(int num, PDicHitTexts& texts, const PDicTextLimits& limits = PDicTextLimits(),
               const PronunciationSymbols* symbols = nullptr);

private:
    struct Hit {
        uint32_t indexEntry;
        uint32_t block;
        size_t recordOffset;
        size_t headwordOffset;  // in the pool
        PDicRecord record;
    };

    bool keysFor(const std::wstring& keyword, std::wstring& wideKey, std::string& narrowKey) const;
    bool walkGroup(uint32_t entry, uint32_t block, const std::wstring& wideKey, const std::string& narrowKey,
                   bool exact, int maxHits, int& more);
    std::wstring decodeText(size_t offset, size_t length, size_t limit, const PronunciationSymbols* symbols) const;

    PDicFile mFile;
    PDicHeader mHeader;
    std::vector<Hit> mHits;
    std::string mPool;  // each hit's full raw headword, NUL-terminated
    std::unique_ptr<CPDicIndex> mIndex;
    std::unique_ptr<CPDicData> mData;
    bool mOpen = false;
};
