#include "words/tests/Bocu1Encoder.h"

#include <cstdint>

namespace {

constexpr int32_t kAsciiPrev = 0x40;
constexpr int32_t kMiddle = 0x90;
constexpr int32_t kTrailControls = 20;
constexpr int32_t kTrailByteOffset = 0x21 - kTrailControls;
constexpr int32_t kTrailCount = (0xFF - 0x21 + 1) + kTrailControls;
constexpr int32_t kReachPos1 = 63;
constexpr int32_t kReachNeg1 = -64;
constexpr int32_t kReachPos2 = kReachPos1 + 43 * kTrailCount;
constexpr int32_t kReachNeg2 = kReachNeg1 - 43 * kTrailCount;
constexpr int32_t kReachPos3 = kReachPos2 + 3 * kTrailCount * kTrailCount;
constexpr int32_t kReachNeg3 = kReachNeg2 - 3 * kTrailCount * kTrailCount;
constexpr int32_t kStartPos2 = kMiddle + kReachPos1 + 1;
constexpr int32_t kStartPos3 = kStartPos2 + 43;
constexpr int32_t kStartPos4 = kStartPos3 + 3;
constexpr int32_t kStartNeg2 = kMiddle + kReachNeg1;
constexpr int32_t kStartNeg3 = kStartNeg2 - 43;
constexpr int32_t kStartNeg4 = kStartNeg3 - 3;

const uint8_t kTrailToByte[kTrailControls] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x10, 0x11, 0x12, 0x13,
                                              0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1c, 0x1d, 0x1e, 0x1f};

uint8_t trailByte(int32_t t) {
    return t >= kTrailControls ? static_cast<uint8_t>(t + kTrailByteOffset) : kTrailToByte[t];
}

int32_t nextPrev(int32_t c) {
    if (c >= 0x3040 && c <= 0x309F) return 0x3070;
    if (c >= 0x4E00 && c <= 0x9FA5) return 0x4E00 - kReachNeg2;
    if (c >= 0xAC00 && c <= 0xD7A3) return (0xD7A3 + 0xAC00) / 2;
    return (c & ~0x7F) + kAsciiPrev;
}

void appendDifference(std::string& out, int32_t n) {
    int32_t lead = 0;
    int count = 0;
    if (n >= kReachNeg1) {
        if (n <= kReachPos1) {
            out += static_cast<char>(kMiddle + n);
            return;
        }
        if (n <= kReachPos2) {
            n -= kReachPos1 + 1;
            lead = kStartPos2;
            count = 1;
        } else if (n <= kReachPos3) {
            n -= kReachPos2 + 1;
            lead = kStartPos3;
            count = 2;
        } else {
            n -= kReachPos3 + 1;
            lead = kStartPos4;
            count = 3;
        }
    } else if (n >= kReachNeg2) {
        n -= kReachNeg1;
        lead = kStartNeg2;
        count = 1;
    } else if (n >= kReachNeg3) {
        n -= kReachNeg2;
        lead = kStartNeg3;
        count = 2;
    } else {
        n -= kReachNeg3;
        lead = kStartNeg4;
        count = 3;
    }
    std::string trail;
    for (int i = 0; i < count; ++i) {
        int32_t m = n % kTrailCount;
        n /= kTrailCount;
        if (m < 0) {
            --n;
            m += kTrailCount;
        }
        trail.insert(trail.begin(), static_cast<char>(trailByte(m)));
    }
    out += static_cast<char>(lead + n);
    out += trail;
}

}  // namespace

std::string encodeBocu1(const std::wstring& text) {
    std::string out;
    int32_t prev = kAsciiPrev;
    for (size_t i = 0; i < text.size(); ++i) {
        int32_t c = static_cast<uint16_t>(text[i]);
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<uint16_t>(text[++i]) - 0xDC00);
        }
        if (c <= 0x20) {
            if (c != 0x20) prev = kAsciiPrev;
            out += static_cast<char>(c);
            continue;
        }
        appendDifference(out, c - prev);
        prev = nextPrev(c);
    }
    return out;
}
