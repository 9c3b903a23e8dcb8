#include "words/dictionary/SQLResultTable.h"

#include <sqlite3.h>

#include "foundation/encoding/StringConversion.h"

std::wstring SQLResultTable::getCell(int row, int column) const {
    if (row < 0 || row >= getRowCount()) return std::wstring();
    const std::vector<std::wstring>& cells = mRows[static_cast<size_t>(row)].cells;
    if (column < 0 || static_cast<size_t>(column) >= cells.size()) return std::wstring();
    return cells[static_cast<size_t>(column)];
}

int SQLResultTable::onRow(void* argument, int columns, char** texts, char** /*names*/) {
    SQLResultTable* table = static_cast<SQLResultTable*>(argument);
    if (table->getRowCount() >= table->mMaxRows) return SQLITE_ABORT;
    RowData row;
    for (int i = 0; i < columns; ++i) {
        const char* text = texts[i];
        row.cells.push_back(text ? utf8ToWString(text) : std::wstring(L"NULL"));
    }
    table->mRows.push_back(std::move(row));
    return 0;
}
