// The small glyph drawn after the last character of a line: which line break the line
// ends with, and the 6 x 6 pixel pattern of each kind.
#pragma once

#include <string>

enum class LineEndKind { kNone, kCRLF, kCR, kLF };

// The break at the end of a line's text (break included); kNone for the last line.
LineEndKind lineEndKindOf(const std::wstring& lineText);
// "\r\n", "\r", "\n", or empty for kNone.
std::wstring lineEndText(LineEndKind kind);
// Six rows of six characters, '#' for a set pixel; null for kNone.
const char* const* lineEndGlyph(LineEndKind kind);
