// Keys of the own-drawn table: select all, Tab traversal, the key notifications and
// moving the current row.
#include <algorithm>

#include "toolkit/widgets/TableComponent.h"
#include "toolkit/window/WindowProcedure.h"

namespace {

bool held(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

}  // namespace

void TableComponent::notifyKeyDown(WPARAM key) {
    NMLVKEYDOWN notify{};
    notify.hdr.hwndFrom = m_hWnd;
    notify.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(m_hWnd));
    notify.hdr.code = LVN_KEYDOWN;
    notify.wVKey = static_cast<WORD>(key);
    notify.flags = 0;
    // The parent receives the key code as wParam, not the control id.
    ::SendMessageW(::GetParent(m_hWnd), WM_NOTIFY, key, reinterpret_cast<LPARAM>(&notify));
}

bool TableComponent::onKeyDown(WPARAM key, LPARAM) {
    if (key == 'A' && held(VK_CONTROL)) {
        selectAll();
        return true;
    }
    if (key == VK_TAB) {
        moveFocus(*this, !held(VK_SHIFT), m_hWnd);
        return true;
    }
    KeyEvent event(this, static_cast<int>(key), 0);
    if (!mListenerList.fire("KeyListener", &event)) {
        if (key == VK_RETURN) {
            fireEvent(NM_RETURN, 0);
        } else {
            notifyKeyDown(key);
        }
    }

    int row = mCurrentRow;  // -1 counts as just above row 0
    int column = -1;
    for (int i = 0; i < mColumns.getColumnCount(); ++i) {
        if (mColumns.getColumn(i).hasSelection()) {
            column = i;
            break;
        }
    }
    switch (key) {
        case VK_PRIOR:
            row -= 5;
            break;
        case VK_NEXT:
            row += 5;
            break;
        case VK_UP:
            row -= 1;
            break;
        case VK_DOWN:
            row += 1;
            break;
        case VK_LEFT:
            column -= 1;
            break;
        case VK_RIGHT:
            column += 1;
            break;
        default:
            return true;
    }
    const int rows = getItemCount();
    const int columns = mColumns.getColumnCount();
    row = std::min(std::max(row, 0), rows - 1);
    column = std::min(std::max(column, 0), columns - 1);
    if (row < 0 || column < 0) return true;
    ensureVisible(row);
    // Selecting repaints the rows it changes; nothing else on the screen changes.
    select(row);
    mCurrentRow = row;
    return true;
}
