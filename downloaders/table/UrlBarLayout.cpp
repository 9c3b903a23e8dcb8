#include "downloaders/table/UrlBarLayout.h"

#include "toolkit/window/Dialog.h"

void createUrlBar(HWND dialog, TextEditor& field, Button& analyze) {
    createLabel(dialog, L"URL:", 4, 6, 28, 18);
    field.create(dialog, 50, 4, 390, 20);
    field.setSingleLine();
    analyze.create(dialog, L"Analyze", 444, 4, 64, 20);
}

void layOutUrlBarAndTable(TextEditor& field, Button& analyze, TableComponent& table, int width, int height) {
    field.setBounds(32, 4, width - 112, 20);
    ::SetWindowPos(analyze.m_hWnd, nullptr, width - 76, 4, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    table.setBounds(0, kDownloaderTableTop, width, height - kDownloaderTableTop);
}
