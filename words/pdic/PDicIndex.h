// The index of a PDIC dictionary: per block group its first block and first headword,
// searched by binary search. The index area is read once, on first use, and every entry
// is checked against it, so a count from the file never reaches past what is there.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "words/pdic/PDicHeader.h"

class PDicFile;

class CPDicIndex {
public:
    static constexpr size_t kMaxHeadword = 1024;

    CPDicIndex(const PDicHeader& header, PDicFile& file) : mHeader(header), mFile(file) {}
    virtual ~CPDicIndex() = default;
    CPDicIndex(const CPDicIndex&) = delete;
    CPDicIndex& operator=(const CPDicIndex&) = delete;

    // Reads the index table; false when the index area can't be read at all.
    bool load();
    // Entries actually present (nindex2 at most).
    uint32_t count();
    // Block number and raw first headword of entry i; -1 when there is no such entry.
    int getEntry(uint32_t i, uint32_t& block, std::string& headword);
    // The last entry whose first headword sorts before the key (0 when none does). The key
    // is UTF-16 for BOCU-1 dictionaries, code page 932 bytes otherwise (see PDicKey.h).
    uint32_t find(const std::wstring& wideKey, const std::string& narrowKey);
    // The first headword of entry i as the search compares it.
    int getEntryKey(uint32_t i, uint32_t& block, std::wstring& wideHeadword, std::string& narrowHeadword);

private:
    struct Entry {
        size_t offset;     // of the headword in the index area
        uint32_t block;
        size_t titleLength;  // bytes, without the NUL
    };

    const PDicHeader& mHeader;
    PDicFile& mFile;
    bool mLoaded = false;
    std::vector<uint8_t> mArea;  // the index area as read
    std::vector<Entry> mTable;
};
