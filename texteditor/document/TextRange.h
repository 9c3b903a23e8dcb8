// A range of character offsets into an editor's text; empty when both ends are equal.
#pragma once

struct TextRange {
    int start = 0;
    int end = 0;

    TextRange() = default;
    TextRange(int start_, int end_) : start(start_), end(end_) {}
    bool isEmpty() const { return start == end; }
    bool operator==(const TextRange& other) const { return start == other.start && end == other.end; }
};
