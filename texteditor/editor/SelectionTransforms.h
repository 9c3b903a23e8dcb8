// What Ctrl+U, Ctrl+Shift+U, Ctrl+plus and Ctrl+minus do to the selected text.
#pragma once

#include <string>

// ASCII letters only; accented and other letters stay as they are.
std::wstring toAsciiUpper(const std::wstring& text);
std::wstring toAsciiLower(const std::wstring& text);

// Every character from U+0020 (plus) or U+0021 (minus) to U+FDFF steps to the next or
// previous code point. Surrogate halves are neither changed nor produced: U+D7FF and
// U+E000 step over them, so the two directions undo each other.
std::wstring shiftCodePoints(const std::wstring& text, bool forward);
