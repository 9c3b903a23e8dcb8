#include "downloaders/voa/CategoryKey.h"

#include <windows.h>

std::wstring toCategoryKey(const std::wstring& category) {
    std::wstring key = category;
    if (!key.empty()) ::CharLowerBuffW(&key[0], static_cast<DWORD>(key.size()));
    for (wchar_t& c : key) {
        if (c == L' ' || c == L'.') c = L'_';
    }
    return key;
}
