#include <gtest/gtest.h>

#include "foundation/encoding/Iso2022Jp.h"
#include "foundation/encoding/StringConversion.h"
#include "foundation/system/Exception.h"
#include "foundation/system/StringTable.h"
#include "foundation/tests/EncodingTestSupport.h"

TEST(EncodingConversion, NarrowAndWideThroughTheConversionCodePage) {
    ScopedConversionCodePage sjis(932);
    EXPECT_EQ(toWString("\x93\xFA\x96\x7B"), L"\u65E5\u672C");
    EXPECT_EQ(toWString(std::string("\x93\xFA")), L"\u65E5");
    EXPECT_EQ(toString(L"\u65E5\u672C"), "\x93\xFA\x96\x7B");
    EXPECT_EQ(toNarrowString(L"a\u65E5"), "a\x93\xFA");
    EXPECT_EQ(toWString(L"copy"), L"copy");
    EXPECT_EQ(toWString(static_cast<const char*>(nullptr)), L"");
}

TEST(EncodingConversion, FixedCodePagesIgnoreTheConversionCodePage) {
    ScopedConversionCodePage utf8(CP_UTF8);
    EXPECT_EQ(shiftJisToWString("\x83\x65\x83\x58\x83\x67"), L"\u30C6\u30B9\u30C8");
    EXPECT_EQ(multiByteToWide("\xA7\x41", 950), L"\u4F60");
    EXPECT_EQ(wideToMultiByte(L"\u00E9", CP_UTF8), "\xC3\xA9");
}

TEST(EncodingConversion, Utf8KeepsEmbeddedNulsAndDecodeStopsAtThem) {
    EXPECT_EQ(utf8ToWString(std::string("a\0\xC3\xA9", 4)), std::wstring(L"a\0\u00E9", 3));
    EXPECT_EQ(utf8ToWString(""), L"");
    std::wstring text = L"old";
    EXPECT_TRUE(decodeMultiByte(CP_UTF8, "ab\0cd", 5, text));
    EXPECT_EQ(text, L"ab");
}

TEST(EncodingConversion, AllocatedBufferAndItsLength) {
    struct Case {
        UINT codePage;
        const wchar_t* text;
        std::string bytes;
    };
    const Case cases[] = {
        {932, L"a\u65E5", "a\x93\xFA"},
        {65001, L"\u00E9", "\xC3\xA9"},
        {50220, L"\u65E5", "\x1B$BF|\x1B(B"},
        // An empty text is converted, not failed: the caller gets a buffer holding "".
        {932, L"", ""},
        {65001, L"", ""},
        {50220, L"", ""},
    };
    for (const Case& c : cases) {
        unsigned length = 99;
        char* buffer = wideCharToMultibyte(c.codePage, c.text, &length);
        ASSERT_NE(buffer, nullptr) << c.codePage;
        EXPECT_EQ(std::string(buffer), c.bytes) << c.codePage;
        EXPECT_EQ(length, c.bytes.size()) << c.codePage;
        delete[] buffer;
    }
}

TEST(EncodingConversion, AllocatedBufferIsNullOnlyWhenNothingCouldBeConverted) {
    unsigned length = 99;
    EXPECT_EQ(wideCharToMultibyte(932, nullptr, &length), nullptr);
    // A code page the system does not know converts nothing.
    EXPECT_EQ(wideCharToMultibyte(12345, L"abc", &length), nullptr);
    EXPECT_EQ(length, 99u);
    char* buffer = wideCharToMultibyte(932, L"");
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer[0], '\0');
    delete[] buffer;
}

TEST(EncodingIso2022Jp, EncodesJisX0208BetweenEscapes) {
    EXPECT_EQ(wideToMultiByte(L"a\u65E5\u672Cb", 50220), "a\x1B$BF|K\\\x1B(Bb");
    // The text always ends in ASCII, and line ends are written in ASCII.
    EXPECT_EQ(wideToMultiByte(L"\u65E5\r\n\u672C", 50220), "\x1B$BF|\x1B(B\r\n\x1B$BK\\\x1B(B");
    // Half-width katakana are written full-width; the unmappable become "?".
    EXPECT_EQ(wideToMultiByte(L"\uFF71", 50220), "\x1B$B%\"\x1B(B");
    EXPECT_EQ(wideToMultiByte(L"\U0001F600", 50220).find('?') != std::string::npos, true);
}

TEST(EncodingIso2022Jp, MixedTextRoundTrips) {
    const std::wstring mixed =
        L"Hello, \u4E16\u754C! \u30C6\u30B9\u30C8\u3067\u3059\u3002\r\n"
        L"(\u6F22\u5B57) ABC \u3000\u2460\u2161 xyz\uFF5E";
    std::string bytes = wideToMultiByte(mixed.c_str(), 50220);
    for (unsigned char c : bytes) EXPECT_LT(c, 0x80u);
    EXPECT_EQ(multiByteToWide(bytes.c_str(), 50220), mixed);
}

TEST(EncodingIso2022Jp, KanjiOfTheIbmRowsGoThroughTheirNecSelectedCodes) {
    // Common in family names; code page 932 writes them in rows that JIS X 0208 lacks.
    const std::wstring names = L"\u9AD9\u6A4B \u5C71\uFA11 \u2170";
    std::string bytes = wideToMultiByte(names.c_str(), 50220);
    EXPECT_EQ(bytes.find('?'), std::string::npos);
    EXPECT_EQ(multiByteToWide(bytes.c_str(), 50220), names);
}

TEST(EncodingIso2022Jp, DecodesTheOtherEscapesAndShiftStates) {
    // JIS X 0208-1978, JIS-Roman, half-width katakana by escape and by shift-out.
    EXPECT_EQ(multiByteToWide("\x1B$@F|\x1B(Jx\x1B(I1\x1B(B", 50220), L"\u65E5x\uFF71");
    EXPECT_EQ(multiByteToWide("a\x0E" "1\x0F" "b", 50220), L"a\uFF71b");
    // A broken pair at the end is no crash.
    EXPECT_EQ(multiByteToWide("\x1B$BF", 50220), L"?");
}

TEST(EncodingIso2022Jp, ShiftJisArithmeticBothWays) {
    for (unsigned row = 0x21; row <= 0x7E; ++row) {
        for (unsigned cell = 0x21; cell <= 0x7E; ++cell) {
            unsigned char first = static_cast<unsigned char>(row);
            unsigned char second = static_cast<unsigned char>(cell);
            jisToShiftJis(first, second);
            shiftJisToJis(first, second);
            ASSERT_EQ(first, row);
            ASSERT_EQ(second, cell);
        }
    }
}

// Runs under the default locale too: the texts are wide, whatever the code page.
TEST(EncodingMessages, LyricsErrorTextsReadCorrectlyInAnyCodePage) {
    EXPECT_EQ(LyricsManagerException(L"", "f", 1, 1).getMessage(), L"\r\nCouldn't open this mp3 file");
    EXPECT_EQ(LyricsManagerException(L"x", "f", 1, 4).getMessage(),
              L"x\r\nLists/Lyrics.txt \u30D5\u30A1\u30A4\u30EB\u304C\u6B63\u3057\u304F\u8AAD\u307F"
              L"\u8FBC\u3081\u3066\u3044\u307E\u305B\u3093\u3002");
    EXPECT_EQ(LyricsManagerException(L"only", "f", 1, 2).getMessage(), L"only");
    EXPECT_EQ(Exception(L"plain", "f", 1, 1).getMessageText(), L"plain");
    const Exception& base = LyricsManagerException(L"", "f", 1, 5);
    EXPECT_NE(base.getMessage().find(L"lrc"), std::wstring::npos);
}

TEST(EncodingMessages, StringTableGivesUnknownKeysBack) {
    const std::wstring& first = StringTable::instance().lookup(L"&Undo");
    EXPECT_EQ(first, L"&Undo");
    EXPECT_EQ(&StringTable::instance().lookup(L"&Undo"), &first);
}
