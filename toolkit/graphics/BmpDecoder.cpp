#include "toolkit/graphics/BmpDecoder.h"

#include <windows.h>

#include <cstdint>

#include "foundation/system/MessageBoxes.h"
#include "toolkit/graphics/Bitmap.h"

namespace {

uint32_t readU32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t readU16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

// One colour channel of a packed pixel, described by its mask and scaled to 0..255.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;

    explicit Channel(uint32_t m) : mask(m) {
        if (!mask) return;
        while (!((mask >> shift) & 1)) ++shift;
        max = mask >> shift;
    }
    unsigned char get(uint32_t value) const {
        if (!max) return 0;
        return static_cast<unsigned char>(uint64_t{(value & mask) >> shift} * 255 / max);
    }
};

// Images larger than this are refused before anything is allocated.
constexpr int64_t kMaxSide = 32768;
constexpr int64_t kMaxPixels = 64 * 1024 * 1024;

}  // namespace

bool decodeBmp(Bitmap& bitmap, const unsigned char* data, size_t size) {
    constexpr size_t kFileHeader = 14;
    if (!data || size < kFileHeader + 40 || data[0] != 'B' || data[1] != 'M') return false;
    const unsigned char* info = data + kFileHeader;
    const uint32_t headerSize = readU32(info);
    if (headerSize < 40 || headerSize > size - kFileHeader) return false;
    const int32_t width = static_cast<int32_t>(readU32(info + 4));
    const int32_t rawHeight = static_cast<int32_t>(readU32(info + 8));
    const int bitCount = readU16(info + 14);
    const uint32_t compression = readU32(info + 16);
    const uint32_t colorsUsed = readU32(info + 32);
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN) return false;
    const int64_t height = rawHeight < 0 ? -static_cast<int64_t>(rawHeight) : rawHeight;
    if (width > kMaxSide || height > kMaxSide || int64_t{width} * height > kMaxPixels) return false;

    const bool bitFields = compression == BI_BITFIELDS;
    if (compression != BI_RGB && !(bitFields && (bitCount == 16 || bitCount == 32))) return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32) return false;

    // The palette (up to 8 bits) or the bit-field masks follow the 40 bytes of the header's
    // fixed part; later header versions hold the masks at that same place.
    const size_t tableStart = kFileHeader + (bitFields ? 40 : headerSize);
    const unsigned char* palette = nullptr;
    uint32_t paletteCount = 0;
    uint32_t masks[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0};  // red, green, blue, alpha
    size_t tableEnd = tableStart;
    if (bitCount <= 8) {
        const uint32_t most = 1u << bitCount;
        paletteCount = colorsUsed == 0 || colorsUsed > most ? most : colorsUsed;
        tableEnd = tableStart + paletteCount * 4;
        if (tableEnd > size) return false;
        palette = data + tableStart;
    } else if (bitFields) {
        tableEnd = tableStart + 12;
        if (tableEnd > size) return false;
        for (int i = 0; i < 3; ++i) masks[i] = readU32(data + tableStart + i * 4);
        if (headerSize >= 56) masks[3] = readU32(info + 52);
    } else if (bitCount == 16) {
        masks[0] = 0x7C00;  // 5-5-5 is what uncompressed 16-bit BMP means
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    }

    const uint32_t offset = readU32(data + 10);
    const size_t pixelStart = offset != 0 ? offset : tableEnd;
    const size_t sourceLine = ((static_cast<size_t>(width) * bitCount + 31) / 32) * 4;
    if (pixelStart < kFileHeader + 40 || pixelStart > size || sourceLine * height > size - pixelStart) return false;

    if (!bitmap.create(width, static_cast<int>(height))) {
        showNumber(static_cast<int>(::GetLastError()));
        return false;
    }
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
    const bool copyAlpha = bitCount == 32 && !bitFields;
    unsigned char* target = bitmap.getBits();
    const int bytesPerLine = bitmap.getBytesPerLine();
    for (int64_t row = 0; row < height; ++row) {
        const unsigned char* s = data + pixelStart + static_cast<size_t>(row) * sourceLine;
        const int64_t targetRow = rawHeight > 0 ? height - 1 - row : row;
        unsigned char* d = target + static_cast<size_t>(targetRow) * bytesPerLine;
        for (int x = 0; x < width; ++x, d += 4) {
            switch (bitCount) {
                case 1:
                case 4:
                case 8: {
                    const int perByte = 8 / bitCount;
                    const int shift = 8 - bitCount * (x % perByte + 1);
                    const uint32_t index = (s[x / perByte] >> shift) & ((1u << bitCount) - 1);
                    if (index < paletteCount) {
                        const unsigned char* entry = palette + index * 4;
                        d[0] = entry[0];
                        d[1] = entry[1];
                        d[2] = entry[2];
                        d[3] = entry[3];
                    }
                    break;
                }
                case 16: {
                    const uint32_t v = readU16(s + x * 2);
                    d[0] = blue.get(v);
                    d[1] = green.get(v);
                    d[2] = red.get(v);
                    d[3] = alpha.get(v);
                    break;
                }
                case 24:
                    d[0] = s[x * 3];
                    d[1] = s[x * 3 + 1];
                    d[2] = s[x * 3 + 2];
                    break;
                default:
                    if (copyAlpha) {
                        d[0] = s[x * 4];
                        d[1] = s[x * 4 + 1];
                        d[2] = s[x * 4 + 2];
                        d[3] = s[x * 4 + 3];
                    } else {
                        const uint32_t v = readU32(s + x * 4);
                        d[0] = blue.get(v);
                        d[1] = green.get(v);
                        d[2] = red.get(v);
                        d[3] = alpha.get(v);
                    }
                    break;
            }
        }
    }
    return true;
}
