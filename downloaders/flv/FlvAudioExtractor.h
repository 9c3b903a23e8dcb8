// The walk over an FLV file's tags that copies the payload of every audio tag, in file
// order, to a sink: the audio stream exactly as it was muxed (MP3 frames for an FLV with
// MP3 audio), with no header or tag of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "downloaders/flv/FlvInput.h"

struct FlvTagRecord {
    int type = 0;        // 8 audio, 9 video, 18 script data
    int dataSize = 0;    // bytes of data after the tag head, the first data byte included
    int timestamp = 0;   // 24-bit time and its extension byte, as one big-endian value
    int streamId = 0;
    uint8_t firstDataByte = 0;  // for audio the sound format: codec, rate, size, channels
};

enum class FlvExtractResult {
    Copied,       // every tag up to the end (or up to a tag that ends the walk) was read
    NotFlv,       // the file does not start with "FLV" and version 1
    WriteFailed,  // the sink refused bytes
};

class FlvAudioExtractor {
public:
    // Receives payload bytes; false stops the walk.
    using Sink = std::function<bool(const uint8_t* data, size_t size)>;

    static constexpr uint32_t kSignature = 0x464C5601;  // "FLV", version 1
    static constexpr int kAudioTag = 8;

    // Reads the 9-byte header (whatever size it claims: the walk goes on from byte 9),
    // then tag after tag until a previous-tag size is negative as a 32-bit value, a tag
    // claims no data, or the input ends. A tag cut by the end of the file gives only the
    // bytes that are there.
    static FlvExtractResult extract(FlvInput& input, const Sink& sink);

    // Big-endian readers; bytes missing at the end count as 0.
    static uint32_t readUInt32(FlvInput& input);
    static uint32_t readUInt24(FlvInput& input);
    // The tag head and the first data byte; false (first data byte unread) for a data
    // size of 0.
    static bool readTag(FlvInput& input, FlvTagRecord& record);
};
