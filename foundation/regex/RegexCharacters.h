#pragma once
// Character helpers of the regular-expression engine. Case folding and the lower/upper
// tests stop at 255 on purpose: patterns fold only the Latin-1 range, so results do
// not depend on the locale's tables for other scripts.
#include <cwctype>

namespace regexchars {

// The runtime's case mappings of 0..255, read once. The program never changes the C
// runtime's locale, so the table answers what towupper and towlower answer; case-blind
// matching folds characters in its inner loops, where a runtime call each time is slow.
struct CaseTable {
    wchar_t upper[256];
    wchar_t lower[256];
    CaseTable() {
        for (int c = 0; c < 256; ++c) {
            upper[c] = static_cast<wchar_t>(::towupper(static_cast<wint_t>(c)));
            lower[c] = static_cast<wchar_t>(::towlower(static_cast<wint_t>(c)));
        }
    }
};
inline const CaseTable& caseTable() {
    static const CaseTable table;
    return table;
}

inline bool isLowerChar(int c) { return c >= 0 && c <= 255 && ::iswlower(static_cast<wint_t>(c)) != 0; }
inline bool isUpperChar(int c) { return c >= 0 && c <= 255 && ::iswupper(static_cast<wint_t>(c)) != 0; }
inline int toUpperChar(int c) { return (c < 0 || c > 255) ? c : static_cast<int>(caseTable().upper[c]); }
inline int toLowerChar(int c) { return (c < 0 || c > 255) ? c : static_cast<int>(caseTable().lower[c]); }
// toUpperChar through a table already at hand (caseTable().upper), for inner loops.
inline int foldWith(const wchar_t* upper, int c) { return (c < 0 || c > 255) ? c : static_cast<int>(upper[c]); }
inline bool isBlankChar(int c) { return c == ' ' || c == '\t'; }

// The word characters of \w and \b: A-Z, a-z, 0-9 and the underscore.
inline bool isWordChar(int c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

inline bool equalFolded(int a, int b) { return a == b || toUpperChar(a) == toUpperChar(b); }

} // namespace regexchars
