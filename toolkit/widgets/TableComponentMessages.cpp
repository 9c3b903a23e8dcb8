// The list-view messages the own-drawn table answers, so that every Table operation
// (and any code that speaks to a list view) works on it.
#include <algorithm>

#include "foundation/system/MessageBoxes.h"
#include "toolkit/graphics/Graphics.h"
#include "toolkit/widgets/TableComponent.h"

namespace {

// Copies at most capacity - 1 characters and always terminates, as the system list view
// does; a caller's buffer is never left open.
void copyText(const std::wstring& text, wchar_t* buffer, int capacity) {
    if (!buffer || capacity <= 0) return;
    const size_t count = std::min(text.size(), static_cast<size_t>(capacity - 1));
    std::copy(text.begin(), text.begin() + count, buffer);
    buffer[count] = L'\0';
}

std::wstring textOf(const wchar_t* text) { return text && text != LPSTR_TEXTCALLBACKW ? text : L""; }

}  // namespace

LRESULT TableComponent::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (msg == WM_PAINT) {
        mRepaintPending = false;
        if (mScrollBarsPending) {
            mScrollBarsPending = false;
            redrawChangedBars();
        }
        onPaintMessage(hwnd);
        return 0;
    }
    if (handleListViewMessage(msg, wParam, lParam, result)) return result;
    return Component::windowProc(hwnd, msg, wParam, lParam);
}

bool TableComponent::handleListViewMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const int row = static_cast<int>(wParam);
    result = TRUE;
    switch (msg) {
        case LVM_GETBKCOLOR:
        case LVM_GETTEXTBKCOLOR:
            result = mBackColor;
            return true;
        case LVM_SETBKCOLOR:
            mBackColor = static_cast<COLORREF>(lParam);
            repaint();
            return true;
        case LVM_SETTEXTBKCOLOR:
            return true;
        case LVM_GETTEXTCOLOR:
            result = mTextColor;
            return true;
        case LVM_SETTEXTCOLOR:
            mTextColor = static_cast<COLORREF>(lParam);
            repaint();
            return true;
        case LVM_GETIMAGELIST:
            result = reinterpret_cast<LRESULT>(mImageList);
            return true;
        case LVM_SETIMAGELIST:
            mImageList = reinterpret_cast<HIMAGELIST>(lParam);
            result = lParam;
            repaint();
            return true;
        case LVM_GETITEMCOUNT:
            result = getItemCount();
            return true;
        case LVM_DELETEITEM:
            result = row >= 0 && row < getItemCount();
            removeItem(row);
            return true;
        case LVM_DELETEALLITEMS:
            deleteAllItems();
            return true;
        case LVM_ENSUREVISIBLE:
            result = ensureVisible(row);
            return true;
        case LVM_GETNEXTITEM:
            result = getNextItem(row, LOWORD(lParam));
            return true;
        case LVM_GETITEMRECT:
            if (lParam) reinterpret_cast<RECT*>(lParam)->top = 0;
            result = getSubItemRect(row, reinterpret_cast<RECT*>(lParam));
            return true;
        case LVM_GETSUBITEMRECT:
            result = getSubItemRect(row, reinterpret_cast<RECT*>(lParam));
            return true;
        case LVM_HITTEST:
        case LVM_SUBITEMHITTEST:
            result = hitTest(reinterpret_cast<LVHITTESTINFO*>(lParam));
            return true;
        case LVM_REDRAWITEMS:
        case LVM_UPDATE:
            repaint();
            return true;
        case LVM_GETCOLUMNWIDTH:
            result = mColumns.hasColumn(row) ? mColumns.getColumn(row).getWidth() : 0;
            return true;
        case LVM_SETCOLUMNWIDTH:
            setColumnWidth(row, static_cast<short>(LOWORD(lParam)));
            return true;
        case LVM_GETHEADER:
            result = reinterpret_cast<LRESULT>(m_hWnd);
            return true;
        case HDM_GETITEMCOUNT:
            result = mColumns.getColumnCount();
            return true;
        case LVM_CREATEDRAGIMAGE:
            result = createDragImage(row, reinterpret_cast<POINT*>(lParam));
            return true;
        case LVM_GETTOPINDEX:
            result = mColumns.getColumnCount() > 0 ? mColumns.getColumn(0).getTopRow() : 0;
            return true;
        case LVM_GETCOUNTPERPAGE:
            result = getRowsPerPage();
            return true;
        case LVM_SETITEMSTATE: {
            const auto* item = reinterpret_cast<const LVITEMW*>(lParam);
            result = item != nullptr;
            if (item) {
                const std::map<int, UINT> before = getColumn(0).getStates();
                setItemState(row, item->state);
                repaintChangedRows(before);
            }
            return true;
        }
        case LVM_GETITEMSTATE:
            result = mColumns.getColumnCount() > 0 ? mColumns.getColumn(0).getState(row) : 0;
            return true;
        case LVM_SETITEMCOUNT:
            showMessageW(L"LVM_SETITEMCOUNT is not supported");
            result = 0;
            return true;
        case LVM_SETEXTENDEDLISTVIEWSTYLE:
            setExtendedStyle(static_cast<DWORD>(lParam));
            result = 0;
            return true;
        case LVM_GETEXTENDEDLISTVIEWSTYLE:
            result = mExtendedStyle;
            return true;
        case LVM_GETITEMW:
            result = getItem(reinterpret_cast<LVITEMW*>(lParam));
            return true;
        case LVM_SETITEMW:
            result = setItem(reinterpret_cast<const LVITEMW*>(lParam));
            return true;
        case LVM_GETITEMTEXTW:
        case LVM_SETITEMTEXTW: {
            auto* item = reinterpret_cast<LVITEMW*>(lParam);
            if (!item) {
                result = FALSE;
                return true;
            }
            item->iItem = row;
            item->mask = LVIF_TEXT;
            result = msg == LVM_GETITEMTEXTW ? getItem(item) : setItem(item);
            return true;
        }
        case LVM_INSERTITEMW: {
            const auto* item = reinterpret_cast<const LVITEMW*>(lParam);
            result = item ? insertItem(textOf(item->pszText), item->iItem) : -1;
            return true;
        }
        case LVM_FINDITEMW:
            result = findItem(row, reinterpret_cast<const LVFINDINFOW*>(lParam));
            return true;
        case LVM_GETCOLUMNW: {
            auto* column = reinterpret_cast<LVCOLUMNW*>(lParam);
            result = column && mColumns.hasColumn(row);
            if (result && (column->mask & LVCF_TEXT)) {
                copyText(mColumns.getColumn(row).getName(), column->pszText, column->cchTextMax);
            }
            return true;
        }
        case LVM_SETCOLUMNW: {
            const auto* column = reinterpret_cast<const LVCOLUMNW*>(lParam);
            result = column && mColumns.hasColumn(row);
            if (result && (column->mask & LVCF_TEXT)) {
                mColumns.getColumn(row).setName(textOf(column->pszText));
                repaint();
            }
            return true;
        }
        case LVM_INSERTCOLUMNW:
            result = insertColumn(reinterpret_cast<const LVCOLUMNW*>(lParam), row);
            return true;
        case WM_GETDLGCODE:
            result = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
            return true;
        case WM_HSCROLL:
        case WM_VSCROLL:
            onScroll(msg, wParam);
            result = 0;
            return true;
        default:
            return false;
    }
}

LRESULT TableComponent::insertColumn(const LVCOLUMNW* column, int index) {
    if (!column) return -1;
    const int width = (column->mask & LVCF_WIDTH) ? column->cx : 0;
    int x = 0;
    if (column->mask & LVCF_SUBITEM) {
        const int before = std::min(column->iSubItem, mColumns.getColumnCount());
        for (int i = 0; i < before; ++i) x += mColumns.getColumn(i).getWidth();
    }
    TableColumn added(textOf(column->pszText), Rect(x, 0, width, getHeight()));
    // A new column shows selected rows as the rest of the table does now.
    added.showFocus(hasFocus(), mTextColor);
    if (mColumns.getColumnCount() == 0) added.setCheckBoxes((mExtendedStyle & LVS_EX_CHECKBOXES) != 0);
    mColumns.addColumn(added);
    repaint();
    return index;
}

LRESULT TableComponent::getItem(LVITEMW* item) const {
    if (!item) return FALSE;
    const bool exists = mColumns.hasColumn(item->iSubItem) &&
                        mColumns.getColumn(item->iSubItem).getItem(item->iItem) != nullptr;
    if (item->mask & LVIF_TEXT) copyText(getItemTextW(item->iItem, item->iSubItem), item->pszText, item->cchTextMax);
    return exists;
}

LRESULT TableComponent::setItem(const LVITEMW* item) {
    if (!item) return FALSE;
    TableColumn& column = mColumns.getColumn(item->iSubItem);
    const bool exists = mColumns.hasColumn(item->iSubItem) && column.getItem(item->iItem) != nullptr;
    if (!exists) return FALSE;
    if (item->mask & LVIF_TEXT) column.setItemText(item->iItem, textOf(item->pszText));
    if (item->mask & LVIF_IMAGE) column.setImage(item->iItem, item->iImage);
    if (item->mask & LVIF_STATE) setItemState(item->iItem, item->state);
    repaint();
    return TRUE;
}

void TableComponent::setItemState(int row, UINT state) {
    for (TableColumn& column : mColumns) {
        if (row != -1) {
            column.setState(row, state);
            continue;
        }
        for (int each = column.getItemCount() - 1; each >= 0; --each) column.setState(each, state);
    }
}

int TableComponent::getNextItem(int start, UINT flags) const {
    for (const TableColumn& column : mColumns) {
        const int row = column.nextRow(start, flags);
        if (row >= 0) return row;
    }
    return -1;
}

LRESULT TableComponent::getSubItemRect(int row, RECT* rect) const {
    if (!rect) return FALSE;
    const int column = rect->top;
    Rect cell;
    if (mColumns.hasColumn(column)) cell = mColumns.getColumn(column).getCellRect(row);
    *rect = cell.toRECT();
    return cell.width > 0;
}

void TableComponent::rowAndColumnAt(int x, int y, int& row, int& column) const {
    row = -1;
    column = -1;
    const int contentX = x + getHorizontalPosition();
    for (int i = 0; i < mColumns.getColumnCount(); ++i) {
        const TableColumn& each = mColumns.getColumn(i);
        if (contentX >= each.getX() && contentX < each.getX() + each.getWidth()) {
            column = i;
            row = each.rowAt(contentX, y);
            return;
        }
    }
}

LRESULT TableComponent::hitTest(LVHITTESTINFO* info) const {
    if (!info) return -1;
    int row = -1;
    int column = -1;
    rowAndColumnAt(info->pt.x, info->pt.y, row, column);
    info->iItem = row;
    info->iSubItem = column;
    if (row < 0) {
        info->flags = LVHT_NOWHERE;
    } else if (column == 0 && mColumns.getColumn(0).hasCheckBoxes() &&
               mColumns.getColumn(0).hitsCheckBox(info->pt.x + getHorizontalPosition(), info->pt.y)) {
        info->flags = LVHT_ONITEMSTATEICON;
    } else {
        info->flags = LVHT_ONITEMLABEL;
    }
    return row;
}

LRESULT TableComponent::findItem(int start, const LVFINDINFOW* find) const {
    if (mColumns.getColumnCount() == 0 || !find || !find->psz) return -1;
    const TableColumn& column = mColumns.getColumn(0);
    const bool prefix = (find->flags & LVFI_PARTIAL) != 0;
    const int from = start < 0 ? column.getTopRow() : start;
    const int found = column.find(find->psz, from, column.getItemCount(), prefix);
    return found >= 0 ? found : column.find(find->psz, 0, from, prefix);
}

LRESULT TableComponent::createDragImage(int row, POINT* corner) {
    if (mColumns.getColumnCount() == 0) return 0;
    TableColumn& column = mColumns.getColumn(0);
    const int width = column.getWidth();
    const int height = column.getRowHeight();
    if (!column.getItem(row) || width <= 0) return 0;

    Graphics g(width, height);
    g.setFont(::CreateFontIndirectW(&mLogFont));
    g.setBkMode(TRANSPARENT);
    g.setBrushColor(0xFFFFFF);
    g.fillRect(0, 0, width, height);
    column.paintCell(g, CharWidthCache::getInstance().forFont(g.getHDC()), row, 0, 0);

    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    g.copyTo(memory, 0, 0);
    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);

    HIMAGELIST images = ::ImageList_Create(width, height, ILC_MASK | ILC_COLOR32, 1, 1);
    if (images) ::ImageList_Add(images, bitmap, nullptr);
    ::DeleteObject(bitmap);
    if (corner) {
        const Rect cell = column.getCellRect(row);
        corner->x = cell.x - getHorizontalPosition();
        corner->y = cell.y;
    }
    return reinterpret_cast<LRESULT>(images);
}
