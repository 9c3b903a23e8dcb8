// One line of a document: where it starts, and how the wrap layout cuts it into rows.
#pragma once

#include <cstdint>

#include "texteditor/document/RowBreaks.h"

struct WrapInfo {
    explicit WrapInfo(uint32_t start_) : start(start_) {}

    uint32_t start = 0;     // offset of the line's first character
    uint32_t firstRow = 0;  // the line's first screen row over the whole document
    uint32_t rowCount = 0;  // 0 until the first layout pass
    uint32_t lastRowWidth = 0;  // pixels, from the last layout pass
    // Row boundaries as columns: 0, the column of each further row, then the column
    // just past the line's end.
    RowBreaks breaks;

    // One row, with the single boundary 0.
    void reset();
    // The row of a column: a column on a boundary belongs to the row starting there,
    // the line's end to its last row.
    uint32_t getRowOfColumn(uint32_t column) const;
};
