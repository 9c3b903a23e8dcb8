#include "foundation/http/PercentEncoding.h"

#include "foundation/encoding/StringConversion.h"

namespace {

bool isUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == '.' || c == '~';
}

// The UTF-8 bytes of the text, each byte for which `keep` answers false written as "%XX".
template <typename Keep>
std::string percentEncodeBytes(const std::wstring& text, Keep keep) {
    static const char kHex[] = "0123456789ABCDEF";
    const std::string bytes = encodeWide(CP_UTF8, text.data(), text.size());
    std::string out;
    out.reserve(bytes.size() * 3);
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (keep(c)) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        }
    }
    return out;
}

}  // namespace

std::string percentEncodeUtf8(const std::wstring& text) { return percentEncodeBytes(text, isUnreserved); }

std::wstring percentEncode(const std::wstring& text) {
    const std::string encoded = percentEncodeUtf8(text);
    return std::wstring(encoded.begin(), encoded.end());
}

std::string percentEncodeNonAscii(const std::wstring& url) {
    return percentEncodeBytes(url, [](unsigned char c) { return c < 0x80; });
}
