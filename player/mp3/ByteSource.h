// Random-access reading of a file's bytes, from memory or from a disk file, so that the
// tag and frame readers run the same on buffers (tests, the mutation harness) and files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Copies up to `count` bytes from `offset`; the number copied (short at the end).
    virtual size_t readAt(uint64_t offset, void* out, size_t count) = 0;
    virtual uint64_t size() const = 0;
};

// Bytes held by the caller for the life of the source.
class MemoryByteSource : public ByteSource {
public:
    MemoryByteSource(const void* data, size_t size) : mData(static_cast<const uint8_t*>(data)), mSize(size) {}
    size_t readAt(uint64_t offset, void* out, size_t count) override;
    uint64_t size() const override { return mSize; }

private:
    const uint8_t* mData;
    size_t mSize;
};
