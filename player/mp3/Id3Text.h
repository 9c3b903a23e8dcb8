// Text strings inside ID3v2 frames. The frame's encoding byte chooses the form:
// 0 single bytes (read in the conversion code page), 1 UTF-16 with a byte-order mark,
// 2 UTF-16 big-endian, 3 UTF-8. Strings are ended by one zero byte (0, 3) or one zero
// 16-bit unit (1, 2), or by the end of the frame.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class Id3TextReader {
public:
    enum Encoding : int { kSingleByte = 0, kUtf16 = 1, kUtf16BigEndian = 2, kUtf8 = 3 };

    // `encoding` must be one of the four values above.
    explicit Id3TextReader(int encoding);

    // Decodes the string that starts at `pos`, moves `pos` past it and its terminator,
    // and tells whether a terminator was found before `size`.
    std::wstring read(const uint8_t* data, size_t size, size_t& pos, bool& terminated);

private:
    std::wstring readUnits(const uint8_t* data, size_t size, size_t& pos, bool& terminated);
    std::wstring readBytes(const uint8_t* data, size_t size, size_t& pos, bool& terminated);

    int mEncoding;
    // UTF-16 strings without their own byte-order mark take the last one seen (a frame's
    // descriptor usually carries it); little-endian until then.
    bool mBigEndian;
};
