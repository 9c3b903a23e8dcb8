// One cell of an own-drawn table column.
#pragma once

#include <string>

struct TableItem {
    std::wstring text;
    int image = 0;              // index in the table's image list
    bool showCheckBox = false;  // copied from the column before the cell is painted
    bool checked = false;
};
