// The rows of a statement collected by the sqlite3_exec row callback, up to a row limit.
#pragma once

#include <string>
#include <vector>

class SQLResultTable {
public:
    struct RowData {
        std::vector<std::wstring> cells;
    };

    void setMaxRows(int n) { mMaxRows = n; }
    int getRowCount() const { return static_cast<int>(mRows.size()); }
    // Empty for a cell outside the table.
    std::wstring getCell(int row, int column) const;

    // The row callback (argument: the table). Stops the statement (SQLITE_ABORT) once the
    // table holds its limit; a null column reads "NULL".
    static int onRow(void* table, int columns, char** texts, char** names);

private:
    std::vector<RowData> mRows;
    int mMaxRows = 100;
};
