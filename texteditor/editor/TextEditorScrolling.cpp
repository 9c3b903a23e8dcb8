// Moving the view: by rows vertically and by pixels sideways, shifting what is already
// on screen where it can and repainting otherwise, optionally animated pixel by pixel.
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdlib>

#include "texteditor/editor/TextEditor.h"

namespace {

// Smooth scrolling would take too long for taller rows.
constexpr int kSmoothRowLimit = 70;

}  // namespace

bool TextEditor::scroll(int dx, int dy, bool smooth) {
    if (!m_hWnd) return scrollBar.scrollBy(dx, dy);
    if (isClearMarkVisible() && getTextLength() != 0 && !readOnly) {
        // The mark stays put while the text moves under it.
        RECT mark = getClearMarkRect();
        ::InflateRect(&mark, 2, 2);
        ::InvalidateRect(m_hWnd, &mark, TRUE);
    }
    const int oldV = scrollBar.verticalPosition;
    const int oldH = scrollBar.horizontalPosition;
    RECT rect = getTextRect();
    rect.left = 0;
    // Shifting the window contents would drag the background image and the border along.
    const bool canShift = !hasBackgroundImage() && !showBorder;
    const int lineHeight = std::max(getLineHeight(), 1);
    if (smoothScrolling && smooth && dx == 0 && dy != 0 && lineHeight < kSmoothRowLimit && ::IsWindowVisible(m_hWnd)) {
        return smoothScroll(dy, rect, canShift);
    }
    if (!scrollBar.scrollBy(dx, dy)) return false;
    const int dh = scrollBar.horizontalPosition - oldH;
    const int dv = scrollBar.verticalPosition - oldV;
    const RECT whole = rect;
    if (dh < 0) rect.right += dh;
    if (dh > 0) rect.left += dh;
    if (dv < 0) rect.bottom += dv * lineHeight;
    if (dv > 0) rect.top += dv * lineHeight;
    const RECT client = getClientRect();
    const int rowsThatFit = (static_cast<int>(client.bottom) - padding.bottom - padding.top) / lineHeight;
    if (canShift && std::abs(dv) < rowsThatFit) {
        ::ScrollWindowEx(m_hWnd, -dh, -dv * lineHeight, &rect, &whole, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
        const int textLeft = getTextLeft();
        if (dh != 0 && textLeft > 0) {
            // The gutter does not move sideways: repaint it and what was shifted out of it.
            RECT gutter{0, whole.top, textLeft + std::max(-dh, 0), whole.bottom};
            ::InvalidateRect(m_hWnd, &gutter, TRUE);
        }
    } else {
        repaintAll();
    }
    updateScrollBars();
    updateCaret();
    return true;
}

void TextEditor::shiftRows(int pixels, const RECT& rect, bool canShift) {
    if (canShift) {
        ::ScrollWindowEx(m_hWnd, 0, -pixels, &rect, &rect, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
    } else {
        // Nothing can be shifted: paint the moved rows again at their new offset.
        ::InvalidateRect(m_hWnd, &rect, TRUE);
    }
    ::UpdateWindow(m_hWnd);
}

bool TextEditor::smoothScroll(int dy, const RECT& rect, bool canShift) {
    const int dir = dy > 0 ? 1 : -1;
    const int lineHeight = std::max(getLineHeight(), 1);
    bool moved = false;
    for (int i = 0; i < std::abs(dy); ++i) {
        // A row is animated only when the view can move by it: a shifted row that the
        // view then does not take would leave the window a row off.
        if (dir > 0 ? scrollBar.verticalPosition >= scrollBar.verticalMaximum : scrollBar.verticalPosition <= 0) break;
        const int step = std::max(1, lineHeight / 8);
        DWORD t = ::timeGetTime();
        for (int k = 0; k < lineHeight / step; ++k) {
            pixelOffset += dir * step;
            shiftRows(dir * step, rect, canShift);
            // Keep the animation from racing through on a fast machine.
            if (::timeGetTime() - t < 2) ::Sleep(1);
            t = ::timeGetTime();
        }
        const int rest = lineHeight - std::abs(pixelOffset);
        if (rest != 0) {
            pixelOffset += dir * rest;
            shiftRows(dir * rest, rect, canShift);
        }
        pixelOffset = 0;
        if (!scrollBar.scrollBy(0, dir)) break;
        updateScrollBars();
        updateCaret();
        moved = true;
        if (!canShift) ::InvalidateRect(m_hWnd, &rect, TRUE);
        if (hasBackgroundImage()) repaintAll();
    }
    pixelOffset = 0;
    return moved;
}

LRESULT TextEditor::onMouseWheel(int delta) {
    UINT lines = 0;
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const int step = lines < 2 ? 3 : static_cast<int>(lines);
    // Whole notches only: a smaller delta scrolls nothing.
    scroll(0, (-delta / WHEEL_DELTA) * step, false);
    updateCaret();
    return 0;
}
