#include "words/pdic/PDicReader.h"

#include <windows.h>

#include "foundation/encoding/StringConversion.h"
#include "words/pdic/Bocu1Decoder.h"
#include "words/pdic/PDicKey.h"

namespace {

// Later dictionaries index a folded spelling of their headwords.
constexpr int kFoldingVersion = 6;
constexpr size_t kMaxKey = 1024;

}  // namespace

CPDicReader::~CPDicReader() { close(); }

int CPDicReader::open(const std::wstring& path) {
    if (mOpen) return -1;
    if (!mFile.open(path)) return -1;
    uint8_t bytes[PDicHeader::kSize] = {};
    if (mFile.readAt(0, bytes, sizeof bytes) != sizeof bytes || !parsePDicHeader(bytes, mHeader)) {
        mFile.close();
        mHeader = PDicHeader();
        return -1;
    }
    mIndex = std::make_unique<CPDicIndex>(mHeader, mFile);
    mData = std::make_unique<CPDicData>(mHeader, mFile);
    mOpen = true;
    return 0;
}

void CPDicReader::close() {
    mIndex.reset();
    mData.reset();
    mFile.close();
    mHits.clear();
    mPool.clear();
    mHeader = PDicHeader();
    mOpen = false;
}

// The keyword as the dictionary's headwords are compared: folded for later versions, then
// UTF-16 (BOCU-1) or code page 932. False for a key no headword can begin with.
bool CPDicReader::keysFor(const std::wstring& keyword, std::wstring& wideKey, std::string& narrowKey) const {
    wideKey = keyword.substr(0, keyword.find(L'\0'));
    if (mHeader.majorVersion >= kFoldingVersion) wideKey = foldPDicKeyword(wideKey);
    if (mHeader.isBocu1()) return wideKey.size() <= kMaxKey;
    narrowKey = encodeWide(932, wideKey.c_str(), wideKey.size());
    if (narrowKey.empty() && !wideKey.empty()) return false;
    return narrowKey.size() <= kMaxKey;
}

int CPDicReader::search(const std::wstring& keyword, bool exact, int maxHits, int& more) {
    more = 0;
    mHits.clear();
    mPool.clear();
    if (!mOpen) return 0;
    std::wstring wideKey;
    std::string narrowKey;
    if (!keysFor(keyword, wideKey, narrowKey)) return 0;

    const uint32_t count = mIndex->count();
    std::wstring wideFirst;
    std::string narrowFirst;
    for (uint32_t i = mIndex->find(wideKey, narrowKey); i < count; ++i) {
        uint32_t block = 0;
        if (mIndex->getEntryKey(i, block, wideFirst, narrowFirst) != 0) break;
        const int c = mHeader.isBocu1() ? comparePDicKey(wideFirst, wideKey) : comparePDicKey(narrowFirst, narrowKey);
        if (c > 0) break;
        if (mData->loadBlock(block) != 0) break;
        if (walkGroup(i, block, wideKey, narrowKey, exact, maxHits, more)) break;
    }
    return static_cast<int>(mHits.size());
}

// Collects the hits of the current group; true when the search is done.
bool CPDicReader::walkGroup(uint32_t entry, uint32_t block, const std::wstring& wideKey,
                            const std::string& narrowKey, bool exact, int maxHits, int& more) {
    const bool bocu1 = mHeader.isBocu1();
    const size_t keyLength = bocu1 ? wideKey.size() : narrowKey.size();
    PDicRecord record;
    for (;;) {
        const size_t recordOffset = mData->getRecordOffset();
        if (mData->readRecord(record) != 0) return false;
        const std::string& raw = mData->headword();
        int c = 0;
        size_t length = 0;
        if (bocu1) {
            std::wstring headword =
                bocu1ToWide(reinterpret_cast<const uint8_t*>(raw.data()), raw.size(), CPDicData::kMaxHeadword + 1);
            // Later dictionaries keep a display form after a TAB; exact matches ignore it.
            if (exact && mHeader.majorVersion >= kFoldingVersion) headword = headword.substr(0, headword.find(L'\t'));
            length = headword.size();
            c = comparePDicKey(headword, wideKey);
        } else {
            length = raw.size();
            c = comparePDicKey(raw, narrowKey);
        }
        if (c > 0) return true;
        if (c == 0) {
            if (!exact || length == keyLength) {
                mHits.push_back({entry, block, recordOffset, mPool.size(), record});
                mPool.append(raw).push_back('\0');
            } else if (exact && length > keyLength) {
                return true;
            }
        }
        if (maxHits > 0 && mHits.size() >= static_cast<size_t>(maxHits)) {
            more = 1;
            return true;
        }
    }
}

std::wstring CPDicReader::decodeText(size_t offset, size_t length, size_t limit,
                                     const PronunciationSymbols* symbols) const {
    const std::vector<uint8_t>& group = mData->getBlockBuffer();
    if (offset > group.size() || length > group.size() - offset || limit == 0) return std::wstring();
    const uint8_t* bytes = group.data() + offset;
    std::wstring units;
    if (mHeader.isBocu1()) {
        units = bocu1ToWide(bytes, length, symbols ? length + 1 : limit);
    } else if (symbols) {
        units.assign(bytes, bytes + length);  // the symbol table maps the raw bytes
    } else {
        units = decodeBytes(932, reinterpret_cast<const char*>(bytes), length);
        units = units.substr(0, units.find(L'\0'));
        return units.size() + 1 > limit ? std::wstring() : units;
    }
    if (!symbols) return units;
    std::wstring mapped;
    for (const wchar_t unit : units) {
        if (mapped.size() + 1 >= limit) break;
        const wchar_t* entry = unit >= 32 && unit <= 255 ? (*symbols)[unit] : nullptr;
        if (entry && entry[0] != 0) {
            mapped += entry[0];
            if (entry[1] != 0 && mapped.size() + 1 < limit) mapped += entry[1];
        } else {
            mapped += unit;
        }
    }
    return mapped;
}

int CPDicReader::getHit(int num, PDicHitTexts& texts, const PDicTextLimits& limits,
                        const PronunciationSymbols* symbols) {
    texts = PDicHitTexts();
    if (num < 0 || static_cast<size_t>(num) >= mHits.size() || !mOpen) return -1;
    const Hit& hit = mHits[static_cast<size_t>(num)];
    // Reloading the hit's group rewinds the walk of a search; hits are read afterwards.
    if (mData->loadBlock(hit.block) != 0) return -1;
    const char* headword = mPool.c_str() + hit.headwordOffset;
    if (mHeader.isBocu1()) {
        texts.headword = bocu1ToWide(reinterpret_cast<const uint8_t*>(headword), hit.record.headwordLength,
                                     limits.headword);
    } else {
        texts.headword = decodeBytes(932, headword, hit.record.headwordLength);
        if (texts.headword.size() + 1 > limits.headword) texts.headword.clear();
    }
    const PDicRecord& r = hit.record;
    texts.body = decodeText(r.bodyOffset, r.bodyLength, limits.body, nullptr);
    if (r.exampleLength != 0) texts.example = decodeText(r.exampleOffset, r.exampleLength, limits.example, nullptr);
    if (r.pronunciationLength != 0) {
        texts.pronunciation = decodeText(r.pronunciationOffset, r.pronunciationLength, limits.pronunciation, symbols);
    }
    texts.level = r.level;
    return 0;
}
