// One recorded edit: what stood at a position before and after it.
#pragma once

#include <string>

struct EditEvent {
    enum Kind { kInsertion = 0, kReplacement = 1 };

    int kind = kInsertion;
    int position = 0;  // start of the replaced range
    int caret = 0;     // caret before the edit; undo puts it back there
    std::wstring insertedText;
    std::wstring removedText;  // empty for an insertion
};
