#include "texteditor/editor/AutoIndent.h"

#include <algorithm>

std::wstring lineBreakWithIndent(const std::wstring& text, size_t lineStart, size_t upTo, bool opensBlock,
                                 const std::wstring& lineBreak) {
    std::wstring result(lineBreak);
    const size_t end = std::min(upTo, text.size());
    for (size_t i = lineStart; i < end && (text[i] == L'\t' || text[i] == L' '); ++i) result += text[i];
    if (opensBlock) result += L'\t';
    return result;
}

bool closingBraceLine(const std::wstring& lineContent, std::wstring& replacement) {
    if (lineContent.find_first_not_of(L"\t ") != std::wstring::npos) return false;
    const size_t tab = lineContent.find(L'\t');
    if (tab == std::wstring::npos) return false;
    replacement = lineContent;
    replacement.erase(tab, 1);
    replacement += L'}';
    return true;
}
