// The escapes a user may type in a replacement text: \n, \r and \t give LF, CR and TAB;
// a backslash before any other character gives that character (so "\\" gives one), and
// a backslash at the very end stays as it is.
#pragma once

#include <string>

std::wstring decodeEscapes(const std::wstring& text);
