// The matcher takes shortcuts: a first-character filter on each alternative, character
// tables for classes, a zero-width test or literal checked before a pattern runs, repeats
// that give nothing back when what follows cannot begin inside them, and reluctant
// repeats that stop only where what follows can begin. These cases pin the
// plain results where a shortcut could go wrong.
#include <gtest/gtest.h>

#include "foundation/tests/RegexTestSupport.h"

#include <random>

using regextest::describe;
using regextest::expectAll;
using regextest::MatchCase;


TEST(RegexShortcuts, RepeatsGiveBackWhereTheFollowerCanBeginInsideThem) {
    expectAll({
        {L"(\\w+)\\d", NO_FLAG, L"abc1", L"abc1|abc"},
        {L"([a-z]+)(?i)X", NO_FLAG, L"abx", L"abx|ab"},
        {L"(\\w+)(?:\\s|x)", NO_FLAG, L"abx", L"abx|ab"},
        // Recursion runs the group with another follower.
        {L"(a+) (?1)ab", NO_FLAG, L"a aab", L"a aab|a"},
        {L"(\\w{2,})\\s", NO_FLAG, L"a bc d", L"bc |bc"},
        {L"\\b(\\w+)\\s+\\1\\b", NO_FLAG, L"said the the news", L"the the|the"},
        {L"\\b(\\w+)\\s+\\1\\b", NO_FLAG, L"then the the", L"the the|the"},
        {L"([^ ]+) x", NO_FLAG, L"ab x", L"ab x|ab"},
    });
}

TEST(RegexShortcuts, ReluctantRepeatsStopWhereTheFollowerCanBegin) {
    expectAll({
        {L"t.*?\\.", NO_FLAG, L"at x. y.", L"t x."},
        {L"a+?b", NO_FLAG, L"aac", L"NONE"},
        {L"a+?b", NO_FLAG, L"aab", L"aab"},
        {L"(\\w+?)\\s", NO_FLAG, L"ab c", L"ab |ab"},
        {L"x.*?y", NO_FLAG, L"x..y", L"x..y"},
        {L"a{2,3}?b", NO_FLAG, L"aaaab", L"aaab"},
        // Recursion runs the group with another follower.
        {L"(a+?) (?1)b", NO_FLAG, L"a aab", L"a aab|aa"},
    });
}

TEST(RegexShortcuts, AlternativesAreTriedWhereTheyCanBegin) {
    expectAll({
        {L"(?:x|)y", NO_FLAG, L"ay", L"y"},
        {L"(?:(?=a)\\w|b)c", NO_FLAG, L"bd ac", L"ac"},
        {L"apple|river|mountain", IGNORECASE, L"the RIVER", L"RIVER"},
        {L"x|\\x{3042}y|z", NO_FLAG, L"\x3042y", L"\x3042y"},
        {L"a|$", NO_FLAG, L"b", L""},
        {L"(a)(?:\\1|b)", NO_FLAG, L"aa", L"aa|a"},
        {L"(?<=ab|c)d", NO_FLAG, L"abd", L"d"},
        {L"(?:[^a]|a)b", NO_FLAG, L"\x3042" L"b", L"\x3042" L"b"},
    });
}

TEST(RegexShortcuts, ClassesAnswerAboveLatin1AsBefore) {
    expectAll({
        {L"[^a]+", NO_FLAG, L"a\x3042\x3044" L"b", L"\x3042\x3044" L"b"},
        {L"[[:^ascii:]]+", NO_FLAG, L"ab\x00e9\x3042" L"c", L"\x00e9\x3042"},
        {L".+", NO_FLAG, L"\x3042\n", L"\x3042"},
        {L"[\\w\\x{3042}]+", NO_FLAG, L" a\x3042" L"b\x3044", L"a\x3042" L"b"},
        {L"[^\\W]+", NO_FLAG, L"\x3042" L"ab", L"ab"},
        {L"\\W+", NO_FLAG, L"a\x3042 b", L"\x3042 "},
        {L"[[:upper:]]+", NO_FLAG, L"aBC\x0410", L"BC"},
        {L"\\w+", RIGHTTOLEFT, L"ab cd", L"cd"},
    });
}

TEST(RegexShortcuts, LeadingTestsAndCaseBlindComparisons) {
    expectAll({
        {L"\\bab", NO_FLAG, L"cab ab", L"ab"},
        {L"^b", MULTILINE, L"a\r\nb", L"b"},
        {L"^a", NO_FLAG, L"ba", L"NONE"},
        {L"(\\w)\\1", IGNORECASE, L"ab aA", L"aA|a"},
        {L"APPLE", IGNORECASE, L"an apple", L"apple"},
        {L"ab", IGNORECASE, L"a\x3042 AB", L"AB"},
        {L"listening", NO_FLAG, L"listen listening", L"listening"},
        {L"HTTP(s)?:", IGNORECASE, L"htt htTps:", L"htTps:|s"},
        {L"abc", NO_FLAG, L"xab", L"NONE"},
    });
}

// The start filter compares one or two candidate characters several at a time: every
// place in texts of every short length must be found.
TEST(RegexShortcuts, StartFilterFindsEveryPlace) {
    for (int length = 1; length <= 9; ++length) {
        for (int at = 0; at < length; ++at) {
            std::wstring text(static_cast<size_t>(length), L'x');
            text[static_cast<size_t>(at)] = L'f';
            EXPECT_EQ(CRegexp(L"f").match(text).getStart(), at) << length;
            EXPECT_EQ(CRegexp(L"F", IGNORECASE).match(text).getStart(), at) << length;
        }
        EXPECT_FALSE(CRegexp(L"f").match(std::wstring(static_cast<size_t>(length), L'x')).isMatched());
    }
}

// A recursion that can never run turns the pattern-wide shortcuts off (the leading test,
// the start filter and the repeats that give nothing back), so the two forms of a random
// pattern must give the same match and groups.
TEST(RegexShortcuts, RandomPatternsMatchAsWithoutTheShortcuts) {
    const wchar_t* const items[] = {L"\\w+", L"(\\w+)", L"\\s+", L"\\d", L"[a-c]+", L"([^ ]+)", L" ", L"x", L"(?i)X",
                                    L"\\b", L"\\1", L"(?:ab|a|)", L"[^\\W]", L"\\x{3042}+", L".", L"(x+)", L"a*",
                                    L"(?:\\d|\\s)", L"c{1,2}", L"\\w{2,}?", L"(?i:A|\\x{3042})",
                                    L".*?", L"(.+?)", L"\\w+?"};
    const wchar_t alphabet[] = L"ab cx1X\x3042";
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        std::wstring pattern;
        int count = 1 + static_cast<int>(random() % 5);
        for (int i = 0; i < count; ++i) pattern += items[random() % (sizeof(items) / sizeof(items[0]))];
        std::wstring text;
        int length = static_cast<int>(random() % 14);
        for (int i = 0; i < length; ++i) text += alphabet[random() % 8];
        int flags = random() % 4 == 0 ? IGNORECASE : NO_FLAG;
        CRegexp plain(L"(?:" + pattern + L")|(?!)(?R)", flags);
        CRegexp shortcut(pattern, flags);
        ASSERT_EQ(describe(shortcut, text), describe(plain, text))
            << testing::PrintToString(pattern) << " on " << testing::PrintToString(text);
    }
}
