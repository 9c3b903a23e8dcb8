#include "downloaders/table/SafeText.h"

#include <cwchar>

#include "foundation/system/StringUtils.h"

namespace {

bool isControl(wchar_t c) { return c < 0x20 || c == 0x7F; }

}  // namespace

bool isSafeCommandArgument(const std::wstring& value) {
    for (wchar_t c : value) {
        if (c == L'\0' || isControl(c) || std::wcschr(L"\"%^&|<>", c) != nullptr) return false;
    }
    return true;
}

std::wstring safeFileName(const std::wstring& name) {
    std::wstring safe;
    safe.reserve(name.size());
    for (wchar_t c : name) {
        const bool reserved = c == L'\0' || isControl(c) || std::wcschr(L"\\/:*?\"<>|%^&", c) != nullptr;
        safe += reserved ? L'_' : c;
    }
    while (safe.find(L"..") != std::wstring::npos) safe = replaceAll(safe, L"..", L"_");
    safe = trimString(safe, L" .");
    return safe.empty() ? L"_" : safe;
}
