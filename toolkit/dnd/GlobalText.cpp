#include "toolkit/dnd/GlobalText.h"

#include <cstring>
#include <cwchar>

std::wstring readGlobalText(HGLOBAL block) {
    std::wstring text;
    if (!block) return text;
    const auto* locked = static_cast<const wchar_t*>(::GlobalLock(block));
    if (!locked) return text;
    const size_t capacity = ::GlobalSize(block) / sizeof(wchar_t);
    text.assign(locked, ::wcsnlen(locked, capacity));
    ::GlobalUnlock(block);
    return text;
}

std::string readGlobalTextA(HGLOBAL block) {
    std::string text;
    if (!block) return text;
    const auto* locked = static_cast<const char*>(::GlobalLock(block));
    if (!locked) return text;
    text.assign(locked, ::strnlen(locked, ::GlobalSize(block)));
    ::GlobalUnlock(block);
    return text;
}
