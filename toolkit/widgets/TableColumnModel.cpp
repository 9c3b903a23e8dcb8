#include "toolkit/widgets/TableColumnModel.h"

TableColumn& TableColumnModel::getColumn(int index) {
    if (hasColumn(index)) return mColumns[index];
    mScratch = TableColumn(L"", Rect());
    return mScratch;
}

const TableColumn& TableColumnModel::getColumn(int index) const {
    if (hasColumn(index)) return mColumns[index];
    mScratch = TableColumn(L"", Rect());
    return mScratch;
}
