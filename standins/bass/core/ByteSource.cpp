#include "standins/bass/core/ByteSource.h"

#include <algorithm>
#include <cstring>

namespace {

class FileSource : public ByteSource {
public:
    FileSource(HANDLE file, std::int64_t start, std::int64_t size) : mFile(file), mStart(start), mSize(size) {
        seek(0);
    }
    ~FileSource() override { ::CloseHandle(mFile); }

    size_t read(void* buffer, size_t size) override {
        std::int64_t left = mSize - mPosition;
        if (left <= 0) return 0;
        DWORD wanted = static_cast<DWORD>(std::min<std::int64_t>(left, static_cast<std::int64_t>(size)));
        DWORD got = 0;
        if (!::ReadFile(mFile, buffer, wanted, &got, nullptr)) return 0;
        mPosition += got;
        return got;
    }
    bool seek(std::int64_t offset) override {
        if (offset < 0 || offset > mSize) return false;
        LARGE_INTEGER target;
        target.QuadPart = mStart + offset;
        if (!::SetFilePointerEx(mFile, target, nullptr, FILE_BEGIN)) return false;
        mPosition = offset;
        return true;
    }
    std::int64_t tell() const override { return mPosition; }
    std::int64_t size() const override { return mSize; }

private:
    HANDLE mFile;
    std::int64_t mStart;
    std::int64_t mSize;
    std::int64_t mPosition = 0;
};

class MemorySource : public ByteSource {
public:
    MemorySource(const unsigned char* data, std::int64_t size) : mData(data), mSize(size) {}
    size_t read(void* buffer, size_t size) override {
        std::int64_t left = mSize - mPosition;
        size_t count = static_cast<size_t>(std::max<std::int64_t>(0, std::min<std::int64_t>(left, size)));
        std::memcpy(buffer, mData + mPosition, count);
        mPosition += static_cast<std::int64_t>(count);
        return count;
    }
    bool seek(std::int64_t offset) override {
        if (offset < 0 || offset > mSize) return false;
        mPosition = offset;
        return true;
    }
    std::int64_t tell() const override { return mPosition; }
    std::int64_t size() const override { return mSize; }

private:
    const unsigned char* mData;
    std::int64_t mSize;
    std::int64_t mPosition = 0;
};

class TailSource : public ByteSource {
public:
    TailSource(std::unique_ptr<ByteSource> source, std::int64_t offset) : mSource(std::move(source)), mOffset(offset) {
        mSource->seek(mOffset);
    }
    size_t read(void* buffer, size_t size) override { return mSource->read(buffer, size); }
    bool seek(std::int64_t offset) override { return offset >= 0 && mSource->seek(mOffset + offset); }
    std::int64_t tell() const override { return mSource->tell() - mOffset; }
    std::int64_t size() const override { return mSource->size() - mOffset; }

private:
    std::unique_ptr<ByteSource> mSource;
    std::int64_t mOffset;
};

}  // namespace

std::unique_ptr<ByteSource> openTail(std::unique_ptr<ByteSource> source, std::int64_t offset) {
    if (!source || offset < 0 || offset > source->size()) return nullptr;
    return std::make_unique<TailSource>(std::move(source), offset);
}

std::unique_ptr<ByteSource> openFileSource(const std::wstring& path, std::int64_t offset, std::int64_t length) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    LARGE_INTEGER fileSize;
    if (!::GetFileSizeEx(file, &fileSize) || offset < 0 || offset > fileSize.QuadPart) {
        ::CloseHandle(file);
        return nullptr;
    }
    std::int64_t available = fileSize.QuadPart - offset;
    std::int64_t size = length > 0 ? std::min(length, available) : available;
    return std::make_unique<FileSource>(file, offset, size);
}

std::unique_ptr<ByteSource> openMemorySource(const void* data, std::int64_t offset, std::int64_t length) {
    if (!data || offset < 0 || length <= 0) return nullptr;
    return std::make_unique<MemorySource>(static_cast<const unsigned char*>(data) + offset, length);
}
