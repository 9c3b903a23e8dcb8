// Decoding through the project's BASS libraries: every format opens with its exact
// length, seeks land on the frame asked for, and the tempo stream changes tempo, pitch
// and volume as asked while keeping the source's timeline.
#include <algorithm>

#include "player/audio/BassFunctions.h"
#include "player/audio/BassSystem.h"
#include "player/tests/AudioTestSupport.h"
#include "testsupport/TestWindows.h"

namespace {

constexpr DWORD kDecodeFlags = BASS_UNICODE | BASS_STREAM_DECODE | BASS_STREAM_PRESCAN;

class AudioDecodingTest : public AudioPlayerTest {
protected:
    DWORD openTempo(const std::wstring& path) {
        DWORD source = bass::BASS_StreamCreateFile(FALSE, path.c_str(), 0, 0, kDecodeFlags);
        EXPECT_NE(0u, source);
        return bass::BASS_FX_TempoCreate(source, BASS_FX_FREESOURCE | BASS_STREAM_DECODE);
    }
};

TEST_F(AudioDecodingTest, EveryFormatOpensWithItsExactLength) {
    TempDirectory temp;
    writeToneWav(temp.file(L"tone.wav"), 3.0, 440.0);
    for (const std::wstring& path : {temp.file(L"tone.wav"), audioFixture(L"tone440-3s.mp3"),
                                     audioFixture(L"tone440-3s.ogg")}) {
        SCOPED_TRACE(std::string(path.begin(), path.end()));
        ASSERT_TRUE(mPlayer->open(path));
        EXPECT_EQ(kToneMilliseconds, mPlayer->getLength());
        DecodedAudio audio = decodeFile(path);
        EXPECT_EQ(kToneFrames, audio.frames());
        EXPECT_EQ(44100u, audio.rate);
        EXPECT_EQ(2u, audio.channels);
        EXPECT_NEAR(440.0, measureFrequency(audio.samples, 2, 44100), 2.0);
    }
    EXPECT_TRUE(takeShownMessages().empty());
}

TEST_F(AudioDecodingTest, WmaOpensThroughThePluginWithItsDecodedLength) {
    // WMA keeps no exact sample count: its length is that of its whole decoded blocks
    // of 2048 frames, which the encoder's priming and padding put near the source's.
    ASSERT_NE(0u, BassSystem::getInstance().getWmaPlugin());
    std::wstring path = audioFixture(L"tone440-3s.wma");
    ASSERT_TRUE(mPlayer->open(path));
    DecodedAudio audio = decodeFile(path);
    EXPECT_EQ(0u, audio.frames() % 2048);
    EXPECT_NEAR(static_cast<double>(kToneFrames), static_cast<double>(audio.frames()), 2 * 2048.0);
    EXPECT_EQ(static_cast<long long>(audio.frames() * 1000 / 44100), mPlayer->getLength());
    EXPECT_NEAR(440.0, measureFrequency(audio.samples, 2, 44100), 2.0);

    DWORD stream = bass::BASS_StreamCreateFile(FALSE, path.c_str(), 0, 0, kDecodeFlags);
    ASSERT_NE(0u, stream);
    const QWORD frame = 50000;
    ASSERT_TRUE(bass::BASS_ChannelSetPosition(stream, frame * 4, BASS_POS_BYTE));
    std::vector<short> rest = readAll(stream);
    ASSERT_EQ(audio.samples.size() - frame * 2, rest.size());
    // After a seek the decoder lacks the overlap of the block before: the first block
    // may differ, the rest must match the straight decode.
    int worst = 0;
    for (size_t i = 4096 * 2; i < rest.size(); ++i) {
        worst = std::max(worst, std::abs(rest[i] - audio.samples[frame * 2 + i]));
    }
    EXPECT_LE(worst, 64);
    bass::BASS_StreamFree(stream);
}

TEST_F(AudioDecodingTest, FilesThatAreNotAudioAreRefusedSilently) {
    TempDirectory temp;
    std::wstring text = temp.file(L"notes.mp3");
    HANDLE file = ::CreateFileW(text.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, "just some words, not audio at all", 33, &written, nullptr);
    ::CloseHandle(file);
    EXPECT_FALSE(mPlayer->open(text));
    EXPECT_FALSE(mPlayer->open(temp.file(L"missing.ogg")));
    EXPECT_FALSE(mPlayer->play());
    EXPECT_TRUE(takeShownMessages().empty());
}

TEST_F(AudioDecodingTest, SeeksLandOnTheExactFrame) {
    TempDirectory temp;
    writeToneWav(temp.file(L"tone.wav"), 3.0, 440.0);
    for (const std::wstring& path : {temp.file(L"tone.wav"), audioFixture(L"tone440-3s.mp3"),
                                     audioFixture(L"tone440-3s.ogg")}) {
        SCOPED_TRACE(std::string(path.begin(), path.end()));
        DecodedAudio whole = decodeFile(path);
        DWORD stream = bass::BASS_StreamCreateFile(FALSE, path.c_str(), 0, 0, kDecodeFlags);
        ASSERT_NE(0u, stream);
        const QWORD frame = 70001;
        ASSERT_TRUE(bass::BASS_ChannelSetPosition(stream, frame * 4, BASS_POS_BYTE));
        EXPECT_EQ(frame * 4, bass::BASS_ChannelGetPosition(stream, BASS_POS_BYTE));
        std::vector<short> rest = readAll(stream);
        ASSERT_EQ(whole.samples.size() - frame * 2, rest.size());
        // Lossy decoders may differ by rounding right after a seek; the tone must line up.
        int worst = 0;
        for (size_t i = 0; i < rest.size(); ++i) {
            worst = std::max(worst, std::abs(rest[i] - whole.samples[frame * 2 + i]));
        }
        EXPECT_LE(worst, 64);
        EXPECT_FALSE(bass::BASS_ChannelSetPosition(stream, (kToneFrames + 10) * 4, BASS_POS_BYTE));
        bass::BASS_StreamFree(stream);
    }
}

TEST_F(AudioDecodingTest, TempoChangesTheLengthButNotTheTimeline) {
    DWORD tempo = openTempo(audioFixture(L"tone440-3s.ogg"));
    ASSERT_NE(0u, tempo);
    ASSERT_TRUE(bass::BASS_ChannelSetAttribute(tempo, BASS_ATTRIB_TEMPO, 50.0f));
    EXPECT_EQ(kToneFrames * 4u, bass::BASS_ChannelGetLength(tempo, BASS_POS_BYTE));
    std::vector<short> out = readAll(tempo);
    EXPECT_EQ(kToneFrames * 2 / 3, out.size() / 2);  // 150 %: two thirds of the frames
    EXPECT_NEAR(440.0, measureFrequency(out, 2, 44100), 3.0);
    EXPECT_EQ(kToneFrames * 4u, bass::BASS_ChannelGetPosition(tempo, BASS_POS_BYTE));
    EXPECT_EQ(BASS_ACTIVE_STOPPED, bass::BASS_ChannelIsActive(tempo));
    EXPECT_EQ(static_cast<DWORD>(-1), bass::BASS_ChannelGetData(tempo, out.data(), 4096));
    EXPECT_EQ(BASS_ERROR_ENDED, bass::BASS_ErrorGetCode());
    bass::BASS_StreamFree(tempo);
}

TEST_F(AudioDecodingTest, PositionsOfATempoStreamFollowTheSource) {
    DWORD tempo = openTempo(audioFixture(L"tone440-3s.mp3"));
    ASSERT_NE(0u, tempo);
    bass::BASS_ChannelSetAttribute(tempo, BASS_ATTRIB_TEMPO, -50.0f);
    std::vector<short> block(44100 * 2);
    // One second of output at half speed covers about half a second of the source.
    bass::BASS_ChannelGetData(tempo, block.data(), 44100 * 4);
    QWORD position = bass::BASS_ChannelGetPosition(tempo, BASS_POS_BYTE);
    EXPECT_NEAR(0.5, bass::BASS_ChannelBytes2Seconds(tempo, position), 0.1);
    ASSERT_TRUE(bass::BASS_ChannelSetPosition(tempo, 2 * 176400, BASS_POS_BYTE));
    EXPECT_EQ(2u * 176400, bass::BASS_ChannelGetPosition(tempo, BASS_POS_BYTE));
    std::vector<short> rest = readAll(tempo);
    EXPECT_EQ(44100u * 2, rest.size() / 2);  // the last second, twice as long
    bass::BASS_StreamFree(tempo);
}

TEST_F(AudioDecodingTest, PitchTwelveSemitonesDoublesTheFrequency) {
    DWORD tempo = openTempo(audioFixture(L"tone440-3s.mp3"));
    ASSERT_NE(0u, tempo);
    ASSERT_TRUE(bass::BASS_ChannelSetAttribute(tempo, BASS_ATTRIB_TEMPO_PITCH, 12.0f));
    std::vector<short> out = readAll(tempo);
    EXPECT_EQ(kToneFrames, out.size() / 2);  // pitch alone keeps the length
    std::vector<short> middle(out.begin() + 44100 * 2, out.begin() + 88200 * 2);
    EXPECT_NEAR(880.0, measureFrequency(middle, 2, 44100), 4.0);
    bass::BASS_StreamFree(tempo);
}

TEST_F(AudioDecodingTest, VolumeScalesTheAmplitude) {
    DWORD tempo = openTempo(audioFixture(L"tone440-3s.ogg"));
    ASSERT_NE(0u, tempo);
    std::vector<short> full(44100 * 2);
    bass::BASS_ChannelGetData(tempo, full.data(), 44100 * 4);
    bass::BASS_ChannelSetPosition(tempo, 0, BASS_POS_BYTE);
    ASSERT_TRUE(bass::BASS_ChannelSetAttribute(tempo, BASS_ATTRIB_VOL, 0.5f));
    std::vector<short> half(44100 * 2);
    bass::BASS_ChannelGetData(tempo, half.data(), 44100 * 4);
    EXPECT_NEAR(0.5, measureRms(half, 2, 1000) / measureRms(full, 2, 1000), 0.01);
    // Above 1 the loud samples clip instead of wrapping round to the other sign.
    bass::BASS_ChannelSetPosition(tempo, 0, BASS_POS_BYTE);
    ASSERT_TRUE(bass::BASS_ChannelSetAttribute(tempo, BASS_ATTRIB_VOL, 3.0f));
    std::vector<short> loud(44100 * 2);
    bass::BASS_ChannelGetData(tempo, loud.data(), 44100 * 4);
    int wrapped = 0;
    for (size_t i = 0; i < loud.size(); ++i) {
        if ((full[i] > 100 && loud[i] < 0) || (full[i] < -100 && loud[i] > 0)) ++wrapped;
    }
    EXPECT_EQ(0, wrapped);
    EXPECT_EQ(32767, *std::max_element(loud.begin(), loud.end()));
    bass::BASS_StreamFree(tempo);
}

TEST_F(AudioDecodingTest, ChangesBackToTheOriginalSoundSkipNothing) {
    DWORD tempo = openTempo(audioFixture(L"tone440-3s.ogg"));
    ASSERT_NE(0u, tempo);
    bass::BASS_ChannelSetAttribute(tempo, BASS_ATTRIB_TEMPO, 25.0f);
    std::vector<short> block(20000);
    bass::BASS_ChannelGetData(tempo, block.data(), 40000);
    QWORD before = bass::BASS_ChannelGetPosition(tempo, BASS_POS_BYTE);
    bass::BASS_ChannelSetAttribute(tempo, BASS_ATTRIB_TEMPO, 0.0f);
    QWORD after = bass::BASS_ChannelGetPosition(tempo, BASS_POS_BYTE);
    EXPECT_EQ(before, after);
    std::vector<short> rest = readAll(tempo);
    EXPECT_EQ((kToneFrames * 4 - after) / 4, rest.size() / 2);
    bass::BASS_StreamFree(tempo);
}

TEST_F(AudioDecodingTest, HandlesAndUnavailableServicesReportTheirErrors) {
    EXPECT_FALSE(bass::BASS_ChannelPlay(12345, FALSE));
    EXPECT_EQ(BASS_ERROR_HANDLE, bass::BASS_ErrorGetCode());
    DWORD source = bass::BASS_StreamCreateFile(FALSE, audioFixture(L"tone440-3s.ogg").c_str(), 0, 0, kDecodeFlags);
    EXPECT_FALSE(bass::BASS_ChannelPlay(source, FALSE));
    EXPECT_EQ(BASS_ERROR_DECODE, bass::BASS_ErrorGetCode());
    EXPECT_FALSE(bass::BASS_MusicFree(source));
    EXPECT_TRUE(bass::BASS_StreamFree(source));
    EXPECT_EQ(0u, bass::BASS_RecordStart(44100, 2, 0, nullptr, nullptr));
    EXPECT_EQ(BASS_ERROR_NOTAVAIL, bass::BASS_ErrorGetCode());
    ASSERT_NE(nullptr, bass::BASS_Mixer_StreamCreate);
    EXPECT_EQ(0u, bass::BASS_Mixer_StreamCreate(44100, 2, 0));
    EXPECT_EQ(BASS_ERROR_NOTAVAIL, bass::BASS_ErrorGetCode());
}

}  // namespace
