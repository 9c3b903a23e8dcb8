#include <gtest/gtest.h>

#include <windows.h>

#include "downloaders/flv/FlvManager.h"
#include "downloaders/tests/FlvTestSupport.h"
#include "foundation/system/File.h"
#include "foundation/system/PathUtils.h"
#include "testsupport/TestWindows.h"

namespace {

const uint8_t kMp3Format = 0x2E;

}  // namespace

TEST(FlvManager, RealFlvGivesAnMp3OfTheSameLength) {
    TempDirectory dir;
    writeToneWav(dir.file(L"tone.wav"), 22050 * 3);
    ASSERT_TRUE(makeMp3Flv(dir.file(L"tone.wav"), dir.file(L"voice.flv")));

    FlvManager manager;
    ASSERT_TRUE(manager.convertToMp3(dir.file(L"voice.flv"), dir.file(L"voice.mp3")));
    std::string mp3 = readFileBytes(dir.file(L"voice.mp3"));
    ASSERT_GE(mp3.size(), 2u);
    EXPECT_EQ('\xFF', mp3[0]);  // a frame sync right away: no header or tag of our own
    EXPECT_EQ(0xE0, static_cast<uint8_t>(mp3[1]) & 0xE0);

    long long fromFlv = decodedPcmBytes(dir.file(L"voice.flv"));
    ASSERT_GT(fromFlv, 22050 * 2 * 3 - 1);
    EXPECT_EQ(fromFlv, decodedPcmBytes(dir.file(L"voice.mp3")));
}

TEST(FlvManager, FileCutInsideATagKeepsOnlyTheBytesRead) {
    TempDirectory dir;
    std::string last = flvTag(8, kMp3Format, std::string(5000, 'b'));
    writeFileBytes(dir.file(L"cut.flv"), flvHeader() + flvTag(8, kMp3Format, "aaaa") + last.substr(0, 12 + 100));

    FlvManager manager;
    EXPECT_TRUE(manager.convertToMp3(dir.file(L"cut.flv"), dir.file(L"cut.mp3")));
    EXPECT_EQ("aaaa" + std::string(100, 'b'), readFileBytes(dir.file(L"cut.mp3")));
}

TEST(FlvManager, RefusesWhatIsNoFlvAndLeavesNoOutput) {
    TempDirectory dir;
    FlvManager manager;
    writeFileBytes(dir.file(L"v2.flv"), flvHeader(2) + flvTag(8, kMp3Format, "audio"));
    writeFileBytes(dir.file(L"v2.mp3"), "an older file");
    EXPECT_FALSE(manager.convertToMp3(dir.file(L"v2.flv"), dir.file(L"v2.mp3")));
    EXPECT_FALSE(fileExists(dir.file(L"v2.mp3")));

    EXPECT_FALSE(manager.convertToMp3(dir.file(L"missing.flv"), dir.file(L"missing.mp3")));
    EXPECT_FALSE(fileExists(dir.file(L"missing.mp3")));

    writeFileBytes(dir.file(L"ok.flv"), flvHeader() + flvTag(8, kMp3Format, "audio"));
    EXPECT_FALSE(manager.convertToMp3(dir.file(L"ok.flv"), dir.file(L"no such folder\\ok.mp3")));
}

TEST(FlvManager, FlvWithoutAudioGivesAnEmptyFile) {
    TempDirectory dir;
    writeFileBytes(dir.file(L"video.flv"), flvHeader() + flvTag(18, 2, "meta") + flvTag(9, 0x17, "frame"));
    FlvManager manager;
    EXPECT_TRUE(manager.convertToMp3(dir.file(L"video.flv"), dir.file(L"video.mp3")));
    EXPECT_TRUE(fileExists(dir.file(L"video.mp3")));
    EXPECT_EQ("", readFileBytes(dir.file(L"video.mp3")));
}

TEST(FlvManager, FileSizeOfAnOpenFileOnly) {
    TempDirectory dir;
    writeFileBytes(dir.file(L"sized.flv"), std::string(1000, 'x'));
    File file;
    EXPECT_EQ(0u, FlvManager::getFileSize(file));
    ASSERT_TRUE(file.open(dir.file(L"sized.flv"), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_EQ(1000u, FlvManager::getFileSize(file));
}
