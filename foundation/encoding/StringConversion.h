// Conversions between wide (UTF-16) strings and narrow strings in a code page. None of
// them throws; a conversion the system can't do gives an empty string. Code page 50220
// (ISO-2022-JP) is converted by this program itself.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// The NUL-terminated narrow text in the code page.
std::wstring multiByteToWide(const char* text, UINT codePage);
// Through the conversion code page; the wide overload copies.
std::wstring toWString(const char* text);
std::wstring toWString(const std::string& text);
std::wstring toWString(const wchar_t* text);
// Through code page 932, whatever the conversion code page.
std::wstring shiftJisToWString(const char* text);
// Through the system's ANSI code page (CP_ACP), whatever the conversion code page.
std::wstring toWideString(const char* text);

// The NUL-terminated wide text in the code page; unmappable characters become the
// system default character.
std::string wideToMultiByte(const wchar_t* text, UINT codePage);
// Through the conversion code page.
std::string toString(const wchar_t* text);
std::string toString(const std::wstring& text);
std::string toNarrowString(const std::wstring& text);

// A new[]-allocated NUL-terminated buffer the caller deletes with delete[] (an empty
// text gives a buffer holding ""), or null when the text is null or can't be converted;
// `length` receives the length without the terminator.
char* wideCharToMultibyte(UINT codePage, const wchar_t* text, unsigned* length = nullptr);

// Every byte of the string (embedded NULs included) decoded as UTF-8.
std::wstring utf8ToWString(const std::string& bytes);

// Decodes exactly `count` bytes; `text` receives the result up to its first U+0000.
// False only when memory runs out.
bool decodeMultiByte(UINT codePage, const char* bytes, size_t count, std::wstring& text);

// The building blocks: all `count` units or bytes, embedded NULs kept. Empty on failure.
std::wstring decodeBytes(UINT codePage, const char* bytes, size_t count);
std::string encodeWide(UINT codePage, const wchar_t* text, size_t count);
