#pragma once
// Values kept in ascending order, found by binary search: the single characters of a
// character set and the pattern positions the parser has marked.
#include "foundation/regex/Buffer.h"

template <class T> class CSortedBufferT {
public:
    int getSize() const { return mValues.getSize(); }
    bool isEmpty() const { return mValues.isEmpty(); }
    const T& operator[](int index) const { return mValues[index]; }
    CBufferRefT<T> ref() const { return mValues.ref(); }

    // Inserts the value after any equal ones.
    void add(T value) { mValues.insert(upperBound(value), value); }
    // Inserts the value unless an equal one is held; answers whether it was inserted.
    bool addUnique(T value) {
        int index = upperBound(value);
        if (index > 0 && !(mValues[index - 1] < value)) return false;
        mValues.insert(index, value);
        return true;
    }
    // The index of a value equal to `value`, or -1.
    int find(T value) const {
        int index = upperBound(value);
        return (index > 0 && !(mValues[index - 1] < value)) ? index - 1 : -1;
    }
    bool contains(T value) const { return find(value) >= 0; }
    void clear() { mValues.clear(); }

private:
    // The first index whose value is greater than `value`.
    int upperBound(T value) const {
        int low = 0;
        int high = mValues.getSize();
        while (low < high) {
            int middle = low + (high - low) / 2;
            if (value < mValues[middle]) {
                high = middle;
            } else {
                low = middle + 1;
            }
        }
        return low;
    }

    CBufferT<T> mValues;
};
