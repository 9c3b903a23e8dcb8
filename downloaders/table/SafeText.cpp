#include "downloaders/table/SafeText.h"

#include <cwchar>

#include "foundation/system/StringUtils.h"

namespace {

bool isControl(wchar_t c) { return c < 0x20 || c == 0x7F; }

wchar_t upperAscii(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

// Windows opens a device, not a file, for CON, PRN, AUX, NUL, COM1-9 and LPT1-9, whatever
// extension follows and with blanks before it ("nul.jpg", "con .txt").
bool isDeviceName(const std::wstring& name) {
    std::wstring stem = name.substr(0, name.find(L'.'));
    stem = stem.substr(0, stem.find_last_not_of(L' ') + 1);
    for (wchar_t& c : stem) c = upperAscii(c);
    if (stem == L"CON" || stem == L"PRN" || stem == L"AUX" || stem == L"NUL") return true;
    return stem.size() == 4 && (stem.compare(0, 3, L"COM") == 0 || stem.compare(0, 3, L"LPT") == 0) &&
           stem[3] >= L'1' && stem[3] <= L'9';
}

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
    if (isDeviceName(safe)) safe = L"_" + safe;
    return safe.empty() ? L"_" : safe;
}
