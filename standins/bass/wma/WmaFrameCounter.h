// How many frames the WMA decoder (versions 1 and 2) gives for each packet, worked out
// from the packets' bytes without decoding them. Each packet holds blocks of the
// stream's block size; a block is one frame, or, with the bit reservoir, a superframe
// whose header counts the frames that end in it, the one continued from the block before
// included. The decoder drops two frames after it starts (or is flushed) and gives one
// more frame at the end, from the overlap of the last.
#pragma once

#include <cstddef>
#include <cstdint>

class WmaFrameCounter {
public:
    // `version` 1 or 2; `extra` the codec's extra data from the stream header.
    WmaFrameCounter(int version, unsigned rate, const unsigned char* extra, std::size_t extraSize,
                    unsigned blockAlign);

    unsigned frameLength() const { return mFrameLength; }
    bool usesReservoir() const { return mReservoir; }
    // Frames the decoder produces from this packet (before the ones it drops at the
    // start), when it has decoded every packet before it in order.
    std::uint64_t packetFrames(const unsigned char* data, std::size_t size);
    // Frames dropped after the start or a flush, and given at the end.
    std::uint64_t startSkip() const { return 2ull * mFrameLength; }
    std::uint64_t endFrames() const { return mFrameLength; }

private:
    unsigned mFrameLength;
    unsigned mBlockAlign;
    bool mReservoir = false;
    bool mCarry = false;  // a frame runs on from the last block into the next
};
