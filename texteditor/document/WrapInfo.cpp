#include "texteditor/document/WrapInfo.h"

void WrapInfo::reset() {
    rowCount = 1;
    breaks.clear();
    breaks.push_back(0);
}

uint32_t WrapInfo::getRowOfColumn(uint32_t column) const {
    const size_t count = breaks.size();
    for (size_t i = 0; i < count; ++i) {
        if (breaks[i] > column) return i == 0 ? 0 : static_cast<uint32_t>(i - 1);
        if (breaks[i] == column) {
            if (i + 1 == count) return i == 0 ? 0 : static_cast<uint32_t>(i - 1);
            return static_cast<uint32_t>(i);
        }
    }
    // Past the line's end: its last row (a line of k rows has k + 1 boundaries).
    return count < 2 ? 0 : static_cast<uint32_t>(count - 2);
}
