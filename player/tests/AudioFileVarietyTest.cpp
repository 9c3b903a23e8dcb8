// Files as learners have them: tagged MP3s (the program itself writes lyrics tags into
// its exports), Japanese file names, and WAV files of other rates, widths and layouts.
#include <cmath>
#include <cstring>
#include <fstream>

#include "player/audio/BassFunctions.h"
#include "player/tests/AudioTestSupport.h"
#include "testsupport/TestWindows.h"

namespace {

using AudioFileVarietyTest = AudioPlayerTest;

std::vector<char> readBytes(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::wstring& path, const std::vector<char>& bytes) {
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A WAV file of `frames` frames of a 440 Hz tone in the given sample layout.
void writeWav(const std::wstring& path, unsigned rate, unsigned channels, unsigned bits, bool isFloat,
              bool extensible, unsigned frames) {
    const double pi = 3.14159265358979323846;
    std::vector<char> data;
    for (unsigned i = 0; i < frames; ++i) {
        double value = 0.5 * std::sin(2 * pi * 440.0 * i / rate);
        for (unsigned c = 0; c < channels; ++c) {
            if (isFloat) {
                float f = static_cast<float>(value);
                const char* p = reinterpret_cast<const char*>(&f);
                data.insert(data.end(), p, p + 4);
            } else if (bits == 8) {
                data.push_back(static_cast<char>(static_cast<unsigned char>(std::lround(128 + value * 127))));
            } else {
                long long scaled = std::llround(value * ((1LL << (bits - 1)) - 1));
                for (unsigned b = 0; b < bits / 8; ++b) data.push_back(static_cast<char>((scaled >> (8 * b)) & 0xFF));
            }
        }
    }
    std::vector<char> out;
    auto put32 = [&](std::uint32_t v) { for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(v >> (8 * i))); };
    auto put16 = [&](std::uint16_t v) { out.push_back(static_cast<char>(v)); out.push_back(static_cast<char>(v >> 8)); };
    auto tag = [&](const char* t) { out.insert(out.end(), t, t + 4); };
    unsigned formatSize = extensible ? 40 : 16;
    tag("RIFF");
    put32(static_cast<std::uint32_t>(4 + 8 + formatSize + 8 + 6 + 8 + data.size()));
    tag("WAVE");
    tag("fmt ");
    put32(formatSize);
    put16(extensible ? 0xFFFE : (isFloat ? 3 : 1));
    put16(static_cast<std::uint16_t>(channels));
    put32(rate);
    put32(rate * channels * bits / 8);
    put16(static_cast<std::uint16_t>(channels * bits / 8));
    put16(static_cast<std::uint16_t>(bits));
    if (extensible) {
        put16(22);
        put16(static_cast<std::uint16_t>(bits));
        put32(channels == 1 ? 4 : 3);
        put16(isFloat ? 3 : 1);  // the sub-format's first two bytes carry the format tag
        static const char rest[14] = {0, 0, 0, 0, 0x10, 0, static_cast<char>(0x80), 0, 0, static_cast<char>(0xAA), 0,
                                      0x38, static_cast<char>(0x9B), 0x71};
        out.insert(out.end(), rest, rest + 14);
    }
    tag("LIST");  // a chunk the reader must step over
    put32(6);
    out.insert(out.end(), {'I', 'N', 'F', 'O', 'x', 'y'});
    tag("data");
    put32(static_cast<std::uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    writeBytes(path, out);
}

TEST_F(AudioFileVarietyTest, WavFilesOfEveryCommonLayout) {
    struct Case {
        unsigned rate, channels, bits;
        bool isFloat, extensible;
    };
    const Case cases[] = {{22050, 1, 8, false, false},  {44100, 2, 16, false, true}, {48000, 2, 24, false, false},
                          {32000, 1, 32, false, false}, {44100, 2, 32, true, false}, {16000, 1, 32, true, true}};
    TempDirectory temp;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rate << " Hz, " << c.channels << " ch, " << c.bits << " bit"
                                        << (c.isFloat ? " float" : "") << (c.extensible ? " extensible" : ""));
        std::wstring path = temp.file(L"tone.wav");
        unsigned frames = c.rate * 2;  // two seconds
        writeWav(path, c.rate, c.channels, c.bits, c.isFloat, c.extensible, frames);
        ASSERT_TRUE(mPlayer->open(path));
        EXPECT_EQ(2000, mPlayer->getLength());
        DecodedAudio audio = decodeFile(path);
        EXPECT_EQ(c.rate, audio.rate);
        EXPECT_EQ(c.channels, audio.channels);
        ASSERT_EQ(frames, audio.frames());
        EXPECT_NEAR(440.0, measureFrequency(audio.samples, c.channels, c.rate), 1.0);
        EXPECT_NEAR(32767 * 0.5 / std::sqrt(2.0), measureRms(audio.samples, c.channels), 200.0);
        mPlayer->close();
    }
}

TEST_F(AudioFileVarietyTest, MonoAtAnotherRatePlaysInRealTime) {
    TempDirectory temp;
    std::wstring path = temp.file(L"mono.wav");
    writeWav(path, 22050, 1, 16, false, false, 22050 * 2);
    ASSERT_TRUE(mPlayer->open(path));
    ASSERT_TRUE(mPlayer->play());
    mPlayer->setTempo(80);
    DWORD start = ::GetTickCount();
    ::Sleep(600);
    unsigned position = mPlayer->getPosition();
    double elapsed = ::GetTickCount() - start;
    // At 80 % the file's time runs at four fifths of the clock.
    EXPECT_NEAR(elapsed * 0.8, position, 150.0);
    mPlayer->stop();
}

TEST_F(AudioFileVarietyTest, TaggedMp3OpensWithItsExactLength) {
    // An ID3v2 tag of 4 KB in front of the audio, as the lyrics export writes one.
    std::vector<char> audio = readBytes(audioFixture(L"tone440-3s.mp3"));
    std::vector<char> tagged = {'I', 'D', '3', 3, 0, 0, 0, 0, 0x20, 0};  // size 4096, synch-safe
    tagged.resize(10 + 4096, 0);
    std::memcpy(&tagged[10], "TIT2\0\0\0\x06\0\0\0Title", 17);
    tagged.insert(tagged.end(), audio.begin(), audio.end());
    TempDirectory temp;
    std::wstring path = temp.file(L"tagged.mp3");
    writeBytes(path, tagged);
    ASSERT_TRUE(mPlayer->open(path));
    EXPECT_EQ(kToneMilliseconds, mPlayer->getLength());
    EXPECT_EQ(kToneFrames, decodeFile(path).frames());
}

TEST_F(AudioFileVarietyTest, JapaneseFileNamesOpenAndExport) {
    TempDirectory temp;
    std::wstring source = temp.file(L"英語のニュース.ogg");
    ASSERT_TRUE(::CopyFileW(audioFixture(L"tone440-3s.ogg").c_str(), source.c_str(), FALSE));
    ASSERT_TRUE(mPlayer->open(source));
    EXPECT_EQ(kToneMilliseconds, mPlayer->getLength());
    // lame receives the name in the ANSI code page (932 under the Japanese locale).
    std::wstring output = temp.file(L"速い英語.mp3");
    ASSERT_TRUE(mPlayer->saveAsMp3(output));
    while (mPlayer->encodeStep()) {
    }
    ASSERT_TRUE(mPlayer->stopEncoding());
    EXPECT_EQ(kToneFrames, decodeFile(output).frames());
    EXPECT_TRUE(takeShownMessages().empty());
}

}  // namespace
