// What the word list pane does when its controls report: typing in the key field, a
// dictionary chosen, rows chosen in either table, "New" and "Delete".
#include "words/WordListPane.h"

#include "toolkit/window/PopupMenu.h"

namespace {

constexpr int kDeleteItem = 1;
// A dictionary just chosen looks the current word up at once.
constexpr UINT kChosenDictionaryDelayMs = 1;

}  // namespace

LRESULT WordListPane::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NOTIFY) return onNotify(wParam, lParam);
    return GroupComponent::windowProc(hwnd, msg, wParam, lParam);
}

bool WordListPane::onCommand(WPARAM wParam, LPARAM lParam) {
    if (mDictionaryChooser.m_hWnd && reinterpret_cast<HWND>(lParam) == mDictionaryChooser.m_hWnd &&
        HIWORD(wParam) == CBN_SELCHANGE) {
        startSearchTimer(kChosenDictionaryDelayMs);
    }
    return true;
}

void WordListPane::textUpdated() { startSearchTimer(kTypingPauseMs); }

void WordListPane::startSearchTimer(UINT milliseconds) {
    if (!m_hWnd) return;
    ::KillTimer(m_hWnd, kSearchTimer);
    ::SetTimer(m_hWnd, kSearchTimer, milliseconds, nullptr);
}

bool WordListPane::onTimer(WPARAM wParam, LPARAM) {
    if (wParam != kSearchTimer) return false;
    ::KillTimer(m_hWnd, kSearchTimer);
    search(mKeyField.getTextCopy());
    return true;
}

LRESULT WordListPane::onNotify(WPARAM, LPARAM lParam) {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr) return 0;
    TableComponent* table = header->hwndFrom == mWordTable.m_hWnd     ? &mWordTable
                            : header->hwndFrom == mResultTable.m_hWnd ? &mResultTable
                                                                       : nullptr;
    if (table == nullptr) return 0;
    switch (header->code) {
        case LVN_ITEMCHANGED:
        case NM_CLICK:
            showSelectedRow(*table);
            return 1;
        case NM_RCLICK:
            if (table == &mWordTable) showDeleteMenu();
            return 1;
        default:
            return 0;
    }
}

bool WordListPane::showSelectedRow(TableComponent& table) {
    if (table.isUpdating()) return true;
    const std::vector<int> rows = table.getSelectedIndices();
    if (rows.empty()) return false;
    table.setUpdating(true);
    const int first = rows.front();
    const std::wstring levelText = table.getItemTextW(first, kLevelColumn);
    const int level = levelText.empty() ? 0 : _wtoi(levelText.c_str());
    std::wstring values;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) values += L", ";
        values += table.getItemTextW(rows[i], kValueColumn);
    }
    mLevelField.setValue(level);
    mValueEditor.setText(values);
    mExplanationEditor.setText(table.getItemTextW(first, kExplanationColumn));
    mKeyField.setText(table.getItemTextW(first, kKeyColumn));
    // Filling the key field is no typing: it must not start a look-up.
    if (m_hWnd) ::KillTimer(m_hWnd, kSearchTimer);
    table.setUpdating(false);
    return true;
}

void WordListPane::actionPerformed(ActionEvent event) {
    if (event.getSource() != static_cast<StateButton*>(&mNewButton)) return;
    const int row = addWord(mLevelField.getValue(), mKeyField.getTextCopy(), mValueEditor.getTextCopy(),
                            mExplanationEditor.getTextCopy());
    if (row == -1) return;
    mWordTable.ensureVisible(row);
    mWordTable.selectRow(row);
}

void WordListPane::showDeleteMenu() {
    PopupMenu menu;
    menu.addItem(L"Delete", kDeleteItem, !mWordTable.getSelectedIndices().empty());
    if (menu.show(m_hWnd) == kDeleteItem) deleteSelectedWords();
}

void WordListPane::deleteSelectedWords() {
    const std::vector<int> rows = mWordTable.getSelectedIndices();
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) mWordTable.removeItem(*row);
}
