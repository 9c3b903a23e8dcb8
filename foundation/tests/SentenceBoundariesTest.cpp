#include <gtest/gtest.h>

#include "foundation/text/SentenceBoundaries.h"

#include <random>

namespace {

struct SentenceCase {
    const wchar_t* text;
    int start;
    int expectedEnd;
};

void expectEnds(const std::vector<SentenceCase>& cases) {
    for (const SentenceCase& c : cases) {
        EXPECT_EQ(NextPunctuation(c.text, c.start), c.expectedEnd) << testing::PrintToString(std::wstring(c.text));
    }
}

} // namespace

TEST(SentenceEnds, EnglishStopsSkipAbbreviationsAndInitials) {
    expectEnds({
        {L"Hello world. This is a pen.", 0, 13},
        {L"I met Mrs. Brown today. Then we left.", 0, 24},
        {L"We saw Dr. Who there. Then", 0, 22},
        {L"John F. Kennedy spoke. Then", 0, 23},
        {L"We met on Jan. 5 at noon. Ok", 0, 26},
        {L"Sept. 5 was a day. Next", 0, 19},          // a month starting the sentence, then a day number
        {L"This is fine. and more. Next", 0, 24},     // a lower-case letter after the stop: no end
        {L"Yes. It is so. Next", 0, 15},              // three or fewer characters before the stop: no end
        {L"Really? Yes it is! Ok then", 0, 8},
        {L"First part; second part", 0, 12},          // ";" ends before a lower-case letter too
        {L"Note: this is a long sentence. Next", 0, 31},  // ":" within 20 characters: no end
        {L"The following items are these: apples", 0, 31},
        {L"He said \"Stop.\" Then left.", 0, 16},     // the closing quote belongs to the sentence
        {L"It was big.[12] Then more", 0, 16},        // a reference mark after the stop
        {L"Version 1.5 is out now. Yes", 0, 24},      // a stop inside a number is no end
        {L"He paused\x2014" L"and left.", 0, 9},
        {L"\"Stop\x2014\" she said", 0, 6},
        {L"abc", 0, 3},
        {L"a.", 0, 2},
        {L"No end here at all", 0, 18},
        {L"Hello world. This is a pen.", 13, 27},
        {L"Hello", 9, 5},
    });
}

TEST(SentenceEnds, JapaneseStopsTakeClosingBracketsAlong) {
    expectEnds({
        {L"\x4eca\x65e5\x306f\x6674\x308c\x3002\x300d\x660e\x65e5\x306f\x96e8\x3002", 0, 7},  // 。」 ends after the bracket
        {L"\x5024\x306f" L"3\xff0e" L"5\x3067\x3059\x3002\x6b21\x306e\x6587", 0, 8},           // ．before a digit is a decimal point
        {L"\x672c\x5f53\xff1f\x306f\x3044", 0, 3},
        {L"\x3053\x308c\x306f\x30da\x30f3\x3067\x3059\x3002" L"This is a pen.", 0, 8},
        {L"\x3042\x3044\x3046\x3000\x3048\x304a\x304b", 0, 7},  // an ideographic space alone ends nothing
    });
}

TEST(SentenceEnds, LineBreaksFollowTheLineModes) {
    expectEnds({
        {L"Line one\r\nLine two", 0, 10},                 // an English line followed by a capital
        {L"one line\nwraps here. Next", 0, 21},           // followed by a small letter: the sentence goes on
        {L"para one\ncont\n\nnext", 0, 14},               // a blank line ends it
        {L"Note (see)\nmore text", 0, 11},                // a closing bracket before the break
        {L"An English line\n\x65e5\x672c\x8a9e\x3067\x3059", 0, 16},
        // A Japanese line, then a line without Japanese: the break ends the first.
        {L"\x65e5\x672c\x8a9e\x306e\x884c\nEnglish line\n\x6b21\x306e\x884c", 0, 6},
        // List marks after a line break start a new sentence.
        {L"\x9805\x76ee\x306e\x4e00\x89a7\n\x30fb\x308a\x3093\x3054\n\x30fb\x307f\x304b\x3093", 0, 5},
        {L"\x9805\x76ee\x306e\x4e00\x89a7\n\x30fb\x308a\x3093\x3054\n\x30fb\x307f\x304b\x3093", 6, 10},
    });
}

TEST(SentenceEnds, ReadsStayInsideTheText) {
    std::wstring text(L"ab.\0cd. Ef.\0", 12);
    int end = NextPunctuation(text, 0);
    EXPECT_GE(end, 0);
    EXPECT_LE(end, static_cast<int>(text.size()));
    EXPECT_EQ(NextPunctuation(L"", 0), 0);
    EXPECT_EQ(NextPunctuation(L"abcd. ", 50), 6);
}

TEST(SentenceRange, ForwardAndBackward) {
    std::wstring text = L"  Hello world. Next one.";
    EXPECT_EQ(getSentenceRange(text, 0, 1), std::make_pair(2, 15));
    EXPECT_EQ(getSentenceRange(text, -4, 1), std::make_pair(2, 15));
    EXPECT_EQ(getSentenceRange(text, 16, -1), std::make_pair(15, 24));
    EXPECT_EQ(getSentenceRange(text, 14, -1), std::make_pair(0, 15));
    EXPECT_EQ(getSentenceRange(text, 100, -1), std::make_pair(15, 24));
    EXPECT_EQ(getSentenceRange(L"", 0, -1), std::make_pair(0, 0));
}

TEST(SentenceRange, NoSentenceStartsBeforeTheTextStart) {
    std::wstring text = L"Hello world. Next one.";
    EXPECT_EQ(getSentenceRange(text, 0, -1), std::make_pair(0, 0));
    EXPECT_EQ(getSentenceRange(text, -3, -1), std::make_pair(0, 0));
    EXPECT_EQ(getSentenceRange(text, 1, -1), std::make_pair(0, 13));
}

TEST(SentenceRange, BackwardWalkAlwaysEnds) {
    const std::wstring alphabet = L"aA. \n\r\t?!;:\"')[]\x3002\x300d\x30fb\x65e5\x3042\x2014\x3000\xff0e" L"1";
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        std::wstring text;
        int length = static_cast<int>(random() % 120);
        for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        int position = static_cast<int>(random() % (text.size() + 3)) - 1;
        std::pair<int, int> range = getSentenceRange(text, position, -1);
        EXPECT_LE(0, range.first);
        EXPECT_LE(range.first, range.second);
        EXPECT_LE(range.second, static_cast<int>(text.size()));
        std::pair<int, int> forward = getSentenceRange(text, position, 1);
        EXPECT_LE(forward.first, forward.second);
    }
}

TEST(SentenceHelpers, SkipWhitespaceAndAbbreviations) {
    EXPECT_EQ(skipWhitespace(L"  \r\n x", 0, false), 5);
    EXPECT_EQ(skipWhitespace(L"ab  ", 3, true), 1);
    EXPECT_EQ(skipWhitespace(L"ab", 7, true), 2);
    EXPECT_EQ(skipWhitespace(L"   ", 0, false), 3);
    EXPECT_TRUE(isAbbreviation(L'M', L'r', L's'));
    EXPECT_TRUE(isAbbreviation(L'D', L'e', L'c'));
    EXPECT_TRUE(isAbbreviation(L' ', L'D', L'r'));
    EXPECT_TRUE(isAbbreviation(L'n', L' ', L'F'));
    EXPECT_FALSE(isAbbreviation(L'r', L'l', L'd'));
    EXPECT_TRUE(isMonthAbbreviation(L"Sept"));
    EXPECT_FALSE(isMonthAbbreviation(L"sept"));
}
