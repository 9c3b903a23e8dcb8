#include "player/mp3/MP3Frame.h"

#include <cmath>

namespace MP3 {

namespace {

// kbit/s by layer and index: MPEG 1 (ISO/IEC 11172-3) and the low-sampling-frequency
// table of MPEG 2 and 2.5 (ISO/IEC 13818-3). Index 0 is free format, 15 is forbidden.
const uint16_t kMpeg1Rates[3][16] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},
};
const uint16_t kLowRates[3][16] = {
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
};
const uint32_t kSamplingRates[4][3] = {
    {11025, 12000, 8000},   // MPEG 2.5
    {0, 0, 0},              // reserved
    {22050, 24000, 16000},  // MPEG 2
    {44100, 48000, 32000},  // MPEG 1
};

// The check numbers that the failure message names.
enum CheckLine {
    kVersionLine = 251,
    kLayerLine = 259,
    kBitrateIndexLine = 266,
    kBitrateLine = 269,
    kSamplingRateLine = 274,
    kEmphasisLine = 304,
};

}  // namespace

FrameException::FrameException(int line, const std::string& reason)
    : mLine(line),
      mReason(reason),
      mMessage("Function: Frame::init\nLine:     " + std::to_string(line) + "\nException:\n" + reason + "\n") {}

void Frame::init(const uint8_t header[4]) {
    const uint8_t b1 = header[1];
    const uint8_t b2 = header[2];
    const uint8_t b3 = header[3];

    version = (b1 >> 3) & 3;
    if (version == 1) throw FrameException(kVersionLine, "Invalid Version");
    lowSamplingFrequency = version != kMpeg1;

    layer = 3 - ((b1 >> 1) & 3);
    if (layer == 3) throw FrameException(kLayerLine, "Invalid Layer");
    isProtected = (b1 & 1) == 0;

    const int bitrateIndex = b2 >> 4;
    if (bitrateIndex == 15) throw FrameException(kBitrateIndexLine, "Invalid bitrateIndex");
    bitrate = 1000u * (lowSamplingFrequency ? kLowRates : kMpeg1Rates)[layer][bitrateIndex];
    if (bitrate == 0) throw FrameException(kBitrateLine, "Invalid bitrate 0");

    const int samplingIndex = (b2 >> 2) & 3;
    if (samplingIndex == 3) throw FrameException(kSamplingRateLine, "Invalid samplingRateIndex");
    samplingRate = kSamplingRates[version][samplingIndex];
    padding = (b2 >> 1) & 1;

    if (layer == kLayer1) samplesPerFrame = 384;
    else if (layer == kLayer2 || !lowSamplingFrequency) samplesPerFrame = 1152;
    else samplesPerFrame = 576;

    channelMode = b3 >> 6;
    modeExtension = (b3 >> 4) & 3;
    jointStereoBound = channelMode == 1 ? 4 * modeExtension + 4 : 0;
    emphasis = b3 & 3;
    if (emphasis == 2) throw FrameException(kEmphasisLine, "Invalid emphasis");

    uint32_t coefficient = 144;
    uint32_t slotSize = 1;
    if (layer == kLayer1) {
        coefficient = 12;
        slotSize = 4;
    } else if (layer == kLayer3 && lowSamplingFrequency) {
        coefficient = 72;
    }
    frameLength = (coefficient * bitrate / samplingRate + padding) * slotSize;
}

uint32_t framesDuration(uint64_t frames, uint32_t samplesPerFrame, uint32_t samplingRate) {
    if (samplingRate == 0) return 0;
    const double ms = std::floor(static_cast<double>(frames) * samplesPerFrame * (1000.0 / samplingRate));
    return ms >= 4294967295.0 ? 0xFFFFFFFFu : static_cast<uint32_t>(ms);
}

}  // namespace MP3
