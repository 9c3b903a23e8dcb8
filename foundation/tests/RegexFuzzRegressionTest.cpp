// Patterns found by the mutation harness: right-to-left searches through a recursive
// group that can match empty. They must end (the step budget bounds them) and answer.
#include <gtest/gtest.h>

#include "foundation/regex/Regexp.h"

TEST(RegexFuzzRegression, RecursiveRightToLeftPatternsEnd) {
    struct Case {
        const wchar_t* pattern;
        const wchar_t* text;
    } cases[] = {
        {L"(\\((?:[^()]|(?1))*\\){,})", L"f(a(b)c)d\n"},
        {L"(\\((?:[^h)]|(?1))*|))", L"f(a(b)(?R)&#xc)d\n"},
        {L"(\\((?:[^()]|(?1))*\\1))*\\))", L"f(a())\nf(a(b)c)d\n"},
        {L"\\u3042(\\((?:[^()]|(?1))*|\\))", L"f(a(b)c(?1)+d\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        CRegexp regex(c.pattern, RIGHTTOLEFT);
        EXPECT_NO_THROW(regex.match(c.text));
        EXPECT_NO_THROW(regex.replace(c.text, L"[$1]", -1, 2));
    }
}
