#include <gtest/gtest.h>

#include "foundation/tests/RegexTestSupport.h"

#include <random>

using regextest::describe;

namespace {

// Pieces of pattern syntax, whole and broken, that random patterns are made of.
const wchar_t* const kPieces[] = {
    L"a", L"b", L"x", L"(", L")", L"[", L"]", L"*", L"+", L"?", L"{", L"}", L"|", L"\\", L"^", L"$", L".", L"-",
    L"(?", L"(?<", L"(?=", L"(?!", L"(?<=", L"(?<!", L"(?>", L"(?(", L"(?R)", L"(?1)", L"\\1", L"\\2", L"\\b",
    L"\\B", L"\\G", L"\\Z", L"\\k<n>", L"(?<n>", L"{2,}", L"{1,3}", L"{0}", L"[:alpha:]", L"[:", L"\\Q", L"\\E",
    L"#", L" ", L"\\d", L"\\w", L"\\s", L"?+", L"*?", L"++", L"(?i)", L"(?-i:", L"\\x{", L"\\u", L"(?#", L"(?(1)",
    L"(?(?=a)", L"\n", L"\\L", L"\\U", L"(?P<n>", L"${", L"\\g", L"[^",
};
const int kFlagSets[] = {0, IGNORECASE, MULTILINE | SINGLELINE, RIGHTTOLEFT, EXTENDED, GLOBAL | IGNORECASE,
                         RIGHTTOLEFT | IGNORECASE | MULTILINE};

std::wstring randomPattern(std::mt19937& random) {
    std::wstring pattern;
    int pieces = static_cast<int>(random() % 14);
    for (int i = 0; i < pieces; ++i) pattern += kPieces[random() % (sizeof(kPieces) / sizeof(kPieces[0]))];
    return pattern;
}

std::wstring randomText(std::mt19937& random) {
    const std::wstring alphabet = L"aabbx()[]1 \n\r-";
    std::wstring text;
    int length = static_cast<int>(random() % 40);
    for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    return text;
}

} // namespace

TEST(RegexRobustness, RandomAndMalformedPatternsEndWithTheSameResultEachTime) {
    std::mt19937 random(20261207);
    CContext context;
    context.setStepLimit(20000);  // bounds every search; no search may take longer
    for (int i = 0; i < 4000; ++i) {
        std::wstring pattern = randomPattern(random);
        std::wstring text = randomText(random);
        int flags = kFlagSets[random() % (sizeof(kFlagSets) / sizeof(kFlagSets[0]))];
        CRegexp re(pattern, flags);
        std::wstring first = describe(re, text, -1, &context);
        CRegexp again(pattern, flags);
        EXPECT_EQ(describe(again, text, -1, &context), first) << testing::PrintToString(pattern);
        MatchResultT result = re.match(text, -1, &context);
        if (result.isMatched()) {
            EXPECT_LE(0, result.getStart());
            EXPECT_LE(result.getStart(), result.getEnd());
            EXPECT_LE(result.getEnd(), static_cast<int>(text.size()));
        }
        re.replace(text, L"<$1$&${n}>", -1, -1, nullptr, &context);
    }
}

TEST(RegexRobustness, CatastrophicBacktrackingEndsAtTheStepLimit) {
    std::wstring text(40, L'a');
    CContext context;
    context.setStepLimit(1000000);
    for (const wchar_t* pattern : {L"(a*)*b", L"(a|a)*b", L"(a|aa)+$b", L"((a+)+)+b"}) {
        CRegexp re(pattern);
        EXPECT_FALSE(re.match(text, -1, &context).isMatched()) << testing::PrintToString(std::wstring(pattern));
    }
    // The budget counts per search: an ordinary search afterwards is unaffected.
    EXPECT_TRUE(CRegexp(L"a+$").match(text, -1, &context).isMatched());
}

TEST(RegexRobustness, DeeplyNestedPatternsStayWithinTheStack) {
    std::wstring groups;
    for (int i = 0; i < 5000; ++i) groups += L"(";
    groups += L"a";
    for (int i = 0; i < 5000; ++i) groups += L")";
    CRegexp nested(groups);
    // 64 groups nest; the parentheses beyond them are literal text.
    std::wstring literal = std::wstring(5000 - 64, L'(') + L"a" + std::wstring(5000 - 64, L')');
    EXPECT_EQ(nested.match(L"x" + literal).getStart(), 1);
    EXPECT_FALSE(nested.match(L"(((a)))").isMatched());

    CRegexp quantifiers(L"a" + std::wstring(5000, L'*'));
    EXPECT_TRUE(quantifiers.match(L"aaa").isMatched());

    // The deepest groups with the deepest recursion in them.
    std::wstring recursive;
    for (int i = 0; i < 63; ++i) recursive += L"(?:";
    recursive += L"\\((?R)?\\)";
    for (int i = 0; i < 63; ++i) recursive += L")";
    std::wstring text = std::wstring(120, L'(') + std::wstring(120, L')');
    EXPECT_TRUE(CRegexp(recursive).match(text).isMatched());
}
