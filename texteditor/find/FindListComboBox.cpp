#include "texteditor/find/FindListComboBox.h"

#include <algorithm>

#include "toolkit/window/PopupMenu.h"

namespace {

int showAtCursor(PopupMenu& menu, HWND owner) { return menu.show(owner); }

FindListComboBox::MenuRunner menuRunner = showAtCursor;

}  // namespace

void FindListComboBox::setMenuRunner(MenuRunner runner) { menuRunner = runner ? runner : showAtCursor; }

void FindListComboBox::addHistory(const std::wstring& text, int index) {
    if (text.empty() || text.find_first_of(L"\r\n\t") != std::wstring::npos) return;
    const int existing = findItemExact(text, -1);
    if (existing != CB_ERR) removeItem(existing);
    const int at = insertItem(text, index);
    if (at != CB_ERR) setSelectedIndex(at);
    if (getItemCount() > kMaxEntries) removeItem(kMaxEntries);
}

void FindListComboBox::clearHistory() { removeAllItems(); }

std::wstring FindListComboBox::getItemText(int index) const {
    if (index < 0 || index >= getItemCount()) return std::wstring();
    return ComboBox::getItemText(index);
}

std::wstring FindListComboBox::getSelectedText() const { return getItemText(getSelectedIndex()); }

std::wstring FindListComboBox::joinItems() const {
    std::wstring joined;
    const int count = getItemCount();
    for (int i = 0; i < count; ++i) {
        if (i > 0) joined += L',';
        joined += getItemText(i);
    }
    return joined;
}

bool FindListComboBox::onRButtonUp() {
    PopupMenu menu;
    menu.addItem(L"Clear History", kClearHistory);
    if (menuRunner(menu, m_hWnd) == kClearHistory) clearHistory();
    return true;
}

void FindListComboBox::fitDropDownWidth(HWND list) {
    ComboBox::fitDropDownWidth(list);
    RECT listRect{};
    RECT comboRect{};
    if (!::GetWindowRect(list, &listRect) || !::GetWindowRect(m_hWnd, &comboRect)) return;
    // Under the field the button belongs to, not under the narrow button alone.
    const int fieldLeft = static_cast<int>(comboRect.left) - kListOffset + kButtonWidth;
    const int left = std::max(0, std::min(static_cast<int>(listRect.left), fieldLeft));
    const int width = std::max(static_cast<int>(listRect.right - listRect.left), kListOffset);
    ::SetWindowPos(list, nullptr, left, listRect.top, width, listRect.bottom - listRect.top, SWP_NOZORDER);
}
