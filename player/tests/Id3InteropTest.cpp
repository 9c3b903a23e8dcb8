// Tags written by other programs (mutagen, eyeD3) are read, and the SYLT frames this
// program writes are left in ..\id3-fixtures\ours for mutagen to read back (ctest step
// player_id3_mutagen_reads_ours). The files are made by fixtures/id3/make-id3-fixtures.sh.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player/mp3/LyricsFrameFile.h"
#include "player/mp3/SyltFrameWriter.h"
#include "player/tests/Id3TestSupport.h"

using namespace id3test;

namespace {

using Lines = std::vector<std::pair<uint32_t, std::wstring>>;

const Lines kLines = {{1000, L"First line"}, {2500, L"二番目の行です"}, {4000, L"Third \u00FF line"}};
const Lines kAsciiLines = {{1000, L"First line"}, {2500, L"Second line"}, {4000, L"Third line"}};
const wchar_t kLyrics[] = L"Unsynchronised lyrics\n日本語の歌詞";
const wchar_t kAsciiLyrics[] = L"Unsynchronised lyrics\nsecond line";

void expectLines(const std::wstring& file, const Lines& expected) {
    std::vector<LyricsLine> lines;
    ASSERT_TRUE(readSyltLines(madeFixture(file), lines)) << "the fixtures are made by ctest (player_id3_fixtures)";
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].time, expected[i].first);
        EXPECT_EQ(lines[i].text, expected[i].second);
    }
}

}  // namespace

TEST(Id3Interop, ReadsMutagenFramesInEveryVersionAndEncoding) {
    struct Tagged {
        const wchar_t* file;
        bool ascii;
    };
    const Tagged files[] = {
        {L"mutagen-v23-enc0.mp3", true},          {L"mutagen-v23-enc1.mp3", false},
        {L"mutagen-v24-enc0.mp3", true},          {L"mutagen-v24-enc1.mp3", false},
        {L"mutagen-v24-enc2.mp3", false},         {L"mutagen-v24-enc3.mp3", false},
        {L"mutagen-v23-extended.mp3", false},     {L"mutagen-v24-extended.mp3", false},
        {L"mutagen-v23-unsynchronised.mp3", false}, {L"mutagen-v24-unsynchronised.mp3", false},
    };
    for (const Tagged& t : files) {
        SCOPED_TRACE(t.file);
        expectLines(t.file, t.ascii ? kAsciiLines : kLines);
        EXPECT_EQ(readUsltText(madeFixture(t.file)), t.ascii ? kAsciiLyrics : kLyrics);
    }
}

TEST(Id3Interop, ReadsEyeD3LyricsInEveryVersionAndEncoding) {
    for (const wchar_t* version : {L"v23", L"v24"}) {
        for (const wchar_t* encoding : {L"latin1", L"utf8", L"utf16", L"utf16-be"}) {
            const std::wstring file = std::wstring(L"eyed3-") + version + L"-" + encoding + L".mp3";
            SCOPED_TRACE(file);
            const bool latin1 = std::wstring(encoding) == L"latin1";
            EXPECT_EQ(readUsltText(madeFixture(file)),
                      latin1 ? L"Plain lyrics by eyeD3\nsecond line" : L"Lyrics by eyeD3\nsecond line ふたつめ");
        }
    }
}

TEST(Id3Interop, WritesSyltFramesForMutagenToReadBack) {
    const std::vector<LyricsLine> sentences = {{0, L"Hello, world. "}, {8000, L"二つ目の文です。"}, {123456, L"Ünïcödé"}};
    struct Output {
        const wchar_t* source;
        const wchar_t* name;
    };
    MP3_ID3Manager noTag;
    for (const Output& o : {Output{L"plain-mpeg1.mp3", L"untagged.mp3"}, Output{L"mutagen-v23-enc1.mp3", L"v23.mp3"},
                            Output{L"mutagen-v24-enc2.mp3", L"v24.mp3"}}) {
        SCOPED_TRACE(o.name);
        const std::wstring target = madeFixture(std::wstring(L"ours\\") + o.name);
        ASSERT_TRUE(::CopyFileW(madeFixture(o.source).c_str(), target.c_str(), FALSE));
        ASSERT_TRUE(writeSyltFrame(target, sentences, 80, noTag, nullptr));
        std::vector<LyricsLine> lines;
        ASSERT_TRUE(readSyltLines(target, lines));
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[1].time, 10000u);
        EXPECT_EQ(lines[2].text, L"Ünïcödé");
    }
}
