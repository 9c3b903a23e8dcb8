#include "downloaders/flv/FlvAudioExtractor.h"

#include <vector>

namespace {

// Payloads are copied through one block of this size, so a tag's claimed size never
// decides an allocation and a tag cut short copies only what is there.
constexpr size_t kCopyBlock = 64 * 1024;

uint32_t readBigEndian(FlvInput& input, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        int byte = input.readByte();
        value = (value << 8) | static_cast<uint32_t>(byte < 0 ? 0 : byte);
    }
    return value;
}

bool isNegative(uint32_t value) {
    return (value & 0x80000000u) != 0;
}

}  // namespace

uint32_t FlvAudioExtractor::readUInt32(FlvInput& input) {
    return readBigEndian(input, 4);
}

uint32_t FlvAudioExtractor::readUInt24(FlvInput& input) {
    return readBigEndian(input, 3);
}

bool FlvAudioExtractor::readTag(FlvInput& input, FlvTagRecord& record) {
    record.type = input.readByte();
    record.dataSize = static_cast<int>(readUInt24(input));
    record.timestamp = static_cast<int>(readUInt32(input));
    record.streamId = static_cast<int>(readUInt24(input));
    if (record.dataSize <= 0) return false;
    record.firstDataByte = static_cast<uint8_t>(input.readByte());
    return true;
}

FlvExtractResult FlvAudioExtractor::extract(FlvInput& input, const Sink& sink) {
    if (readUInt32(input) != kSignature) return FlvExtractResult::NotFlv;
    input.readByte();   // flags: which kinds of tags follow; every tag says so itself
    readUInt32(input);  // header size
    uint32_t previousTagSize = readUInt32(input);

    std::vector<uint8_t> block(kCopyBlock);
    FlvTagRecord tag;
    while (!isNegative(previousTagSize)) {
        if (!readTag(input, tag)) break;
        size_t remaining = static_cast<size_t>(tag.dataSize - 1);
        while (remaining > 0) {
            size_t got = input.read(block.data(), remaining < kCopyBlock ? remaining : kCopyBlock);
            if (got > 0 && tag.type == kAudioTag && !sink(block.data(), got)) return FlvExtractResult::WriteFailed;
            if (got == 0) break;
            remaining -= got;
        }
        if (input.atEnd()) break;
        previousTagSize = readUInt32(input);
    }
    return FlvExtractResult::Copied;
}
