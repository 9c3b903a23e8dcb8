#include "words/tests/WordListTestSupport.h"

PaneFrame::PaneFrame() {
    registerClass(L"WordListPaneFrame", nullptr, 0);
    create();
    pane.createWithDefaultBounds(m_hWnd);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 660, 420, SWP_NOZORDER | SWP_NOMOVE);
    const RECT client = getClientRect();
    pane.setBounds(0, 0, client.right, client.bottom);
}

PaneFrame::~PaneFrame() {
    pane.destroy();
    destroy();
}

LRESULT PaneFrame::onSize(WPARAM, LPARAM lParam) {
    if (pane.m_hWnd) pane.setBounds(0, 0, LOWORD(lParam), HIWORD(lParam));
    return 0;
}

std::vector<std::vector<std::wstring>> tableCells(TableComponent& table) {
    std::vector<std::vector<std::wstring>> rows;
    for (int row = 0; row < table.getItemCount(); ++row) {
        std::vector<std::wstring> cells;
        for (int column = 0; column < table.getColumnCount(); ++column) cells.push_back(table.getItemTextW(row, column));
        rows.push_back(cells);
    }
    return rows;
}

void typeInto(TextEditor& editor, const std::wstring& text) {
    for (wchar_t c : text) ::SendMessageW(editor.m_hWnd, WM_CHAR, c, 1);
}
