// Ctrl+/ : "//" line comments put before or taken from every line of a block.
#pragma once

#include <string>

// True when every line that holds a character above U+0020 has "//" as its first such
// characters (and at least one line holds one).
bool hasLineComments(const std::wstring& lines);
// Without comments: "//" at the start of every line. With them: the "//" after each
// line's leading blanks removed.
std::wstring toggleLineComments(const std::wstring& lines);
