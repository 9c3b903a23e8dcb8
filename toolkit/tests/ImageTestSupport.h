// Helpers of the picture tests: fixture paths, files made of bytes, BMP files built in
// memory, and pixel comparison.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/graphics/Bitmap.h"

inline std::wstring imageFixture(const std::wstring& name) { return std::wstring(TEST_FIXTURES_DIR) + L"\\images\\" + name; }

inline void writeBytes(const std::wstring& path, const std::vector<uint8_t>& bytes) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
}

inline std::vector<uint8_t> readBytes(const std::wstring& path) {
    std::vector<uint8_t> bytes;
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    bytes.resize(::GetFileSize(file, nullptr));
    DWORD read = 0;
    ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    ::CloseHandle(file);
    return bytes;
}

// The blue, green and red of a pixel as a COLORREF.
inline COLORREF colorAt(const Bitmap& bitmap, int x, int y) { return bitmap.getPixel(x, y) & 0xFFFFFF; }

// The 4 x 3 picture of the fixture files, as COLORREFs.
inline const std::vector<std::vector<COLORREF>>& fixturePixels() {
    static const std::vector<std::vector<COLORREF>> pixels = {
        {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255)},
        {RGB(0, 0, 0), RGB(128, 64, 32), RGB(10, 20, 30), RGB(255, 255, 0)},
        {RGB(255, 0, 255), RGB(0, 255, 255), RGB(128, 128, 128), RGB(200, 100, 50)},
    };
    return pixels;
}

inline void expectFixturePixels(const Bitmap& bitmap) {
    ASSERT_EQ(bitmap.getWidth(), 4);
    ASSERT_EQ(bitmap.getHeight(), 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_EQ(colorAt(bitmap, x, y), fixturePixels()[y][x]) << "at " << x << "," << y;
    }
}

// A BMP file image: the rows (top row first, unpadded) are padded and stored bottom-up
// for a positive height and top-down for a negative one.
struct BmpLayout {
    int width = 0;
    int height = 0;  // negative: top-down
    int bitCount = 24;
    uint32_t compression = BI_RGB;
    std::vector<uint32_t> palette;  // 0x00RRGGBB entries
    std::vector<uint32_t> masks;    // red, green, blue for BI_BITFIELDS
    std::vector<std::vector<uint8_t>> rows;
    uint32_t gap = 0;  // bytes between the tables and the pixels (the offset says so)
};

inline void put16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}
inline void put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    put16(b, at, v);
    put16(b, at + 2, v >> 16);
}

inline std::vector<uint8_t> makeBmp(const BmpLayout& layout) {
    const int height = layout.height < 0 ? -layout.height : layout.height;
    const size_t line = ((static_cast<size_t>(layout.width) * layout.bitCount + 31) / 32) * 4;
    const size_t tables = layout.palette.size() * 4 + layout.masks.size() * 4;
    const size_t offset = 54 + tables + layout.gap;
    std::vector<uint8_t> b(offset + line * height, 0xEE);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, static_cast<uint32_t>(b.size()));
    put32(b, 6, 0);
    put32(b, 10, static_cast<uint32_t>(offset));
    put32(b, 14, 40);
    put32(b, 18, static_cast<uint32_t>(layout.width));
    put32(b, 22, static_cast<uint32_t>(layout.height));
    put16(b, 26, 1);
    put16(b, 28, static_cast<uint32_t>(layout.bitCount));
    put32(b, 30, layout.compression);
    put32(b, 34, static_cast<uint32_t>(line * height));
    put32(b, 38, 2835);
    put32(b, 42, 2835);
    put32(b, 46, static_cast<uint32_t>(layout.palette.size()));
    put32(b, 50, 0);
    size_t at = 54;
    for (uint32_t mask : layout.masks) put32(b, (at += 4) - 4, mask);
    for (uint32_t color : layout.palette) put32(b, (at += 4) - 4, color);
    for (int r = 0; r < height; ++r) {
        const int stored = layout.height > 0 ? height - 1 - r : r;
        std::vector<uint8_t> row = layout.rows[static_cast<size_t>(r)];
        row.resize(line, 0);
        std::copy(row.begin(), row.end(), b.begin() + static_cast<long>(offset + line * stored));
    }
    return b;
}
