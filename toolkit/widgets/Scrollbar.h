// Scroll state of a window whose content scrolls by rows vertically and by pixels
// horizontally: positions, ranges and pages, the window's standard scroll bars kept in
// step, and the scroll-bar messages turned into position changes. The owning window
// tells the content size through the virtual operations.
#pragma once

#include <windows.h>

class Scrollbar {
public:
    Scrollbar() = default;
    virtual ~Scrollbar() = default;
    Scrollbar(const Scrollbar&) = delete;
    Scrollbar& operator=(const Scrollbar&) = delete;

    virtual int getVerticalPage() const { return mVerticalPage; }
    virtual int getHorizontalPage() const { return mHorizontalPage; }
    virtual void setVerticalPage(int page) { mVerticalPage = page; }
    virtual void setHorizontalPage(int page) { mHorizontalPage = page; }
    virtual int getVerticalPosition() const { return mVerticalPosition; }
    virtual int getHorizontalPosition() const { return mHorizontalPosition; }
    virtual int getVerticalRange() const { return mVerticalRange; }
    virtual int getHorizontalRange() const { return mHorizontalRange; }
    virtual void setVerticalPosition(int position) { mVerticalPosition = position; }
    virtual void setHorizontalPosition(int position) { mHorizontalPosition = position; }
    virtual void setVerticalRange(int range) { mVerticalRange = range; }
    virtual void setHorizontalRange(int range) { mHorizontalRange = range; }
    // Content height in vertical steps (rows).
    virtual int getRowCount() { return 1; }
    // Content width in pixels.
    virtual int getContentWidth() { return 1; }
    // Pixels per step; 0 means the window is repainted whole instead of scrolled.
    virtual int getVerticalUnit() { return 0; }
    virtual int getHorizontalUnit() { return 0; }
    // WM_HSCROLL goes to the horizontal axis, anything else to the vertical one.
    virtual void onScroll(UINT message, WPARAM wParam);
    virtual void scrollContent(int dx, int dy);
    // Asks for the scroll bars to be drawn again with the next paint of the window.
    // Drawing them at once costs milliseconds each time under Wine, and a table that is
    // being filled changes them with every row.
    virtual void invalidateScrollBars();
    // Draws the bars whose look changed since they were last drawn by this object; the
    // rest of the frame is left alone.
    void redrawChangedBars();

    // Scrolls by whole steps, limited to the ranges.
    void scrollBy(int dx, int dy);
    // Sets the scroll bars from the content size and pages, and the ranges with them.
    void updateScrollBars();
    // Brings positions beyond the content back; true when one changed.
    bool clampPositions();
    // Width of the vertical bar while it shows, else 0.
    int getVerticalBarWidth() const;
    int getHorizontalBarHeight() const;

    void setScrollWindow(HWND window) {
        mScrollWindow = window;
        mLastInfo[0] = mLastInfo[1] = SCROLLINFO{};
        mBarChanged[0] = mBarChanged[1] = false;
    }
    HWND getScrollWindow() const { return mScrollWindow; }

private:
    void scrollAxis(bool vertical, int code);
    int trackPosition(int bar) const;
    void invalidateWindow() const;
    // Sets a bar's information when it differs from what was set last; true when the
    // bar now looks different (a thumb moving less than a pixel changes nothing).
    bool setBarInfo(int bar, SCROLLINFO info);

    int mVerticalPosition = 0;
    int mVerticalRange = 0;
    int mHorizontalPosition = 0;
    int mHorizontalRange = 0;
    int mVerticalPage = 0;
    int mHorizontalPage = 0;
    HWND mScrollWindow = nullptr;
    SCROLLINFO mLastInfo[2] = {};  // SB_HORZ and SB_VERT as last set
    bool mBarChanged[2] = {};      // looks different from when it was last drawn
};
