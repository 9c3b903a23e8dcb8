#include "foundation/system/WindowsVersion.h"

#include <windows.h>

namespace {

bool queryWindowsNT() {
    OSVERSIONINFOEXW extended = {};
    extended.dwOSVersionInfoSize = sizeof extended;
    if (::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&extended))) {
        return extended.dwPlatformId != VER_PLATFORM_WIN32_WINDOWS;
    }
    OSVERSIONINFOW plain = {};
    plain.dwOSVersionInfoSize = sizeof plain;
    if (::GetVersionExW(&plain)) return plain.dwPlatformId != VER_PLATFORM_WIN32_WINDOWS;
    return true;
}

}  // namespace

bool isWindowsNT() {
    static const bool nt = queryWindowsNT();
    return nt;
}
