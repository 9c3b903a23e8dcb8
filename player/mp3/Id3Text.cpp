#include "player/mp3/Id3Text.h"

#include "foundation/encoding/ConversionCodePage.h"
#include "foundation/encoding/StringConversion.h"

namespace {
constexpr wchar_t kByteOrderMark = 0xFEFF;
}  // namespace

Id3TextReader::Id3TextReader(int encoding) : mEncoding(encoding), mBigEndian(encoding == kUtf16BigEndian) {}

std::wstring Id3TextReader::read(const uint8_t* data, size_t size, size_t& pos, bool& terminated) {
    terminated = false;
    if (pos >= size) {
        pos = size;
        return std::wstring();
    }
    if (mEncoding == kUtf16 || mEncoding == kUtf16BigEndian) return readUnits(data, size, pos, terminated);
    return readBytes(data, size, pos, terminated);
}

std::wstring Id3TextReader::readUnits(const uint8_t* data, size_t size, size_t& pos, bool& terminated) {
    std::wstring text;
    bool first = true;
    while (size - pos >= 2) {
        const uint8_t a = data[pos];
        const uint8_t b = data[pos + 1];
        pos += 2;
        if (a == 0 && b == 0) {
            terminated = true;
            return text;
        }
        // A mark at the start of a string sets that string's byte order (and the default
        // for later strings without one); a stray one elsewhere is not text either.
        if (first && a == 0xFF && b == 0xFE) {
            mBigEndian = false;
        } else if (first && a == 0xFE && b == 0xFF) {
            mBigEndian = true;
        } else {
            const wchar_t unit = static_cast<wchar_t>(mBigEndian ? (a << 8) | b : (b << 8) | a);
            if (unit != kByteOrderMark) text += unit;
        }
        first = false;
    }
    pos = size;  // an odd last byte can't be a unit
    return text;
}

std::wstring Id3TextReader::readBytes(const uint8_t* data, size_t size, size_t& pos, bool& terminated) {
    const size_t start = pos;
    while (pos < size && data[pos] != 0) ++pos;
    size_t end = pos;
    if (pos < size) {
        terminated = true;
        ++pos;
    }
    const char* bytes = reinterpret_cast<const char*>(data + start);
    size_t count = end - start;
    if (count == 0) return std::wstring();
    if (mEncoding == kUtf8) {
        // Some writers put a UTF-8 byte-order mark in front.
        if (count >= 3 && data[start] == 0xEF && data[start + 1] == 0xBB && data[start + 2] == 0xBF) {
            bytes += 3;
            count -= 3;
        }
        return decodeBytes(CP_UTF8, bytes, count);
    }
    return decodeBytes(getConversionCodePage(), bytes, count);
}
