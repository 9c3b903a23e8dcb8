#pragma once
// The characters an element can begin with, kept small for the matcher's inner loops:
// 0..255 in a bit table and anything above 255 as one flag. An element that can match
// empty, or whose first characters are unknown, may begin anywhere.
#include "foundation/regex/RegexElement.h"

#include <cstdint>

struct StartFilter {
    uint32_t latin[8] = {};
    bool high = false;
    bool always = true;

    StartFilter() = default;
    explicit StartFilter(const ElxInterface& element) {
        FirstChars first;
        always = element.collectFirstChars(first) || first.any;
        for (size_t word = 0; word < 8; ++word) latin[word] = first.bits[word];
        for (size_t word = 8; word < first.bits.size() && !high; ++word) high = first.bits[word] != 0;
    }

    // Whether the element can begin with c (-1: at the text's end, where it cannot
    // unless it may match empty).
    bool mayBegin(int c) const {
        if (always) return true;
        if (c < 0) return false;
        if (c < 256) return ((latin[c >> 5] >> (c & 31)) & 1u) != 0;
        return high;
    }
};
