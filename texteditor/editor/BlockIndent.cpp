#include "texteditor/editor/BlockIndent.h"

#include <algorithm>

#include "texteditor/editor/TextLines.h"

namespace {

bool isBreak(wchar_t c) { return c == L'\r' || c == L'\n'; }

}  // namespace

bool containsLineBreak(const std::wstring& text, TextRange range) {
    const size_t end = std::min(static_cast<size_t>(std::max(range.end, 0)), text.size());
    for (size_t i = static_cast<size_t>(std::max(range.start, 0)); i < end; ++i) {
        if (isBreak(text[i])) return true;
    }
    return false;
}

TextRange lineBlockOf(const std::wstring& text, TextRange selection) {
    size_t start = std::min(static_cast<size_t>(std::max(selection.start, 0)), text.size());
    size_t end = std::min(static_cast<size_t>(std::max(selection.end, 0)), text.size());
    while (start > 0 && !isBreak(text[start - 1])) --start;
    // Between the CR and the LF of a pair is not a line start.
    const bool splitsPair = end > 0 && end < text.size() && text[end - 1] == L'\r' && text[end] == L'\n';
    if (end > start && isBreak(text[end - 1]) && !splitsPair) {
        --end;
        if (end > start && text[end] == L'\n' && text[end - 1] == L'\r') --end;
    } else if (splitsPair) {
        --end;
    } else {
        end = lineContentEnd(text, end);
    }
    return TextRange(static_cast<int>(start), static_cast<int>(std::max(start, end)));
}

std::wstring indentLines(const std::wstring& block) {
    std::wstring result;
    result.reserve(block.size() + 16);
    const std::vector<size_t> starts = lineStartsIn(block);
    for (size_t i = 0; i < starts.size(); ++i) {
        const size_t next = i + 1 < starts.size() ? starts[i + 1] : block.size();
        result += L'\t';
        result.append(block, starts[i], next - starts[i]);
    }
    return result;
}

std::wstring unindentLines(const std::wstring& block) {
    std::wstring result;
    result.reserve(block.size());
    const std::vector<size_t> starts = lineStartsIn(block);
    for (size_t i = 0; i < starts.size(); ++i) {
        const size_t next = i + 1 < starts.size() ? starts[i + 1] : block.size();
        const size_t from = starts[i] < next && block[starts[i]] == L'\t' ? starts[i] + 1 : starts[i];
        result.append(block, from, next - from);
    }
    return result;
}
