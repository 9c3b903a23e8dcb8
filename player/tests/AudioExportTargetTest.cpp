// Where the MP3 export writes: exactly the chosen path, whatever its characters, never
// the playing file under any spelling, and a file already at the target only once the
// encoder has succeeded. Nothing of the encoder's own is left in the folder.
#include <cstring>
#include <fstream>

#include "foundation/system/PathUtils.h"
#include "player/audio/BassFunctions.h"
#include "player/tests/AudioTestSupport.h"
#include "testsupport/TestWindows.h"

namespace {

using AudioExportTargetTest = AudioPlayerTest;

bool encodeAll(BassPlayer& player) {
    int steps = 0;
    while (player.encodeStep()) {
        if (++steps > 100000) return false;
    }
    return player.stopEncoding();
}

std::wstring shortPathOf(const std::wstring& path) {
    wchar_t buffer[MAX_PATH] = {};
    DWORD length = ::GetShortPathNameW(path.c_str(), buffer, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(buffer, length) : std::wstring();
}

// An encoder whose options lame refuses: it starts, takes the data and exits with an error.
BASS_Encode_Start_t gRealEncodeStart = nullptr;
HENCODE WINAPI startRefusedEncoder(DWORD handle, const char* cmdline, DWORD flags, void* proc, void* user) {
    std::string line(cmdline);
    const char* preset = "--alt-preset";
    size_t at = line.find(preset);
    if (at != std::string::npos) line.replace(at, std::strlen(preset), "--this-option-does-not-exist");
    return gRealEncodeStart(handle, line.c_str(), flags, proc, user);
}

// An encoder program that does not exist: the start itself fails.
HENCODE WINAPI startMissingEncoder(DWORD handle, const char*, DWORD flags, void* proc, void* user) {
    return gRealEncodeStart(handle, "Plugins/no-such-encoder - \"x.mp3\"", flags, proc, user);
}

TEST_F(AudioExportTargetTest, AnAccentedNameIsWrittenItselfAndNotItsBestFitTwin) {
    // Code page 932 best-fits "é" to "e": the playing "cafe.mp3" must not be the output.
    TempDirectory temp;
    std::wstring source = temp.file(L"cafe.mp3");
    ASSERT_TRUE(::CopyFileW(audioFixture(L"tone440-3s.mp3").c_str(), source.c_str(), FALSE));
    std::string sourceBytes = readFileBytes(source);
    ASSERT_TRUE(mPlayer->open(source));
    ASSERT_TRUE(mPlayer->saveAsMp3(temp.file(L"café.mp3")));
    EXPECT_TRUE(encodeAll(*mPlayer));
    EXPECT_TRUE(takeShownMessages().empty());
    EXPECT_TRUE(sourceBytes == readFileBytes(source)) << "the playing file changed";
    EXPECT_EQ(kToneFrames, decodeFile(temp.file(L"café.mp3")).frames());
    EXPECT_EQ((std::vector<std::wstring>{L"cafe.mp3", L"café.mp3"}), listFolder(temp.path()));
}

TEST_F(AudioExportTargetTest, NamesOutsideTheCodePageAreWritten) {
    // Hangul has no form in code page 932 at all: neither as a file nor as a folder name.
    TempDirectory temp;
    std::wstring source = temp.file(L"lesson.wav");
    writeToneWav(source, 1.0, 440.0);
    ASSERT_TRUE(::CreateDirectoryW(temp.file(L"강의").c_str(), nullptr));
    for (const std::wstring& target : {temp.file(L"강의.mp3"), temp.file(L"강의\\듣기.mp3")}) {
        ASSERT_TRUE(mPlayer->open(source));
        ASSERT_TRUE(mPlayer->saveAsMp3(target));
        EXPECT_TRUE(encodeAll(*mPlayer));
        EXPECT_TRUE(takeShownMessages().empty());
        EXPECT_EQ(44100u, decodeFile(target).frames());
    }
    EXPECT_EQ((std::vector<std::wstring>{L"lesson.wav", L"강의", L"강의.mp3"}), listFolder(temp.path()));
    EXPECT_EQ((std::vector<std::wstring>{L"듣기.mp3"}), listFolder(temp.file(L"강의")));
}

// Opens "café.wav" for playing; exporting onto `spelling` must show the "in use" box
// and change nothing.
void expectInUse(BassPlayer& player, const std::wstring& spelling) {
    SCOPED_TRACE(::testing::PrintToString(spelling));
    EXPECT_FALSE(player.saveAsMp3(spelling));
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(L"現在このファイルは使用中です。\r\n" + spelling, shown[0].text);
    EXPECT_EQ(spelling, shown[0].caption);
}

TEST_F(AudioExportTargetTest, EverySpellingOfThePlayingFileIsInUse) {
    TempDirectory temp;
    std::wstring source = temp.file(L"café.wav");
    writeToneWav(source, 1.0, 440.0);
    std::string sourceBytes = readFileBytes(source);
    std::wstring link = temp.file(L"link.wav");
    ASSERT_TRUE(::CreateHardLinkW(link.c_str(), source.c_str(), nullptr));
    ASSERT_TRUE(mPlayer->open(source));
    for (const std::wstring& spelling : {source, link, temp.file(L"CAFÉ.WAV")}) expectInUse(*mPlayer, spelling);
    // A relative path, resolved against the current directory (where Plugins/ is not).
    wchar_t runFolder[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, runFolder);
    ::SetCurrentDirectoryW(temp.path().c_str());
    bool started = mPlayer->encode(L"café.wav", L"Plugins/lame - \"café.wav\"", BASS_ENCODE_AUTOFREE);
    ::SetCurrentDirectoryW(runFolder);
    EXPECT_FALSE(started);
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(L"現在このファイルは使用中です。\r\ncafé.wav", shown[0].text);
    EXPECT_TRUE(sourceBytes == readFileBytes(source)) << "the playing file changed";
    EXPECT_EQ((std::vector<std::wstring>{L"café.wav", L"link.wav"}), listFolder(temp.path()));
    EXPECT_TRUE(mPlayer->play());  // still open for playing
    mPlayer->stop();
}

TEST_F(AudioExportTargetTest, TheShortNameOfThePlayingFileIsInUse) {
    TempDirectory temp;
    std::wstring source = temp.file(L"Listening Lesson.wav");
    writeToneWav(source, 1.0, 440.0);
    std::string sourceBytes = readFileBytes(source);
    std::wstring shortName = shortPathOf(source);
    if (shortName.empty() || getFileName(shortName) == getFileName(source)) {
        GTEST_SKIP() << "the file system gives this file no 8.3 name";
    }
    ASSERT_TRUE(mPlayer->open(source));
    expectInUse(*mPlayer, shortName);
    EXPECT_TRUE(sourceBytes == readFileBytes(source)) << "the playing file changed";
    EXPECT_EQ((std::vector<std::wstring>{L"Listening Lesson.wav"}), listFolder(temp.path()));
}

TEST_F(AudioExportTargetTest, ACommandLineTheCodePageWouldChangeIsNotRun) {
    // Given to the encoder as it is, "강의.mp3" would reach it as "??.mp3".
    TempDirectory temp;
    std::wstring source = temp.file(L"lesson.wav");
    std::wstring target = temp.file(L"강의.mp3");
    writeToneWav(source, 1.0, 440.0);
    ASSERT_TRUE(mPlayer->open(source));
    EXPECT_FALSE(mPlayer->encode(target, L"Plugins/lame --alt-preset cbr 128 - \"" + target + L"\"",
                                 BASS_ENCODE_AUTOFREE));
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(target, shown[0].caption);
    EXPECT_EQ((std::vector<std::wstring>{L"lesson.wav"}), listFolder(temp.path()));
    EXPECT_TRUE(mPlayer->play());  // the file is still open for playing
    mPlayer->stop();
}

TEST_F(AudioExportTargetTest, AFileAtTheTargetIsReplacedOnlyBySuccess) {
    TempDirectory temp;
    std::wstring source = temp.file(L"lesson.wav");
    std::wstring target = temp.file(L"lesson.mp3");
    writeToneWav(source, 1.0, 440.0);
    {
        std::ofstream previous(target.c_str(), std::ios::binary);
        previous << "an earlier export";
    }
    std::vector<std::wstring> files = {L"lesson.mp3", L"lesson.wav"};
    {
        gRealEncodeStart = bass::BASS_Encode_Start;
        ScopedEntryPoint<BASS_Encode_Start_t> refused(bass::BASS_Encode_Start, startRefusedEncoder);
        ASSERT_TRUE(mPlayer->open(source));
        ASSERT_TRUE(mPlayer->saveAsMp3(target));
        EXPECT_FALSE(encodeAll(*mPlayer));
        EXPECT_EQ(1u, takeShownMessages().size());  // the BASS_Encode_Stop box
        EXPECT_EQ("an earlier export", readFileBytes(target));
        EXPECT_EQ(files, listFolder(temp.path()));
    }
    {
        ScopedEntryPoint<BASS_Encode_Start_t> missing(bass::BASS_Encode_Start, startMissingEncoder);
        ASSERT_TRUE(mPlayer->open(source));
        EXPECT_FALSE(mPlayer->saveAsMp3(target));
        EXPECT_EQ(1u, takeShownMessages().size());  // the BASS_Encode_Start box
        EXPECT_EQ("an earlier export", readFileBytes(target));
        EXPECT_EQ(files, listFolder(temp.path()));
    }
    // Given up half-way: the channel is freed by opening the file again.
    ASSERT_TRUE(mPlayer->open(source));
    ASSERT_TRUE(mPlayer->saveAsMp3(target));
    ASSERT_TRUE(mPlayer->encodeStep());
    ASSERT_TRUE(mPlayer->open(source));
    EXPECT_EQ("an earlier export", readFileBytes(target));
    EXPECT_EQ(files, listFolder(temp.path()));
    // Finished: the new MP3 takes the place of the old file.
    ASSERT_TRUE(mPlayer->saveAsMp3(target));
    EXPECT_TRUE(encodeAll(*mPlayer));
    EXPECT_EQ(44100u, decodeFile(target).frames());
    EXPECT_EQ(files, listFolder(temp.path()));
    EXPECT_TRUE(takeShownMessages().empty());
}

TEST_F(AudioExportTargetTest, AnExportThatCannotBeMovedIntoPlaceIsAFailure) {
    // A folder stands where the MP3 should go: the finished file can't take its place.
    TempDirectory temp;
    std::wstring source = temp.file(L"lesson.wav");
    std::wstring target = temp.file(L"lesson.mp3");
    writeToneWav(source, 1.0, 440.0);
    ASSERT_TRUE(::CreateDirectoryW(target.c_str(), nullptr));
    ASSERT_TRUE(mPlayer->open(source));
    ASSERT_TRUE(mPlayer->saveAsMp3(target));
    EXPECT_FALSE(encodeAll(*mPlayer));
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(target, shown[0].caption);
    EXPECT_EQ((std::vector<std::wstring>{L"lesson.mp3", L"lesson.wav"}), listFolder(temp.path()));
    EXPECT_TRUE(listFolder(target).empty());
}

}  // namespace
