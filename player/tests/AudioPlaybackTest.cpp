// Playback through the output device in real time: the player's position follows the
// clock while playing, holds while paused, and stays on the original timeline at any
// tempo. (Run under the private PulseAudio server of tools/run-tests.sh.)
#include <algorithm>
#include <cmath>

#include "player/audio/BassFunctions.h"
#include "player/tests/AudioTestSupport.h"
#include "testsupport/TestWindows.h"

namespace {

using AudioPlaybackTest = AudioPlayerTest;

void waitMs(DWORD milliseconds) { ::Sleep(milliseconds); }

TEST_F(AudioPlaybackTest, PositionFollowsRealTimeAndHoldsWhilePaused) {
    ASSERT_TRUE(mPlayer->open(audioFixture(L"tone440-3s.mp3")));
    EXPECT_FALSE(mPlayer->isPlaying());
    ASSERT_TRUE(mPlayer->play());
    EXPECT_TRUE(mPlayer->isPlaying());
    DWORD start = ::GetTickCount();
    waitMs(1000);
    unsigned position = mPlayer->getPosition();
    DWORD elapsed = ::GetTickCount() - start;
    EXPECT_GT(position, elapsed - 350);
    EXPECT_LT(position, elapsed + 150);

    mPlayer->pause();
    EXPECT_TRUE(mPlayer->isPaused());
    EXPECT_FALSE(mPlayer->isPlaying());
    unsigned paused = mPlayer->getPosition();
    waitMs(300);
    EXPECT_EQ(paused, mPlayer->getPosition());

    mPlayer->resume();
    EXPECT_TRUE(mPlayer->isPlaying());
    waitMs(500);
    unsigned resumed = mPlayer->getPosition();
    EXPECT_GT(resumed, paused + 300);
    EXPECT_LT(resumed, paused + 700);

    mPlayer->stop();
    EXPECT_FALSE(mPlayer->isPlaying());
    EXPECT_FALSE(mPlayer->isPaused());
    EXPECT_TRUE(takeShownMessages().empty());
}

TEST_F(AudioPlaybackTest, SeekingWhilePlayingGoesOnFromThere) {
    ASSERT_TRUE(mPlayer->open(audioFixture(L"tone440-3s.ogg")));
    ASSERT_TRUE(mPlayer->play());
    waitMs(200);
    ASSERT_TRUE(mPlayer->setPosition(2000));
    // Right after the seek; Wine's device clock may have run on by a period already.
    unsigned afterSeek = mPlayer->getPosition();
    EXPECT_GE(afterSeek, 2000u);
    EXPECT_LT(afterSeek, 2200u);
    waitMs(400);
    unsigned position = mPlayer->getPosition();
    EXPECT_GE(position, 2150u);
    EXPECT_LT(position, 2600u);
    // Playing on to the end stops the channel by itself.
    EXPECT_TRUE(pumpUntil([&] { return !mPlayer->isPlaying(); }, 2500));
    EXPECT_FALSE(mPlayer->isPaused());
}

TEST_F(AudioPlaybackTest, TempoOneHundredFiftyPlaysThreeSecondsInTwo) {
    ASSERT_TRUE(mPlayer->open(audioFixture(L"tone440-3s.mp3")));
    ASSERT_TRUE(mPlayer->play());
    mPlayer->setTempo(150);
    DWORD start = ::GetTickCount();
    unsigned last = 0;
    while (mPlayer->isPlaying() && ::GetTickCount() - start < 5000) {
        last = mPlayer->getPosition();
        waitMs(20);
    }
    DWORD elapsed = ::GetTickCount() - start;
    EXPECT_GT(elapsed, 1800u);
    EXPECT_LT(elapsed, 2500u);
    // The positions still run over the original three seconds.
    EXPECT_GT(last, 2700u);
    EXPECT_LE(last, kToneMilliseconds);
}

TEST_F(AudioPlaybackTest, AHigherSampleRatePlaysFaster) {
    ASSERT_TRUE(mPlayer->open(audioFixture(L"tone440-3s.ogg")));
    ASSERT_TRUE(mPlayer->play());
    mPlayer->setFrequency(88200);  // twice the file's rate: twice as fast, an octave up
    EXPECT_TRUE(mPlayer->isPlaying());
    unsigned start = mPlayer->getPosition();
    DWORD clock = ::GetTickCount();
    waitMs(500);
    unsigned advanced = mPlayer->getPosition() - start;
    double elapsed = ::GetTickCount() - clock;
    EXPECT_NEAR(2.0 * elapsed, advanced, 200.0);
    mPlayer->stop();
}

TEST_F(AudioPlaybackTest, StopThenPlayGoesOnAndOpenAndPlayStartsOver) {
    ASSERT_TRUE(mPlayer->open(audioFixture(L"tone440-3s.ogg")));
    ASSERT_TRUE(mPlayer->play());
    waitMs(600);
    mPlayer->stop();
    unsigned stopped = mPlayer->getPosition();
    ASSERT_TRUE(mPlayer->play());
    waitMs(100);
    EXPECT_GE(mPlayer->getPosition(), stopped);
    ASSERT_TRUE(mPlayer->openAndPlay(audioFixture(L"tone440-3s.ogg")));
    waitMs(100);
    EXPECT_LT(mPlayer->getPosition(), 400u);
}

TEST_F(AudioPlaybackTest, WhatIsPlayedIsWhatTheDeviceHears) {
    // The private server captures everything played; a run of the half-volume tone
    // must appear in it at half the amplitude of the source.
    wchar_t capturePath[MAX_PATH] = {};
    if (!::GetEnvironmentVariableW(L"AUDIO_CAPTURE_FILE", capturePath, MAX_PATH)) {
        GTEST_SKIP() << "no capture of the output device";
    }
    std::wstring windowsPath = L"Z:" + std::wstring(capturePath);
    for (wchar_t& c : windowsPath) {
        if (c == L'/') c = L'\\';
    }
    auto captureSize = [&] {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        ::GetFileAttributesExW(windowsPath.c_str(), GetFileExInfoStandard, &data);
        return static_cast<QWORD>(data.nFileSizeLow) | (static_cast<QWORD>(data.nFileSizeHigh) << 32);
    };
    QWORD before = captureSize();
    ASSERT_TRUE(mPlayer->open(audioFixture(L"tone440-3s.ogg")));
    ASSERT_TRUE(mPlayer->play());
    mPlayer->setVolume(50);
    waitMs(1500);
    mPlayer->stop();
    waitMs(300);
    QWORD after = captureSize();
    ASSERT_GT(after, before + 176400);
    HANDLE file = ::CreateFileW(windowsPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    LARGE_INTEGER offset;
    offset.QuadPart = static_cast<LONGLONG>(before + (after - before) / 2 - 44100);
    offset.QuadPart -= offset.QuadPart % 4;
    ::SetFilePointerEx(file, offset, nullptr, FILE_BEGIN);
    std::vector<short> heard(44100);
    DWORD read = 0;
    ::ReadFile(file, heard.data(), 44100 * 2, &read, nullptr);
    ::CloseHandle(file);
    // A half-scale sine has an RMS of 0.5 / sqrt(2) of full scale; at volume 50, half that.
    EXPECT_NEAR(32767 * 0.5 * 0.5 / std::sqrt(2.0), measureRms(heard, 2), 600.0);
    // The median period: a scheduling gap of the sound server on a loaded machine must
    // not count as a wrong pitch.
    std::vector<size_t> periods;
    size_t previous = 0;
    for (size_t i = 1; i < heard.size() / 2; ++i) {
        if (heard[(i - 1) * 2] < 0 && heard[i * 2] >= 0) {
            if (previous) periods.push_back(i - previous);
            previous = i;
        }
    }
    ASSERT_GT(periods.size(), 100u);
    std::nth_element(periods.begin(), periods.begin() + periods.size() / 2, periods.end());
    EXPECT_NEAR(44100.0 / 440.0, static_cast<double>(periods[periods.size() / 2]), 1.0);
}

}  // namespace
