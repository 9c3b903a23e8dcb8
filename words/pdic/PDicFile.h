// Random-access reading of a dictionary file: every read names its 64-bit offset and is
// checked against the file's size, so no count or offset from the file reads past it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

class PDicFile {
public:
    PDicFile() = default;
    ~PDicFile();
    PDicFile(const PDicFile&) = delete;
    PDicFile& operator=(const PDicFile&) = delete;

    bool open(const std::wstring& path);
    void close();
    bool isOpen() const { return mFile != nullptr; }
    int64_t size() const { return mSize; }
    // Reads up to count bytes at the offset; returns how many were read (0 outside the file).
    size_t readAt(int64_t offset, void* dest, size_t count);

private:
    FILE* mFile = nullptr;
    int64_t mSize = 0;
};
