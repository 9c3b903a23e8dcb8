// The document of one editor: the whole text as one wide string plus its line table.
#pragma once

#include "texteditor/document/ITextDocument.h"

class TextDocument : public ITextDocument {
public:
    TextDocument();

    bool load(const std::wstring& path) override;
    void clear() override;
    bool save(const std::wstring& path) override;
    void setText(const std::wstring& text) override;
    void replace(TextRange range, const std::wstring& newText) override;
    const std::wstring& getText() const override { return text; }
    uint32_t getLength() const override { return static_cast<uint32_t>(text.size()); }
    wchar_t getCharAt(uint32_t offset) const override { return text[offset]; }

    int getTabSize() const { return tabSize; }

private:
    int tabSize = 4;
    std::wstring text;
};
