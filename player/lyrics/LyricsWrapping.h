// Cutting a sentence into the lines of a small player screen, greedily by character
// widths: a character above U+0080 counts fontSize, any other half of it.
#pragma once

#include <string>
#include <vector>

// Appends the lines of one text (at least one, possibly empty). Characters below 32 are
// dropped. A line that would grow past `width` ends at its last space when at least two
// characters stand before that space (the space itself is dropped), else before the
// character that does not fit. A character wider than a whole line takes a line of its
// own, except as the text's very first line, which then holds the whole text.
void wrapText(std::vector<std::wstring>& lines, const std::wstring& text, int fontSize, int width);
