// MP3::File: a runtime FILE stream opened in binary mode, read through a window of bytes
// so that walking a file frame by frame costs one read per window, not one per frame.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "player/mp3/ByteSource.h"

namespace MP3 {

class File : public ByteSource {
public:
    File() = default;
    ~File() override;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool open(const std::wstring& path);
    void close();
    bool isOpen() const { return mFile != nullptr; }
    FILE* handle() const { return mFile; }

    size_t readAt(uint64_t offset, void* out, size_t count) override;
    uint64_t size() const override { return mSize; }

private:
    FILE* mFile = nullptr;
    uint64_t mSize = 0;
    std::vector<uint8_t> mWindow;
    uint64_t mWindowStart = 0;
};

}  // namespace MP3
