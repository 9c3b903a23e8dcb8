#include "standins/bass/core/MpegSync.h"

namespace {

struct FrameHeader {
    unsigned version = 0;  // 3: MPEG 1, 2: MPEG 2, 0: MPEG 2.5
    unsigned layer = 0;    // 3: layer I, 2: layer II, 1: layer III
    unsigned rate = 0;
    std::size_t length = 0;
};

// Bit rates in kbit/s by [MPEG 1 or not][layer I, II, III][index].
constexpr unsigned kBitRates[2][3][15] = {
    {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
    {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}};
constexpr unsigned kSampleRates[3] = {44100, 48000, 32000};

// A header with a known bit rate (free-format frames have no length to confirm them by).
bool parseHeader(const unsigned char* p, FrameHeader& header) {
    if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0) return false;
    unsigned version = (p[1] >> 3) & 3;
    unsigned layer = (p[1] >> 1) & 3;
    unsigned bitRateIndex = p[2] >> 4;
    unsigned rateIndex = (p[2] >> 2) & 3;
    if (version == 1 || layer == 0 || bitRateIndex == 0 || bitRateIndex == 15 || rateIndex == 3) return false;
    bool mpeg1 = version == 3;
    unsigned bitRate = kBitRates[mpeg1 ? 0 : 1][3 - layer][bitRateIndex] * 1000;
    unsigned rate = kSampleRates[rateIndex] >> (version == 3 ? 0 : version == 2 ? 1 : 2);
    unsigned padding = (p[2] >> 1) & 1;
    header.version = version;
    header.layer = layer;
    header.rate = rate;
    if (layer == 3) {
        header.length = (12 * bitRate / rate + padding) * 4;
    } else {
        unsigned perSecond = (layer == 1 && !mpeg1) ? 72 : 144;
        header.length = perSecond * bitRate / rate + padding;
    }
    return header.length >= 4;
}

// Junk could hold a header by chance, and one after it with odds of some thousands to
// one; a run of three is taken for audio.
constexpr int kFramesInARow = 3;

bool confirmed(const unsigned char* data, std::size_t size, bool endOfFile, std::size_t at, const FrameHeader& first) {
    std::size_t next = at + first.length;
    for (int i = 1; i < kFramesInARow; ++i) {
        if (next + 4 > size) return endOfFile && next == size;  // the last frame of the file
        FrameHeader header;
        if (!parseHeader(data + next, header) || header.version != first.version || header.layer != first.layer ||
            header.rate != first.rate) {
            return false;
        }
        next += header.length;
    }
    return true;
}

}  // namespace

std::size_t id3v2TagLength(const unsigned char* data, std::size_t size) {
    if (size < 10 || data[0] != 'I' || data[1] != 'D' || data[2] != '3') return 0;
    for (int i = 6; i < 10; ++i) {
        if (data[i] & 0x80) return 0;  // not a syncsafe size
    }
    std::size_t body = (static_cast<std::size_t>(data[6]) << 21) | (static_cast<std::size_t>(data[7]) << 14) |
                       (static_cast<std::size_t>(data[8]) << 7) | data[9];
    bool footer = (data[5] & 0x10) != 0;
    return 10 + body + (footer ? 10 : 0);
}

std::size_t findFirstMpegFrame(const unsigned char* data, std::size_t size, bool endOfFile) {
    for (std::size_t at = 0; at < kMaxLeadingJunk && at + 4 <= size; ++at) {
        FrameHeader header;
        if (parseHeader(data + at, header) && confirmed(data, size, endOfFile, at, header)) return at;
    }
    return kNoMpegFrame;
}
