// One editing window the text editor benchmark drives. The measured operations go
// through window messages that both editors answer alike (WM_CHAR, WM_KEYDOWN, EM_SETSEL,
// EM_SCROLLCARET, WM_UNDO, InvalidateRect + UpdateWindow); only the set-up differs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class EditorUnderTest {
public:
    virtual ~EditorUnderTest() = default;

    virtual const char* name() const = 0;
    virtual HWND window() const = 0;
    // Creates the editor over the whole client area of a shown frame.
    virtual bool create(HWND frame, int width, int height) = 0;
    // Gives the editor the font; the row height is then the editor's own.
    virtual void setFont(const LOGFONTW& font) = 0;
    virtual int getRowHeight() const = 0;
    // Adds space below and above the text of each row, to reach the other editor's height.
    virtual void setRowHeight(int height) = 0;
    // Reads the file the way the editor loads files; false when it could not.
    virtual bool load(const std::wstring& path) = 0;
    virtual void setWrapping(bool wrap) = 0;
    // Makes sure that every line is laid out (an editor that wraps lazily wraps all now).
    virtual void layOutAll() = 0;
    // The rows of the laid-out text.
    virtual uint32_t getRowCount() const = 0;

    uint32_t getLength() const { return static_cast<uint32_t>(::SendMessageW(window(), WM_GETTEXTLENGTH, 0, 0)); }
    uint32_t getCaret() const {
        DWORD start = 0;
        DWORD end = 0;
        ::SendMessageW(window(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return end;
    }
    uint32_t getFirstVisibleRow() const {
        return static_cast<uint32_t>(::SendMessageW(window(), EM_GETFIRSTVISIBLELINE, 0, 0));
    }
    void moveCaret(uint32_t offset) const {
        ::SendMessageW(window(), EM_SETSEL, offset, offset);
        ::SendMessageW(window(), EM_SCROLLCARET, 0, 0);
    }
};
