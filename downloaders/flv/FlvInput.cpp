#include "downloaders/flv/FlvInput.h"

#include <cstring>

int FileFlvInput::readByte() {
    return std::fgetc(mFile);
}

size_t FileFlvInput::read(uint8_t* buffer, size_t size) {
    return std::fread(buffer, 1, size, mFile);
}

bool FileFlvInput::atEnd() const {
    return std::feof(mFile) != 0;
}

int MemoryFlvInput::readByte() {
    if (mPosition >= mSize) {
        mEnd = true;
        return -1;
    }
    return mData[mPosition++];
}

size_t MemoryFlvInput::read(uint8_t* buffer, size_t size) {
    size_t available = mSize - mPosition;
    if (size > available) {
        size = available;
        mEnd = true;
    }
    if (size > 0) std::memcpy(buffer, mData + mPosition, size);
    mPosition += size;
    return size;
}
