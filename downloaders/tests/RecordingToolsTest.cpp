// The outside programs of Plugins/ run with the downloaders' command lines: the stand-in
// stream recorder fetching "streams" from a local server, and ffmpeg joining recorded
// parts into one tagged MP3.
#include <gtest/gtest.h>

#include <windows.h>

#include "downloaders/flv/FlvManager.h"
#include "downloaders/tests/FlvTestSupport.h"
#include "foundation/system/PathUtils.h"
#include "testsupport/LocalHttpServer.h"
#include "testsupport/TestWindows.h"

namespace {

std::wstring currentDirectory() {
    wchar_t buffer[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, buffer);
    return std::wstring(buffer) + L"\\";
}

std::wstring wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

// A recorded part: an FLV with MP3 audio of the given length, made once per test.
std::string makePart(const TempDirectory& dir, const std::wstring& name, int samples) {
    writeToneWav(dir.file(name + L".wav"), samples);
    EXPECT_TRUE(makeMp3Flv(dir.file(name + L".wav"), dir.file(name + L".src.flv")));
    return readFileBytes(dir.file(name + L".src.flv"));
}

// The phrase downloader's command line: the tool by its absolute path, a stream address,
// the player's address and the output, each in double quotes.
std::wstring phraseCommand(const LocalHttpServer& server, const std::wstring& stream, const std::wstring& flv) {
    std::wstring host = L"127.0.0.1:" + std::to_wstring(server.port());
    return L"\"" + currentDirectory() + L"Plugins\\flvstreamer\" -r \"rtmpe://" + host +
           L"/nhk-edu/_definst_/gogakuru/" + stream + L"\" -s \"http://" + host +
           L"/www11/nhk-edu/web/gogakuru/swf/phrase_player.swf\" -o \"" + flv + L"\"";
}

std::wstring lectureCommand(const std::wstring& stream, const std::wstring& flv) {
    return L"\"Plugins\\flvstreamer\" -v -r \"" + stream + L"\" -o \"" + flv + L"\"";
}

std::string utf16(const std::wstring& text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

}  // namespace

TEST(RecordingTools, RecorderFetchesAPhraseStreamThatConvertsToMp3) {
    TempDirectory dir;
    std::string part = makePart(dir, L"phrase", 22050 * 2);
    LocalHttpServer server;
    server.serve("/nhk-edu/_definst_/gogakuru/mp3:phrase/A0123", part, "video/x-flv");

    ToolRun run = runTool(phraseCommand(server, L"mp3:phrase/A0123", dir.file(L"A0123.flv")));
    ASSERT_TRUE(run.started);
    EXPECT_EQ(0u, run.exitCode) << std::string(run.errorOutput.begin(), run.errorOutput.end());
    EXPECT_EQ(part, readFileBytes(dir.file(L"A0123.flv")));
    EXPECT_NE(std::wstring::npos, run.errorOutput.find(L"complete"));
    ASSERT_EQ(1u, server.requests().size());
    EXPECT_EQ(0u, server.requests()[0].find("GET /nhk-edu/_definst_/gogakuru/mp3:phrase/A0123 HTTP/1.1"));

    FlvManager manager;
    ASSERT_TRUE(manager.convertToMp3(dir.file(L"A0123.flv"), dir.file(L"A0123.mp3")));
    EXPECT_EQ(decodedPcmBytes(dir.file(L"A0123.flv")), decodedPcmBytes(dir.file(L"A0123.mp3")));
}

TEST(RecordingTools, RecorderFailureLeavesNoFileAndSaysWhy) {
    TempDirectory dir;
    LocalHttpServer server;
    ToolRun run = runTool(phraseCommand(server, L"missing", dir.file(L"missing.flv")));
    ASSERT_TRUE(run.started);
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_FALSE(fileExists(dir.file(L"missing.flv")));
    EXPECT_NE(std::wstring::npos, run.errorOutput.find(L"404"));

    run = runTool(lectureCommand(dir.file(L"no such.flv"), dir.file(L"out.flv")));
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_FALSE(fileExists(dir.file(L"out.flv")));

    run = runTool(L"\"Plugins\\flvstreamer\" -r \"x\"");
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_NE(std::wstring::npos, run.errorOutput.find(L"-o"));
}

TEST(RecordingTools, RecorderCopiesANamedFile) {
    TempDirectory dir;
    std::string bytes = flvHeader() + flvTag(8, 0x2E, std::string(150000, 'm'));
    writeFileBytes(dir.file(L"named source.flv"), bytes);
    ToolRun run = runTool(lectureCommand(dir.file(L"named source.flv"), dir.file(L"copy 1.flv")));
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(bytes, readFileBytes(dir.file(L"copy 1.flv")));
}

TEST(RecordingTools, LecturePartsRecordedAndJoinedIntoATaggedMp3) {
    TempDirectory dir;
    std::string first = makePart(dir, L"first", 22050 * 2);
    std::string second = makePart(dir, L"second", 22050 * 3 / 2);
    LocalHttpServer server;
    server.serve("/lecture/chapter001_1.flv", first, "video/x-flv");
    server.serve("/lecture/chapter001_2.flv", second, "video/x-flv");

    std::wstring base = dir.file(L"第1回 古代");
    std::wstring parts[] = {base + L"1.flv", base + L"2.flv"};
    for (int k = 0; k < 2; ++k) {
        std::wstring stream = wide(server.url("/lecture/")) + L"chapter001_" + std::to_wstring(k + 1) + L".flv";
        ToolRun run = runTool(lectureCommand(stream, parts[k]));
        ASSERT_EQ(0u, run.exitCode);
        EXPECT_NE(std::wstring::npos, run.errorOutput.find(parts[k]));  // Japanese names reach the log intact
    }
    EXPECT_EQ(first, readFileBytes(parts[0]));
    EXPECT_EQ(second, readFileBytes(parts[1]));

    std::wstring target = base + L".mp3";
    std::wstring join = L"\"Plugins\\ffmpeg\" -i \"" + parts[0] + L"\" -i \"" + parts[1] +
                        L"\" -filter_complex \"concat=n=2:v=0:a=1\"  -metadata title=\"第1回 古代\" -metadata date=\"2008\""
                        L" -metadata track=\"1/1\" -metadata genre=\"Speech\" -metadata publisher=\"NHK\""
                        L" -metadata copyright=\"NHK\" -metadata artist=\"NHK\" -metadata album=\"日本史\""
                        L" -id3v2_version 3 -write_id3v1 1 \"" + target + L"\"";
    ToolRun run = runTool(join);
    ASSERT_TRUE(run.started);
    ASSERT_EQ(0u, run.exitCode) << std::string(run.errorOutput.begin(), run.errorOutput.end());

    std::string mp3 = readFileBytes(target);
    ASSERT_GT(mp3.size(), 1000u);
    EXPECT_EQ(std::string("ID3\x03", 4), mp3.substr(0, 4));
    EXPECT_NE(std::string::npos, mp3.find("TIT2"));
    EXPECT_NE(std::string::npos, mp3.find(utf16(L"日本史")));  // the album in UTF-16 text
    EXPECT_NE(std::string::npos, mp3.find("Speech"));  // plain Latin-1 text
    EXPECT_EQ("TAG", mp3.substr(mp3.size() - 128, 3));

    // The joined audio is both parts back to back, give or take a frame of encoder padding.
    long long joined = decodedPcmBytes(target);
    long long sum = decodedPcmBytes(parts[0]) + decodedPcmBytes(parts[1]);
    EXPECT_NEAR(static_cast<double>(sum), static_cast<double>(joined), 1152 * 2 * 2);
}
