// What the own-drawn table repaints: a selection step repaints the rows whose look changed,
// a scroll by a few rows moves the rest on the screen and paints only the rows that come
// into view, and a paint draws only the strips of its update region.
#include <algorithm>
#include <vector>

#include "toolkit/widgets/TableComponent.h"

namespace {

// The rectangles of a region, top to bottom.
std::vector<RECT> rectanglesOf(HRGN region) {
    const DWORD size = ::GetRegionData(region, 0, nullptr);
    if (size < sizeof(RGNDATAHEADER)) return {};
    std::vector<unsigned char> bytes(size);
    auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
    if (::GetRegionData(region, size, data) == 0) return {};
    const RECT* first = reinterpret_cast<const RECT*>(data->Buffer);
    return std::vector<RECT>(first, first + data->rdh.nCount);
}

}  // namespace

RECT TableComponent::getRowsArea() const {
    RECT area = getClientRect();
    area.top = std::min(area.bottom, static_cast<LONG>(getHeaderHeight()));
    return area;
}

void TableComponent::onPaintMessage(HWND hwnd) {
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    const bool partial = ::GetUpdateRgn(hwnd, region, FALSE) > NULLREGION;
    std::vector<RECT> parts = partial ? rectanglesOf(region) : std::vector<RECT>();
    ::DeleteObject(region);

    PAINTSTRUCT ps{};
    HDC dc = ::BeginPaint(hwnd, &ps);
    const int width = getWidth();
    const int height = getHeight();
    if (!mSurface || mSurface->getWidth() != width || mSurface->getHeight() != height) {
        mSurface = std::make_unique<Graphics>(width, height);
    }
    // Rectangles that touch make one strip, so that no row is painted twice.
    std::sort(parts.begin(), parts.end(), [](const RECT& a, const RECT& b) { return a.top < b.top; });
    int stripTop = 0;
    int stripBottom = -1;
    const auto flush = [&] {
        if (stripBottom <= stripTop) return;
        paintStrip(*mSurface, stripTop, stripBottom);
        ::BitBlt(dc, 0, stripTop, width, stripBottom - stripTop, mSurface->getHDC(), 0, stripTop, SRCCOPY);
    };
    for (const RECT& part : parts) {
        if (part.top > stripBottom) {
            flush();
            stripTop = part.top;
        }
        stripBottom = std::max(stripBottom, static_cast<int>(part.bottom));
    }
    flush();
    ::EndPaint(hwnd, &ps);
}

void TableComponent::scrollContent(int dx, int dy) {
    if (!m_hWnd) return;
    const RECT rows = getRowsArea();
    const int shift = -dy * getRowHeight();
    // A band is drawn over the whole table and is painted whole anyway.
    if (dx != 0 || std::abs(shift) >= rows.bottom - rows.top || mMouseState == MouseState::BandSelection) {
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        return;
    }
    // The region still to be painted moves with the pixels.
    ::ScrollWindowEx(m_hWnd, 0, shift, &rows, &rows, nullptr, nullptr, SW_INVALIDATE);
    if (mExtendedStyle & LVS_EX_GRIDLINES) {
        // The first row shown has no line above it, the others have one: the pixel row
        // where that changed is painted again.
        const int moved = shift > 0 ? rows.top + shift : rows.top;
        RECT line{rows.left, moved, rows.right, moved + 1};
        ::InvalidateRect(m_hWnd, &line, FALSE);
    }
}

void TableComponent::repaintChangedRows(const std::map<int, UINT>& before) {
    if (mColumns.getColumnCount() == 0) {
        repaint();
        return;
    }
    const std::map<int, UINT>& after = mColumns.getColumn(0).getStates();
    std::vector<int> changed;
    auto a = before.begin();
    auto b = after.begin();
    while (a != before.end() || b != after.end()) {
        if (b == after.end() || (a != before.end() && a->first < b->first)) {
            changed.push_back((a++)->first);
        } else if (a == before.end() || b->first < a->first) {
            changed.push_back((b++)->first);
        } else {
            if (a->second != b->second) changed.push_back(a->first);
            ++a;
            ++b;
        }
    }
    const int top = getVerticalPosition();
    const int rowHeight = getRowHeight();
    const RECT rows = getRowsArea();
    const int shown = (rows.bottom - rows.top + rowHeight - 1) / rowHeight;
    int count = 0;
    for (int row : changed) {
        if (row < top || row >= top + shown) continue;
        if (++count > shown / 2) {
            // Many rows: one rectangle costs less than many.
            repaint();
            return;
        }
        const int y = rows.top + (row - top) * rowHeight;
        const RECT area{rows.left, y, rows.right, std::min(rows.bottom, static_cast<LONG>(y + rowHeight))};
        repaint(&area, false);
    }
}
