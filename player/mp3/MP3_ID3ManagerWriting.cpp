// Writing a tag back as bytes: the header, then the frames in list order, then zero
// padding up to the tag size, so that a tag rewritten in place keeps its room.
#include <algorithm>

#include "player/mp3/Id3Bytes.h"
#include "player/mp3/MP3_ID3Manager.h"

namespace {

// The largest size each number of the tag can hold.
constexpr uint32_t kMaxSyncsafe = (1u << 28) - 1;
constexpr uint32_t kMaxThreeBytes = (1u << 24) - 1;

}  // namespace

std::string MP3_ID3Manager::writeTag() const {
    std::string frames;
    for (const auto& frame : mFrames) {
        if (frame->payload.empty()) continue;
        const uint32_t size = static_cast<uint32_t>(frame->payload.size());
        if (mMajorVersion == 2) {
            if (size > kMaxThreeBytes) return std::string();
            frames.append(frame->identifier, 3);
            appendBigEndian(frames, size, 3);
        } else {
            frames.append(frame->identifier, 4);
            // Version 2.4 frame sizes are syncsafe; earlier versions write plain numbers.
            if (mMajorVersion == 4) {
                if (size > kMaxSyncsafe) return std::string();
                appendSyncsafe(frames, size);
            } else {
                appendBigEndian(frames, size, 4);
            }
            frames += static_cast<char>(frame->flags[0]);
            frames += static_cast<char>(frame->flags[1]);
        }
        frames.append(reinterpret_cast<const char*>(frame->payload.data()), size);
    }
    if (frames.empty()) return std::string();
    // The header never claims less than the frames take: a reader would cut them off.
    const uint32_t tagSize = std::max<uint32_t>(mTagSize, static_cast<uint32_t>(frames.size()));
    if (tagSize > kMaxSyncsafe) return std::string();

    std::string out = "ID3";
    out += static_cast<char>(mMajorVersion);
    out += '\0';  // revision
    out += '\0';  // flags: no unsynchronisation, extended header or footer is written
    appendSyncsafe(out, tagSize);
    out += frames;
    out.append(tagSize - frames.size(), '\0');
    return out;
}

bool MP3_ID3Manager::writeTag(FILE* file) const {
    const std::string bytes = writeTag();
    if (bytes.empty()) return true;
    return file != nullptr && ::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}
