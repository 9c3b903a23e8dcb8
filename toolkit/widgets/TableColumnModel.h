// The columns of an own-drawn table, in display order.
#pragma once

#include <vector>

#include "toolkit/widgets/TableColumn.h"

class TableColumnModel {
public:
    TableColumnModel() = default;
    ~TableColumnModel() = default;

    int getColumnCount() const { return static_cast<int>(mColumns.size()); }
    bool hasColumn(int index) const { return index >= 0 && index < getColumnCount(); }
    // The column at the index. For an index that names no column the answer is a blank
    // scratch column, so that a wrong index reads neutral values and changes nothing.
    TableColumn& getColumn(int index);
    const TableColumn& getColumn(int index) const;
    void addColumn(const TableColumn& column) { mColumns.push_back(column); }
    void removeAll() { mColumns.clear(); }

    std::vector<TableColumn>::iterator begin() { return mColumns.begin(); }
    std::vector<TableColumn>::iterator end() { return mColumns.end(); }
    std::vector<TableColumn>::const_iterator begin() const { return mColumns.begin(); }
    std::vector<TableColumn>::const_iterator end() const { return mColumns.end(); }

private:
    std::vector<TableColumn> mColumns;
    mutable TableColumn mScratch{L"", Rect()};
};
