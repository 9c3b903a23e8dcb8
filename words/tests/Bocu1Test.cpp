#include <gtest/gtest.h>

#include "words/pdic/Bocu1Decoder.h"
#include "words/tests/Bocu1Encoder.h"

namespace {

std::wstring decode(const std::string& bytes, size_t maxUnits = 1024) {
    return bocu1ToWide(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), maxUnits);
}

}  // namespace

// Byte sequences worked out by hand from the published algorithm.
TEST(Bocu1, DecodesKnownSequences) {
    EXPECT_EQ(decode("\xB1"), L"a");
    // Hiragana A: a three-byte difference whose first trail byte (0x11) is below 0x21.
    EXPECT_EQ(decode("\xFB\x11\x59"), L"\x3042");
    // Back to ASCII from the Hiragana state: a negative three-byte difference.
    EXPECT_EQ(decode("\xFB\x11\x59\x24\xF8\xA7"), L"\x3042" L"a");
    // Controls pass through and reset the state; the space does not.
    EXPECT_EQ(decode("\xB1 \xB2\n\xB3"), L"a b\nc");
}

TEST(Bocu1, CodePointsAboveTheBasicPlaneBecomeSurrogatePairs) {
    EXPECT_EQ(decode("\xFC\xFF\x5D"), L"\xD83D\xDE00");
    EXPECT_EQ(decode(encodeBocu1(L"x\xD83D\xDE00y\xD840\xDC0B")), L"x\xD83D\xDE00y\xD840\xDC0B");
    // A pair is never cut in two by the room left.
    EXPECT_EQ(decode("\xB1\xFC\xFF\x5D", 3), L"a");
    EXPECT_EQ(decode("\xB1\xFC\xFF\x5D", 4), L"a\xD83D\xDE00");
}

TEST(Bocu1, IllegalBytesEndTheTextAndResetsGiveNothing) {
    EXPECT_EQ(decode("\xB1\xFB\x07\x59\xB1"), L"a") << "0x07 is never a trail byte";
    EXPECT_EQ(decode("\xB1\xFF\xB2"), L"ab") << "the reset byte";
    EXPECT_EQ(decode("\xB1\xFB\x11"), L"a") << "a sequence cut off";
    EXPECT_EQ(decode(std::string("\xB1\x00\xB2", 3)), L"a") << "a NUL ends the text";
    EXPECT_EQ(decode("\xB1\xB2\xB3", 3), L"ab") << "the room counts a terminator";
    EXPECT_EQ(decode("\xB1", 0), L"");
}

TEST(Bocu1, ScriptsRoundTripThroughThePublishedEncoder) {
    const std::wstring texts[] = {
        L"ice cream", L"\x65E5\x672C\x8A9E\x306E\x8F9E\x66F8", L"\x30A2\x30A4\x30B9\x30AF\x30EA\x30FC\x30E0",
        L"\xD55C\xAD6D\xC5B4 Korean", L"\x0420\x0443\x0441\x0441\x043A\x0438\x0439", L"caf\xE9\tna\xEFve\r\n",
        L"\xFFFD\xFF21\x3000!~\x7F\x80", L"\x4E00\x9FA5\x3040\x309F\xAC00\xD7A3\x3041\x30FF"};
    for (const std::wstring& text : texts) EXPECT_EQ(decode(encodeBocu1(text)), text);
}
