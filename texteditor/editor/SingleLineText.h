// What a single-line editor keeps of a pasted or dropped text: no CR, LF or TAB.
#pragma once

#include <string>

inline std::wstring withoutLineBreaksOrTabs(const std::wstring& text) {
    std::wstring kept;
    kept.reserve(text.size());
    for (wchar_t c : text) {
        if (c != L'\r' && c != L'\n' && c != L'\t') kept += c;
    }
    return kept;
}
