#include "toolkit/widgets/Scrollbar.h"

#include <algorithm>

void Scrollbar::onScroll(UINT message, WPARAM wParam) { scrollAxis(message != WM_HSCROLL, LOWORD(wParam)); }

void Scrollbar::scrollAxis(bool vertical, int code) {
    // The horizontal codes have the same values as the vertical ones.
    const int page = vertical ? getVerticalPage() : getHorizontalPage();
    const int before = vertical ? getVerticalPosition() : getHorizontalPosition();
    const int range = vertical ? getVerticalRange() : getHorizontalRange();
    int after = before;
    switch (code) {
        case SB_LINEUP:
            vertical ? scrollBy(0, -1) : scrollBy(-1, 0);
            return;
        case SB_LINEDOWN:
            vertical ? scrollBy(0, 1) : scrollBy(1, 0);
            return;
        case SB_PAGEUP:
            vertical ? scrollBy(0, -page) : scrollBy(-page, 0);
            return;
        case SB_PAGEDOWN:
            vertical ? scrollBy(0, page) : scrollBy(page, 0);
            return;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            // The track position is read from the bar: the message's 16 bits cannot
            // carry the rows of a long table.
            after = std::clamp(trackPosition(vertical ? SB_VERT : SB_HORZ), 0, std::max(0, range));
            invalidateWindow();
            break;
        case SB_TOP:
            after = 0;
            invalidateWindow();
            break;
        case SB_BOTTOM:
            after = range;
            invalidateWindow();
            break;
        default:
            return;
    }
    if (after == before) return;
    vertical ? setVerticalPosition(after) : setHorizontalPosition(after);
    updateScrollBars();
}

int Scrollbar::trackPosition(int bar) const {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    if (mScrollWindow && ::GetScrollInfo(mScrollWindow, bar, &info)) return info.nTrackPos;
    return bar == SB_VERT ? getVerticalPosition() : getHorizontalPosition();
}

void Scrollbar::invalidateWindow() const {
    if (mScrollWindow) ::InvalidateRect(mScrollWindow, nullptr, TRUE);
}

void Scrollbar::scrollBy(int dx, int dy) {
    const int vertical = getVerticalPosition();
    const int horizontal = getHorizontalPosition();
    dy = dy < 0 ? std::max(dy, -vertical) : std::min(dy, std::max(0, getVerticalRange() - vertical));
    dx = dx < 0 ? std::max(dx, -horizontal) : std::min(dx, std::max(0, getHorizontalRange() - horizontal));
    if (dx == 0 && dy == 0) return;
    setHorizontalPosition(horizontal + dx);
    setVerticalPosition(vertical + dy);
    scrollContent(dx, dy);
    updateScrollBars();
}

void Scrollbar::scrollContent(int dx, int dy) {
    if (!mScrollWindow) return;
    const int verticalUnit = getVerticalUnit();
    const int horizontalUnit = getHorizontalUnit();
    if (verticalUnit == 0 || horizontalUnit == 0) {
        invalidateWindow();
        return;
    }
    ::ScrollWindowEx(mScrollWindow, -dx * horizontalUnit, -dy * verticalUnit, nullptr, nullptr, nullptr, nullptr,
                     SW_INVALIDATE);
}

void Scrollbar::updateScrollBars() {
    const int rows = getRowCount();
    const int contentWidth = getContentWidth();
    if (mScrollWindow) {
        const LONG style = ::GetWindowLongW(mScrollWindow, GWL_STYLE);
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        info.nMin = 0;
        info.nPos = getVerticalPosition();
        info.nPage = static_cast<UINT>(std::max(0, getVerticalPage()));
        info.nMax = rows - 1 >= 1 ? rows - 1 : 1;
        // Style bit 0x40 lets the vertical bar disappear while everything fits.
        if (style & 0x40) info.fMask &= ~SIF_DISABLENOSCROLL;
        bool changed = setBarInfo(SB_VERT, info);

        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        info.nPos = getHorizontalPosition();
        info.nPage = static_cast<UINT>(std::max(0, getHorizontalPage()));
        info.nMax = contentWidth - 1 >= 1 ? contentWidth - 1 : 1;
        // Bit 0x80 does the same for the horizontal bar.
        if (style & 0x80) info.fMask &= ~SIF_DISABLENOSCROLL;
        changed = setBarInfo(SB_HORZ, info) || changed;
        if (changed) invalidateScrollBars();
    }
    setVerticalRange(std::max(0, rows - getVerticalPage()));
    setHorizontalRange(std::max(0, contentWidth - getHorizontalPage()));
    if (getHorizontalBarHeight() == 0) setHorizontalPosition(0);
    if (getHorizontalRange() < getHorizontalPosition()) setHorizontalPosition(getHorizontalRange());
}

namespace {

// What the system draws of a bar: its place, arrows, thumb and states. The states of the
// two page areas are left out: they only say whether an area has any size, which the
// thumb's place tells already.
SCROLLBARINFO barLook(HWND window, int bar) {
    SCROLLBARINFO look{};
    look.cbSize = sizeof look;
    ::GetScrollBarInfo(window, bar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL, &look);
    return look;
}

bool sameLook(const SCROLLBARINFO& a, const SCROLLBARINFO& b) {
    return ::EqualRect(&a.rcScrollBar, &b.rcScrollBar) && a.dxyLineButton == b.dxyLineButton &&
           a.xyThumbTop == b.xyThumbTop && a.xyThumbBottom == b.xyThumbBottom &&
           a.rgstate[0] == b.rgstate[0] && a.rgstate[1] == b.rgstate[1] && a.rgstate[3] == b.rgstate[3] &&
           a.rgstate[5] == b.rgstate[5];
}

}  // namespace

bool Scrollbar::setBarInfo(int bar, SCROLLINFO info) {
    const int index = bar == SB_VERT ? 1 : 0;
    SCROLLINFO& last = mLastInfo[index];
    // The bar keeps its own position while the thumb is dragged, so the position is
    // compared with the bar's, not with the one set last.
    SCROLLINFO current{};
    current.cbSize = sizeof current;
    current.fMask = SIF_POS;
    ::GetScrollInfo(mScrollWindow, bar, &current);
    if (last.cbSize && last.fMask == info.fMask && last.nMax == info.nMax && last.nPage == info.nPage &&
        current.nPos == info.nPos) {
        return false;
    }
    if (mBarChanged[index]) {
        // A redraw is due already: the bar's look need not be compared.
        ::SetScrollInfo(mScrollWindow, bar, &info, FALSE);
        last = info;
        return false;
    }
    const SCROLLBARINFO before = barLook(mScrollWindow, bar);
    ::SetScrollInfo(mScrollWindow, bar, &info, FALSE);
    last = info;
    if (sameLook(before, barLook(mScrollWindow, bar))) return false;
    mBarChanged[index] = true;
    return true;
}

void Scrollbar::redrawChangedBars() {
    for (int bar : {SB_HORZ, SB_VERT}) {
        bool& changed = mBarChanged[bar == SB_VERT ? 1 : 0];
        if (!changed || !mScrollWindow) continue;
        changed = false;
        // Setting the position the bar already has, with redrawing, draws that bar alone.
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_POS;
        if (::GetScrollInfo(mScrollWindow, bar, &info)) ::SetScrollInfo(mScrollWindow, bar, &info, TRUE);
    }
}

void Scrollbar::invalidateScrollBars() {
    mBarChanged[0] = mBarChanged[1] = false;
    if (mScrollWindow) ::RedrawWindow(mScrollWindow, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

bool Scrollbar::clampPositions() {
    bool changed = false;
    const int lastHorizontal = getContentWidth() - getHorizontalPage();
    if (lastHorizontal < getHorizontalPosition()) {
        const int position = std::max(0, lastHorizontal);
        changed = changed || position != getHorizontalPosition();
        setHorizontalPosition(position);
    }
    const int lastVertical = getRowCount() - getVerticalPage();
    if (lastVertical < getVerticalPosition()) {
        const int position = std::max(0, lastVertical);
        changed = changed || position != getVerticalPosition();
        setVerticalPosition(position);
    }
    return changed;
}

int Scrollbar::getVerticalBarWidth() const { return getVerticalRange() > 0 ? ::GetSystemMetrics(SM_CXVSCROLL) : 0; }

int Scrollbar::getHorizontalBarHeight() const {
    return getHorizontalRange() > 0 ? ::GetSystemMetrics(SM_CYHSCROLL) : 0;
}
