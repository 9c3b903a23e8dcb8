// Pixels of an editor for tests that compare what it draws: the editor drawn whole into
// a bitmap, or what its window shows on screen now.
#pragma once

#include <windows.h>

#include "texteditor/editor/TextEditor.h"
#include "toolkit/graphics/Graphics.h"

struct Frame {
    // The editor drawn into a bitmap of its client size (or only an area of it).
    explicit Frame(TextEditor& editor) : Frame(editor, editor.getClientRect()) {}
    Frame(TextEditor& editor, const RECT& area) : client(editor.getClientRect()), g(client.right, client.bottom) {
        editor.renderTo(g.getHDC(), area);
    }
    // What the editor's window shows now.
    static Frame onScreen(TextEditor& editor) { return Frame(editor, Shown{}); }

    COLORREF at(int x, int y) const { return ::GetPixel(g.getHDC(), x, y); }
    int count(const RECT& r, COLORREF color) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) n += at(x, y) == color ? 1 : 0;
        }
        return n;
    }
    // How many pixels of r differ from the other frame's.
    int differing(const Frame& other, const RECT& r) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) n += at(x, y) != other.at(x, y) ? 1 : 0;
        }
        return n;
    }
    int differing(const Frame& other) const { return differing(other, client); }
    // The leftmost / rightmost x in r whose pixel is not `color`; -1 when none.
    int firstOther(const RECT& r, COLORREF color) const {
        for (int x = r.left; x < r.right; ++x) {
            for (int y = r.top; y < r.bottom; ++y) {
                if (at(x, y) != color) return x;
            }
        }
        return -1;
    }
    int lastOther(const RECT& r, COLORREF color) const {
        for (int x = r.right - 1; x >= r.left; --x) {
            for (int y = r.top; y < r.bottom; ++y) {
                if (at(x, y) != color) return x;
            }
        }
        return -1;
    }

    RECT client;
    Graphics g;

private:
    struct Shown {};
    Frame(TextEditor& editor, Shown) : client(editor.getClientRect()), g(client.right, client.bottom) {
        HDC window = ::GetDC(editor.m_hWnd);
        ::BitBlt(g.getHDC(), 0, 0, client.right, client.bottom, window, 0, 0, SRCCOPY);
        ::ReleaseDC(editor.m_hWnd, window);
    }
};
