// Byte sources for the FLV tag walk: a buffered runtime file stream for real files and
// a memory block for tests and the mutation harness.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

class FlvInput {
public:
    virtual ~FlvInput() = default;
    // The next byte (0-255), or -1 at the end.
    virtual int readByte() = 0;
    // Up to `size` bytes into `buffer`; how many arrived (fewer only at the end).
    virtual size_t read(uint8_t* buffer, size_t size) = 0;
    // True once a read has run into the end.
    virtual bool atEnd() const = 0;
};

// Reads an open stream; the caller keeps ownership of it.
class FileFlvInput : public FlvInput {
public:
    explicit FileFlvInput(FILE* file) : mFile(file) {}
    int readByte() override;
    size_t read(uint8_t* buffer, size_t size) override;
    bool atEnd() const override;

private:
    FILE* mFile;
};

class MemoryFlvInput : public FlvInput {
public:
    MemoryFlvInput(const uint8_t* data, size_t size) : mData(data), mSize(size) {}
    int readByte() override;
    size_t read(uint8_t* buffer, size_t size) override;
    bool atEnd() const override { return mEnd; }

private:
    const uint8_t* mData;
    size_t mSize;
    size_t mPosition = 0;
    bool mEnd = false;
};
