#pragma once
// Character helpers of the regular-expression engine. Case folding and the lower/upper
// tests stop at 255 on purpose: patterns fold only the Latin-1 range, so results do
// not depend on the locale's tables for other scripts.
#include <cwctype>

namespace regexchars {

inline bool isLowerChar(int c) { return c >= 0 && c <= 255 && ::iswlower(static_cast<wint_t>(c)) != 0; }
inline bool isUpperChar(int c) { return c >= 0 && c <= 255 && ::iswupper(static_cast<wint_t>(c)) != 0; }
inline int toUpperChar(int c) { return (c < 0 || c > 255) ? c : static_cast<int>(::towupper(static_cast<wint_t>(c))); }
inline int toLowerChar(int c) { return (c < 0 || c > 255) ? c : static_cast<int>(::towlower(static_cast<wint_t>(c))); }
inline bool isBlankChar(int c) { return c == ' ' || c == '\t'; }

// The word characters of \w and \b: A-Z, a-z, 0-9 and the underscore.
inline bool isWordChar(int c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

inline bool equalFolded(int a, int b) { return a == b || toUpperChar(a) == toUpperChar(b); }

} // namespace regexchars
