#include "toolkit/widgets/Table.h"

#include <algorithm>

#include "toolkit/window/WindowProcedure.h"

COLORREF lighterTextBackColor(COLORREF color) {
    const auto lighter = [](int channel) { return std::min(255, channel + 24); };
    return RGB(lighter(GetRValue(color)), lighter(GetGValue(color)), lighter(GetBValue(color)));
}

// The window goes while the object is still a Table.
Table::~Table() { destroy(); }

LRESULT Table::send(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return m_hWnd ? ::SendMessageW(m_hWnd, msg, wParam, lParam) : 0;
}

void Table::setBackColor(COLORREF color) {
    send(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(color));
    send(LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(lighterTextBackColor(color)));
    WinApiWindow::setBackColor(color);
}

void Table::setTextColor(COLORREF color) {
    send(LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(color));
    WinApiWindow::setTextColor(color);
}

LRESULT Table::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return defaultWindowProc(hwnd, msg, wParam, lParam);
}

bool Table::create(HWND parent, bool ownerData) {
    destroy();
    mBusy = false;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS;
    if (ownerData) style |= LVS_OWNERDATA;
    m_hWnd = ::CreateWindowExW(WS_EX_TOOLWINDOW, WC_LISTVIEWW, L"This is a Table.", style, 0, 0, 0, 0, parent,
                               nullptr, ::GetModuleHandleW(nullptr), this);
    if (!m_hWnd) return false;
    setExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_ONECLICKACTIVATE | LVS_EX_UNDERLINEHOT);
    subclassControl(*this);
    return true;
}

bool Table::isChecked(int row) {
    const UINT state = static_cast<UINT>(send(LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK));
    return ((state & LVIS_STATEIMAGEMASK) >> 12) != 1;
}

int Table::getColumnCount() {
    HWND header = reinterpret_cast<HWND>(send(LVM_GETHEADER));
    return header ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

void Table::setExtendedStyle(DWORD style) { send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style); }

bool Table::ensureVisible(int row) { return send(LVM_ENSUREVISIBLE, row, FALSE) != 0; }

void Table::deleteAllItems() { send(LVM_DELETEALLITEMS); }

void Table::removeItem(int row) { send(LVM_DELETEITEM, row); }

DWORD Table::getExtendedStyle() { return static_cast<DWORD>(send(LVM_GETEXTENDEDLISTVIEWSTYLE)); }

int Table::getItemCount() { return static_cast<int>(send(LVM_GETITEMCOUNT)); }

std::wstring Table::getItemText(int row, int column) {
    wchar_t buffer[2048] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 2048;
    send(LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    buffer[2047] = L'\0';
    return buffer;
}

int Table::insertItem(const std::wstring& text, int index) {
    if (index == -1) index = getItemCount();
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return index;
}

void Table::insertRow(const std::wstring& text, int row, int subItem) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row == -1 ? getItemCount() : row;
    item.iSubItem = subItem;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    send(subItem == 0 ? LVM_INSERTITEMW : LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void Table::setChecked(int row, bool checked) {
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    send(LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

void Table::select(int row) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    send(LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

void Table::selectAll() {
    for (int row = getItemCount() - 1; row >= 0; --row) select(row);
}

void Table::addItem(const std::wstring& text, int index) {
    if (index == -1) index = getItemCount();
    insertItem(text, index);
}

void Table::addColumn(const std::wstring& name, int width) {
    const int count = getColumnCount();
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(name.c_str());
    column.iSubItem = count;
    send(LVM_INSERTCOLUMNW, count, reinterpret_cast<LPARAM>(&column));
}

int Table::getSelectedIndex() {
    if (!m_hWnd) return -1;
    return static_cast<int>(send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
}

std::vector<int> Table::getSelectedIndices() {
    std::vector<int> rows;
    const int count = getItemCount();
    for (int row = 0; row < count; ++row) {
        if (send(LVM_GETITEMSTATE, row, LVIS_FOCUSED | LVIS_SELECTED) & LVIS_SELECTED) rows.push_back(row);
    }
    return rows;
}

void Table::clearSelection() {
    LVITEMW item{};
    item.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    item.state = 0;
    send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
}
