// Writing a tag back as bytes: the header, then the frames in list order and the unread
// ones, then zero padding up to the tag size, so that a tag rewritten in place keeps its
// room.
#include <algorithm>

#include "player/mp3/Id3Bytes.h"
#include "player/mp3/MP3_ID3Manager.h"

std::string MP3_ID3Manager::writeTag() const {
    std::string frames;
    for (const auto& frame : mFrames) {
        if (frame->payload.empty()) continue;
        if (!frame->write(frames, mMajorVersion)) return std::string();
    }
    for (const std::string& stored : mUnreadFrames) frames += stored;
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
