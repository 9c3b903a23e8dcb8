#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player/mp3/SyltFrame.h"
#include "player/mp3/UsltFrame.h"
#include "player/tests/Id3TestSupport.h"

using namespace id3test;

namespace {

const std::string kZero16 = bytes({0, 0});

std::vector<LyricsLine> sylt(const std::string& payload) {
    std::vector<LyricsLine> lines;
    EXPECT_TRUE(parseSyltPayload(data(payload), payload.size(), lines));
    return lines;
}

std::wstring uslt(const std::string& payload) { return parseUsltPayload(data(payload), payload.size()); }

// Encoding, "eng", milliseconds, lyrics.
std::string syltHeader(int encoding) { return bytes({encoding}) + "eng" + bytes({2, 1}); }

void expectLines(const std::vector<LyricsLine>& lines, const std::vector<std::pair<uint32_t, std::wstring>>& expected) {
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].time, expected[i].first) << i;
        EXPECT_EQ(lines[i].text, expected[i].second) << i;
    }
}

}  // namespace

TEST(SyltPayload, ReadsEveryTextEncoding) {
    // Single bytes in the conversion code page (Shift_JIS under the Japanese locale).
    expectLines(sylt(syltHeader(0) + "desc" + bytes({0}) + "One" + bytes({0}) + bigEndian(1000) +
                     bytes({0x93, 0xFA, 0x96, 0x7B, 0}) + bigEndian(2000)),
                {{1000, L"One"}, {2000, L"日本"}});
    // UTF-16 with a mark on the descriptor only: the lines take its byte order.
    expectLines(sylt(syltHeader(1) + bytes({0xFF, 0xFE}) + kZero16 + utf16le(L"行一") + kZero16 + bigEndian(5) +
                     utf16le(L"two") + kZero16 + bigEndian(6)),
                {{5, L"行一"}, {6, L"two"}});
    // UTF-16 with a mark on every string, little- and big-endian mixed.
    expectLines(sylt(syltHeader(1) + bytes({0xFF, 0xFE}) + utf16le(L"d") + kZero16 + bytes({0xFE, 0xFF}) +
                     utf16be(L"大きい") + kZero16 + bigEndian(70) + bytes({0xFF, 0xFE}) + utf16le(L"little") +
                     kZero16 + bigEndian(80)),
                {{70, L"大きい"}, {80, L"little"}});
    // UTF-16 big-endian without marks, and UTF-8.
    expectLines(sylt(syltHeader(2) + utf16be(L"desc") + kZero16 + utf16be(L"ビッグ") + kZero16 + bigEndian(9)),
                {{9, L"ビッグ"}});
    expectLines(sylt(syltHeader(3) + "d" + bytes({0}) + "caf\xC3\xA9 \xE6\x97\xA5" + bytes({0}) + bigEndian(12) +
                     "\xEF\xBB\xBFmarked" + bytes({0}) + bigEndian(13)),
                {{12, L"café 日"}, {13, L"marked"}});
}

TEST(SyltPayload, ALineCutOffByTheFrameEndIsDropped) {
    const std::string head = syltHeader(1) + bytes({0xFF, 0xFE}) + kZero16 + utf16le(L"whole") + kZero16 + bigEndian(1);
    expectLines(sylt(head + utf16le(L"cut")), {{1, L"whole"}});
    expectLines(sylt(head + utf16le(L"no time") + kZero16 + bytes({0, 0, 1})), {{1, L"whole"}});
    expectLines(sylt(head + bytes({0x41})), {{1, L"whole"}});  // an odd byte
    std::vector<LyricsLine> lines;
    EXPECT_FALSE(parseSyltPayload(data(std::string("\x01" "eng\x02")), 5, lines));
    expectLines(sylt(syltHeader(1)), {});
}

TEST(SyltPayload, WritesUtf16LinesWithMarksAndMillisecondTimes) {
    const std::string payload = buildSyltPayload({{10000, L"Hello "}, {0xFFFFFFFF, L"終わり"}});
    const std::string expected = bytes({1}) + "eng" + bytes({2, 1, 0xFF, 0xFE, 0, 0}) + bytes({0xFF, 0xFE}) +
                                 utf16le(L"Hello ") + kZero16 + bigEndian(10000) + bytes({0xFF, 0xFE}) +
                                 utf16le(L"終わり") + kZero16 + bigEndian(0xFFFFFFFF);
    EXPECT_EQ(payload, expected);
    expectLines(sylt(payload), {{10000, L"Hello "}, {0xFFFFFFFF, L"終わり"}});
}

TEST(SyltPayload, TimesScaledForTheTempoStayWithin32Bits) {
    EXPECT_EQ(scaleTimeForTempo(8000, 80), 10000u);
    EXPECT_EQ(scaleTimeForTempo(8000, 100), 8000u);
    EXPECT_EQ(scaleTimeForTempo(10000, 125), 8000u);
    // Four thousand million ms at half speed would need 33 bits.
    EXPECT_EQ(scaleTimeForTempo(4000000000u, 50), 0xFFFFFFFFu);
    EXPECT_EQ(scaleTimeForTempo(0xFFFFFFFFu, 100), 0xFFFFFFFFu);
    EXPECT_EQ(scaleTimeForTempo(2147483648u, 60), 3579139413u);
    EXPECT_EQ(scaleTimeForTempo(1234, 0), 1234u);
}

TEST(UsltPayload, SkipsTheDescriptorInEveryEncoding) {
    EXPECT_EQ(uslt(bytes({0}) + "eng" + "descriptor" + bytes({0}) + "The lyrics\nline two"), L"The lyrics\nline two");
    EXPECT_EQ(uslt(bytes({0}) + "eng" + bytes({0}) + "Plain" + bytes({0})), L"Plain");
    EXPECT_EQ(uslt(bytes({1}) + "eng" + bytes({0xFF, 0xFE}) + utf16le(L"desc") + kZero16 + bytes({0xFF, 0xFE}) +
                   utf16le(L"歌詞です")),
              L"歌詞です");
    // Our own older form: a mark, an empty descriptor, then little-endian text.
    EXPECT_EQ(uslt(bytes({1}) + "eng" + bytes({0xFF, 0xFE}) + kZero16 + utf16le(L"old form") + kZero16), L"old form");
    EXPECT_EQ(uslt(bytes({1}) + "eng" + bytes({0xFE, 0xFF}) + kZero16 + bytes({0xFE, 0xFF}) + utf16be(L"big")),
              L"big");
    EXPECT_EQ(uslt(bytes({2}) + "eng" + utf16be(L"d") + kZero16 + utf16be(L"ユーティーエフ")), L"ユーティーエフ");
    EXPECT_EQ(uslt(bytes({3}) + "eng" + "d" + bytes({0}) + "\xE6\xAD\x8C"), L"歌");
}

TEST(UsltPayload, ShortOrUnendedFramesGiveWhatTheyHold) {
    EXPECT_EQ(uslt(""), L"");
    EXPECT_EQ(uslt(bytes({1, 'e', 'n'})), L"");
    EXPECT_EQ(uslt(bytes({1}) + "eng"), L"");
    EXPECT_EQ(uslt(bytes({1}) + "eng" + bytes({0xFF})), L"");
    // Without a descriptor the lyrics follow the language directly.
    EXPECT_EQ(uslt(bytes({0}) + "eng" + "Only lyrics"), L"Only lyrics");
    EXPECT_EQ(uslt(bytes({9}) + "eng" + "d" + bytes({0}) + "unknown"), L"unknown");
}
