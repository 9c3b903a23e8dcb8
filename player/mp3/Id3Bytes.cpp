#include "player/mp3/Id3Bytes.h"

uint32_t decodeBigEndian(const uint8_t* bytes, int n) {
    if (n < 2 || n > 4) return 0;
    uint32_t value = 0;
    for (int i = 0; i < n; ++i) value = (value << 8) | bytes[i];
    return value;
}

uint32_t decodeSyncsafe(const uint8_t bytes[4]) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 7) | (bytes[i] & 0x7Fu);
    return value;
}

bool isSyncsafe(const uint8_t bytes[4]) { return ((bytes[0] | bytes[1] | bytes[2] | bytes[3]) & 0x80) == 0; }

void appendBigEndian(std::string& out, uint32_t value, int n) {
    for (int i = n - 1; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void appendSyncsafe(std::string& out, uint32_t value) {
    for (int i = 3; i >= 0; --i) out += static_cast<char>((value >> (7 * i)) & 0x7F);
}

std::vector<uint8_t> undoUnsynchronisation(const uint8_t* data, size_t size) {
    std::vector<uint8_t> out;
    out.reserve(size);
    for (size_t i = 0; i < size; ++i) {
        out.push_back(data[i]);
        if (data[i] == 0xFF && i + 1 < size && data[i + 1] == 0x00) ++i;
    }
    return out;
}
