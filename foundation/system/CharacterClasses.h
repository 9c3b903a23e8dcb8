// Character tests of the runtime, limited to the first 256 code points: beyond them a
// character is neither lower nor upper case and maps to itself. In a namespace of their
// own: other units keep helpers of the same names with other meanings.
#pragma once

#include <cwctype>

namespace chars {

inline int isLowerChar(int c) {
    return (c < 0 || c > 255) ? 0 : std::iswlower(static_cast<wint_t>(c));
}

inline int isUpperChar(int c) {
    return (c < 0 || c > 255) ? 0 : std::iswupper(static_cast<wint_t>(c));
}

inline int toUpperChar(int c) {
    return (c < 0 || c > 255) ? c : static_cast<int>(std::towupper(static_cast<wint_t>(c)));
}

inline int toLowerChar(int c) {
    return (c < 0 || c > 255) ? c : static_cast<int>(std::towlower(static_cast<wint_t>(c)));
}

// Space and tab only.
inline bool isBlankChar(int c) {
    return c == ' ' || c == '\t';
}

}  // namespace chars
