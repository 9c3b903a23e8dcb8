#include "words/pdic/Bocu1Decoder.h"

namespace {

constexpr int32_t kAsciiPrev = 0x40;
constexpr int32_t kMin = 0x21;
constexpr int32_t kMiddle = 0x90;
constexpr int32_t kReset = 0xFF;
constexpr int32_t kTrailControls = 20;
constexpr int32_t kTrailByteOffset = kMin - kTrailControls;
constexpr int32_t kTrailCount = (0xFF - kMin + 1) + kTrailControls;
constexpr int32_t kSingle = 64;
constexpr int32_t kLead2 = 43;
constexpr int32_t kLead3 = 3;

constexpr int32_t kReachPos1 = kSingle - 1;
constexpr int32_t kReachNeg1 = -kSingle;
constexpr int32_t kReachPos2 = kReachPos1 + kLead2 * kTrailCount;
constexpr int32_t kReachNeg2 = kReachNeg1 - kLead2 * kTrailCount;
constexpr int32_t kReachPos3 = kReachPos2 + kLead3 * kTrailCount * kTrailCount;
constexpr int32_t kReachNeg3 = kReachNeg2 - kLead3 * kTrailCount * kTrailCount;

constexpr int32_t kStartPos2 = kMiddle + kReachPos1 + 1;
constexpr int32_t kStartPos3 = kStartPos2 + kLead2;
constexpr int32_t kStartPos4 = kStartPos3 + kLead3;
constexpr int32_t kStartNeg2 = kMiddle + kReachNeg1;
constexpr int32_t kStartNeg3 = kStartNeg2 - kLead2;

// Trail bytes 0x00..0x20: the C0 controls that text needs intact (NUL, TAB, LF, CR, SUB,
// ESC, space and a few more) are never trail bytes.
constexpr int8_t kByteToTrail[kMin] = {
    -1,   0x00, 0x01, 0x02, 0x03, 0x04, 0x05, -1,   -1,   -1,   -1,   -1,   -1, -1,   -1,   -1,   0x06,
    0x07, 0x08, 0x09, 0x0a, 0x0b, 0x0c, 0x0d, 0x0e, 0x0f, -1,   -1,   0x10, 0x11, 0x12, 0x13, -1};

// The state after a code point: scripts that are not 128-aligned get their own middle.
int32_t nextPrev(int32_t c) {
    if (c >= 0x3040 && c <= 0x309F) return 0x3070;            // Hiragana
    if (c >= 0x4E00 && c <= 0x9FA5) return 0x4E00 - kReachNeg2;  // CJK Unihan
    if (c >= 0xAC00 && c <= 0xD7A3) return (0xD7A3 + 0xAC00) / 2;  // Hangul
    return (c & ~0x7F) + kAsciiPrev;
}

}  // namespace

int32_t Bocu1Decoder::decode(uint8_t b) {
    if (mPrev == 0) {
        mPrev = kAsciiPrev;
        mCount = 0;
    }
    if (mCount != 0) return decodeTrailByte(b);
    if (b <= 0x20) {
        // A direct C0 control or space; controls reset the state, the space does not.
        if (b != 0x20) mPrev = kAsciiPrev;
        return b;
    }
    if (b >= kStartNeg2 && b < kStartPos2) {
        const int32_t c = mPrev + (static_cast<int32_t>(b) - kMiddle);
        mPrev = nextPrev(c);
        return c;
    }
    if (b == kReset) {
        mPrev = kAsciiPrev;
        return kNoCodePoint;
    }
    return decodeLeadByte(b);
}

int32_t Bocu1Decoder::decodeLeadByte(uint8_t b) {
    const int32_t lead = b;
    if (lead >= kStartNeg2) {
        if (lead < kStartPos3) {
            mDiff = (lead - kStartPos2) * kTrailCount + kReachPos1 + 1;
            mCount = 1;
        } else if (lead < kStartPos4) {
            mDiff = (lead - kStartPos3) * kTrailCount * kTrailCount + kReachPos2 + 1;
            mCount = 2;
        } else {
            mDiff = kReachPos3 + 1;
            mCount = 3;
        }
    } else {
        if (lead >= kStartNeg3) {
            mDiff = (lead - kStartNeg2) * kTrailCount + kReachNeg1;
            mCount = 1;
        } else if (lead > kMin) {
            mDiff = (lead - kStartNeg3) * kTrailCount * kTrailCount + kReachNeg2;
            mCount = 2;
        } else {
            mDiff = -kTrailCount * kTrailCount * kTrailCount + kReachNeg3;
            mCount = 3;
        }
    }
    return kNoCodePoint;
}

int32_t Bocu1Decoder::decodeTrailByte(uint8_t b) {
    int32_t t = 0;
    if (b <= 0x20) {
        t = kByteToTrail[b];
        if (t < 0) {
            mPrev = kAsciiPrev;
            mCount = 0;
            return kIllegal;
        }
    } else {
        t = static_cast<int32_t>(b) - kTrailByteOffset;
    }
    if (mCount == 1) {
        const int32_t c = mPrev + mDiff + t;
        mCount = 0;
        if (c < 0 || c > 0x10FFFF) {
            mPrev = kAsciiPrev;
            return kIllegal;
        }
        mPrev = nextPrev(c);
        return c;
    }
    mDiff += mCount == 2 ? t * kTrailCount : t * kTrailCount * kTrailCount;
    --mCount;
    return kNoCodePoint;
}

std::wstring bocu1ToWide(const uint8_t* source, size_t length, size_t maxUnits) {
    std::wstring text;
    if (maxUnits == 0) return text;
    const size_t room = maxUnits - 1;
    Bocu1Decoder decoder;
    for (size_t i = 0; i < length && text.size() < room; ++i) {
        const int32_t c = decoder.decode(source[i]);
        if (c == Bocu1Decoder::kIllegal) break;
        if (c < 0) continue;
        if (c == 0) break;  // the text ends at a NUL, as a wide C string does
        if (c <= 0xFFFF) {
            text += static_cast<wchar_t>(c);
        } else {
            if (room - text.size() < 2) break;
            const int32_t v = c - 0x10000;
            text += static_cast<wchar_t>(0xD800 + (v >> 10));
            text += static_cast<wchar_t>(0xDC00 + (v & 0x3FF));
        }
    }
    return text;
}
