// One cell of an own-drawn table column.
#pragma once

#include <string>

struct TableItem {
    std::wstring text;
    int image = 0;              // index in the table's image list
    bool showCheckBox = false;  // copied from the column before the cell is painted
    bool checked = false;
    // The text as last drawn, with its ellipsis, and the room, font and length of text it
    // was cut for: painting the cell again skips the search for the cut. A new text
    // forgets it.
    std::wstring cutText{};
    int cutRoom = -1;
    int cutLength = -1;
    const void* cutFont = nullptr;
};
