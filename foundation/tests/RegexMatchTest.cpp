#include <gtest/gtest.h>

#include "foundation/tests/RegexTestSupport.h"

using regextest::describe;
using regextest::expectAll;
using regextest::MatchCase;


TEST(RegexQuantifiers, EachKindTakesItsShareOfTheText) {
    expectAll({
        {L"a*", 0, L"aaab", L"aaa"},
        {L"a*?", 0, L"aaab", L""},
        {L"a+?", 0, L"aaab", L"a"},
        {L"a??b", 0, L"ab", L"ab"},
        {L"a{2}", 0, L"aaaa", L"aa"},
        {L"a{2,3}", 0, L"aaaa", L"aaa"},
        {L"a{2,3}?", 0, L"aaaa", L"aa"},
        {L"a{2,}", 0, L"aaaa", L"aaaa"},
        {L"a{2,}?", 0, L"aaaa", L"aa"},
        {L"a{2,}+a", 0, L"aaaa", L"NONE"},
        {L"a*+a", 0, L"aaa", L"NONE"},
        {L"a?+b", 0, L"ab", L"ab"},
        {L"<.+>", 0, L"<a><b>", L"<a><b>"},
        {L"<.+?>", 0, L"<a><b>", L"<a>"},
        {L"<.++>", 0, L"<a><b>", L"NONE"},
        {L"(a|ab)(c|bcd)(d*)", 0, L"abcd", L"abcd|a|bcd|"},
        {L"(ab)*?c", 0, L"ababc", L"ababc|ab"},
        {L"(a|b)*?b", 0, L"aab", L"aab|a"},
        {L"(?:ab|a)+?b", 0, L"aabb", L"aabb"},
        {L"(a|ab)+c", 0, L"ababc", L"ababc|ab"},
        {L"a{3,1}", 0, L"aaaa", L"aaa"},   // a maximum below the minimum is raised to it
        {L"xa{0}y", 0, L"xy", L"xy"},     // a maximum of 0 drops the atom
        {L"x{,3}y", 0, L"xxy", L"y"},     // braces without a leading number: 0 to 0
        {L"ab{2}c", 0, L"abbc", L"abbc"},  // the quantifier takes the last literal only
        {L"a{2}?", 0, L"aaa", L"aa"},      // "?" after an exact count changes nothing
        {L"(\\d{1,2})(\\d+)", 0, L"12345", L"12345|12|345"},
    });
}

TEST(RegexQuantifiers, RepeatsOfEmptyMatchesStop) {
    expectAll({
        {L"(a*)*", 0, L"b", L"|"},
        {L"(a*)+", 0, L"aa", L"aa|"},
        {L"(a*)*b", 0, L"aab", L"aab|"},
        {L"(?:)*x", 0, L"x", L"x"},
        {L"(\\b)+a", 0, L" a", L"a|"},
        {L"(a|)*b", 0, L"aab", L"aab|"},
        {L"(a|){3,}b", 0, L"ab", L"ab|"},
        {L"(?:a?){2147483647}b", 0, L"aab", L"aab"},
        {L"(a*?)*?b", 0, L"ab", L"ab|a"},
    });
}

TEST(RegexAnchors, LineAndTextBoundariesFollowTheFlags) {
    expectAll({
        {L"^b", 0, L"a\nb", L"NONE"},
        {L"^b", MULTILINE, L"a\nb", L"b"},
        {L"^b", MULTILINE, L"a\rb", L"b"},
        {L"^b", MULTILINE, L"a\r\nb", L"b"},
        {L"^\\n", MULTILINE, L"a\r\nb", L"NONE"},  // between CR and LF is no line start
        {L"a$", 0, L"a\nb", L"NONE"},
        {L"a$", 0, L"a\n", L"NONE"},  // "$" alone is the very end of the text
        {L"a$", 0, L"xa", L"a"},
        {L"a$", MULTILINE, L"a\nb", L"a"},
        {L"a$", MULTILINE, L"a\rb", L"a"},
        {L"a$", MULTILINE, L"a\r\nb", L"a"},
        {L"\\r$", MULTILINE, L"a\r\nb", L"NONE"},  // nor is it a line end
        {L"\\Aa", MULTILINE, L"b\na", L"NONE"},
        {L"a\\Z", 0, L"a\n", L"a"},
        {L"a\\Z", 0, L"a\r\n", L"a"},
        {L"a\\Z", 0, L"a\n\n", L"NONE"},
        {L"a\\z", 0, L"a\n", L"NONE"},
        {L"a\\z", 0, L"ba", L"a"},
        {L"(?m)^x$", 0, L"a\nx\nb", L"x"},
    });
}

TEST(RegexAnchors, WordBoundariesAndTheSearchStart) {
    expectAll({
        {L"\\bfoo\\b", 0, L"afoo foo", L"foo"},
        {L"f\\bo", 0, L"food", L"NONE"},
        {L"f\\Bo", 0, L"food", L"fo"},
        {L"\\b_x", 0, L"a _x", L"_x"},
        {L"\\Gb", 0, L"ab", L"b"},  // without GLOBAL, \G matches everywhere
        {L"\\Gb", GLOBAL, L"ab", L"NONE"},
    });
    CRegexp re(L"\\Gb", GLOBAL);
    EXPECT_EQ(describe(re, L"ab", 1), L"b");
}

TEST(RegexCase, InlineSwitchesTurnCaseBlindnessOnAndOff) {
    expectAll({
        {L"(?i)abc", 0, L"ABC", L"ABC"},
        {L"(?i)a(?-i)bc", 0, L"ABC", L"NONE"},
        {L"(?i)a(?-i)bc", 0, L"Abc", L"Abc"},
        {L"a(?i:b)c", 0, L"aBc", L"aBc"},
        {L"a(?i:b)c", 0, L"aBC", L"NONE"},
        {L"(?i)[a-c]+", 0, L"xAbC", L"AbC"},
        {L"[A-Z]+", IGNORECASE, L"-abc", L"abc"},
        {L"[^a]", IGNORECASE, L"Ab", L"b"},
        {L"(a)(?i)b|c", 0, L"C", L"C|~"},  // the switch lasts to the end of the group, later branches too
        {L"(?i:\x3b1)", 0, L"\x391", L"NONE"},  // only Latin-1 folds
        {L"(?is)A.B", 0, L"a\nb", L"a\nb"},
        {L"a.b", 0, L"a\nb", L"NONE"},
        {L"a.b", SINGLELINE, L"a\nb", L"a\nb"},
        {L"a.b", 0, L"a\rb", L"a\rb"},
    });
}

TEST(RegexGroups, NamedGroupsAreNumberedAfterTheNumberedOnes) {
    CRegexp re(L"(?<first>a)(b)(?'second'c)(?P<first>d)?");
    EXPECT_EQ(re.groupCount(), 3);
    EXPECT_EQ(re.getNamedGroupNumber(L"first"), 2);
    EXPECT_EQ(re.getNamedGroupNumber(L"FIRST"), 2);  // names compare without case
    EXPECT_EQ(re.getNamedGroupNumber(L"second"), 3);
    EXPECT_EQ(re.getNamedGroupNumber(L"third"), -1);
    EXPECT_EQ(describe(re, L"abcd"), L"abcd|b|d|c");
    EXPECT_EQ(describe(re, L"abc"), L"abc|b|a|c");
    expectAll({
        {L"(?<n>a)|(?<n>b)", 0, L"b", L"b|b"},
        {L"(?:a)(b)", 0, L"ab", L"ab|b"},
        {L"((a)|b)+", 0, L"ab", L"ab|b|a"},
        {L"(a)|b", 0, L"b", L"b|~"},
    });
}

TEST(RegexGroups, BackReferencesCompareTheCapturedText) {
    expectAll({
        {L"(a+)b\\1", 0, L"aabaa", L"aabaa|aa"},
        {L"(a+)b\\1", 0, L"aaba", L"aba|a"},
        {L"(a)\\1", IGNORECASE, L"aA", L"aA|a"},
        {L"(a)\\1", 0, L"aA", L"NONE"},
        {L"(?<w>\\w+) \\k<w>", 0, L"say the the", L"the the|the"},
        {L"(?<w>\\w+) \\k'w'", 0, L"so so", L"so so|so"},
        {L"(\\w) \\g1", 0, L"a a", L"a a|a"},
        {L"(x)?\\1y", 0, L"y", L"NONE"},  // a group that took no part matches nothing
        {L"\\2(a)", 0, L"a", L"NONE"},    // a reference to a missing group refers to nothing
        {L"(a)(b)(c)\\12", 0, L"abca2", L"abca2|a|b|c"},
        {L"(a\\1?)+", 0, L"aaa", L"aaa|a"},  // a group still open compares its own text so far
        {L"\\k<nope>a", 0, L"a", L"NONE"},
        {L"\\kx", 0, L"kx", L"kx"},
    });
}

TEST(RegexGroups, ConditionalsOnAGroupOrAnAssertion) {
    expectAll({
        {L"(a)?(?(1)b|c)", 0, L"ab", L"ab|a"},
        {L"(a)?(?(1)b|c)", 0, L"c", L"c|~"},
        {L"(a)?(?(1)b|c)", 0, L"ac", L"c|~"},
        {L"(?<q>\")?\\w+(?(q)\")", 0, L"\"hi\"", L"\"hi\"|\""},
        {L"(?<q>\")?\\w+(?(<q>)\")", 0, L"hi", L"hi|~"},
        {L"(?(?=\\d)\\d+|[a-z]+)", 0, L"42", L"42"},
        {L"(?(?=\\d)\\d+|[a-z]+)", 0, L"ab", L"ab"},
        {L"(?(?!x)a|xb)", 0, L"xb", L"xb"},
        {L"(?(1)a)b", 0, L"ab", L"b"},  // a missing branch matches empty
    });
}

TEST(RegexLookAround, AheadAndBehindAreZeroWidth) {
    expectAll({
        {L"foo(?=bar)", 0, L"foobaz foobar", L"foo"},
        {L"q(?!u)\\w", 0, L"quit qat", L"qa"},
        {L"(?<=\\$)\\d+", 0, L"cost $42", L"42"},
        {L"(?<!\\$)\\b\\d+", 0, L"$42 17", L"17"},
        {L"(?<=ab|b)c", 0, L"xbc", L"c"},
        {L"(?<=(a+))b", 0, L"aab", L"b|aa"},
        {L"(?=(\\w+))\\w", 0, L"abc", L"a|abc"},
        {L"(?>a+)b", 0, L"aaab", L"aaab"},
        {L"(?>a+)a", 0, L"aaa", L"NONE"},
        {L"(?>(a)|ab)c", 0, L"abc", L"NONE"},
        {L"(?!(a))b", 0, L"b", L"b|~"},
    });
}

TEST(RegexRightToLeft, SearchesFromTheEnd) {
    expectAll({
        {L"\\d+", RIGHTTOLEFT, L"12 345", L"345"},
        {L"a+", RIGHTTOLEFT, L"aaa", L"aaa"},
        {L"a+?", RIGHTTOLEFT, L"aaa", L"a"},
        {L"(\\w+) (\\w+)", RIGHTTOLEFT, L"ab cd ef", L"cd ef|cd|ef"},
        {L"^a", RIGHTTOLEFT, L"aa", L"a"},
        {L"\\1(a)", RIGHTTOLEFT, L"xaa", L"aa|a"},  // right to left, the group comes first
        {L"b(?=c)", RIGHTTOLEFT, L"bcbd", L"b"},
        {L"(?<=a)b", RIGHTTOLEFT, L"abxb", L"b"},
        {L"x", RIGHTTOLEFT, L"abc", L"NONE"},
    });
    CRegexp re(L"\\d", RIGHTTOLEFT);
    MatchResultT result = re.match(L"1a2b3", 3);
    ASSERT_TRUE(result.isMatched());
    EXPECT_EQ(result.getStart(), 2);
}

TEST(RegexRecursion, BalancedTextAndTheDepthLimit) {
    expectAll({
        {L"\\((?:[^()]|(?R))*\\)", 0, L"x(a(b)c)y", L"(a(b)c)"},
        {L"^(\\((?1)?\\))$", 0, L"((()))", L"((()))|((()))"},
        {L"(?<p>\\[(?R<p>)?\\])", 0, L"[[]]", L"[[]]|[[]]"},
    });
    CRegexp re(L"^(\\((?1)?\\))$");
    auto nested = [](int depth) { return std::wstring(static_cast<size_t>(depth), L'(') + std::wstring(static_cast<size_t>(depth), L')'); };
    EXPECT_TRUE(re.match(nested(101)).isMatched());   // 100 recursions open at once
    EXPECT_FALSE(re.match(nested(102)).isMatched());  // a 101st fails
}

TEST(RegexSets, ItemsRangesClassesAndPosixNames) {
    expectAll({
        {L"[\\w-./?%&=]+", 0, L" a-b.c/d?e=1 ", L"a-b.c/d?e=1"},
        {L"[a\\-z]+", 0, L"b-az", L"-az"},
        {L"[-a]+", 0, L"x-a-", L"-a-"},
        {L"[a-]+", 0, L"x-a-", L"-a-"},
        {L"[z-a]+", 0, L"mz", L"mz"},
        {L"[^\\d\\s]+", 0, L"1 ab 2", L"ab"},
        {L"[\\b]", 0, L"a\bb", L"\b"},
        {L"[[:alpha:]]+", 0, L"12abc3", L"abc"},
        {L"[[:^digit:]]+", 0, L"12abc3", L"abc"},
        {L"[[:upper:][:digit:]]+", 0, L"abC1d", L"C1"},
        {L"[[:blank:]]+", 0, L"a \t\nb", L" \t"},
        {L"[[:xdigit:]]+", 0, L"xyzBEEF", L"BEEF"},
        {L"[[:foo:]]+", 0, L"xo:]", L":]"},  // an unknown class name is an ordinary set: [[:fo]] then "]+"
        {L"[\\x41-\\x43]+", 0, L"ABCD", L"ABC"},
        {L"[]a", 0, L"a", L"NONE"},      // "]" closes the set at once: an empty set
        {L"[^]a", 0, L"xa", L"xa"},
        {L"\\s+", 0, L"a \t\r\n\u3000b", L" \t\r\n"},
        {L"\\W+", 0, L"ab, cd", L", "},
        {L"\\D+", 0, L"12ab3", L"ab"},
        {L"\\S+", 0, L"  ab ", L"ab"},
    });
}

TEST(RegexLexing, EscapesQuotingCommentsAndFreeSpacing) {
    expectAll({
        {L"\\x41\\u0042\\x{43}\\u{44}", 0, L"ABCD", L"ABCD"},
        {L"\\xZ", 0, L"xZ", L"xZ"},
        {L"\\t\\n\\r\\f\\v\\a\\e", 0, L"\t\n\r\f\v\a\x1b", L"\t\n\r\f\v\a\x1b"},
        {L"\\Qa.b*\\E+", 0, L"a.b**", L"a.b**"},
        {L"\\Qa.b", 0, L"axb a.b", L"a.b"},
        {L"\\Uab\\Ec", 0, L"ABc", L"ABc"},
        {L"\\LAB\\EC", 0, L"abC", L"abC"},
        {L"a(?#note)b", 0, L"ab", L"ab"},
        {L"a b # note\n c", EXTENDED, L"abc", L"abc"},
        {L"a[ ]b", EXTENDED, L"a b", L"a b"},
        {L"a\\ b", EXTENDED, L"a b", L"a b"},
        {L"a\\", 0, L"a\\", L"a\\"},
        {L"\\.\\*", 0, L"a.*", L".*"},
        {L"\\\xe9", 0, L"\xe9", L"\xe9"},
    });
}

TEST(RegexMalformed, UnmatchedSpecialCharactersAreLiterals) {
    expectAll({
        {L"a)", 0, L"xa)", L"a)"},
        {L"(a", 0, L"x(a", L"(a"},
        {L"((a)", 0, L"((a)", L"(a|a"},
        {L"(a))", 0, L"a)", L"a)|a"},
        {L"[a", 0, L"x[a", L"[a"},
        {L"*a", 0, L"b*a", L"*a"},
        {L"+", 0, L"1+2", L"+"},
        {L"?", 0, L"why?", L"?"},
        {L"a|*", 0, L"*", L"*"},
        {L"(*)", 0, L"*", L"*|*"},
        {L"a{2", 0, L"a{2", L"a{2"},
        {L"}", 0, L"}", L"}"},
        {L"(?<=a", 0, L"(?<=a", L"<=a"},  // "(" is a literal that "?" makes optional
        {L"(?z)", 0, L"?z", L"?z|?z"},
        {L"(((((((((((", 0, L"x((((((((((((", L"(((((((((((" },
        {L"(?(1)a", 0, L"x(1a", L"(1a|1"},
        {L"", 0, L"abc", L""},
    });
    // The same malformed pattern gives the same result every time.
    for (int i = 0; i < 3; ++i) EXPECT_EQ(describe(L"(a|[b", 0, L"x[b(a"), L"[b");
}

TEST(RegexSearch, StartPositionsAndContexts) {
    CRegexp re(L"o");
    EXPECT_EQ(re.match(L"foo boo", 3).getStart(), 5);
    EXPECT_FALSE(re.match(L"foo", 4).isMatched());  // beyond the end finds nothing
    EXPECT_EQ(re.match(L"foo", -5).getStart(), 1);
    CContext context;
    EXPECT_EQ(re.match(L"foo", 2, &context).getStart(), 2);
    EXPECT_EQ(re.match(L"xo", 0, &context).getStart(), 1);  // a reused context is prepared afresh
    CRegexp none(static_cast<const wchar_t*>(nullptr));
    EXPECT_FALSE(none.match(L"abc").isMatched());
    MatchResultT unmatched;
    EXPECT_FALSE(unmatched.isMatched());
    EXPECT_EQ(unmatched.getStart(), -1);
}

TEST(RegexSearch, TheLinkPatternFindsLinksInRunningText) {
    CRegexp link(L"http(s)?://([\\w-]+\\.)+[\\w-]+(/[\\w-./?%&=]*)?", IGNORECASE);
    std::wstring text = L"See HTTP://www.Example.com/a-b/c?x=1&y=2, or https://sub.site.org. Not http:/bad.";
    MatchResultT first = link.match(text);
    ASSERT_TRUE(first.isMatched());
    EXPECT_EQ(text.substr(static_cast<size_t>(first.getStart()), static_cast<size_t>(first.getEnd() - first.getStart())),
              L"HTTP://www.Example.com/a-b/c?x=1&y=2");
    MatchResultT second = link.match(text, first.getEnd());
    ASSERT_TRUE(second.isMatched());
    EXPECT_EQ(describe(link, text, first.getEnd()), L"https://sub.site.org|s|site.|~");
    EXPECT_FALSE(link.match(text, second.getEnd()).isMatched());
}

TEST(RegexSearch, LongTextsUseNoDeepRecursion) {
    std::wstring text(2000000, L'a');
    text += L"c";
    EXPECT_EQ(CRegexp(L"(a|b)*c").match(text).getEnd(), 2000001);
    EXPECT_EQ(CRegexp(L"(?:a|b)*?c").match(text).getEnd(), 2000001);
    EXPECT_EQ(CRegexp(L"(a)+c").match(text).getEnd(), 2000001);
    EXPECT_EQ(CRegexp(L"(?>a+)c").match(text).getEnd(), 2000001);
}

TEST(RegexSearch, LeadingDotStarSkipsToTheNextLine) {
    std::wstring text = std::wstring(20000, L'x') + L"\nab foo";
    EXPECT_EQ(describe(L".*foo", 0, text), L"ab foo");
    EXPECT_EQ(describe(L".*b", 0, L"aaa\nxb"), L"xb");
    EXPECT_EQ(describe(L".*b", SINGLELINE, L"aaa\nxb"), L"aaa\nxb");
    EXPECT_EQ(describe(L".*z", SINGLELINE, text), L"NONE");
    EXPECT_EQ(describe(L".*(?<=a)b", 0, L"xb\nab"), L"ab");
}
