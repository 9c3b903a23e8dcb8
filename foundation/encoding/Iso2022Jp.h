// ISO-2022-JP (code page 50220), converted here because not every system provides it:
// JIS X 0208 between escape sequences, mapped through the Shift_JIS arithmetic and
// code page 932.
#pragma once

#include <cstddef>
#include <string>

std::wstring decodeIso2022Jp(const char* bytes, size_t count);
// Half-width katakana are written as their full-width forms, as code page 50220 does;
// characters without a JIS X 0208 form become "?".
std::string encodeIso2022Jp(const wchar_t* text, size_t count);

// The two bytes of a JIS X 0208 row and cell (each 0x21-0x7E) as Shift_JIS, and back.
void jisToShiftJis(unsigned char& first, unsigned char& second);
void shiftJisToJis(unsigned char& first, unsigned char& second);
