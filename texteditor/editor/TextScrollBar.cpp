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

namespace {

// Invalidates the part of the window frame a scroll bar takes, so that the next paint
// of the window draws it.
void invalidateBar(HWND hwnd, int bar) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (!::GetScrollBarInfo(hwnd, bar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL, &info)) return;
    if (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) return;
    RECT area = info.rcScrollBar;
    ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&area), 2);
    ::RedrawWindow(hwnd, &area, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE | RDW_NOCHILDREN);
}

}  // namespace

void TextScrollBar::setBar(HWND hwnd, int bar, const SCROLLINFO& info) {
    ::SetScrollInfo(hwnd, bar, &info, FALSE);
    if (held > 0) {
        redrawPending[bar == SB_VERT ? 1 : 0] = true;
    } else {
        invalidateBar(hwnd, bar);
    }
}

void TextScrollBar::releaseRedraw(HWND hwnd) {
    if (held == 0 || --held > 0) return;
    for (int i = 0; i < 2; ++i) {
        if (redrawPending[i] && hwnd) invalidateBar(hwnd, i == 1 ? SB_VERT : SB_HORZ);
        redrawPending[i] = false;
    }
}

void TextScrollBar::updateBar(HWND hwnd, int bar, int total, int page, int position) {
    BarValues& last = sent[bar == SB_VERT ? 1 : 0];
    if (last.hwnd == hwnd && last.total == total && last.page == page && last.position == position) return;
    last = BarValues{hwnd, total, page, position};
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = total - 1;
    info.nPage = static_cast<UINT>(std::max(page, 0));
    info.nPos = position;
    setBar(hwnd, bar, info);
}

void TextScrollBar::update(HWND hwnd, DWORD style) {
    // A bar that the style took away forgets its values, so that it is set again when
    // the style gives it back.
    if (hwnd && (style & WS_VSCROLL)) {
        updateBar(hwnd, SB_VERT, verticalTotal, verticalPage, verticalPosition);
    } else {
        sent[1] = BarValues{};
    }
    if (hwnd && (style & WS_HSCROLL)) {
        updateBar(hwnd, SB_HORZ, horizontalTotal, horizontalPage, horizontalPosition);
    } else {
        sent[0] = BarValues{};
    }
    verticalMaximum = verticalTotal - verticalPage;
    horizontalMaximum = horizontalTotal - horizontalPage;
}

bool TextScrollBar::clampToContent() {
    bool changed = false;
    const int lastLeft = std::max(horizontalTotal - horizontalPage, 0);
    if (horizontalPosition > lastLeft) {
        horizontalPosition = lastLeft;
        changed = true;
    }
    if (verticalTotal - verticalPage >= 0 && verticalPosition > verticalTotal - verticalPage) {
        verticalPosition = verticalTotal - verticalPage;
        changed = true;
    }
    return changed;
}

void TextScrollBar::reset() {
    verticalPosition = verticalMaximum = horizontalPosition = horizontalMaximum = 0;
    horizontalTotal = horizontalPage = verticalPage = verticalTotal = 0;
}
