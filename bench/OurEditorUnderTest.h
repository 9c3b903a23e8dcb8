// The program's own TextEditor in the benchmark.
#pragma once

#include "bench/EditorUnderTest.h"
#include "texteditor/editor/TextEditor.h"

class OurEditorUnderTest : public EditorUnderTest {
public:
    const char* name() const override { return "TextEditor"; }
    HWND window() const override { return editor.m_hWnd; }
    TextEditor& getEditor() { return editor; }

    bool create(HWND frame, int width, int height) override { return editor.create(frame, 0, 0, width, height); }

    void setFont(const LOGFONTW& font) override {
        HFONT handle = ::CreateFontIndirectW(&font);
        ::SendMessageW(editor.m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);  // the editor copies it
        ::DeleteObject(handle);
    }
    int getRowHeight() const override { return editor.getLineHeight(); }
    void setRowHeight(int) override {}  // the other editor follows this one

    bool load(const std::wstring& path) override { return editor.openFile(path); }

    void setWrapping(bool wrap) override {
        const int style = editor.getStyleBits();
        editor.setStyle(wrap ? (style & ~WS_HSCROLL) : (style | WS_HSCROLL));
        editor.updateLayout();
    }
    // The row count needs every line laid out.
    void layOutAll() override { getRowCount(); }
    uint32_t getRowCount() const override {
        return static_cast<uint32_t>(::SendMessageW(editor.m_hWnd, EM_GETLINECOUNT, 0, 0));
    }

private:
    TextEditor editor;
};
