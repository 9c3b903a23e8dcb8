#include "player/mp3/ID3V2Frame.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "player/mp3/Id3Bytes.h"

namespace {

bool isIdentifierCharacter(uint8_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

// Version 2.4 format flags (the second flag byte).
constexpr uint8_t kCompressed24 = 0x08;
constexpr uint8_t kEncrypted24 = 0x04;
constexpr uint8_t kUnsynchronised24 = 0x02;
constexpr uint8_t kDataLengthIndicator24 = 0x01;

// A version 2.4 size is syncsafe. Some writers put a plain number there: it is taken
// only where the syncsafe reading is malformed or runs past the tag and the plain one
// fits, so that well-formed tags are never misread.
uint32_t frameSize24(const uint8_t bytes[4], size_t remaining) {
    const uint32_t plain = decodeBigEndian(bytes, 4);
    const bool wellFormed = isSyncsafe(bytes);
    const uint32_t syncsafe = decodeSyncsafe(bytes);
    if ((!wellFormed || syncsafe > remaining) && plain <= remaining) return plain;
    return wellFormed ? syncsafe : plain;
}

}  // namespace

size_t ID3V2Frame::read(const uint8_t* body, size_t bodySize, size_t pos, int majorVersion, bool tagUnsynchronised) {
    const size_t header = headerSize(majorVersion);
    if (pos > bodySize || bodySize - pos < header) return 0;
    const uint8_t* h = body + pos;
    for (int i = 0; i < 3; ++i) {
        if (!isIdentifierCharacter(h[i])) return 0;
    }
    const size_t remaining = bodySize - pos - header;
    std::memset(identifier, 0, sizeof identifier);
    flags[0] = flags[1] = 0;
    uint32_t frameSize = 0;
    if (majorVersion == 2) {
        std::memcpy(identifier, h, 3);
        frameSize = decodeBigEndian(h + 3, 3);
    } else {
        std::memcpy(identifier, h, 4);
        frameSize = majorVersion == 4 ? frameSize24(h + 4, remaining) : decodeBigEndian(h + 4, 4);
        flags[0] = h[8];
        flags[1] = h[9];
    }
    if (frameSize >= kMaxFrameSize || frameSize > remaining) return 0;

    const uint8_t* data = h + header;
    payload.assign(data, data + frameSize);
    // Version 2.4 unsynchronises frame by frame; a compressed or encrypted payload is kept
    // as it stands, with its flags, since it can't be interpreted here anyway.
    if (majorVersion == 4 && (flags[1] & (kCompressed24 | kEncrypted24)) == 0) {
        if ((flags[1] & kUnsynchronised24) != 0 || tagUnsynchronised) {
            payload = undoUnsynchronisation(payload.data(), payload.size());
        }
        if ((flags[1] & kDataLengthIndicator24) != 0) {
            payload.erase(payload.begin(), payload.begin() + static_cast<std::ptrdiff_t>(std::min<size_t>(4, payload.size())));
        }
        flags[1] &= static_cast<uint8_t>(~(kUnsynchronised24 | kDataLengthIndicator24));
    }
    size = static_cast<uint32_t>(payload.size());
    offset = static_cast<int64_t>(pos) + 10;
    return header + frameSize;
}
