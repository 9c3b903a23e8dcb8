// How one kind of token is drawn. Keys of the editor's style table with a meaning of
// their own: "_NUMBER" (tokens that begin with a digit), "//" (comments), "\"" (string
// literals) and "http://" (addresses); any other key names one whole token.
#pragma once

#include <windows.h>

#include <map>
#include <string>

struct SyntaxStyle {
    COLORREF textColor = 0;
};

using SyntaxStyleTable = std::map<std::wstring, SyntaxStyle>;
