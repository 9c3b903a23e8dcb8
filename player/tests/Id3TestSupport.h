// Shared pieces of the MP3 and ID3 tests: byte builders for tags and frames, and the
// MP3 files that ctest makes before the player tests (player/tests/fixtures/id3).
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace id3test {

inline std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

inline std::string syncsafe(uint32_t v) {
    return bytes({static_cast<int>((v >> 21) & 0x7F), static_cast<int>((v >> 14) & 0x7F),
                  static_cast<int>((v >> 7) & 0x7F), static_cast<int>(v & 0x7F)});
}

inline std::string bigEndian(uint32_t v, int n = 4) {
    std::string out;
    for (int i = n - 1; i >= 0; --i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    return out;
}

// A tag header of the version and flags whose size covers `body`, then the body.
inline std::string tagBytes(int version, int flags, const std::string& body) {
    return "ID3" + bytes({version, 0, flags}) + syncsafe(static_cast<uint32_t>(body.size())) + body;
}

// A frame of a version 2.3 (plain size) or 2.4 (syncsafe size) tag.
inline std::string frame(int version, const std::string& id, const std::string& payload, int flags2 = 0) {
    const uint32_t size = static_cast<uint32_t>(payload.size());
    return id + (version == 4 ? syncsafe(size) : bigEndian(size)) + bytes({0, flags2}) + payload;
}

// A version 2.2 frame: 3-character identifier and 3-byte size.
inline std::string frame22(const std::string& id, const std::string& payload) {
    return id + bigEndian(static_cast<uint32_t>(payload.size()), 3) + payload;
}

inline std::string utf16le(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += bytes({c & 0xFF, (c >> 8) & 0xFF});
    return out;
}

inline std::string utf16be(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += bytes({(c >> 8) & 0xFF, c & 0xFF});
    return out;
}

inline const uint8_t* data(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }

inline void writeBytes(const std::wstring& path, const std::string& content) {
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

// The files made by make-id3-fixtures.sh (the tests run from build/run).
inline std::wstring madeFixture(const std::wstring& name) { return L"..\\id3-fixtures\\" + name; }

}  // namespace id3test
