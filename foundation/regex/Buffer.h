#pragma once
// A growable run of plain values that owns its storage: the matcher's backtracking
// stack, its captures and the words of a match result. The first 8 values live inside
// the object; beyond that the capacity doubles on the heap, always a multiple of 8. So
// the result of a search with up to two groups needs no heap block at all, and a search
// that backtracks deeply reallocates only a few times.
#include "foundation/regex/BufferRef.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

template <class T> class CBufferT {
    static_assert(std::is_trivially_copyable<T>::value, "CBufferT moves its values with memcpy");

public:
    CBufferT() = default;
    CBufferT(const T* values, int count) { append(values, count); }
    CBufferT(const CBufferT& other) { append(other.mData, other.mSize); }
    CBufferT(CBufferT&& other) noexcept { take(other); }
    CBufferT& operator=(const CBufferT& other) {
        if (this != &other) {
            mSize = 0;
            append(other.mData, other.mSize);
        }
        return *this;
    }
    CBufferT& operator=(CBufferT&& other) noexcept {
        if (this != &other) {
            release();
            take(other);
        }
        return *this;
    }
    ~CBufferT() { release(); }

    const T* getBuffer() const { return mData; }
    T* getBuffer() { return mData; }
    int getSize() const { return mSize; }
    int getCapacity() const { return mCapacity; }
    bool isEmpty() const { return mSize == 0; }
    CBufferRefT<T> ref() const { return CBufferRefT<T>(mData, mSize); }

    T& operator[](int index) { return mData[index]; }
    const T& operator[](int index) const { return mData[index]; }
    T& back() { return mData[mSize - 1]; }
    const T& back() const { return mData[mSize - 1]; }

    void push(T value) {
        if (mSize == mCapacity) grow(mSize + 1);
        mData[mSize++] = value;
    }
    // Removes and answers the last value; `empty` when there is none.
    T pop(T empty) { return mSize > 0 ? mData[--mSize] : empty; }

    void append(const T* values, int count) {
        if (values == nullptr || count <= 0) return;
        reserve(mSize + count);
        std::memcpy(mData + mSize, values, static_cast<size_t>(count) * sizeof(T));
        mSize += count;
    }
    // Inserts one value before index (0..size).
    void insert(int index, T value) {
        if (index < 0 || index > mSize) return;
        reserve(mSize + 1);
        std::memmove(mData + index + 1, mData + index, static_cast<size_t>(mSize - index) * sizeof(T));
        mData[index] = value;
        ++mSize;
    }
    // Keeps the first `size` values, or grows to `size` with new values set to `fill`.
    void resize(int size, T fill = T()) {
        if (size < 0) size = 0;
        if (size > mSize) {
            reserve(size);
            for (int i = mSize; i < size; ++i) mData[i] = fill;
        }
        mSize = size;
    }
    void fill(T value) {
        T* data = mData;
        for (int i = 0, size = mSize; i < size; ++i) data[i] = value;
    }
    void clear() { mSize = 0; }

    // Makes room for at least `wanted` values; throws std::bad_alloc when memory runs out.
    void reserve(int wanted) {
        if (wanted > mCapacity) grow(wanted);
    }

private:
    static constexpr int kMinimumCapacity = 8;
    // The largest multiple of 8 whose byte size an int holds (and so a 32-bit size_t).
    static constexpr long long kMaximumCapacity = static_cast<long long>(0x7FFFFFFF / sizeof(T)) / 8 * 8;

    bool isInline() const { return mData == mInline; }

    void release() {
        if (!isInline()) std::free(mData);
        mData = mInline;
        mSize = 0;
        mCapacity = kMinimumCapacity;
    }
    // Takes the values of other (its heap block, or a copy of its inline values) and
    // leaves it empty.
    void take(CBufferT& other) {
        if (other.isInline()) {
            std::memcpy(mInline, other.mInline, static_cast<size_t>(other.mSize) * sizeof(T));
            mData = mInline;
        } else {
            mData = other.mData;
            other.mData = other.mInline;
        }
        mSize = other.mSize;
        mCapacity = other.mCapacity;
        other.mSize = 0;
        other.mCapacity = kMinimumCapacity;
    }

    // Out of line, so that the pushes of the matcher's hot paths stay small.
    [[gnu::noinline]] void grow(int wanted) {
        long long capacity = static_cast<long long>(mCapacity) * 2;
        if (capacity < wanted) capacity = wanted;
        capacity = (capacity + 7) / 8 * 8;
        if (capacity > kMaximumCapacity) {
            if (wanted > kMaximumCapacity) throw std::bad_alloc();
            capacity = kMaximumCapacity;
        }
        size_t bytes = static_cast<size_t>(capacity) * sizeof(T);
        void* grown = nullptr;
        if (isInline()) {
            grown = std::malloc(bytes);
            if (grown != nullptr) std::memcpy(grown, mInline, static_cast<size_t>(mSize) * sizeof(T));
        } else {
            grown = std::realloc(mData, bytes);
        }
        if (grown == nullptr) throw std::bad_alloc();
        mData = static_cast<T*>(grown);
        mCapacity = static_cast<int>(capacity);
    }

    T mInline[kMinimumCapacity];
    T* mData = mInline;
    int mSize = 0;
    int mCapacity = kMinimumCapacity;
};
