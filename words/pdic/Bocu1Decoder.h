// BOCU-1 (Binary Ordered Compression for Unicode) decoding, the published byte decoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class Bocu1Decoder {
public:
    static constexpr int32_t kNoCodePoint = -1;
    static constexpr int32_t kIllegal = -99;

    // The code point the byte completes, kNoCodePoint while a sequence goes on (or for the
    // reset byte 0xFF), kIllegal for an illegal byte or result (the state is reset).
    int32_t decode(uint8_t b);

private:
    int32_t decodeLeadByte(uint8_t b);
    int32_t decodeTrailByte(uint8_t b);

    int32_t mPrev = 0;  // 0: not started, read as the ASCII start state
    int32_t mCount = 0;
    int32_t mDiff = 0;
};

// Decodes the bytes into at most maxUnits - 1 UTF-16 units (maxUnits counts a terminator,
// as a caller's buffer does). Code points above U+FFFF become surrogate pairs, never cut
// in two; an illegal sequence ends the text.
std::wstring bocu1ToWide(const uint8_t* source, size_t length, size_t maxUnits);
