// One search request: the text searched for, how, and the selection it starts from.
// The editor keeps a copy to mark every occurrence while painting.
#pragma once

#include <cstdint>
#include <string>

struct FindInfo {
    enum Flags : uint32_t { kIgnoreCase = 1, kRegularExpression = 2, kBackward = 4 };

    std::wstring pattern;
    uint32_t flags = 0;
    int32_t first = 0;   // where the search starts: the selection start (end when backward)
    int32_t second = 0;  // the other end of the selection
};
