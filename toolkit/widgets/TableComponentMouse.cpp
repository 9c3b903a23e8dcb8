// Selection by mouse (click, Ctrl-click, band), column resizing in the header, and the
// auto-scroll that follows a band dragged past an edge.
#include <algorithm>
#include <cstdlib>

#include "toolkit/widgets/TableComponent.h"

namespace {

bool controlHeld() { return (::GetKeyState(VK_CONTROL) & 0x8000) != 0; }

// Rounds towards minus infinity, so that points just above the header line count as
// above it.
int floorDivide(int value, int divisor) {
    const int quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

Rect normalised(const RECT& band) {
    return Rect(std::min(band.left, band.right), std::min(band.top, band.bottom), std::abs(band.right - band.left),
                std::abs(band.bottom - band.top));
}

}  // namespace

TableComponent::ClickResult TableComponent::selectByClick(int x, int y) {
    int row = -1;
    int column = -1;
    rowAndColumnAt(x, y, row, column);
    if (row < 0) {
        clearSelection();
        return {-1, false};
    }
    TableColumn& first = mColumns.getColumn(0);
    if (column == 0 && first.hasCheckBoxes() && first.hitsCheckBox(x + getHorizontalPosition(), y)) {
        first.setChecked(row, !first.isChecked(row));
        fireTableChanged(0, row, row, column, TableModelEvent::kCheckBoxChanged);
        repaint();
        return {-1, true};
    }
    select(row);
    mCurrentRow = row;
    return {row, false};
}

bool TableComponent::onLButtonDown(int x, int y) {
    if (y > getHeaderHeight()) {
        for (TableColumn& column : mColumns) column.takeSnapshot();
        const int before = getSelectedIndex();
        const ClickResult click = selectByClick(x, y);
        mMouseState = MouseState::Idle;
        if (click.checkBox) return true;
        mMouseState = MouseState::BandSelection;
        const int contentY = y + getVerticalPosition() * getRowHeight();
        mBand = RECT{x + getHorizontalPosition(), contentY, x + getHorizontalPosition(), contentY};
        mBandFirstRow = mBandLastRow = floorDivide(contentY - getHeaderHeight(), getRowHeight());
        if (click.row != before) fireEvent(LVN_ITEMCHANGED, 0);
        return true;
    }
    if (hitHeader(x, y)) {
        mMouseState = MouseState::ColumnResizing;
        ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEWE));
    } else {
        fireEvent(LVN_COLUMNCLICK, 0);
    }
    return true;
}

bool TableComponent::hitHeader(int x, int y) {
    mHotColumn = -1;
    if (y < 0 || y >= TableColumn::kHeaderHeight || mColumns.getColumnCount() == 0) return false;
    int left = -getHorizontalPosition();
    for (int i = 0; i < mColumns.getColumnCount(); ++i) {
        const int right = left + mColumns.getColumn(i).getWidth();
        if (std::abs(right - x) < kResizeMargin) {
            mHotColumn = i;
            return true;
        }
        if (x >= left && x < right) mHotColumn = i;
        left = right;
    }
    return false;
}

bool TableComponent::onMouseMove(int x, int y) {
    if (!mHovered) onMouseEnter();
    switch (mMouseState) {
        case MouseState::BandSelection:
            extendBand(x, y);
            break;
        case MouseState::ColumnResizing:
            ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEWE));
            if (mHotColumn >= 0) {
                setColumnWidth(mHotColumn, x + getHorizontalPosition() - mColumns.getColumn(mHotColumn).getX());
            }
            break;
        case MouseState::Idle: {
            const int before = mHotColumn;
            const bool border = hitHeader(x, y);
            ::SetCursor(::LoadCursorW(nullptr, border ? IDC_SIZEWE : IDC_ARROW));
            if (mHotColumn != before) repaint();
            break;
        }
    }
    return true;
}

RECT TableComponent::getAutoScrollRect() const {
    RECT area = getClientRect();
    area.top += getHeaderHeight() / 2;
    area.bottom -= getRowHeight() / 2;
    return area;
}

void TableComponent::stopAutoScroll() {
    if (mAutoScrollTimer && m_hWnd) ::KillTimer(m_hWnd, kAutoScrollTimer);
    mAutoScrollTimer = 0;
}

void TableComponent::extendBand(int x, int y) {
    const RECT area = getAutoScrollRect();
    if (!::PtInRect(&area, POINT{x, y})) {
        if (!mAutoScrollTimer && m_hWnd) {
            mAutoScrollTimer = ::SetTimer(m_hWnd, kAutoScrollTimer, 10, nullptr);
            mAutoScrollAccumulator = 0;
        }
    } else {
        stopAutoScroll();
    }
    const int rowHeight = getRowHeight();
    mBand.right = std::max(0, x + getHorizontalPosition());
    mBand.bottom = std::max(0, y + getVerticalPosition() * rowHeight);
    const Rect band = normalised(mBand);
    const bool toggle = controlHeld();
    for (TableColumn& column : mColumns) column.selectBand(band, toggle);

    const int first = floorDivide(band.y - getHeaderHeight(), rowHeight);
    const int last = floorDivide(band.y + band.height - getHeaderHeight(), rowHeight);
    if (first != mBandFirstRow || last != mBandLastRow) {
        mBandFirstRow = first;
        mBandLastRow = last;
        fireTableChanged(LVN_ITEMCHANGED, -1, -1, -1, TableModelEvent::kRowsChanged);
        fireEvent(LVN_ITEMCHANGED, 0);
    }
    repaint();
}

bool TableComponent::onTimer(WPARAM wParam, LPARAM) {
    if (wParam != kAutoScrollTimer) return false;
    const POINT pointer = getCursorPos();
    const RECT area = getAutoScrollRect();
    if (::PtInRect(&area, pointer)) return true;
    int dx = 0;
    int dy = 0;
    // The accumulator makes the speed grow with the distance past the edge.
    if (getVerticalRange() > 0) {
        if (pointer.y >= area.bottom) {
            mAutoScrollAccumulator += pointer.y - area.bottom;
            dy = 1;
        } else if (pointer.y < area.top) {
            mAutoScrollAccumulator += area.top - pointer.y;
            dy = -1;
        }
    }
    if (getHorizontalRange() > 0) {
        if (pointer.x >= area.right) {
            mAutoScrollAccumulator += 10 * (pointer.x - area.right);
            dx = 2;
        } else if (pointer.x < area.left) {
            mAutoScrollAccumulator += 10 * (area.left - pointer.x);
            dx = -2;
        }
    }
    if (mAutoScrollAccumulator > 100) {
        scrollBy(dx, dy);
        mAutoScrollAccumulator = 0;
        extendBand(pointer.x, pointer.y);
        for (TableColumn& column : mColumns) column.setTopRow(getVerticalPosition());
    }
    return true;
}

bool TableComponent::onLButtonUp() {
    for (TableColumn& column : mColumns) column.forgetSnapshot();
    stopAutoScroll();
    if (mMouseState == MouseState::BandSelection) repaint();
    mMouseState = MouseState::Idle;
    return true;
}

bool TableComponent::onRButtonDown(int x, int y) {
    const int first = getNextItem(0, LVNI_SELECTED);
    const bool severalSelected = first >= 0 && getNextItem(first + 1, LVNI_SELECTED) >= 0;
    if (!severalSelected) {
        const ClickResult click = selectByClick(x, y);
        if (click.row < 0 && !click.checkBox) fireEvent(LVN_ITEMCHANGED, 0);
    }
    return Component::onRButtonDown(x, y);
}

bool TableComponent::onLButtonDblClk(int x, int y) {
    if (y > getHeaderHeight()) {
        fireEvent(NM_DBLCLK, 0);
    } else if (hitHeader(x, y)) {
        setColumnWidth(mHotColumn, mColumns.getColumn(mHotColumn).getAutomaticWidth(mLogFont, -1));
    } else {
        fireEvent(LVN_COLUMNCLICK, 0);
    }
    return true;
}

bool TableComponent::onMouseWheel(int, int, int, int notches) {
    UINT lines = 3;
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const int step = static_cast<int>(lines) < 2 ? 1 : static_cast<int>(lines);
    setVerticalPosition(std::max(0, getVerticalPosition() - notches * step));
    updateScrollRanges();
    repaint();
    return true;
}
