#pragma once
// Small character tests shared by the parts of the pattern parser.
#include "foundation/regex/RegexBuilder.h"

#include <cwchar>

namespace regexbuild {

inline bool isDigit(int c) { return c >= '0' && c <= '9'; }

// The letters of the class escapes \w \W \s \S \d \D.
inline bool isClassLetter(int c) { return c > 0 && std::wcschr(L"wWsSdD", static_cast<wchar_t>(c)) != nullptr; }

// The flag of an inline option letter, or 0.
inline int flagBit(int c) {
    switch (c) {
    case 'i': case 'I': return IGNORECASE;
    case 'm': case 'M': return MULTILINE;
    case 's': case 'S': return SINGLELINE;
    case 'g': case 'G': return GLOBAL;
    default: return 0;
    }
}

} // namespace regexbuild
