// The scroll state of an editor: the first visible row and the sideways offset, with
// the totals and page sizes the wrap layout sets, mirrored into the window's bars.
#pragma once

#include <windows.h>

class TextScrollBar {
public:
    virtual ~TextScrollBar() = default;

    // Moves by dx pixels and dy rows within the maxima; true when anything moved or a
    // position had to be cut back.
    bool scrollBy(int dx, int dy);
    // Scroll-bar request codes (SB_LINEUP ... SB_BOTTOM); true when the position changed.
    bool onVScroll(int code);
    bool onHScroll(int code);
    // Mirrors the state into the window's bars and recomputes the maxima.
    void update(HWND window, DWORD style);
    void reset();

    int verticalPosition = 0;
    int verticalMaximum = 0;
    int horizontalPosition = 0;
    int horizontalMaximum = 0;
    int horizontalTotal = 0;
    int horizontalPage = 0;
    int verticalPage = 0;
    int verticalTotal = 0;
    HWND window = nullptr;

private:
    int trackPosition(int bar) const;
};
