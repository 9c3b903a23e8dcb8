// Tab and Shift+Tab over a selection of several lines: the lines it touches move one tab
// stop right or left as a block.
#pragma once

#include <string>

#include "texteditor/document/TextRange.h"

// Whether the range holds a line break (then Tab indents instead of typing a TAB).
bool containsLineBreak(const std::wstring& text, TextRange range);
// From the start of the selection's first line to the end of its last line, line break
// excluded. A selection that ends at a line start ends with the line before.
TextRange lineBlockOf(const std::wstring& text, TextRange selection);
// A TAB before every line of the block.
std::wstring indentLines(const std::wstring& block);
// One TAB taken from the start of every line that begins with one.
std::wstring unindentLines(const std::wstring& block);
