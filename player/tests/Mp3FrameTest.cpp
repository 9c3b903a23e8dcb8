#include <gtest/gtest.h>

#include <string>

#include "player/mp3/ByteSource.h"
#include "player/mp3/MP3File.h"
#include "player/mp3/MP3Frame.h"
#include "player/tests/Id3TestSupport.h"
#include "testsupport/TestWindows.h"

using namespace id3test;

namespace {

MP3::Frame decode(std::initializer_list<int> header) {
    const std::string b = bytes(header);
    MP3::Frame frame;
    frame.init(data(b));
    return frame;
}

struct HeaderCase {
    std::initializer_list<int> header;
    int version;
    int layer;
    uint32_t bitrate;
    uint32_t samplingRate;
    uint32_t padding;
    uint32_t samplesPerFrame;
    uint32_t frameLength;
};

struct RefusedCase {
    std::initializer_list<int> header;
    const char* reason;
    int line;
};

std::string frames(int count, const std::string& header = bytes({0xFF, 0xFB, 0x90, 0x64}), size_t length = 417) {
    std::string one = header + std::string(length - header.size(), '\0');
    std::string out;
    for (int i = 0; i < count; ++i) out += one;
    return out;
}

}  // namespace

TEST(Mp3FrameHeader, DecodesVersionsLayersRatesAndPadding) {
    const HeaderCase cases[] = {
        // MPEG 1 layer III, 128 kbit/s, 44.1 kHz, without and with padding.
        {{0xFF, 0xFB, 0x90, 0x64}, MP3::Frame::kMpeg1, MP3::Frame::kLayer3, 128000, 44100, 0, 1152, 417},
        {{0xFF, 0xFB, 0x92, 0x64}, MP3::Frame::kMpeg1, MP3::Frame::kLayer3, 128000, 44100, 1, 1152, 418},
        // MPEG 2 and 2.5 layer III at 64 kbit/s: the low-sampling-frequency table, 576 samples.
        {{0xFF, 0xF3, 0x80, 0xC0}, MP3::Frame::kMpeg2, MP3::Frame::kLayer3, 64000, 22050, 0, 576, 208},
        {{0xFF, 0xE3, 0x80, 0xC0}, MP3::Frame::kMpeg25, MP3::Frame::kLayer3, 64000, 11025, 0, 576, 417},
        {{0xFF, 0xE3, 0x18, 0xC0}, MP3::Frame::kMpeg25, MP3::Frame::kLayer3, 8000, 8000, 0, 576, 72},
        // MPEG 1 layer II at 192 kbit/s; MPEG 2 layer II keeps 1152 samples.
        {{0xFF, 0xFD, 0xA0, 0x00}, MP3::Frame::kMpeg1, MP3::Frame::kLayer2, 192000, 44100, 0, 1152, 626},
        {{0xFF, 0xF5, 0x84, 0x00}, MP3::Frame::kMpeg2, MP3::Frame::kLayer2, 64000, 24000, 0, 1152, 384},
        // Layer I counts in 4-byte slots, padding included.
        {{0xFF, 0xFF, 0xC4, 0x00}, MP3::Frame::kMpeg1, MP3::Frame::kLayer1, 384000, 48000, 0, 384, 384},
        {{0xFF, 0xFF, 0xC6, 0x00}, MP3::Frame::kMpeg1, MP3::Frame::kLayer1, 384000, 48000, 1, 384, 388},
        {{0xFF, 0xFB, 0x18, 0x00}, MP3::Frame::kMpeg1, MP3::Frame::kLayer3, 32000, 32000, 0, 1152, 144},
    };
    for (const HeaderCase& c : cases) {
        SCOPED_TRACE(c.frameLength);
        const MP3::Frame f = decode(c.header);
        EXPECT_EQ(f.version, c.version);
        EXPECT_EQ(f.lowSamplingFrequency, c.version != MP3::Frame::kMpeg1);
        EXPECT_EQ(f.layer, c.layer);
        EXPECT_EQ(f.bitrate, c.bitrate);
        EXPECT_EQ(f.samplingRate, c.samplingRate);
        EXPECT_EQ(f.padding, c.padding);
        EXPECT_EQ(f.samplesPerFrame, c.samplesPerFrame);
        EXPECT_EQ(f.frameLength, c.frameLength);
    }
}

TEST(Mp3FrameHeader, ReadsChannelModeProtectionAndEmphasis) {
    const MP3::Frame joint = decode({0xFF, 0xFB, 0x90, 0x64});
    EXPECT_FALSE(joint.isProtected);
    EXPECT_EQ(joint.channelMode, 1);
    EXPECT_EQ(joint.modeExtension, 2);
    EXPECT_EQ(joint.jointStereoBound, 12);
    EXPECT_EQ(MP3::framesDuration(1, joint.samplesPerFrame, joint.samplingRate), 26u);

    const MP3::Frame mono = decode({0xFF, 0xFA, 0x90, 0xC1});
    EXPECT_TRUE(mono.isProtected);
    EXPECT_EQ(mono.channelMode, 3);
    EXPECT_EQ(mono.jointStereoBound, 0);
    EXPECT_EQ(mono.emphasis, 1);
}

TEST(Mp3FrameHeader, RefusesReservedFieldsAndFreeFormat) {
    const RefusedCase cases[] = {
        {{0xFF, 0xEB, 0x90, 0x64}, "Invalid Version", 251},
        {{0xFF, 0xF9, 0x90, 0x64}, "Invalid Layer", 259},
        {{0xFF, 0xFB, 0xF0, 0x64}, "Invalid bitrateIndex", 266},
        {{0xFF, 0xFB, 0x00, 0x64}, "Invalid bitrate 0", 269},  // free format
        {{0xFF, 0xFB, 0x9C, 0x64}, "Invalid samplingRateIndex", 274},
        {{0xFF, 0xFB, 0x90, 0x66}, "Invalid emphasis", 304},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.reason);
        try {
            decode(c.header);
            ADD_FAILURE() << "accepted";
        } catch (const MP3::FrameException& e) {
            EXPECT_EQ(e.getReason(), c.reason);
            EXPECT_EQ(e.getMessage(), "Function: Frame::init\nLine:     " + std::to_string(c.line) +
                                          "\nException:\n" + c.reason + "\n");
        }
    }
}

TEST(Mp3FrameScan, WalksTheFramesBehindTheTagAndTimesThem) {
    const std::string file = tagBytes(3, 0, frame(3, "TIT2", bytes({0}) + "Title") + std::string(100, '\0')) + frames(100);
    MemoryByteSource source(file.data(), file.size());
    MP3File mp3;
    EXPECT_EQ(mp3.scan(source), "");
    ASSERT_EQ(mp3.getFrames().size(), 100u);
    EXPECT_EQ(mp3.getFrames().front().offset, static_cast<int64_t>(file.size() - 100 * 417));
    EXPECT_EQ(mp3.getFrames()[1].offset, mp3.getFrames()[0].offset + 417);
    EXPECT_EQ(mp3.getPlayingTime(), 2612u);  // 100 * 1152 / 44.1
    EXPECT_EQ(mp3.getSamplingRate(), 44100u);
    EXPECT_EQ(mp3.getSamplesPerFrame(), 1152u);
    EXPECT_TRUE(mp3.getTag().hasTag());
}

TEST(Mp3FrameScan, StopsAtATrailingTagBlockWithTheRunningTotal) {
    const std::string file = frames(10) + "TAG" + std::string(125, ' ');
    MemoryByteSource source(file.data(), file.size());
    MP3File mp3;
    EXPECT_NE(mp3.scan(source).find("Invalid Layer"), std::string::npos);
    EXPECT_EQ(mp3.getFrames().size(), 10u);
    EXPECT_EQ(mp3.getPlayingTime(), 261u);
    EXPECT_EQ(mp3.getSamplingRate(), 0u);
    EXPECT_EQ(mp3.getSamplesPerFrame(), 0u);
}

TEST(Mp3FrameScan, OpensRealFilesAndGivesTheirPlayingTime) {
    takeShownMessages();
    struct RealFile {
        const wchar_t* name;
        uint32_t rate;
        uint32_t samples;
    };
    // Three seconds of tone encoded by lame, plus the encoder's delay and last frame.
    for (const RealFile& f : {RealFile{L"plain-mpeg1.mp3", 44100, 1152}, RealFile{L"plain-mpeg2.mp3", 22050, 576},
                              RealFile{L"mutagen-v24-enc1.mp3", 44100, 1152}}) {
        SCOPED_TRACE(f.name);
        MP3File mp3;
        ASSERT_TRUE(mp3.open(madeFixture(f.name)));
        EXPECT_GE(mp3.getPlayingTime(), 3000u);
        EXPECT_LE(mp3.getPlayingTime(), 3150u);
        EXPECT_EQ(mp3.getSamplingRate(), f.rate);
        EXPECT_EQ(mp3.getSamplesPerFrame(), f.samples);
        EXPECT_EQ(mp3.getPlayingTime(), MP3::framesDuration(mp3.getFrames().size(), f.samples, f.rate));
    }
    EXPECT_TRUE(takeShownMessages().empty());
    MP3File missing;
    EXPECT_FALSE(missing.open(L"no such file.mp3"));
}
