// One MPEG audio frame header (MPEG 1, 2 and 2.5; layers I, II and III), decoded from
// its four bytes. Free-format frames (bit-rate index 0) are refused: their length can't
// be known from the header alone.
#pragma once

#include <cstdint>
#include <string>


namespace MP3 {

// A header that can't be decoded; the message names the check that refused it.
class FrameException {
public:
    FrameException(int line, const std::string& reason);
    // "Function: Frame::init\nLine:     <line>\nException:\n<reason>\n".
    const std::string& getMessage() const { return mMessage; }
    const std::string& getReason() const { return mReason; }
    int getLine() const { return mLine; }

private:
    int mLine;
    std::string mReason;
    std::string mMessage;
};

struct Frame {
    enum Version { kMpeg25 = 0, kMpeg2 = 2, kMpeg1 = 3 };
    enum Layer { kLayer1 = 0, kLayer2 = 1, kLayer3 = 2 };

    int64_t offset = 0;
    int version = kMpeg1;
    bool lowSamplingFrequency = false;
    int layer = kLayer3;
    bool isProtected = false;
    uint32_t bitrate = 0;
    uint32_t samplingRate = 0;
    uint32_t padding = 0;
    uint32_t samplesPerFrame = 0;
    int channelMode = 0;
    int modeExtension = 0;
    int jointStereoBound = 0;
    int emphasis = 0;
    uint32_t frameLength = 0;

    // Decodes the four header bytes; throws FrameException for a header it can't use.
    void init(const uint8_t header[4]);
};

// Milliseconds that `frames` frames of these parameters play, truncated; clamped to 32 bits.
uint32_t framesDuration(uint64_t frames, uint32_t samplesPerFrame, uint32_t samplingRate);

}  // namespace MP3
