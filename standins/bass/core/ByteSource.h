// The bytes of a file, or of a window of a file or of memory, that a decoder reads from.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to `size` bytes; returns how many were read (0 at the end).
    virtual size_t read(void* buffer, size_t size) = 0;
    // Moves to an offset from the start of the window; false when outside it.
    virtual bool seek(std::int64_t offset) = 0;
    virtual std::int64_t tell() const = 0;
    virtual std::int64_t size() const = 0;

    // Reads exactly `size` bytes or fails.
    bool readExact(void* buffer, size_t size) { return read(buffer, size) == size; }
};

// A window of a file: `length` 0 means to its end. Null when the file cannot be opened.
std::unique_ptr<ByteSource> openFileSource(const std::wstring& path, std::int64_t offset, std::int64_t length);
// The bytes of `source` from `offset` on: offset 0 of the result is `offset` of the source.
std::unique_ptr<ByteSource> openTail(std::unique_ptr<ByteSource> source, std::int64_t offset);
// A window of memory owned by the caller.
std::unique_ptr<ByteSource> openMemorySource(const void* data, std::int64_t offset, std::int64_t length);
