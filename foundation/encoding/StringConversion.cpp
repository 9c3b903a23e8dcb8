#include "foundation/encoding/StringConversion.h"

#include <climits>
#include <cstring>
#include <cwchar>
#include <new>
#include <utility>

#include "foundation/encoding/ConversionCodePage.h"
#include "foundation/encoding/Iso2022Jp.h"

namespace {

bool isIso2022Jp(UINT codePage) {
    return codePage == 50220 || codePage == 50221 || codePage == 50222;
}

}  // namespace

std::wstring decodeBytes(UINT codePage, const char* bytes, size_t count) {
    if (bytes == nullptr || count == 0) return std::wstring();
    if (isIso2022Jp(codePage)) return decodeIso2022Jp(bytes, count);
    if (count > static_cast<size_t>(INT_MAX)) return std::wstring();
    try {
        // No code page gives more UTF-16 units than it has bytes, so one pass suffices.
        std::wstring wide(count, L'\0');
        int length = ::MultiByteToWideChar(codePage, 0, bytes, static_cast<int>(count), &wide[0],
                                           static_cast<int>(count));
        wide.resize(length > 0 ? static_cast<size_t>(length) : 0);
        return wide;
    } catch (const std::bad_alloc&) {
        return std::wstring();
    }
}

std::string encodeWide(UINT codePage, const wchar_t* text, size_t count) {
    if (text == nullptr || count == 0) return std::string();
    if (isIso2022Jp(codePage)) return encodeIso2022Jp(text, count);
    if (count > static_cast<size_t>(INT_MAX / 4)) return std::string();
    try {
        int needed = ::WideCharToMultiByte(codePage, 0, text, static_cast<int>(count), nullptr, 0,
                                           nullptr, nullptr);
        if (needed <= 0) return std::string();
        std::string narrow(static_cast<size_t>(needed), '\0');
        int length = ::WideCharToMultiByte(codePage, 0, text, static_cast<int>(count), &narrow[0],
                                           needed, nullptr, nullptr);
        narrow.resize(length > 0 ? static_cast<size_t>(length) : 0);
        return narrow;
    } catch (const std::bad_alloc&) {
        return std::string();
    }
}

std::wstring multiByteToWide(const char* text, UINT codePage) {
    if (text == nullptr) return std::wstring();
    return decodeBytes(codePage, text, std::strlen(text));
}

std::wstring toWString(const char* text) {
    return multiByteToWide(text, getConversionCodePage());
}

std::wstring toWString(const std::string& text) {
    return multiByteToWide(text.c_str(), getConversionCodePage());
}

std::wstring toWString(const wchar_t* text) {
    return text == nullptr ? std::wstring() : std::wstring(text);
}

std::wstring shiftJisToWString(const char* text) {
    return multiByteToWide(text, 932);
}

std::wstring toWideString(const char* text) {
    return multiByteToWide(text, CP_ACP);
}

std::string wideToMultiByte(const wchar_t* text, UINT codePage) {
    if (text == nullptr) return std::string();
    return encodeWide(codePage, text, std::wcslen(text));
}

std::string toString(const wchar_t* text) {
    return wideToMultiByte(text, getConversionCodePage());
}

std::string toString(const std::wstring& text) {
    return wideToMultiByte(text.c_str(), getConversionCodePage());
}

std::string toNarrowString(const std::wstring& text) {
    return toString(text);
}

char* wideCharToMultibyte(UINT codePage, const wchar_t* text, unsigned* length) {
    if (text == nullptr) return nullptr;
    std::string narrow = wideToMultiByte(text, codePage);
    // An empty result is a failure only when there was text to convert: an empty text
    // gives a buffer holding "".
    if (narrow.empty() && *text != L'\0') return nullptr;
    char* buffer = new (std::nothrow) char[narrow.size() + 1];
    if (buffer == nullptr) return nullptr;
    std::memcpy(buffer, narrow.c_str(), narrow.size() + 1);
    if (length != nullptr) *length = static_cast<unsigned>(narrow.size());
    return buffer;
}

std::wstring utf8ToWString(const std::string& bytes) {
    return decodeBytes(CP_UTF8, bytes.data(), bytes.size());
}

bool decodeMultiByte(UINT codePage, const char* bytes, size_t count, std::wstring& text) {
    try {
        std::wstring wide = decodeBytes(codePage, bytes, count);
        size_t end = wide.find(L'\0');
        if (end != std::wstring::npos) wide.resize(end);
        text = std::move(wide);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}
