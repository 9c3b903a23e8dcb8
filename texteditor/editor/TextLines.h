// Lines of a piece of text as the block edits see them: a CR LF pair, a lone LF and a
// lone CR each end a line.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// 2 for CR LF, 1 for a lone CR or LF, 0 when no line break starts at the offset.
size_t lineBreakLengthAt(const std::wstring& text, size_t offset);
// Where the lines begin: 0 and the offset after every line break.
std::vector<size_t> lineStartsIn(const std::wstring& text);
// The offset of the line break that ends the line beginning at `start`, or the length.
size_t lineContentEnd(const std::wstring& text, size_t start);
