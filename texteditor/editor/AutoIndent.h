// Indentation that Enter carries to the new line and that "}" takes back.
#pragma once

#include <cstddef>
#include <string>

// The line break, then the TABs and blanks that begin the line (from lineStart, not past
// upTo), and one TAB more when the line opens a block with "{".
std::wstring lineBreakWithIndent(const std::wstring& text, size_t lineStart, size_t upTo, bool opensBlock,
                                 const std::wstring& lineBreak);
// For "}" typed on a line of only TABs and blanks holding at least one TAB: true, with
// the line's new content (its first TAB removed, then "}").
bool closingBraceLine(const std::wstring& lineContent, std::wstring& replacement);
