#include "foundation/xml/CharacterReferences.h"

#include <cwctype>

namespace {

const size_t kMaxReferenceSpan = 10;  // from the "&" to the ";"
const unsigned long kLastCodePoint = 0x10FFFF;

void appendCodePoint(std::wstring& out, unsigned long value) {
    if (value > 0xFFFF) {
        value -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (value >> 10));
        out += static_cast<wchar_t>(0xDC00 + (value & 0x3FF));
    } else {
        out += static_cast<wchar_t>(value);
    }
}

// Only "0"-"9": the value is computed from them, and other digits (full-width, Arabic-Indic)
// would give wrong characters.
bool isAsciiDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Reads the reference whose "&" is at `i` (or, after a decoded "&amp;", stood just
// before `i`). Gives the decoded text and the index after the ";", or false.
bool readReference(const std::wstring& text, size_t i, bool afterAmpersand, std::wstring& decoded,
                   size_t& next) {
    size_t n = text.size();
    bool numeric = i + 1 < n && text[i + 1] == L'#';
    size_t start = numeric ? i + 2 : (afterAmpersand ? i : i + 1);
    size_t j = start;
    while (j < n && (numeric ? isAsciiDigit(text[j]) : std::iswalpha(text[j]) != 0)) ++j;
    if (j >= n || text[j] != L';' || j - i > kMaxReferenceSpan) return false;
    std::wstring body = text.substr(start, j - start);
    decoded.clear();
    if (numeric) {
        unsigned long value = 0;
        for (wchar_t digit : body) value = value * 10 + static_cast<unsigned long>(digit - L'0');
        // No digits, U+0000 or beyond Unicode: not a character, left as text.
        if (body.empty() || value == 0 || value > kLastCodePoint) return false;
        appendCodePoint(decoded, value);
    } else {
        decoded = getNamedEntity(body);
        if (decoded.empty()) decoded = L"!";
    }
    next = j + 1;
    return true;
}

}  // namespace

std::wstring decodeCharacterReferences(const std::wstring& text, bool foldLineBreaks) {
    std::wstring out;
    out.reserve(text.size());
    bool afterAmpersand = false;  // the last character written is a decoded "&amp;"
    size_t n = text.size();
    size_t i = 0;
    while (i < n) {
        wchar_t c = text[i];
        if (c == L'&' || afterAmpersand) {
            // A real "&" starts a reference of its own; otherwise a decoded "&amp;" just
            // before may begin one (doubly escaped text).
            bool doubly = afterAmpersand && c != L'&';
            std::wstring decoded;
            size_t next = 0;
            if (readReference(text, i, doubly, decoded, next)) {
                if (doubly && !out.empty()) out.pop_back();
                afterAmpersand = decoded == L"&";
                out += decoded;
                i = next;
                continue;
            }
            afterAmpersand = false;
            if (c == L'&') {
                out += c;
                ++i;
                continue;
            }
        }
        if (c == L'\r' || c == L'\n') {
            if (foldLineBreaks) out += L' ';
            i += (c == L'\r' && i + 1 < n && text[i + 1] == L'\n') ? 2 : 1;
        } else if (c == L'\\') {
            if (i + 1 < n) {
                wchar_t escaped = text[i + 1];
                if (escaped == L'n') out += L"\r\n";
                else if (escaped == L't') out += L'\t';
                else if (escaped != L'r') out += escaped;
            }
            i += 2;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

bool appendNumericReference(std::wstring& out, const wchar_t* body, const wchar_t* end) {
    if (end - body < 2 || body[0] != L'#') return false;
    const bool hex = body[1] == L'x' || body[1] == L'X';
    const wchar_t* p = body + (hex ? 2 : 1);
    // Eight digits reach past U+10FFFF in either base; longer ones are refused unread.
    if (p == end || end - p > 8) return false;
    unsigned long value = 0;
    for (; p < end; ++p) {
        const wchar_t c = *p;
        unsigned digit = 0;
        if (isAsciiDigit(c)) {
            digit = static_cast<unsigned>(c - L'0');
        } else if (hex && c >= L'a' && c <= L'f') {
            digit = static_cast<unsigned>(c - L'a' + 10);
        } else if (hex && c >= L'A' && c <= L'F') {
            digit = static_cast<unsigned>(c - L'A' + 10);
        } else {
            return false;
        }
        value = value * (hex ? 16 : 10) + digit;
    }
    if (value == 0 || value > kLastCodePoint || (value >= 0xD800 && value <= 0xDFFF)) return false;
    appendCodePoint(out, value);
    return true;
}
