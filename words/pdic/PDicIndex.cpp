#include "words/pdic/PDicIndex.h"

#include <algorithm>
#include <cstring>

#include "words/pdic/Bocu1Decoder.h"
#include "words/pdic/PDicFile.h"
#include "words/pdic/PDicKey.h"

bool CPDicIndex::load() {
    if (mLoaded) return true;
    mLoaded = true;
    // The area the header declares, cut to what the file holds.
    const int64_t declared = static_cast<int64_t>(mHeader.indexBlocks) * mHeader.blockSize;
    const int64_t available = std::max<int64_t>(0, mFile.size() - mHeader.headerSize);
    const size_t areaSize = static_cast<size_t>(std::min(declared, available));
    mArea.resize(areaSize);
    mArea.resize(mFile.readAt(mHeader.headerSize, mArea.data(), areaSize));

    const size_t width = mHeader.hasWideBlockNumbers() ? 4 : 2;
    size_t pos = 0;
    while (mTable.size() < mHeader.indexCount && pos + width < mArea.size()) {
        const uint8_t* p = mArea.data() + pos;
        const uint32_t block = width == 4 ? readU32(p) : readU16(p);
        const size_t start = pos + width;
        const void* nul = std::memchr(mArea.data() + start, 0, mArea.size() - start);
        if (!nul) break;  // a headword cut off by the end of the area
        const size_t titleLength = static_cast<const uint8_t*>(nul) - (mArea.data() + start);
        // Block 0 with an empty headword ends the index early.
        if (block == 0 && titleLength == 0) break;
        mTable.push_back({start, block, titleLength});
        pos = start + titleLength + 1;
    }
    return !mArea.empty();
}

uint32_t CPDicIndex::count() {
    load();
    return static_cast<uint32_t>(mTable.size());
}

int CPDicIndex::getEntry(uint32_t i, uint32_t& block, std::string& headword) {
    load();
    if (i >= mTable.size()) return -1;
    const Entry& entry = mTable[i];
    if (entry.titleLength > kMaxHeadword) return -1;
    block = entry.block;
    headword.assign(reinterpret_cast<const char*>(mArea.data() + entry.offset), entry.titleLength);
    return 0;
}

int CPDicIndex::getEntryKey(uint32_t i, uint32_t& block, std::wstring& wideHeadword, std::string& narrowHeadword) {
    if (getEntry(i, block, narrowHeadword) != 0) return -1;
    if (mHeader.isBocu1()) {
        wideHeadword = bocu1ToWide(reinterpret_cast<const uint8_t*>(narrowHeadword.data()), narrowHeadword.size(),
                                   kMaxHeadword + 1);
    }
    return 0;
}

uint32_t CPDicIndex::find(const std::wstring& wideKey, const std::string& narrowKey) {
    uint32_t lo = 0;
    uint32_t hi = count();
    std::wstring wide;
    std::string narrow;
    while (hi > lo) {
        const uint32_t mid = lo + (hi - lo) / 2;
        uint32_t block = 0;
        if (getEntryKey(mid, block, wide, narrow) != 0) return 0;
        const int c = mHeader.isBocu1() ? comparePDicKey(wide, wideKey) : comparePDicKey(narrow, narrowKey);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid;
        }
    }
    return lo > 0 ? lo - 1 : 0;
}
