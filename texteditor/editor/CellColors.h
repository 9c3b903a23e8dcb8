// The colours of one character cell as the painter draws it. Neighbouring cells with
// equal colours form one run, drawn with a single text-out call.
#pragma once

#include <windows.h>

#include <cstdint>

struct CellColors {
    COLORREF text = 0;
    COLORREF background = 0;
    int32_t styled = 0;  // 1 when a syntax style chose the text colour

    bool operator==(const CellColors& other) const {
        return text == other.text && background == other.background && styled == other.styled;
    }
    bool operator!=(const CellColors& other) const { return !(*this == other); }
};
