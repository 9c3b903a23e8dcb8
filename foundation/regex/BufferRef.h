#pragma once
// A read-only view of a run of values: a pointer and a length, owning nothing. The
// matcher reads its subject text through one, so elements index the text without
// caring where it is stored.
template <class T> class CBufferRefT {
public:
    CBufferRefT() = default;
    CBufferRefT(const T* data, int size) : mData(data), mSize(data != nullptr && size > 0 ? size : 0) {}

    const T* getBuffer() const { return mData; }
    int getSize() const { return mSize; }
    bool isEmpty() const { return mSize == 0; }
    const T& operator[](int index) const { return mData[index]; }

private:
    const T* mData = nullptr;
    int mSize = 0;
};
