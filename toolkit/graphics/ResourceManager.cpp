#include "toolkit/graphics/ResourceManager.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

std::vector<unsigned char> readWholeFile(const std::wstring& path) {
    std::vector<unsigned char> data;
    FILE* file = ::_wfopen(path.c_str(), L"rb");
    if (!file) return data;
    unsigned char buffer[65536];
    size_t read;
    while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0) data.insert(data.end(), buffer, buffer + read);
    std::fclose(file);
    return data;
}

uint32_t readU32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

// Creates a device bitmap from a BMP file image after checking that its header, colour
// table and pixels lie inside the data.
HBITMAP createFromBmp(const std::vector<unsigned char>& data) {
    if (data.size() < 14 + 40 || data[0] != 'B' || data[1] != 'M') return nullptr;
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(data.data() + 14);
    const uint32_t headerSize = readU32(data.data() + 14);
    const uint32_t offset = readU32(data.data() + 10);
    if (headerSize < 40 || headerSize > data.size() - 14 || offset > data.size()) return nullptr;
    const int64_t width = header->biWidth;
    const int64_t height = header->biHeight < 0 ? -int64_t{header->biHeight} : header->biHeight;
    const int bits = header->biBitCount;
    if (width <= 0 || width > 32768 || height == 0 || height > 32768 || bits == 0 || bits > 32) return nullptr;
    if (header->biCompression != BI_RGB && header->biCompression != BI_BITFIELDS) return nullptr;
    size_t colors = bits <= 8 ? (header->biClrUsed ? header->biClrUsed : 1u << bits) : header->biClrUsed;
    if (header->biCompression == BI_BITFIELDS) colors += 3;
    if (colors > 256 + 3 || 14 + headerSize + colors * 4 > offset) return nullptr;
    const int64_t line = ((width * bits + 31) / 32) * 4;
    if (line * height > static_cast<int64_t>(data.size() - offset)) return nullptr;
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateDIBitmap(screen, header, CBM_INIT, data.data() + offset,
                                      reinterpret_cast<const BITMAPINFO*>(header), DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

}  // namespace

ResourceManager& ResourceManager::getInstance() {
    static ResourceManager manager;
    return manager;
}

ResourceManager::~ResourceManager() {
    for (auto& entry : mBitmaps) ::DeleteObject(entry.second);
}

HBITMAP ResourceManager::getBitmap(const std::wstring& name) {
    auto found = mBitmaps.find(name);
    if (found != mBitmaps.end()) return found->second;
    HBITMAP bitmap = createFromBmp(readWholeFile(name));
    if (bitmap) mBitmaps[name] = bitmap;
    return bitmap;
}
