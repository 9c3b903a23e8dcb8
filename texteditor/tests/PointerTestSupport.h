// Driving an editor with the pointer and the keyboard state in tests: points are taken
// from the editor's own character positions, never from fixed pixel numbers.
#pragma once

#include <windows.h>

#include <vector>

#include "texteditor/tests/EditorTestSupport.h"

// An editor fixture whose frame stands at the screen's top-left corner, so that client
// points map to screen points the cursor can reach.
struct PointerFixture : EditorFixture {
    PointerFixture(int width = 300, int height = 200) : EditorFixture(width, height) {
        ::SetWindowPos(frame.m_hWnd, nullptr, 0, 0, width + 40, height + 60, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // The client point where the caret stands before offset.
    POINT at(uint32_t offset) {
        const LRESULT r = editor.posFromChar(offset);
        return POINT{static_cast<short>(LOWORD(r)), static_cast<short>(HIWORD(r))};
    }
    int lineHeight() const { return editor.getLineHeight(); }
    int widthOf(uint32_t offset) { return static_cast<int>(editor.getCharWidth(text()[offset])); }
    // A point inside the character at offset: a quarter into it, or three quarters.
    POINT leftHalf(uint32_t offset) {
        POINT p = at(offset);
        return POINT{p.x + widthOf(offset) / 4, p.y + lineHeight() / 2};
    }
    POINT rightHalf(uint32_t offset) {
        POINT p = at(offset);
        return POINT{p.x + widthOf(offset) * 3 / 4 + 1, p.y + lineHeight() / 2};
    }

    static LPARAM point(POINT p) { return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)); }
    void press(POINT p) { send(WM_LBUTTONDOWN, MK_LBUTTON, point(p)); }
    void release(POINT p) { send(WM_LBUTTONUP, 0, point(p)); }
    void drag(POINT p) { send(WM_MOUSEMOVE, MK_LBUTTON, point(p)); }
    void click(POINT p) {
        press(p);
        release(p);
    }
    // What Windows sends for a double click: the second press arrives as WM_LBUTTONDBLCLK.
    void doubleClick(POINT p) {
        click(p);
        send(WM_LBUTTONDBLCLK, MK_LBUTTON, point(p));
        release(p);
    }
    // Moves the real cursor onto a client point of the editor.
    void putCursor(POINT p) {
        ::ClientToScreen(editor.m_hWnd, &p);
        ::SetCursorPos(p.x, p.y);
    }
    // Dispatches this thread's messages for a while.
    static void pump(DWORD milliseconds) {
        const DWORD until = ::GetTickCount() + milliseconds;
        MSG msg;
        while (static_cast<int>(until - ::GetTickCount()) > 0) {
            while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
            ::Sleep(1);
        }
    }
};

// Holds keys down in this thread's keyboard state (GetKeyState reads it) for a scope.
class HeldKeys {
public:
    explicit HeldKeys(std::vector<int> keys) {
        ::GetKeyboardState(saved);
        BYTE state[256];
        ::GetKeyboardState(state);
        for (int key : keys) state[key] |= 0x80;
        ::SetKeyboardState(state);
    }
    ~HeldKeys() { ::SetKeyboardState(saved); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    BYTE saved[256];
};
