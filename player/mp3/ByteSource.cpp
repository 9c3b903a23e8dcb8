#include "player/mp3/ByteSource.h"

#include <algorithm>
#include <cstring>

size_t MemoryByteSource::readAt(uint64_t offset, void* out, size_t count) {
    if (offset >= mSize) return 0;
    const size_t n = static_cast<size_t>(std::min<uint64_t>(count, mSize - offset));
    std::memcpy(out, mData + offset, n);
    return n;
}
