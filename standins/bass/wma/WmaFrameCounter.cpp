#include "standins/bass/wma/WmaFrameCounter.h"

namespace {

constexpr unsigned kUseBitReservoir = 0x0002;

unsigned le16(const unsigned char* p) { return p[0] | (p[1] << 8); }

// The frame length grows with the sample rate (versions 1 and 2).
unsigned frameLengthBits(unsigned rate, int version) {
    if (rate <= 16000) return 9;
    if (rate <= 22050 || (rate <= 32000 && version == 1)) return 10;
    return 11;
}

}  // namespace

WmaFrameCounter::WmaFrameCounter(int version, unsigned rate, const unsigned char* extra, std::size_t extraSize,
                                 unsigned blockAlign)
    : mFrameLength(1u << frameLengthBits(rate, version)), mBlockAlign(blockAlign) {
    unsigned flags = 0;
    if (extra && version == 1 && extraSize >= 4) flags = le16(extra + 2);
    if (extra && version == 2 && extraSize >= 6) flags = le16(extra + 4);
    mReservoir = (flags & kUseBitReservoir) != 0;
}

std::uint64_t WmaFrameCounter::packetFrames(const unsigned char* data, std::size_t size) {
    if (mBlockAlign == 0) return 0;
    std::uint64_t frames = 0;
    for (std::size_t at = 0; at + mBlockAlign <= size; at += mBlockAlign) {
        if (!mReservoir) {
            frames += mFrameLength;
            continue;
        }
        // Without a frame carried over, the count's continued frame does not exist.
        int count = static_cast<int>(data[at] & 0x0F) - (mCarry ? 0 : 1);
        if (count < 0) continue;  // refused by the decoder, which keeps its state
        frames += static_cast<std::uint64_t>(count) * mFrameLength;
        // A block of no whole frame is kept whole; any other ends inside a frame that the
        // next block finishes.
        mCarry = true;
    }
    return frames;
}
