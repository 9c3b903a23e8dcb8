#include "player/mp3/ID3V2Frame.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "player/mp3/Id3Bytes.h"

namespace {

bool isIdentifierCharacter(uint8_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

// Version 2.4 format flags (the second flag byte).
constexpr uint8_t kGrouping24 = 0x40;
constexpr uint8_t kCompressed24 = 0x08;
constexpr uint8_t kEncrypted24 = 0x04;
constexpr uint8_t kUnsynchronised24 = 0x02;
constexpr uint8_t kDataLengthIndicator24 = 0x01;

constexpr uint32_t kMaxThreeBytes = (1u << 24) - 1;

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

size_t ID3V2Frame::storedLength(const uint8_t* body, size_t bodySize, size_t pos, int majorVersion) {
    const size_t header = headerSize(majorVersion);
    if (pos > bodySize || bodySize - pos < header) return 0;
    const uint8_t* h = body + pos;
    for (int i = 0; i < 3; ++i) {
        if (!isIdentifierCharacter(h[i])) return 0;
    }
    const size_t remaining = bodySize - pos - header;
    uint32_t frameSize = 0;
    if (majorVersion == 2) {
        frameSize = decodeBigEndian(h + 3, 3);
    } else {
        frameSize = majorVersion == 4 ? frameSize24(h + 4, remaining) : decodeBigEndian(h + 4, 4);
    }
    return frameSize > remaining ? 0 : header + frameSize;
}

size_t ID3V2Frame::read(const uint8_t* body, size_t bodySize, size_t pos, int majorVersion, bool tagUnsynchronised) {
    const size_t length = storedLength(body, bodySize, pos, majorVersion);
    const size_t header = headerSize(majorVersion);
    if (length == 0 || length - header >= kMaxFrameSize) return 0;
    const uint8_t* h = body + pos;
    std::memset(identifier, 0, sizeof identifier);
    std::memcpy(identifier, h, majorVersion == 2 ? 3 : 4);
    flags[0] = majorVersion == 2 ? 0 : h[8];
    flags[1] = majorVersion == 2 ? 0 : h[9];
    group = 0;

    payload.assign(h + header, h + length);
    // Version 2.4 unsynchronises frame by frame; a compressed or encrypted payload is kept
    // as it stands, with its flags, since it can't be interpreted here anyway.
    if (majorVersion == 4 && (flags[1] & (kCompressed24 | kEncrypted24)) == 0) {
        if ((flags[1] & kUnsynchronised24) != 0 || tagUnsynchronised) {
            payload = undoUnsynchronisation(payload.data(), payload.size());
        }
        // The group byte comes first, then the data length indicator.
        if ((flags[1] & kGrouping24) != 0 && !payload.empty()) {
            group = payload.front();
            payload.erase(payload.begin());
        }
        if ((flags[1] & kDataLengthIndicator24) != 0) {
            payload.erase(payload.begin(), payload.begin() + static_cast<std::ptrdiff_t>(std::min<size_t>(4, payload.size())));
        }
        flags[1] &= static_cast<uint8_t>(~(kUnsynchronised24 | kDataLengthIndicator24));
    }
    size = static_cast<uint32_t>(payload.size());
    offset = static_cast<int64_t>(pos) + 10;
    return length;
}

bool ID3V2Frame::write(std::string& out, int majorVersion) const {
    const bool separateGroup =
        majorVersion == 4 && (flags[1] & kGrouping24) != 0 && (flags[1] & (kCompressed24 | kEncrypted24)) == 0;
    const uint32_t dataSize = static_cast<uint32_t>(payload.size());
    const uint32_t frameSize = dataSize + (separateGroup ? 1 : 0);
    if (majorVersion == 2) {
        if (frameSize > kMaxThreeBytes) return false;
        out.append(identifier, 3);
        appendBigEndian(out, frameSize, 3);
    } else {
        out.append(identifier, 4);
        // Version 2.4 frame sizes are syncsafe; earlier versions write plain numbers.
        if (majorVersion == 4) {
            if (frameSize > kMaxSyncsafe) return false;
            appendSyncsafe(out, frameSize);
        } else {
            appendBigEndian(out, frameSize, 4);
        }
        out += static_cast<char>(flags[0]);
        out += static_cast<char>(flags[1]);
    }
    if (separateGroup) out += static_cast<char>(group);
    out.append(reinterpret_cast<const char*>(payload.data()), dataSize);
    return true;
}
