#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player/mp3/LyricsFrameFile.h"
#include "player/mp3/SyltFrameWriter.h"
#include "player/tests/AudioTestSupport.h"
#include "player/tests/Id3TestSupport.h"
#include "testsupport/TestWindows.h"

using namespace id3test;

namespace {

const std::vector<LyricsLine> kSentences = {{0, L"First sentence. "}, {8000, L"二つ目の文。"}, {61000, L"Last"}};

class SyltFrameWriting : public ::testing::Test {
protected:
    void SetUp() override {
        takeShownMessages();
        plain = readFileBytes(madeFixture(L"plain-mpeg1.mp3"));
        ASSERT_FALSE(plain.empty()) << "the MP3 fixtures are made by ctest (player_id3_fixtures)";
        path = temp.file(L"lesson.mp3");
    }

    std::vector<std::wstring> shownTexts() {
        std::vector<std::wstring> texts;
        for (const MessageBoxRequest& r : takeShownMessages()) texts.push_back(r.text);
        return texts;
    }

    TempDirectory temp;
    std::string plain;
    std::wstring path;
    MP3_ID3Manager noTag;
};

void expectSentences(const std::wstring& path, int tempo) {
    std::vector<LyricsLine> lines;
    ASSERT_TRUE(readSyltLines(path, lines));
    ASSERT_EQ(lines.size(), kSentences.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].text, kSentences[i].text);
        EXPECT_EQ(lines[i].time, scaleTimeForTempo(kSentences[i].time, tempo));
    }
}

}  // namespace

TEST_F(SyltFrameWriting, AFileWithoutTagTakesTheFallbackTagAndKeepsItsAudio) {
    writeBytes(path, plain);
    MP3_ID3Manager fallback;
    const std::string source = tagBytes(3, 0, frame(3, "TIT2", bytes({0}) + "Lesson") + std::string(30, '\0'));
    ASSERT_TRUE(fallback.parse(data(source), source.size()));
    ASSERT_TRUE(writeSyltFrame(path, kSentences, 80, fallback, nullptr));
    EXPECT_TRUE(shownTexts().empty());
    expectSentences(path, 80);

    const std::string written = readFileBytes(path);
    MP3_ID3Manager tag;
    ASSERT_TRUE(tag.parse(data(written), written.size()));
    EXPECT_EQ(tag.getMajorVersion(), 3);
    ASSERT_NE(tag.findFrame("TIT2"), nullptr);
    EXPECT_EQ(written.substr(static_cast<size_t>(tag.getAudioOffset())), plain);
    // 8000 ms at tempo 80 is written at 10000 ms.
    std::vector<LyricsLine> lines;
    ASSERT_TRUE(readSyltLines(path, lines));
    EXPECT_EQ(lines[1].time, 10000u);
}

TEST_F(SyltFrameWriting, ATaggedFileKeepsItsOtherFramesAndGetsItsSyltReplaced) {
    const std::string tagged = readFileBytes(madeFixture(L"mutagen-v24-enc3.mp3"));
    writeBytes(path, tagged);
    const std::wstring lyricsBefore = readUsltText(path);
    ASSERT_FALSE(lyricsBefore.empty());
    ASSERT_TRUE(writeSyltFrame(path, kSentences, 100, noTag, nullptr));
    expectSentences(path, 100);
    EXPECT_EQ(readUsltText(path), lyricsBefore);
    const std::string written = readFileBytes(path);
    MP3_ID3Manager tag;
    ASSERT_TRUE(tag.parse(data(written), written.size()));
    EXPECT_EQ(tag.getMajorVersion(), 4);
    EXPECT_EQ(written.substr(static_cast<size_t>(tag.getAudioOffset())), plain);
    // Written again: still one SYLT frame.
    ASSERT_TRUE(writeSyltFrame(path, {{5, L"only"}}, 100, noTag, nullptr));
    std::vector<LyricsLine> lines;
    ASSERT_TRUE(readSyltLines(path, lines));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, L"only");
}

TEST_F(SyltFrameWriting, FramesTooLargeForTheReaderAreKeptByteForByte) {
    // The reader stops at a picture of 10 MiB; an old SYLT frame and the album follow it,
    // and another old SYLT frame stands before it.
    const std::string title = frame(3, "TIT2", bytes({0}) + "Lesson");
    const std::string unread = frame(3, "APIC", std::string(ID3V2Frame::kMaxFrameSize, 'p'));
    const std::string album = frame(3, "TALB", bytes({0}) + "Course");
    const std::string frames = title + frame(3, "SYLT", "read") + unread + frame(3, "SYLT", "old") + album;
    writeBytes(path, tagBytes(3, 0, frames) + plain);
    ASSERT_TRUE(writeSyltFrame(path, kSentences, 100, noTag, nullptr));
    expectSentences(path, 100);
    const std::string written = readFileBytes(path);
    EXPECT_EQ(written.substr(10, title.size()), title);
    EXPECT_NE(written.find(unread + album), std::string::npos);
    EXPECT_EQ(written.find("SYLT"), written.rfind("SYLT"));  // both old ones were replaced
    EXPECT_EQ(written.substr(written.size() - plain.size()), plain);
}

TEST_F(SyltFrameWriting, AFileInUseIsLeftByteIdenticalAndTheFailureShown) {
    writeBytes(path, plain);
    // A player that holds the file open for reading.
    HANDLE holder = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(writeSyltFrame(path, kSentences, 100, noTag, nullptr));
    ::CloseHandle(holder);
    EXPECT_EQ(shownTexts(), std::vector<std::wstring>{L"このファイルは使用中です"});
    EXPECT_EQ(readFileBytes(path), plain);
}

TEST_F(SyltFrameWriting, AFileThatCantBeReplacedIsLeftByteIdentical) {
    writeBytes(path, plain);
    ASSERT_TRUE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(writeSyltFrame(path, kSentences, 100, noTag, nullptr));
    EXPECT_EQ(shownTexts(), std::vector<std::wstring>{L"このファイルは使用中です"});
    EXPECT_EQ(readFileBytes(path), plain);
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    // Nothing is left beside it.
    EXPECT_EQ(listFolder(temp.path()), std::vector<std::wstring>{L"lesson.mp3"});
}

TEST_F(SyltFrameWriting, AMissingOrEmptyFileIsNotWritten) {
    EXPECT_FALSE(writeSyltFrame(path, kSentences, 100, noTag, nullptr));
    EXPECT_EQ(shownTexts().size(), 1u);
    EXPECT_EQ(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    writeBytes(path, "");
    EXPECT_FALSE(writeSyltFrame(path, kSentences, 100, noTag, nullptr));
    EXPECT_TRUE(shownTexts().empty());
    EXPECT_EQ(readFileBytes(path), "");
}

TEST(Id3FileReading, ReadsTheTagOfAudioFilesByTheirExtension) {
    TempDirectory temp;
    const std::string file = tagBytes(3, 0, frame(3, "USLT", bytes({0}) + "eng" + bytes({0}) + "words"));
    for (const wchar_t* name : {L"a.MP3", L"b.ogg", L"c.Wma"}) {
        writeBytes(temp.file(name), file);
        MP3_ID3Manager tag;
        EXPECT_TRUE(readId3(temp.file(name), tag)) << name;
        EXPECT_NE(tag.findFrame("USLT"), nullptr);
    }
    MP3_ID3Manager tag;
    writeBytes(temp.file(L"d.wav"), file);
    EXPECT_FALSE(readId3(temp.file(L"d.wav"), tag));
    EXPECT_FALSE(readId3(temp.file(L"missing.mp3"), tag));
    EXPECT_EQ(readUsltText(temp.file(L"a.MP3")), L"words");
    std::vector<LyricsLine> lines;
    EXPECT_FALSE(readSyltLines(temp.file(L"a.MP3"), lines));
    EXPECT_FALSE(readSyltLines(temp.file(L"missing.mp3"), lines));
    EXPECT_EQ(readUsltText(temp.file(L"missing.mp3")), L"");
}
