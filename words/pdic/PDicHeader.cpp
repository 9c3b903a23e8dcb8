#include "words/pdic/PDicHeader.h"

#include <cstring>

namespace {

const char kSignature[] = "=============== Dictionary for PDIC ===============";
constexpr size_t kSignatureLength = sizeof(kSignature) - 1;

int readI16(const uint8_t* p) { return static_cast<int16_t>(readU16(p)); }

}  // namespace

bool parsePDicHeader(const uint8_t (&bytes)[PDicHeader::kSize], PDicHeader& header) {
    std::memcpy(header.raw, bytes, PDicHeader::kSize);
    header.version = readI16(bytes + 140);
    header.majorVersion = header.version >> 8;
    header.blockSize = readI16(bytes + 146);
    header.indexBlocks = readI16(bytes + 148);
    header.headerSize = readI16(bytes + 150);
    header.dictype = bytes[165];
    if (header.majorVersion == 4) {
        // Version 4 stores the later fields packed from byte 167 on.
        header.extHeader = readU32(bytes + 182);
        header.indexCount = readU32(bytes + 190);
        header.indexBlockBits = bytes[198];
    } else {
        header.indexBlockBits = bytes[182];
        header.extHeader = readU32(bytes + 184);
        header.indexCount = readU32(bytes + 192);
    }
    if (header.majorVersion < 4) return false;
    if (header.blockSize <= 0 || header.blockSize > PDicHeader::kMaxBlockSize) return false;
    if (header.headerSize <= 0 || header.headerSize > PDicHeader::kMaxHeaderSize) return false;
    // A negative index size would put the data area before the index.
    if (header.indexBlocks < 0) return false;
    return std::memcmp(bytes + 13, kSignature, kSignatureLength) == 0 ||
           std::memcmp(bytes + 24, kSignature, kSignatureLength) == 0;
}
