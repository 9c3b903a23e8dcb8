// Small helpers over wide strings. All return new strings and never throw.
#pragma once

#include <string>
#include <vector>

// printf-style formatting ("%s" takes a wide string); any length fits.
std::wstring formatString(const wchar_t* format, ...);

// Every occurrence replaced, left to right, without overlaps ("aaa", "aa" -> "ba").
std::wstring replaceAll(const std::wstring& text, const std::wstring& search, const std::wstring& replacement);

// Appends the pieces between delimiters, the last one included ("a,,b" gives a, "", b;
// "a," gives a, ""); an empty text appends nothing. An empty delimiter gives the whole
// text as one piece.
void splitStringInto(std::vector<std::wstring>& pieces, const std::wstring& text, const std::wstring& delimiter);
void splitStringInto(const std::wstring& text, const std::wstring& delimiter, std::vector<std::wstring>& pieces);
// The same pieces, but an empty text gives one empty piece.
std::vector<std::wstring> splitString(const std::wstring& text, const std::wstring& delimiter);

// Without the leading and trailing characters that occur in `set`.
std::wstring trimString(const std::wstring& text, const std::wstring& set);

// A text usable as a file name: < > : " / \ | ? * become "%" and their hexadecimal code
// ("?" -> "%3F"), characters below 32 become spaces.
std::wstring escapeFileName(const std::wstring& text);
