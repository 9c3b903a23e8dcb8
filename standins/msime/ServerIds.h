// Names under which the reading server registers itself.
#pragma once

#include <windows.h>

// The program id the program asks for.
constexpr const wchar_t* kReadingServerProgId = L"MSIME.Japan";
constexpr const wchar_t* kReadingServerName = L"Japanese reading server (kakasi)";
// {FB499983-D5A9-4FB3-B60C-76129CFCA223}
constexpr CLSID kReadingServerClassId = {0xFB499983, 0xD5A9, 0x4FB3, {0xB6, 0x0C, 0x76, 0x12, 0x9C, 0xFC, 0xA2, 0x23}};
constexpr const wchar_t* kReadingServerClassIdText = L"{FB499983-D5A9-4FB3-B60C-76129CFCA223}";
