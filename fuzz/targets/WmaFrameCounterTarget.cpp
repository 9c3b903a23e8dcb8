// The WMA plug-in's frame count of packets, on damaged stream headers and packets: the
// first bytes stand for the header's rate, version and block size, the rest for the
// extra data and a run of packets.
#include <algorithm>

#include "fuzz/FuzzTarget.h"
#include "standins/bass/wma/WmaFrameCounter.h"

namespace {

void countFrames(const uint8_t* data, size_t size) {
    if (size < 4) return;
    static const unsigned kRates[4] = {8000, 22050, 32000, 44100};
    int version = (data[0] & 1) + 1;
    unsigned blockAlign = static_cast<unsigned>(data[1]) | (static_cast<unsigned>(data[2] & 0x0F) << 8);
    size_t extra = data[3] % 8;
    if (size - 4 < extra) return;
    WmaFrameCounter counter(version, kRates[(data[0] >> 1) & 3], data + 4, extra, blockAlign);
    const uint8_t* packets = data + 4 + extra;
    size_t left = size - 4 - extra;
    // Packets of uneven sizes, as a demuxer may cut them.
    while (left > 0) {
        size_t packet = std::min<size_t>(left, 1 + packets[0] * 3u);
        counter.packetFrames(packets, packet);
        packets += packet;
        left -= packet;
    }
}

FuzzTargetRegistration registration({"wmaFrames", countFrames, {}, {"player/tests/fixtures/audio"}});

}  // namespace
