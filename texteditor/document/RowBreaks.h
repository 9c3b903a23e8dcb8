// The row boundaries of one line. Most lines fit on one row and have just two
// boundaries (0 and the line's end): those are held inline, so laying out a long
// document does not allocate once per line. Only lines cut into rows use the heap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

class RowBreaks {
public:
    using const_iterator = const uint32_t*;
    using iterator = const_iterator;

    RowBreaks() = default;
    RowBreaks& operator=(std::initializer_list<uint32_t> values);

    size_t size() const { return count; }
    bool empty() const { return count == 0; }
    uint32_t operator[](size_t i) const { return data()[i]; }
    const uint32_t* begin() const { return data(); }
    const uint32_t* end() const { return data() + count; }

    void push_back(uint32_t value);
    // Keeps the heap room of a cut line for its next layout.
    void clear();

    operator std::vector<uint32_t>() const { return std::vector<uint32_t>(begin(), end()); }
    bool operator==(const RowBreaks& other) const;
    bool operator!=(const RowBreaks& other) const { return !(*this == other); }

private:
    static constexpr size_t kInline = 2;
    const uint32_t* data() const { return count <= kInline ? inlineValues : spilled.data(); }

    uint32_t count = 0;
    uint32_t inlineValues[kInline] = {};
    std::vector<uint32_t> spilled;  // all the boundaries once there are more than kInline
};
