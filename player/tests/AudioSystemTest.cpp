// Loading the libraries, the error texts and boxes, and the byte/time conversions.
#include "foundation/system/PathUtils.h"
#include "player/audio/BassErrors.h"
#include "player/audio/BassFunctions.h"
#include "player/audio/BassSystem.h"
#include "player/tests/AudioTestSupport.h"
#include "testsupport/TestWindows.h"

namespace {

TEST(AudioSystemTest, MissingBassLibraryFailsSilently) {
    TempDirectory temp;  // a current directory without Plugins/
    wchar_t runFolder[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, runFolder);
    ::SetCurrentDirectoryW(temp.path().c_str());
    BassSystem system;
    bool loaded = system.load();
    ::SetCurrentDirectoryW(runFolder);
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(takeShownMessages().empty());
}

// Runs in a child process from a folder without Plugins/, where no entry point was
// ever resolved: every operation of the player is then a no-op.
TEST(AudioIsolated, PlayerWithoutLibraries) {
    if (!isIsolatedChild()) GTEST_SKIP() << "runs in a child process";
    BassPlayer player;
    EXPECT_FALSE(player.initialize());
    EXPECT_FALSE(player.open(audioFixture(L"tone440-3s.ogg")));
    EXPECT_FALSE(player.play());
    EXPECT_FALSE(player.isPlaying());
    EXPECT_FALSE(player.setPosition(1000));
    EXPECT_EQ(1000u, player.getPosition());
    player.setTempo(120);
    EXPECT_EQ(120, player.getTempo());
    EXPECT_FALSE(player.saveAsMp3(L"out.mp3"));
    EXPECT_FALSE(player.encodeStep());
    player.stop();
    player.pause();
    player.resume();
    // Only the missing-lame box: the folder has no Plugins/ at all.
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(L"lame.exe was not found in the plugins folder", shown[0].caption);
    EXPECT_FALSE(fileExists(L"out.mp3"));
}

TEST(AudioSystemTest, PlayerWithoutLibrariesDoesNothing) {
    TempDirectory temp;
    EXPECT_EQ(0, runIsolated(L"AudioIsolated.PlayerWithoutLibraries", temp.path()));
}

// Run by ctest on its own (player_audio_no_device) with Wine's audio drivers pointed at
// no sound server and an ALSA without devices: the Unix environment must be set before
// Wine starts the process, so a child started from here cannot have it.
TEST(AudioIsolated, NoOutputDevice) {
    if (!isIsolatedChild()) GTEST_SKIP() << "runs as a test of its own";
    BassSystem system;
    EXPECT_FALSE(system.load());
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(L"Failed BASS_Init\nCan't initialize output device\n\n(error code: 37)", shown[0].text);
    EXPECT_EQ(L"Error", shown[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), shown[0].style);
}

// Runs in a child process from a folder whose Plugins/ holds the real bass and bass_fx
// and a bassenc of version 2.3.
TEST(AudioIsolated, OldEncoderLibrary) {
    if (!isIsolatedChild()) GTEST_SKIP() << "runs in a child process";
    BassSystem system;
    EXPECT_TRUE(system.load());
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(L"An incorrect version of BASSENC.DLL was loaded (2.4 is required)", shown[0].text);
    EXPECT_EQ(L"Incorrect BASSENC.DLL", shown[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONHAND), shown[0].style);
}

// A Plugins/ folder in `folder` with the given libraries: "real" ones from the run
// folder, "fake" ones from the tests' fakes/ folder.
void makePlugins(const std::wstring& folder, const std::vector<std::wstring>& real, const std::wstring& fake) {
    std::wstring plugins = folder + L"\\Plugins";
    ASSERT_TRUE(::CreateDirectoryW(plugins.c_str(), nullptr));
    for (const std::wstring& name : real) {
        ASSERT_TRUE(::CopyFileW((L"Plugins\\" + name).c_str(), (plugins + L"\\" + name).c_str(), FALSE));
    }
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring testFolder(self);
    testFolder.resize(testFolder.find_last_of(L'\\'));
    ASSERT_TRUE(::CopyFileW((testFolder + L"\\fakes\\" + fake).c_str(), (plugins + L"\\" + fake).c_str(), FALSE));
}

TEST(AudioSystemTest, AnOldLibraryIsReportedAndLoadingGoesOn) {
    TempDirectory temp;
    makePlugins(temp.path(), {L"bass.dll", L"bass_fx.dll"}, L"bassenc.dll");
    EXPECT_EQ(0, runIsolated(L"AudioIsolated.OldEncoderLibrary", temp.path()));
}

// Runs in a child process with a bass.dll of version 2.3 whose first BASS_Init fails.
TEST(AudioIsolated, DeviceBusyAtFirst) {
    if (!isIsolatedChild()) GTEST_SKIP() << "runs in a child process";
    BassSystem system;
    DWORD start = ::GetTickCount();
    EXPECT_TRUE(system.load());
    EXPECT_GE(::GetTickCount() - start, 90u);  // the second try comes after 100 ms
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());  // the version, not the failed first try
    EXPECT_EQ(L"An incorrect version of BASS.DLL was loaded (2.4 is required)", shown[0].text);
    EXPECT_EQ(L"Incorrect BASS.DLL", shown[0].caption);
    EXPECT_EQ(1, system.getDevice());
}

TEST(AudioSystemTest, AFirstDeviceFailureIsTriedAgainAndAnOldCoreIsReported) {
    TempDirectory temp;
    makePlugins(temp.path(), {L"bass_fx.dll"}, L"bass.dll");
    EXPECT_EQ(0, runIsolated(L"AudioIsolated.DeviceBusyAtFirst", temp.path()));
}

TEST(AudioSystemTest, ErrorTextsByCode) {
    EXPECT_EQ("Some other mystery problem!", getBassErrorText(-1));
    EXPECT_EQ("There is insufficient memory.", getBassErrorText(1));
    EXPECT_EQ("handle is not a valid channel.", getBassErrorText(5));
    EXPECT_EQ("The channel is not playing.", getBassErrorText(24));
    EXPECT_EQ("The channel is not playable; it is a \"decoding channel\".", getBassErrorText(38));
    EXPECT_EQ("The decoding channel has reached the end.", getBassErrorText(45));
    for (int code : {0, 2, 3, 7, 14, 23, 41, 1000}) EXPECT_EQ("", getBassErrorText(code)) << code;
}

class AudioLoadedTest : public AudioPlayerTest {};

TEST_F(AudioLoadedTest, LoadingTwiceAndTheWmaPlugin) {
    EXPECT_TRUE(BassSystem::getInstance().load());
    EXPECT_TRUE(BassSystem::getInstance().isLoaded());
    EXPECT_EQ(1, BassSystem::getInstance().getDevice());
    EXPECT_TRUE(takeShownMessages().empty());
}

TEST_F(AudioLoadedTest, OutputDeviceByIndex) {
    // Index 0 is BASS device 1, the one the default device already is: nothing to do.
    EXPECT_TRUE(mPlayer->setOutputDevice(0));
    EXPECT_TRUE(takeShownMessages().empty());
    ASSERT_TRUE(mPlayer->open(audioFixture(L"tone440-3s.ogg")));
    EXPECT_TRUE(mPlayer->play());
    mPlayer->stop();
    // A device that does not exist: the old one is released and the failure reported.
    EXPECT_FALSE(mPlayer->setOutputDevice(7));
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(L"Failed BASS_Init in setOutputDevice()\nCan't initialize device\n\n(error code: 37)", shown[0].text);
    EXPECT_EQ(1, BassSystem::getInstance().getDevice());
}

TEST_F(AudioLoadedTest, ErrorBoxShowsTheCodeLineUnderTheText) {
    // An error code the table does not name: only the code line, under an empty line.
    bass::BASS_ChannelPlay(0xDEAD, FALSE);
    showBassError(getBassErrorText(bass::BASS_ErrorGetCode()));
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(L"handle is not a valid channel.\n\n(error code: 5)", shown[0].text);
    auto setError = reinterpret_cast<void(WINAPI*)(int)>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"bass.dll"), "BassStandin_SetError")));
    ASSERT_NE(nullptr, setError);
    setError(99);
    showBassError(getBassErrorText(bass::BASS_ErrorGetCode()));
    shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(L"\n\n(error code: 99)", shown[0].text);
}

// A tempo library that takes no stream: it only notes the source it was given.
DWORD gRefusedSource = 0;
HSTREAM WINAPI refuseTempoStream(DWORD chan, DWORD) {
    gRefusedSource = chan;
    return 0;
}

TEST_F(AudioLoadedTest, ASourceWithoutATempoStreamIsFreed) {
    ScopedEntryPoint<BASS_FX_TempoCreate_t> refusing(bass::BASS_FX_TempoCreate, refuseTempoStream);
    gRefusedSource = 0;
    EXPECT_FALSE(mPlayer->open(audioFixture(L"tone440-3s.ogg")));
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(0u, shown[0].text.find(L"Couldn't create a resampled stream!"));
    ASSERT_NE(0u, gRefusedSource);
    BASS_CHANNELINFO info{};
    EXPECT_FALSE(bass::BASS_ChannelGetInfo(gRefusedSource, &info));  // no longer a channel
    EXPECT_FALSE(mPlayer->play());
}

TEST_F(AudioLoadedTest, MillisecondsBecomeWholeSecondsPlusBytesPerMillisecond) {
    TempDirectory temp;
    writeToneWav(temp.file(L"tone.wav"), 3.0, 440.0);
    ASSERT_TRUE(mPlayer->open(temp.file(L"tone.wav")));
    ASSERT_TRUE(mPlayer->setPosition(1500));
    EXPECT_EQ(1500u, mPlayer->getPosition());
    ASSERT_TRUE(mPlayer->play());
    mPlayer->pause();
    // Paused: the last set or polled position, not a fresh one.
    EXPECT_LE(mPlayer->getPosition(), 1800u);
    EXPECT_TRUE(mPlayer->setPositionBytes(176400 + 88000));
    EXPECT_EQ(1498u, mPlayer->getPosition());  // 88,000 bytes are 498.8 ms, truncated
    EXPECT_FALSE(mPlayer->setPosition(10000));  // past the end: refused
}

}  // namespace
