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
    // Mirrors the state into the window's bars and recomputes the maxima. A bar is set
    // only when its range, page or position differs from what it was last given: each
    // redraw of a bar is costly, and every edit comes through here.
    void update(HWND window, DWORD style);
    // Pulls positions beyond the content back to the last full page; true when either
    // position changed.
    bool clampToContent();
    void reset();
    // While held, the bars take their new values without being drawn; the last release
    // has the bars that changed drawn with the window's next paint. An operation that
    // scrolls in several steps (Page Down) draws its bars once, not at every step.
    void holdRedraw() { ++held; }
    void releaseRedraw(HWND hwnd);

    int verticalPosition = 0;
    int verticalMaximum = 0;
    int horizontalPosition = 0;
    int horizontalMaximum = 0;
    int horizontalTotal = 0;
    int horizontalPage = 0;
    int verticalPage = 0;
    int verticalTotal = 0;
    HWND window = nullptr;

protected:
    // Gives one bar new values. The bar is drawn with the window's next paint, not at
    // once: drawing a (themed) bar costs milliseconds, and several changes between two
    // frames then cost one drawing.
    virtual void setBar(HWND hwnd, int bar, const SCROLLINFO& info);

private:
    int trackPosition(int bar) const;
    void updateBar(HWND hwnd, int bar, int total, int page, int position);

    // What each bar was last given, with the window it belongs to.
    struct BarValues {
        HWND hwnd = nullptr;
        int total = 0;
        int page = 0;
        int position = 0;
    };
    BarValues sent[2];
    int held = 0;
    bool redrawPending[2] = {false, false};  // horizontal, vertical
};
