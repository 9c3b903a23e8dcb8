#include "texteditor/editor/LineComments.h"

#include <vector>

#include "texteditor/editor/TextLines.h"

namespace {

// The offset of the line's first character above U+0020, or the line's end.
size_t firstInked(const std::wstring& text, size_t start, size_t end) {
    while (start < end && text[start] <= L' ') ++start;
    return start;
}

bool commentAt(const std::wstring& text, size_t offset, size_t end) {
    return offset + 1 < end && text[offset] == L'/' && text[offset + 1] == L'/';
}

}  // namespace

bool hasLineComments(const std::wstring& lines) {
    bool inked = false;
    for (size_t start : lineStartsIn(lines)) {
        const size_t end = lineContentEnd(lines, start);
        const size_t first = firstInked(lines, start, end);
        if (first == end) continue;
        if (!commentAt(lines, first, end)) return false;
        inked = true;
    }
    return inked;
}

std::wstring toggleLineComments(const std::wstring& lines) {
    const bool remove = hasLineComments(lines);
    std::wstring result;
    result.reserve(lines.size() + 16);
    const std::vector<size_t> starts = lineStartsIn(lines);
    for (size_t i = 0; i < starts.size(); ++i) {
        const size_t start = starts[i];
        const size_t next = i + 1 < starts.size() ? starts[i + 1] : lines.size();
        if (!remove) {
            result += L"//";
            result.append(lines, start, next - start);
            continue;
        }
        const size_t first = firstInked(lines, start, lineContentEnd(lines, start));
        if (commentAt(lines, first, next)) {
            result.append(lines, start, first - start);
            result.append(lines, first + 2, next - first - 2);
        } else {
            result.append(lines, start, next - start);
        }
    }
    return result;
}
