#include "words/pdic/PDicData.h"

#include <algorithm>
#include <cstring>

#include "words/pdic/PDicFile.h"

namespace {

constexpr uint8_t kExtendedRecord = 0x10;
constexpr uint8_t kEndOfFields = 0x80;
constexpr uint8_t kBinaryField = 0x10;
constexpr uint8_t kExampleField = 1;
constexpr uint8_t kPronunciationField = 2;

}  // namespace

int CPDicData::loadBlock(uint32_t block) {
    if (static_cast<int64_t>(block) == mCurrentBlock) {
        mRecordOffset = 2;
        mPrevious.clear();
        return 0;
    }
    mCurrentBlock = -1;
    const int64_t blockSize = mHeader.blockSize;
    const int64_t offset = mHeader.dataOffset() + static_cast<int64_t>(block) * blockSize;
    uint8_t first[PDicHeader::kMaxBlockSize] = {};
    if (mFile.readAt(offset, first, static_cast<size_t>(blockSize)) != static_cast<size_t>(blockSize)) return -1;
    const uint16_t groupHeader = readU16(first);
    const int64_t blocks = groupHeader & 0x7FFF;
    if (blocks == 0) return -1;
    mLengthWidth = (groupHeader & 0x8000) != 0 ? 4 : 2;
    // Blocks past the end of the file can't belong to the group.
    const int64_t size = std::min(blocks * blockSize, mFile.size() - offset);
    mGroup.assign(static_cast<size_t>(size), 0);
    const size_t read = mFile.readAt(offset, mGroup.data(), mGroup.size());
    if (read < mGroup.size()) std::fill(mGroup.begin() + static_cast<std::ptrdiff_t>(read), mGroup.end(), 0);
    mCurrentBlock = block;
    mRecordOffset = 2;
    mPrevious.clear();
    return 0;
}

bool CPDicData::readLength(size_t pos, size_t& length) const {
    if (pos > mGroup.size() || mGroup.size() - pos < mLengthWidth) return false;
    const uint8_t* p = mGroup.data() + pos;
    length = mLengthWidth == 4 ? readU32(p) : readU16(p);
    return true;
}

// The length of a NUL-terminated text at pos that ends before end.
bool CPDicData::findText(size_t pos, size_t end, size_t& length) const {
    if (pos >= end) return false;
    const void* nul = std::memchr(mGroup.data() + pos, 0, end - pos);
    if (!nul) return false;
    length = static_cast<size_t>(static_cast<const uint8_t*>(nul) - (mGroup.data() + pos));
    return true;
}

// The tagged fields of an extended record, from pos up to the record's end. A field that
// would run past the record ends the fields; what was found before it stays.
void CPDicData::readFields(size_t pos, size_t end, PDicRecord& record) const {
    while (pos < end) {
        const uint8_t tag = mGroup[pos++];
        if (tag == kEndOfFields) break;
        if ((tag & kBinaryField) != 0) {
            size_t length = 0;
            if (end - pos < mLengthWidth || !readLength(pos, length) || length > end - pos - mLengthWidth) return;
            pos += mLengthWidth + length;
            continue;
        }
        size_t length = 0;
        if (!findText(pos, end, length)) return;
        if (tag == kExampleField) {
            record.exampleOffset = pos;
            record.exampleLength = length;
        } else if (tag == kPronunciationField) {
            record.pronunciationOffset = pos;
            record.pronunciationLength = length;
        }
        pos += length + 1;
    }
}

int CPDicData::readRecord(PDicRecord& record) {
    record = PDicRecord();
    if (mCurrentBlock < 0) return -1;
    size_t fieldLength = 0;
    if (!readLength(mRecordOffset, fieldLength) || fieldLength == 0) return -1;
    size_t pos = mRecordOffset + mLengthWidth;
    if (pos >= mGroup.size()) return -1;
    const size_t shared = mGroup[pos++];
    if (shared > mPrevious.size()) return -1;

    const bool bocu1 = mHeader.isBocu1();
    uint8_t attribute = 0;
    if (bocu1) {
        if (pos >= mGroup.size()) return -1;
        attribute = mGroup[pos++];
    }
    // The field length counts from here to the record's end.
    const size_t start = pos;
    if (fieldLength > mGroup.size() - start) return -1;
    const size_t end = start + fieldLength;
    size_t tailLength = 0;
    if (!findText(start, end, tailLength)) return -1;
    if (shared + tailLength > kMaxHeadword) return -1;
    pos = start + tailLength + 1;
    if (!bocu1) {
        if (pos >= end) return -1;
        attribute = mGroup[pos++];
    }

    record.level = attribute & 0x0F;
    record.bodyOffset = pos;
    if ((attribute & kExtendedRecord) == 0) {
        record.bodyLength = end - pos;
    } else {
        if (findText(pos, end, record.bodyLength)) {
            readFields(pos + record.bodyLength + 1, end, record);
        } else {
            record.bodyLength = end - pos;  // no terminator: the body runs to the record's end
        }
    }
    mPrevious.resize(shared);
    mPrevious.append(reinterpret_cast<const char*>(mGroup.data() + start), tailLength);
    record.headwordLength = mPrevious.size();
    mRecordOffset = end;
    return 0;
}
