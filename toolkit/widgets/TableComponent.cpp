#include "toolkit/widgets/TableComponent.h"

#include <algorithm>

TableComponent::TableComponent() {
    registerClass(L"Table");
    setTextColor(0);
    setBackColor(0xFFFFFF);
}

// The window goes while the object is still a TableComponent.
TableComponent::~TableComponent() { TableComponent::destroy(); }

void TableComponent::destroy() {
    stopAutoScroll();
    setScrollWindow(nullptr);
    setVerticalPosition(0);
    setHorizontalPosition(0);
    mColumns.removeAll();
    mBusy = false;
    mMouseState = MouseState::Idle;
    if (mImageList) ::ImageList_Destroy(mImageList);
    mImageList = nullptr;
    mExtendedStyle = 0;
    mListenerList.clear();
    mHotColumn = -1;
    mCurrentRow = -1;
    mRepaintPending = false;
    mScrollBarsPending = false;
    mSurface.reset();
    Component::destroy();
}

bool TableComponent::createWithDefaultBounds(HWND parent) {
    destroy();
    // The low bits 0x40 and 0x80 let each scroll bar disappear while the content fits.
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_BORDER | WS_TABSTOP | 0xC9;
    ::CreateWindowExW(0, getClassName().c_str(), L"This component is Table.", style, 0, 0, 0, 0, parent, nullptr,
                      ::GetModuleHandleW(nullptr), this);
    setScrollWindow(m_hWnd);
    setExtendedStyle(LVS_EX_FULLROWSELECT);
    return m_hWnd != nullptr;
}

bool TableComponent::onCreate() {
    mHotColumn = -1;
    mMouseState = MouseState::Idle;
    setScrollWindow(m_hWnd);
    return true;
}

LRESULT TableComponent::onSize(WPARAM, LPARAM) {
    const int height = getHeight();
    for (TableColumn& column : mColumns) column.setHeight(height);
    updateScrollRanges();
    return 0;
}

int TableComponent::getHeaderHeight() const {
    return mColumns.getColumnCount() > 0 ? mColumns.getColumn(0).getHeaderHeight() : TableColumn::kHeaderHeight;
}

int TableComponent::getRowHeight() const {
    return mColumns.getColumnCount() > 0 ? mColumns.getColumn(0).getRowHeight() : TableColumn::kRowHeight;
}

int TableComponent::getRowsPerPage() const {
    return std::max(0, (getHeight() - getHeaderHeight() - getHorizontalBarHeight()) / getRowHeight());
}

void TableComponent::updateScrollRanges() {
    if (mColumns.getColumnCount() > 0) {
        setVerticalPage(getRowsPerPage());
        setHorizontalPage(getWidth() - getVerticalBarWidth());
    }
    clampPositions();
    updateScrollBars();
    for (TableColumn& column : mColumns) column.setTopRow(getVerticalPosition());
}

void TableComponent::onScroll(UINT message, WPARAM wParam) {
    Scrollbar::onScroll(message, wParam);
    for (TableColumn& column : mColumns) column.setTopRow(getVerticalPosition());
}

int TableComponent::getVerticalScrollRange() { return getItemCount(); }

int TableComponent::getHorizontalScrollRange() {
    const int count = mColumns.getColumnCount();
    if (count == 0) return 0;
    const TableColumn& last = mColumns.getColumn(count - 1);
    return last.getX() + last.getWidth();
}

int TableComponent::getColumnCount() { return mColumns.getColumnCount(); }

int TableComponent::getItemCount() {
    return mColumns.getColumnCount() > 0 ? mColumns.getColumn(0).getItemCount() : 0;
}

std::wstring TableComponent::getItemTextW(int row, int column) const {
    if (!mColumns.hasColumn(column)) return std::wstring();
    return mColumns.getColumn(column).getItemText(row);
}

std::wstring TableComponent::getItemText(int row, int column) { return getItemTextW(row, column); }

bool TableComponent::setItemText(const std::wstring& text, int row, int column) {
    if (!mColumns.hasColumn(column)) return false;
    TableColumn& target = mColumns.getColumn(column);
    if (row < 0) row = target.getItemCount() - 1;
    target.setItemText(row, text);
    repaint();
    return true;
}

int TableComponent::findRow(const std::wstring& text, int column, bool prefix) const {
    if (!mColumns.hasColumn(column)) return -1;
    const TableColumn& target = mColumns.getColumn(column);
    return target.find(text, 0, target.getItemCount(), prefix);
}

int TableComponent::insertItem(const std::wstring& text, int index) {
    if (mColumns.getColumnCount() == 0) return -1;
    if (index < 0) return index;
    bool first = true;
    for (TableColumn& column : mColumns) {
        TableItem item;
        if (first) item.text = text;
        first = false;
        column.insertItem(index, item);
    }
    updateScrollRanges();
    repaint();
    return index;
}

void TableComponent::removeItem(int row) {
    if (row < 0 || row >= getItemCount()) return;
    for (TableColumn& column : mColumns) column.removeItem(row);
    updateScrollRanges();
    repaint();
    fireEvent(LVN_DELETEITEM, 0);
}

void TableComponent::deleteAllItems() {
    mCurrentRow = -1;
    const bool hadSelection = getNextItem(0, LVNI_SELECTED) >= 0;
    for (TableColumn& column : mColumns) column.clear();
    updateScrollRanges();
    repaint();
    if (hadSelection) {
        fireTableChanged(LVN_ITEMCHANGED, -1, -1, -1, TableModelEvent::kRowsChanged);
        fireEvent(LVN_ITEMCHANGED, 0);
    }
    fireEvent(LVN_DELETEALLITEMS, 0);
}

void TableComponent::moveRows(int first, int last, int target) {
    const int count = getItemCount();
    const int moved = last - first + 1;
    if (first < 0 || last < first || last >= count || target < 0 || target > count - moved) return;
    for (TableColumn& column : mColumns) {
        std::vector<TableItem> taken;
        for (int row = first; row <= last; ++row) taken.push_back(*column.getItem(row));
        for (int row = last; row >= first; --row) column.removeItem(row);
        for (int i = 0; i < moved; ++i) column.insertItem(target + i, taken[i]);
    }
    repaint();
}

bool TableComponent::isChecked(int row) {
    if (mColumns.getColumnCount() == 0) return false;
    if (row < 0) row = getItemCount() - 1;
    return mColumns.getColumn(0).isChecked(row);
}

void TableComponent::setChecked(int row, bool checked) {
    if (mColumns.getColumnCount() == 0) return;
    if (row < 0) row = getItemCount() - 1;
    mColumns.getColumn(0).setChecked(row, checked);
    repaint();
}

void TableComponent::setExtendedStyle(DWORD style) {
    mExtendedStyle = style;
    if (mColumns.getColumnCount() > 0) mColumns.getColumn(0).setCheckBoxes((style & LVS_EX_CHECKBOXES) != 0);
    repaint();
}

bool TableComponent::ensureVisible(int row) {
    if ((getStyle() & kNoEnsureVisibleStyle) || mColumns.getColumnCount() == 0) return false;
    const int top = getVerticalPosition();
    const int lastVisible = top + getRowsPerPage() - 1;
    int delta = 0;
    if (row < top) {
        delta = row - top;
    } else if (row > lastVisible) {
        delta = row - lastVisible;
    }
    if (delta != 0) {
        // Scrolling repaints only the rows that come into view; the columns then learn
        // the new top row.
        scrollBy(0, delta);
        for (TableColumn& column : mColumns) column.setTopRow(getVerticalPosition());
    }
    return true;
}

void TableComponent::select(int row) {
    const int before = getNextItem(0, LVNI_SELECTED);
    selectRow(row);
    const int after = getNextItem(0, LVNI_SELECTED);
    if (after != before) {
        fireTableChanged(LVN_ITEMCHANGED, after, after, 0, TableModelEvent::kRowsChanged);
        fireEvent(LVN_ITEMCHANGED, 0);
    }
}

void TableComponent::selectRow(int row) {
    const std::map<int, UINT> before = getColumn(0).getStates();
    UINT state = LVIS_SELECTED;
    if (::GetKeyState(VK_CONTROL) & 0x8000) {
        state = mColumns.getColumn(0).getState(row) ^ LVIS_SELECTED;
    } else {
        for (TableColumn& column : mColumns) column.clearStates();
    }
    setItemState(row, state);
    repaintChangedRows(before);
}

void TableComponent::selectAll() {
    for (TableColumn& column : mColumns) column.selectAll();
    repaint();
}

void TableComponent::layoutColumns() {
    int x = 0;
    for (TableColumn& column : mColumns) {
        column.setX(x);
        x += column.getWidth();
    }
    const int count = mColumns.getColumnCount();
    if (count == 0) return;
    // The last column reaches the right edge, so that no empty header strip shows.
    const int right = getWidth() - getVerticalBarWidth();
    TableColumn& last = mColumns.getColumn(count - 1);
    if (x < right) last.setWidth(last.getWidth() + right - x);
}

void TableComponent::setColumnWidth(int column, int width) {
    const int count = mColumns.getColumnCount();
    if (!mColumns.hasColumn(column)) return;
    if (column == count - 2) {
        TableColumn& last = mColumns.getColumn(count - 1);
        last.setWidth(last.getAutomaticWidth(mLogFont, -1));
    }
    if (width < 33) width = 32;
    mColumns.getColumn(column).setWidth(width);
    layoutColumns();
    updateScrollRanges();
    repaint();
}

void TableComponent::setColumnNumbered(bool numbered, int column) {
    if (mColumns.hasColumn(column)) mColumns.getColumn(column).setNumbered(numbered);
    repaint();
}

bool TableComponent::onSetFocus(HWND previous) {
    for (TableColumn& column : mColumns) column.showFocus(true, mTextColor);
    return Component::onSetFocus(previous);
}

bool TableComponent::onKillFocus() {
    for (TableColumn& column : mColumns) column.showFocus(false, mTextColor);
    return Component::onKillFocus();
}

void TableComponent::fireTableChanged(int code, int firstRow, int lastRow, int column, int type) {
    mModel.fireTableChanged(TableModelEvent(&mModel, code, column, firstRow, lastRow, type));
}
