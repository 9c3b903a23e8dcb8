// Selecting whole lines, as the line-number margin and the line commands do.
#include <algorithm>

#include "texteditor/editor/TextEditor.h"

void TextEditor::selectLines(uint32_t lineA, uint32_t lineB, bool withBreak) {
    const std::wstring& text = document->getText();
    if (text.empty()) return;
    const uint32_t lines = std::max<uint32_t>(document->getLastLineIndex(), 1);
    const uint32_t low = std::min(std::min(lineA, lineB), lines - 1);
    const uint32_t high = std::min(std::max(lineA, lineB), lines - 1);
    const size_t start = document->getLineStart(low);
    size_t end = text.find_first_of(L"\r\n", document->getLineStart(high));
    if (end == std::wstring::npos) end = text.size();
    if (withBreak) {
        if (end < text.size() && text[end] == L'\r') ++end;
        if (end < text.size() && text[end] == L'\n') ++end;
    }
    select(static_cast<uint32_t>(start), static_cast<uint32_t>(end));
}
