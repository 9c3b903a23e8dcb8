#include "downloaders/http/PercentEncoding.h"

namespace {

bool isUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

void appendByte(std::wstring& out, unsigned char byte) {
    static const wchar_t kHex[] = L"0123456789ABCDEF";
    if (isUnreserved(byte)) {
        out += static_cast<wchar_t>(byte);
        return;
    }
    out += L'%';
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

void appendCodePoint(std::wstring& out, unsigned long c) {
    if (c < 0x80) {
        appendByte(out, static_cast<unsigned char>(c));
    } else if (c < 0x800) {
        appendByte(out, static_cast<unsigned char>(0xC0 | (c >> 6)));
        appendByte(out, static_cast<unsigned char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        appendByte(out, static_cast<unsigned char>(0xE0 | (c >> 12)));
        appendByte(out, static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F)));
        appendByte(out, static_cast<unsigned char>(0x80 | (c & 0x3F)));
    } else {
        appendByte(out, static_cast<unsigned char>(0xF0 | (c >> 18)));
        appendByte(out, static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3F)));
        appendByte(out, static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F)));
        appendByte(out, static_cast<unsigned char>(0x80 | (c & 0x3F)));
    }
}

bool isHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

std::wstring percentEncode(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            const unsigned long high = static_cast<unsigned long>(c) - 0xD800;
            const unsigned long low = static_cast<unsigned long>(text[++i]) - 0xDC00;
            appendCodePoint(out, 0x10000 + (high << 10) + low);
        } else if (isHighSurrogate(c) || isLowSurrogate(c)) {
            appendCodePoint(out, 0xFFFD);
        } else {
            appendCodePoint(out, static_cast<unsigned long>(c));
        }
    }
    return out;
}
