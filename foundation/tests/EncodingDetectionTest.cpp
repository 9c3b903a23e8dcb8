#include <gtest/gtest.h>

#include "foundation/encoding/EncodingDetection.h"
#include "foundation/encoding/EncodingId.h"
#include "foundation/encoding/StringConversion.h"
#include "foundation/encoding/TextDecoding.h"
#include "foundation/tests/EncodingTestSupport.h"

namespace {

EncodingId detect(const std::string& bytes) {
    return detectEncoding(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

}  // namespace

TEST(EncodingNames, DisplayNamesAndCodePages) {
    const struct {
        EncodingId id;
        const wchar_t* name;
        UINT codePage;
    } cases[] = {
        {-1, L"Undefine", 0},   {0, L"ANSI", 0},       {1, L"Unicode", 0},  {2, L"UTF-16BE", 0},
        {3, L"UTF-8", 65001},   {4, L"UTF-8(BOM)", 65001}, {5, L"Shift_JIS", 932}, {6, L"BIG5", 950},
        {7, L"EUC_JP", 20932},  {8, L"Binary", 0},     {9, L"ISO-2022-JP", 50220}, {10, L"", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(getEncodingName(c.id), c.name) << c.id;
        EXPECT_EQ(getCodePage(c.id), c.codePage) << c.id;
    }
}

TEST(EncodingNames, ConfigurationNamesAreExactAndCaseSensitive) {
    EXPECT_EQ(getEncodingByName(L"Shift_JIS"), 5);
    EXPECT_EQ(getEncodingByName(L"UTF-16"), 1);
    EXPECT_EQ(getEncodingByName(L"UTF-16BE"), 2);
    EXPECT_EQ(getEncodingByName(L"UTF8"), 3);
    EXPECT_EQ(getEncodingByName(L"UTF-8N"), 4);
    EXPECT_EQ(getEncodingByName(L"EUC-JP"), 7);
    EXPECT_EQ(getEncodingByName(L"ISO-2022-JP"), 9);
    EXPECT_EQ(getEncodingByName(L"Binary"), 8);
    // Display names that are not configuration names fall back to ANSI.
    EXPECT_EQ(getEncodingByName(L"BIG5"), 0);
    EXPECT_EQ(getEncodingByName(L"EUC_JP"), 0);
    EXPECT_EQ(getEncodingByName(L"shift_jis"), 0);
}

TEST(EncodingDetection, PicksTheEncodingThatExplainsEveryByte) {
    const struct {
        const char* what;
        std::string bytes;
        EncodingId expected;
    } cases[] = {
        {"ASCII ties go to Shift_JIS", "plain text\r\n", 5},
        {"Shift_JIS kanji", bytesOf({0x93, 0xFA, 0x96, 0x7B, 0x8C, 0xEA}), 5},
        {"UTF-8 katakana", bytesOf({0xE3, 0x83, 0x86, 0xE3, 0x82, 0xB9, 0xE3, 0x83, 0x88}), 3},
        {"EUC-JP kanji", bytesOf({0xC6, 0xFC, 0xCB, 0xDC, 0xB8, 0xEC}), 7},
        {"BIG5 hanzi", bytesOf({0xA7, 0x41, 0xB4, 0xFA}), 6},
        {"EUC-JP wins a tie with BIG5", bytesOf({0xA4, 0xA4, 0xA4, 0xE5}), 7},
        {"a stray byte nobody explains", bytesOf({'a', 0x80, 'b'}), 5},
        {"a NUL inside", std::string("ab\0cd", 5), 8},
        {"a NUL at the very start", std::string("\0abc", 4), 8},
    };
    for (const auto& c : cases) EXPECT_EQ(detect(c.bytes), c.expected) << c.what;
}

TEST(EncodingDetection, ShortUtf8KanaTiesWithShiftJisAndGoesShiftJis) {
    // Every byte pair of this UTF-8 text is also a valid Shift_JIS pair.
    std::string hello = u8"\u3053\u3093\u306b\u3061\u306f";
    EXPECT_EQ(detect(hello), 5);
}

TEST(EncodingDetection, NulAsLastByteIsNotBinary) {
    std::wstring text;
    EncodingId id = decodeText("abc\0", 4, text, -1);
    EXPECT_NE(id, 8);
    EXPECT_EQ(text, L"abc");
}

TEST(EncodingDetection, EucJpRewrittenAsShiftJis) {
    std::string bytes = bytesOf({0xC6, 0xFC, 'x', 0xCB, 0xDC, 0xB8, 0xEC, 0x8E, 0xB1, 0xA4});
    unsigned char* data = reinterpret_cast<unsigned char*>(&bytes[0]);
    bytes.resize(convertEUCJPToShiftJIS(data, bytes.size()));
    EXPECT_EQ(bytes, bytesOf({0x93, 0xFA, 'x', 0x96, 0x7B, 0x8C, 0xEA, 0xB1, 0xA4}));
}

TEST(EncodingDecoding, ByteOrderMarksWinOverTheWantedId) {
    std::wstring text = L"unchanged";
    EXPECT_EQ(decodeText("\xFF\xFE", 2, text, 5), 1);
    EXPECT_EQ(text, L"");
    EXPECT_EQ(decodeText("\xFE\xFF\x00\x41", 4, text, 3), 2);
    EXPECT_EQ(text, L"A");
    EXPECT_EQ(decodeText("\xEF\xBB\xBF\xE6\x97\xA5", 6, text, 1), 4);
    EXPECT_EQ(text, L"\u65E5");
}

TEST(EncodingDecoding, Utf16StopsAtNulAndIgnoresAnOddLastByte) {
    std::wstring text;
    EXPECT_EQ(decodeText("\xFE\xFF\x00\x41\x00", 5, text, -1), 2);
    EXPECT_EQ(text, L"A");
    EXPECT_EQ(decodeText("\xFF\xFE" "a\0\0\0b\0", 8, text, -1), 1);
    EXPECT_EQ(text, L"a");
}

TEST(EncodingDecoding, ExplicitUtf16BeWithoutMarkIsBigEndian) {
    std::wstring text;
    EXPECT_EQ(decodeText("\x30\x42\x00\x41", 4, text, 2), 2);
    EXPECT_EQ(text, L"\u3042A");
}

TEST(EncodingDecoding, EachIdDecodesThroughItsCodePage) {
    std::wstring text;
    EXPECT_EQ(decodeText("\x93\xFA\x96\x7B", 4, text, 5), 5);
    EXPECT_EQ(text, L"\u65E5\u672C");
    EXPECT_EQ(decodeText("\xC6\xFC\xCB\xDC\x8E\xB1", 6, text, 7), 7);
    EXPECT_EQ(text, L"\u65E5\u672C\uFF71");
    EXPECT_EQ(decodeText("\xA7\x41", 2, text, 6), 6);
    EXPECT_EQ(text, L"\u4F60");
    EXPECT_EQ(decodeText("\x1B$BF|K\\\x1B(B!", 11, text, 9), 9);
    EXPECT_EQ(text, L"\u65E5\u672C!");
    EXPECT_EQ(decodeText("ab\0cd", 5, text, -1), 8);
    EXPECT_EQ(text, L"ab");
}

TEST(EncodingDecoding, ShiftJisGivesWhatTheSystemConversionGives) {
    std::string valid;
    for (int c = 0x01; c < 0x100; ++c) {
        if ((c >= 0x81 && c <= 0x9F) || c >= 0xE0) continue;
        valid += static_cast<char>(c);
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            wchar_t unit[2];
            if (::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, pair, 2, unit, 2) == 1) valid.append(pair, 2);
        }
    }
    ASSERT_GT(valid.size(), 15000u);
    std::wstring text;
    decodeText(valid.data(), valid.size(), text, 5);
    EXPECT_EQ(text, decodeBytes(932, valid.data(), valid.size()));
    // A lead byte without its trail byte: the system decides, as everywhere else.
    std::string broken = "a\x93\xFA\x93";
    decodeText(broken.data(), broken.size(), text, 5);
    EXPECT_EQ(text, decodeBytes(932, broken.data(), broken.size()));
}
