// One frame of an ID3v2 tag: its identifier, size, flags and payload, read from the
// tag's bytes and written back. Version 2.2 frames have a 3-character identifier and a
// 6-byte header; later versions a 4-character identifier, a 10-byte header and two flag
// bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ID3V2Frame {
public:
    // Frames this large are refused: no lyrics or picture frame of a lesson comes near.
    static constexpr uint32_t kMaxFrameSize = 0xA00000;

    char identifier[5] = {0, 0, 0, 0, 0};
    // The payload size in bytes (after undoing unsynchronisation, for version 2.4 frames).
    uint32_t size = 0;
    uint8_t flags[2] = {0, 0};
    std::vector<uint8_t> payload;
    // The group byte of a version 2.4 frame with the grouping flag, kept apart from the
    // payload so that readers see the frame's data (compressed or encrypted frames keep
    // it in their payload, which is taken as it stands).
    uint8_t group = 0;
    // Position of the frame header in the file (within the tag after its unsynchronisation
    // is undone, for tags that were unsynchronised as a whole).
    int64_t offset = 0;

    // Reads the frame at `pos` of the tag body (the bytes after the 10-byte tag header).
    // Answers the bytes it takes in the body, or 0 when no frame stands there (padding,
    // garbage, or a frame that runs past the tag's end or is too large).
    size_t read(const uint8_t* body, size_t bodySize, size_t pos, int majorVersion, bool tagUnsynchronised);
    // Appends the frame (header and payload) in the form of a tag of this version; false
    // when its size can't be written in that form.
    bool write(std::string& out, int majorVersion) const;

    // The bytes the frame at `pos` takes in the tag body, header included, whatever its
    // size; 0 when no frame stands there (padding, garbage, or a frame that runs past the
    // tag's end).
    static size_t storedLength(const uint8_t* body, size_t bodySize, size_t pos, int majorVersion);
    // The frame header's size in a tag of this version.
    static size_t headerSize(int majorVersion) { return majorVersion == 2 ? 6 : 10; }
};
