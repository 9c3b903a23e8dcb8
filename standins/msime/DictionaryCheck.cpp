#include "standins/msime/DictionaryCheck.h"

#include <cstring>

namespace {

// "KAKASI", the little-endian mark FF FE, then the offset of the cell table.
constexpr size_t kHeaderSize = 12;
// One cell (offset, word count) for each pair of JIS bytes 0x20..0x7F.
constexpr size_t kCells = 0x60 * 0x60;
constexpr size_t kCellSize = 8;

uint32_t readLittle32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

}  // namespace

bool isUsableKanwaDictionary(const uint8_t* data, size_t size) {
    if (!data || size < kHeaderSize) return false;
    if (std::memcmp(data, "KAKASI", 6) != 0 || data[6] != 0xFF || data[7] != 0xFE) return false;
    const uint32_t tableOffset = readLittle32(data + 8);
    if (tableOffset < kHeaderSize || tableOffset > size || size - tableOffset < kCells * kCellSize) return false;

    // Words of different cells never share bytes in a sound file, so all of them
    // together fit in the file; a count past that means overlapping or looping cells.
    const size_t wordLimit = size / 3;
    size_t words = 0;
    for (size_t cell = 0; cell < kCells; ++cell) {
        const uint8_t* entry = data + tableOffset + cell * kCellSize;
        const uint32_t pos = readLittle32(entry);
        const int32_t count = static_cast<int32_t>(readLittle32(entry + 4));
        if (count < 0) return false;
        if (count == 0) continue;
        if (pos > size || static_cast<size_t>(count) > wordLimit - words) return false;
        words += static_cast<size_t>(count);
        size_t at = pos;
        for (int32_t i = 0; i < count; ++i) {
            // tail byte, kanji length, kanji, reading length, reading
            if (size - at < 2) return false;
            const size_t kanjiLength = data[at + 1];
            at += 2;
            if (size - at < kanjiLength + 1) return false;
            at += kanjiLength;
            const size_t readingLength = data[at];
            at += 1;
            if (size - at < readingLength) return false;
            at += readingLength;
        }
    }
    return true;
}
