// The colour layers of one line of text, apart from any window: syntax styles chosen by
// scanning the line into tokens, then every occurrence of the find text. The editor adds
// the selection on top (TextEditor::getLineColors).
#pragma once

#include <string>
#include <vector>

#include "texteditor/editor/CellColors.h"
#include "texteditor/editor/FindInfo.h"
#include "texteditor/editor/SyntaxStyle.h"

// 'a'..'z', 'A'..'Z' and '_'.
bool isAsciiLetterOrUnderscore(wchar_t c);

// The token that starts at pos: an "http://" address, a run of ASCII letters, digits and
// '_', a "//" comment to the end, a backslash with the character after it, or a string
// literal in double quotation marks; empty for anything else.
std::wstring scanToken(const std::wstring& text, int pos);

// One cell per character of the line: the plain colours, or a style's text colour for
// the tokens the table names.
void applySyntaxStyles(const std::wstring& line, const SyntaxStyleTable& styles, const CellColors& plain,
                       std::vector<CellColors>& cells);

// Gives every occurrence of the find pattern in the line the find colours. Occurrences
// never overlap; a regular expression that matches the empty string moves on by one
// character, so the search always ends.
void applyFindHighlight(const std::wstring& line, const FindInfo& find, COLORREF text, COLORREF background,
                        std::vector<CellColors>& cells);
