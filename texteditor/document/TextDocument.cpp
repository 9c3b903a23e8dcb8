#include "texteditor/document/TextDocument.h"

TextDocument::TextDocument() {
    fileName = L"Untitled.txt";
    rebuildLineTable();
}

void TextDocument::clear() {
    text.clear();
    rebuildLineTable();
}

void TextDocument::setText(const std::wstring& newText) {
    text = newText;
    rebuildLineTable();
}

void TextDocument::replace(TextRange range, const std::wstring& newText) {
    const uint32_t start = static_cast<uint32_t>(range.start);
    const uint32_t removed = static_cast<uint32_t>(range.end - range.start);
    if (text.empty()) {
        text = newText;
        updateLineTable(0, 0, static_cast<uint32_t>(newText.size()));
        return;
    }
    text.replace(start, removed, newText);
    updateLineTable(start, removed, static_cast<uint32_t>(newText.size()));
}
