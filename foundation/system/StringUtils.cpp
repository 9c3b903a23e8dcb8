#include "foundation/system/StringUtils.h"

#include <cstdarg>
#include <cwchar>
#include <new>

std::wstring formatString(const wchar_t* format, ...) {
    if (format == nullptr) return std::wstring();
    // Start as the classic fixed buffer did, and grow until the text fits.
    std::vector<wchar_t> buffer(1024);
    while (buffer.size() <= (64u << 20)) {
        va_list args;
        va_start(args, format);
        int length = _vsnwprintf(buffer.data(), buffer.size(), format, args);
        va_end(args);
        if (length >= 0 && static_cast<size_t>(length) < buffer.size()) {
            return std::wstring(buffer.data(), static_cast<size_t>(length));
        }
        try {
            buffer.resize(buffer.size() * 2);
        } catch (const std::bad_alloc&) {
            break;
        }
    }
    return std::wstring();
}

std::wstring replaceAll(const std::wstring& text, const std::wstring& search, const std::wstring& replacement) {
    if (search.empty()) return text;
    std::wstring out;
    size_t from = 0;
    for (size_t at = text.find(search); at != std::wstring::npos; at = text.find(search, from)) {
        out.append(text, from, at - from);
        out += replacement;
        from = at + search.size();
    }
    if (from == 0) return text;
    out.append(text, from, std::wstring::npos);
    return out;
}

void splitStringInto(std::vector<std::wstring>& pieces, const std::wstring& text, const std::wstring& delimiter) {
    if (text.empty()) return;
    if (delimiter.empty()) {
        pieces.push_back(text);
        return;
    }
    size_t from = 0;
    for (size_t at = text.find(delimiter); at != std::wstring::npos; at = text.find(delimiter, from)) {
        pieces.push_back(text.substr(from, at - from));
        from = at + delimiter.size();
    }
    pieces.push_back(text.substr(from));
}

void splitStringInto(const std::wstring& text, const std::wstring& delimiter, std::vector<std::wstring>& pieces) {
    splitStringInto(pieces, text, delimiter);
}

std::vector<std::wstring> splitString(const std::wstring& text, const std::wstring& delimiter) {
    std::vector<std::wstring> pieces;
    if (text.empty()) {
        pieces.emplace_back();
        return pieces;
    }
    splitStringInto(pieces, text, delimiter);
    return pieces;
}

std::wstring trimString(const std::wstring& text, const std::wstring& set) {
    size_t first = text.find_first_not_of(set);
    if (first == std::wstring::npos) return std::wstring();
    size_t last = text.find_last_not_of(set);
    return text.substr(first, last - first + 1);
}

std::wstring escapeFileName(const std::wstring& text) {
    static const wchar_t kReserved[] = L"<>:\"/\\|?*";
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        if (c != L'\0' && std::wcschr(kReserved, c) != nullptr) {
            static const wchar_t kHex[] = L"0123456789ABCDEF";
            out += L'%';
            out += kHex[(c >> 4) & 0xF];
            out += kHex[c & 0xF];
        } else if (c < 32) {
            out += L' ';
        } else {
            out += c;
        }
    }
    return out;
}
