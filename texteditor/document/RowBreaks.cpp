#include "texteditor/document/RowBreaks.h"

#include <algorithm>

RowBreaks& RowBreaks::operator=(std::initializer_list<uint32_t> values) {
    clear();
    for (uint32_t value : values) push_back(value);
    return *this;
}

void RowBreaks::push_back(uint32_t value) {
    if (count < kInline) {
        inlineValues[count++] = value;
        return;
    }
    if (count == kInline) spilled.assign(inlineValues, inlineValues + kInline);
    spilled.push_back(value);
    ++count;
}

void RowBreaks::clear() {
    count = 0;
    spilled.clear();
}

bool RowBreaks::operator==(const RowBreaks& other) const {
    return count == other.count && std::equal(begin(), end(), other.begin());
}
