// The data area of a PDIC dictionary: one block group at a time in a buffer, walked
// record by record. Every length and offset in a record is checked against the group,
// so a damaged record ends the group's records instead of reading past them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "words/pdic/PDicHeader.h"

class PDicFile;

// Where one record's texts stand in the group buffer (lengths in bytes of the file's text).
struct PDicRecord {
    size_t headwordLength = 0;
    size_t bodyOffset = 0;
    size_t bodyLength = 0;
    size_t exampleOffset = 0;
    size_t exampleLength = 0;
    size_t pronunciationOffset = 0;
    size_t pronunciationLength = 0;
    int level = 0;
};

class CPDicData {
public:
    static constexpr size_t kMaxHeadword = 1024;

    CPDicData(const PDicHeader& header, PDicFile& file) : mHeader(header), mFile(file) {}
    virtual ~CPDicData() = default;
    CPDicData(const CPDicData&) = delete;
    CPDicData& operator=(const CPDicData&) = delete;

    // Makes the group that starts at the block current, its first record next; -1 when it
    // can't be read or is empty.
    int loadBlock(uint32_t block);
    // Reads the next record; the full headword (raw bytes) is in headword() afterwards.
    // -1 at the end of the group or at a damaged record.
    int readRecord(PDicRecord& record);
    const std::string& headword() const { return mPrevious; }
    size_t getRecordOffset() const { return mRecordOffset; }
    const std::vector<uint8_t>& getBlockBuffer() const { return mGroup; }

private:
    bool readLength(size_t pos, size_t& length) const;
    void readFields(size_t pos, size_t end, PDicRecord& record) const;
    bool findText(size_t pos, size_t end, size_t& length) const;

    const PDicHeader& mHeader;
    PDicFile& mFile;
    int64_t mCurrentBlock = -1;
    size_t mRecordOffset = 0;
    size_t mLengthWidth = 2;
    std::vector<uint8_t> mGroup;
    std::string mPrevious;  // the previous record's full headword
};
