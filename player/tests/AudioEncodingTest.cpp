// Re-encoding the opened file as MP3 through the encoder library and Plugins/lame.exe:
// the output decodes to the source's length at the chosen tempo, carries the chosen
// volume, and no failure leaves a file behind or passes for success.
#include <cmath>

#include "foundation/system/PathUtils.h"
#include "player/audio/BassFunctions.h"
#include "player/tests/AudioTestSupport.h"
#include "testsupport/TestWindows.h"

namespace {

using AudioEncodingTest = AudioPlayerTest;

// Pumps the encoder as the converting dialog does, then ends it.
bool encodeAll(BassPlayer& player) {
    int steps = 0;
    while (player.encodeStep()) {
        if (++steps > 100000) return false;
    }
    return player.stopEncoding();
}

TEST_F(AudioEncodingTest, Mp3AtNormalTempoDecodesToTheSourceLength) {
    TempDirectory temp;
    std::wstring output = temp.file(L"out.mp3");
    ASSERT_TRUE(mPlayer->open(audioFixture(L"tone440-3s.ogg")));
    ASSERT_TRUE(mPlayer->saveAsMp3(output));
    // The progress the converting dialog shows runs over the source's milliseconds.
    unsigned first = 0, last = 0;
    int steps = 0;
    while (mPlayer->encodeStep()) {
        last = mPlayer->getPosition();
        if (++steps == 1) first = last;
    }
    EXPECT_LT(first, 300u);
    EXPECT_GT(last, 2800u);
    EXPECT_LE(last, kToneMilliseconds);
    ASSERT_TRUE(mPlayer->stopEncoding());
    DecodedAudio audio = decodeFile(output);
    EXPECT_EQ(kToneFrames, audio.frames());
    EXPECT_NEAR(440.0, measureFrequency(audio.samples, 2, 44100), 2.0);
    EXPECT_TRUE(takeShownMessages().empty());
}

TEST_F(AudioEncodingTest, TempoPitchAndVolumeGoIntoTheMp3) {
    TempDirectory temp;
    auto exportAt = [&](int volume, const std::wstring& output) {
        EXPECT_TRUE(mPlayer->open(audioFixture(L"tone440-3s.mp3")));
        mPlayer->setTempo(150);
        mPlayer->setPitch(180);  // +12 semitones
        mPlayer->setVolume(volume);
        EXPECT_TRUE(mPlayer->saveAsMp3(output));
        EXPECT_TRUE(encodeAll(*mPlayer));
        DecodedAudio audio = decodeFile(output);
        EXPECT_EQ(kToneFrames * 2 / 3, audio.frames());
        return std::vector<short>(audio.samples.begin() + 22050 * 2, audio.samples.begin() + 66150 * 2);
    };
    std::vector<short> full = exportAt(100, temp.file(L"full.mp3"));
    std::vector<short> half = exportAt(50, temp.file(L"half.mp3"));
    EXPECT_NEAR(880.0, measureFrequency(full, 2, 44100), 5.0);
    EXPECT_NEAR(0.5, measureRms(half, 2) / measureRms(full, 2), 0.02);
}

TEST_F(AudioEncodingTest, TheEncoderEndsWithItsChannel) {
    // Reopening the file frees the encoding channel; the encoder then finishes what it
    // was given (about a second) and lets go of its file.
    TempDirectory temp;
    std::wstring output = temp.file(L"part.mp3");
    ASSERT_TRUE(mPlayer->open(audioFixture(L"tone440-3s.ogg")));
    ASSERT_TRUE(mPlayer->encode(output, L"Plugins/lame --alt-preset cbr 128 - \"" + output + L"\"",
                                BASS_ENCODE_AUTOFREE));
    for (int i = 0; i < 9; ++i) ASSERT_TRUE(mPlayer->encodeStep());
    ASSERT_TRUE(mPlayer->open(audioFixture(L"tone440-3s.ogg")));
    DecodedAudio audio = decodeFile(output);
    EXPECT_NEAR(9 * 20000 / 4.0, static_cast<double>(audio.frames()), 1152.0);
    EXPECT_FALSE(mPlayer->stopEncoding());  // nothing is encoding any more
    EXPECT_TRUE(takeShownMessages().empty());
    EXPECT_TRUE(::DeleteFileW(output.c_str()));
}

TEST_F(AudioEncodingTest, AnotherSpellingOfThePlayingFileIsInUse) {
    TempDirectory temp;
    std::wstring source = temp.file(L"Lesson.wav");
    writeToneWav(source, 1.0, 440.0);
    ASSERT_TRUE(mPlayer->open(source));
    WIN32_FILE_ATTRIBUTE_DATA before{};
    ::GetFileAttributesExW(source.c_str(), GetFileExInfoStandard, &before);
    for (const std::wstring& spelling : {source, temp.path() + L"\\.\\LESSON.WAV", temp.path() + L"\\sub\\..\\lesson.wav"}) {
        SCOPED_TRACE(std::string(spelling.begin(), spelling.end()));
        EXPECT_FALSE(mPlayer->saveAsMp3(spelling));
        std::vector<MessageBoxRequest> shown = takeShownMessages();
        ASSERT_EQ(1u, shown.size());
        EXPECT_EQ(L"現在このファイルは使用中です。\r\n" + spelling, shown[0].text);
        EXPECT_EQ(spelling, shown[0].caption);
        EXPECT_EQ(static_cast<UINT>(MB_OK), shown[0].style);
    }
    WIN32_FILE_ATTRIBUTE_DATA after{};
    ::GetFileAttributesExW(source.c_str(), GetFileExInfoStandard, &after);
    EXPECT_EQ(before.nFileSizeLow, after.nFileSizeLow);
    EXPECT_EQ(0, ::CompareFileTime(&before.ftLastWriteTime, &after.ftLastWriteTime));
    // The file is still open for playing.
    EXPECT_TRUE(mPlayer->play());
    mPlayer->stop();
}

TEST_F(AudioEncodingTest, MissingLameIsReportedAndNothingStarts) {
    TempDirectory temp;
    ASSERT_TRUE(mPlayer->open(audioFixture(L"tone440-3s.ogg")));
    wchar_t runFolder[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, runFolder);
    // Plugins/lame.exe is looked up from the current directory.
    ::SetCurrentDirectoryW(temp.path().c_str());
    bool saved = mPlayer->saveAsMp3(temp.file(L"out.mp3"));
    ::SetCurrentDirectoryW(runFolder);
    EXPECT_FALSE(saved);
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(L"Plugins フォルダーに lame.exe ファイルを入れてください。", shown[0].text);
    EXPECT_EQ(L"lame.exe was not found in the plugins folder", shown[0].caption);
    EXPECT_FALSE(fileExists(temp.file(L"out.mp3")));
    EXPECT_FALSE(mPlayer->encodeStep());
}

TEST_F(AudioEncodingTest, AFailingEncoderIsNotSuccessAndLeavesNoFile) {
    TempDirectory temp;
    // The export copies the source under the output name first; an encoder that then
    // fails must not leave that unrelated file (or a partial MP3) there.
    std::wstring output = temp.file(L"out.mp3");
    ASSERT_TRUE(mPlayer->open(audioFixture(L"tone440-3s.ogg")));
    ::CopyFileW(audioFixture(L"tone440-3s.ogg").c_str(), output.c_str(), TRUE);
    ASSERT_TRUE(mPlayer->encode(output, L"Plugins/lame --this-option-does-not-exist - \"" + output + L"\"",
                                BASS_ENCODE_AUTOFREE));
    EXPECT_FALSE(encodeAll(*mPlayer));
    EXPECT_FALSE(fileExists(output));
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(L"Error", shown[0].caption);
    EXPECT_NE(std::wstring::npos, shown[0].text.find(L"BASS_Encode_Stop"));
}

TEST_F(AudioEncodingTest, AnEncoderThatCannotStartIsReported) {
    TempDirectory temp;
    std::wstring output = temp.file(L"out.mp3");
    ASSERT_TRUE(mPlayer->open(audioFixture(L"tone440-3s.ogg")));
    ::CopyFileW(audioFixture(L"tone440-3s.ogg").c_str(), output.c_str(), TRUE);  // as the export's copy
    EXPECT_FALSE(mPlayer->encode(output, L"Plugins/no-such-encoder - \"" + output + L"\"", BASS_ENCODE_AUTOFREE));
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(0u, shown[0].text.find(L"BASS_Encode_Start\n\n(error code: "));
    EXPECT_FALSE(mPlayer->encodeStep());
    EXPECT_FALSE(fileExists(output));
}

}  // namespace
