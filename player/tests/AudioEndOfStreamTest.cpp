// A channel that has played to its end is stopped: a seek leaves it stopped at the new
// position, and playing then goes on from there, as the main window's end handling
// (position 0, then Play) expects.
#include "player/audio/BassFunctions.h"
#include "player/tests/AudioTestSupport.h"
#include "testsupport/TestWindows.h"

namespace {

using AudioEndOfStreamTest = AudioPlayerTest;

constexpr QWORD kBytesPerSecond = 176400;

TEST_F(AudioEndOfStreamTest, TheChannelStaysStoppedAtASeekAfterTheEndAndPlaysOnFromThere) {
    TempDirectory temp;
    std::wstring path = temp.file(L"short.wav");
    writeToneWav(path, 0.5, 440.0);
    DWORD stream = bass::BASS_StreamCreateFile(FALSE, path.c_str(), 0, 0, BASS_UNICODE);
    ASSERT_NE(0u, stream);
    ASSERT_TRUE(bass::BASS_ChannelPlay(stream, FALSE));
    ASSERT_TRUE(pumpUntil([&] { return bass::BASS_ChannelIsActive(stream) == BASS_ACTIVE_STOPPED; }, 3000));
    EXPECT_EQ(kBytesPerSecond / 2, bass::BASS_ChannelGetPosition(stream, BASS_POS_BYTE));

    ASSERT_TRUE(bass::BASS_ChannelSetPosition(stream, kBytesPerSecond / 5, BASS_POS_BYTE));
    ::Sleep(250);
    EXPECT_EQ(static_cast<DWORD>(BASS_ACTIVE_STOPPED), bass::BASS_ChannelIsActive(stream));
    EXPECT_EQ(kBytesPerSecond / 5, bass::BASS_ChannelGetPosition(stream, BASS_POS_BYTE));

    ASSERT_TRUE(bass::BASS_ChannelPlay(stream, FALSE));
    EXPECT_EQ(static_cast<DWORD>(BASS_ACTIVE_PLAYING), bass::BASS_ChannelIsActive(stream));
    ::Sleep(100);
    QWORD position = bass::BASS_ChannelGetPosition(stream, BASS_POS_BYTE);
    EXPECT_GT(position, kBytesPerSecond / 5);
    EXPECT_LT(position, kBytesPerSecond / 2);
    // The rest, 0.3 s, plays to the end again.
    EXPECT_TRUE(pumpUntil([&] { return bass::BASS_ChannelIsActive(stream) == BASS_ACTIVE_STOPPED; }, 1500));
    EXPECT_EQ(kBytesPerSecond / 2, bass::BASS_ChannelGetPosition(stream, BASS_POS_BYTE));
    bass::BASS_StreamFree(stream);
}

TEST_F(AudioEndOfStreamTest, ThePlayerRewoundAtTheEndWaitsForPlay) {
    TempDirectory temp;
    std::wstring path = temp.file(L"short.wav");
    writeToneWav(path, 0.5, 440.0);
    ASSERT_TRUE(mPlayer->open(path));
    ASSERT_TRUE(mPlayer->play());
    ASSERT_TRUE(pumpUntil([&] { return !mPlayer->isPlaying(); }, 3000));
    // What the main window does when it finds the player stopped at the end.
    ASSERT_TRUE(mPlayer->setPosition(0));
    ::Sleep(250);
    EXPECT_FALSE(mPlayer->isPlaying());
    EXPECT_FALSE(mPlayer->isPaused());
    EXPECT_EQ(0u, mPlayer->getPosition());

    ASSERT_TRUE(mPlayer->play());
    EXPECT_TRUE(mPlayer->isPlaying());
    ::Sleep(150);
    unsigned position = mPlayer->getPosition();
    EXPECT_GT(position, 0u);
    EXPECT_LT(position, 450u);
    EXPECT_TRUE(pumpUntil([&] { return !mPlayer->isPlaying(); }, 2000));
    EXPECT_TRUE(takeShownMessages().empty());
}

}  // namespace
