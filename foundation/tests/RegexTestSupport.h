#pragma once
// Helpers for the regular-expression tests: a match described as text, so that a table
// row states the whole expected outcome in one readable string.
#include <gtest/gtest.h>

#include "foundation/regex/Regexp.h"

#include <string>
#include <vector>

namespace regextest {

// "NONE", or the matched text followed by "|group" for each group ("~" for a group that
// took no part), e.g. "abcd|a|bcd|".
inline std::wstring describe(const CRegexp& re, const std::wstring& text, int start = -1, CContext* context = nullptr) {
    MatchResultT result = re.match(text, start, context);
    if (!result.isMatched()) return L"NONE";
    std::wstring out = text.substr(static_cast<size_t>(result.getStart()),
                                   static_cast<size_t>(result.getEnd() - result.getStart()));
    for (int group = 1; group <= result.maxGroupNumber(); ++group) {
        out += L"|";
        int groupStart = result.getGroupStart(group);
        if (groupStart < 0) {
            out += L"~";
        } else {
            out += text.substr(static_cast<size_t>(groupStart), static_cast<size_t>(result.getGroupEnd(group) - groupStart));
        }
    }
    return out;
}

inline std::wstring describe(const wchar_t* pattern, int flags, const std::wstring& text, int start = -1) {
    CRegexp re(pattern, flags);
    return describe(re, text, start);
}

struct MatchCase {
    const wchar_t* pattern;
    int flags;
    const wchar_t* text;
    const wchar_t* expected;
};

// Checks every case, naming its pattern and text when it fails.
inline void expectAll(const std::vector<MatchCase>& cases) {
    for (const MatchCase& c : cases) {
        EXPECT_EQ(describe(c.pattern, c.flags, c.text), c.expected) << "pattern " << testing::PrintToString(std::wstring(c.pattern))
                                                                   << " text " << testing::PrintToString(std::wstring(c.text));
    }
}

} // namespace regextest
