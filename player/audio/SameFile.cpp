#include "player/audio/SamePath.h"

#include <windows.h>

std::wstring getFullPath(const std::wstring& path) {
    DWORD length = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0) return path;
    std::wstring full(length, L'\0');
    length = ::GetFullPathNameW(path.c_str(), length, &full[0], nullptr);
    full.resize(length);
    return full;
}

bool isSamePath(const std::wstring& first, const std::wstring& second) {
    std::wstring a = getFullPath(first);
    std::wstring b = getFullPath(second);
    return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}
