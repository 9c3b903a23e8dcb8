// The 256-byte header of a PDIC dictionary file (version 4 and later), with the fields
// the reader uses moved to one layout whatever the version stored them in.
#pragma once

#include <cstdint>

struct PDicHeader {
    static constexpr size_t kSize = 256;
    static constexpr int kMaxBlockSize = 1024;
    static constexpr int kMaxHeaderSize = 1024;
    static constexpr uint8_t kBocu1Flag = 0x08;

    uint8_t raw[kSize] = {};
    int version = 0;         // signed 16 bits as stored
    int majorVersion = 0;    // version >> 8
    int blockSize = 0;       // bytes per block
    int indexBlocks = 0;     // blocks of the index area
    int headerSize = 0;      // bytes before the index area
    uint8_t dictype = 0;
    uint8_t indexBlockBits = 0;  // 1: 32-bit block numbers in the index
    uint32_t extHeader = 0;      // extra bytes before the data area
    uint32_t indexCount = 0;     // nindex2: entries in the index

    bool isBocu1() const { return (dictype & kBocu1Flag) != 0; }
    bool hasWideBlockNumbers() const { return indexBlockBits == 1; }
    // File offset of the first block of the data area.
    int64_t dataOffset() const {
        return static_cast<int64_t>(headerSize) + extHeader + static_cast<int64_t>(indexBlocks) * blockSize;
    }
};

// Reads the fields from the header bytes; false when it is no PDIC header this reader
// takes (signature at neither offset 13 nor 24, major version below 4, block or header
// size outside 1..1024, or a negative index size).
bool parsePDicHeader(const uint8_t (&bytes)[PDicHeader::kSize], PDicHeader& header);

// Little-endian fields, put together byte by byte.
inline uint16_t readU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline uint32_t readU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}
