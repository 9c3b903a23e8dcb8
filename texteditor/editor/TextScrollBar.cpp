#include "texteditor/editor/TextScrollBar.h"

#include <algorithm>

bool TextScrollBar::scrollBy(int dx, int dy) {
    dy = std::max(-verticalPosition, std::min(dy, verticalMaximum - verticalPosition));
    dx = std::max(-horizontalPosition, std::min(dx, horizontalMaximum - horizontalPosition));
    verticalPosition += dy;
    horizontalPosition += dx;
    bool cut = false;
    if (dy != 0 && verticalPosition > verticalMaximum) {
        verticalPosition = std::max(verticalMaximum, 0);
        cut = true;
    }
    if (dx != 0 && horizontalPosition > horizontalMaximum) {
        horizontalPosition = std::max(horizontalMaximum, 0);
        cut = true;
    }
    return dx != 0 || dy != 0 || cut;
}

int TextScrollBar::trackPosition(int bar) const {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    if (!window || !::GetScrollInfo(window, bar, &info)) return 0;
    return info.nTrackPos;
}

bool TextScrollBar::onVScroll(int code) {
    const int old = verticalPosition;
    switch (code) {
        case SB_LINEUP: scrollBy(0, -1); break;
        case SB_LINEDOWN: scrollBy(0, 1); break;
        case SB_PAGEUP: scrollBy(0, -verticalPage); break;
        case SB_PAGEDOWN: scrollBy(0, verticalPage); break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: verticalPosition = trackPosition(SB_VERT); break;
        case SB_TOP: verticalPosition = 0; break;
        case SB_BOTTOM: verticalPosition = std::max(verticalMaximum, 0); break;
        default: break;
    }
    return verticalPosition != old;
}

bool TextScrollBar::onHScroll(int code) {
    const int old = horizontalPosition;
    switch (code) {
        case SB_LINELEFT: scrollBy(-1, 0); break;
        case SB_LINERIGHT: scrollBy(1, 0); break;
        case SB_PAGELEFT: scrollBy(-horizontalPage, 0); break;
        case SB_PAGERIGHT: scrollBy(horizontalPage, 0); break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: horizontalPosition = trackPosition(SB_HORZ); break;
        case SB_LEFT: horizontalPosition = 0; break;
        case SB_RIGHT: horizontalPosition = std::max(horizontalMaximum, 0); break;
        default: break;
    }
    return horizontalPosition != old;
}

void TextScrollBar::update(HWND hwnd, DWORD style) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    if (hwnd && (style & WS_VSCROLL)) {
        info.nMin = 0;
        info.nMax = verticalTotal - 1;
        info.nPage = static_cast<UINT>(std::max(verticalPage, 0));
        info.nPos = verticalPosition;
        ::SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
    }
    if (hwnd && (style & WS_HSCROLL)) {
        info.nMin = 0;
        info.nMax = horizontalTotal - 1;
        info.nPage = static_cast<UINT>(std::max(horizontalPage, 0));
        info.nPos = horizontalPosition;
        ::SetScrollInfo(hwnd, SB_HORZ, &info, TRUE);
    }
    verticalMaximum = verticalTotal - verticalPage;
    horizontalMaximum = horizontalTotal - horizontalPage;
}

void TextScrollBar::reset() {
    verticalPosition = verticalMaximum = horizontalPosition = horizontalMaximum = 0;
    horizontalTotal = horizontalPage = verticalPage = verticalTotal = 0;
}
