#include "texteditor/editor/TextLines.h"

size_t lineBreakLengthAt(const std::wstring& text, size_t offset) {
    if (offset >= text.size()) return 0;
    if (text[offset] == L'\r') return offset + 1 < text.size() && text[offset + 1] == L'\n' ? 2 : 1;
    return text[offset] == L'\n' ? 1 : 0;
}

std::vector<size_t> lineStartsIn(const std::wstring& text) {
    std::vector<size_t> starts{0};
    for (size_t i = 0; i < text.size();) {
        const size_t length = lineBreakLengthAt(text, i);
        if (length == 0) {
            ++i;
            continue;
        }
        i += length;
        starts.push_back(i);
    }
    return starts;
}

size_t lineContentEnd(const std::wstring& text, size_t start) {
    size_t end = start;
    while (end < text.size() && text[end] != L'\r' && text[end] != L'\n') ++end;
    return end;
}
