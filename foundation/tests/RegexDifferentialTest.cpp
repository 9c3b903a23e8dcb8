#include <gtest/gtest.h>

#include "foundation/regex/Regexp.h"

#include <random>
#include <regex>

namespace {

// Random patterns from the syntax both engines read alike, where no repeated part can
// match empty (there the engines' empty-iteration rules differ), so that the overall
// match of the two backtracking engines must agree.
class PatternMaker {
public:
    explicit PatternMaker(unsigned seed) : mRandom(seed) {}

    std::wstring make() { return alternation(0); }

private:
    int pick(int n) { return static_cast<int>(mRandom() % static_cast<unsigned>(n)); }

    std::wstring single() {
        switch (pick(6)) {
        case 0: return L"a";
        case 1: return L"b";
        case 2: return L".";
        case 3: return L"[ab]";
        case 4: return L"[^a]";
        default: return L"c";
        }
    }
    std::wstring quantifier() {
        static const wchar_t* const kinds[] = {L"", L"", L"*", L"+", L"?", L"*?", L"+?", L"??", L"{1,2}", L"{2}", L"{0,3}?"};
        return kinds[pick(11)];
    }
    // A sequence that always consumes at least one character.
    std::wstring solid(int depth) {
        std::wstring out;
        int items = 1 + pick(3);
        for (int i = 0; i < items; ++i) {
            if (depth < 2 && pick(4) == 0) {
                out += (pick(2) == 0 ? L"(" : L"(?:") + solidAlternation(depth + 1) + L")";
                out += pick(2) == 0 ? L"+" : L"";
            } else {
                out += single() + (pick(2) == 0 ? L"+" : L"");
            }
        }
        return out;
    }
    std::wstring solidAlternation(int depth) {
        std::wstring out = solid(depth);
        while (pick(3) == 0) out += L"|" + solid(depth);
        return out;
    }
    std::wstring sequence(int depth) {
        std::wstring out;
        int items = 1 + pick(4);
        for (int i = 0; i < items; ++i) {
            switch (pick(8)) {
            case 0: out += L"^"; break;
            case 1: out += L"$"; break;
            case 2: out += L"\\b"; break;
            case 3:
                if (depth < 2) {
                    out += (pick(2) == 0 ? L"(?=" : L"(?!") + solid(depth + 1) + L")";
                    break;
                }
                [[fallthrough]];
            case 4:
                if (depth < 2) {
                    out += L"(" + solidAlternation(depth + 1) + L")" + quantifier();
                    break;
                }
                [[fallthrough]];
            default: out += single() + quantifier(); break;
            }
        }
        return out;
    }
    std::wstring alternation(int depth) {
        std::wstring out = sequence(depth);
        while (pick(3) == 0) out += L"|" + sequence(depth);
        return out;
    }

    std::mt19937 mRandom;
};

} // namespace

TEST(RegexDifferential, OverallMatchAgreesWithStdWregex) {
    PatternMaker maker(11);
    std::mt19937 random(5);
    int compared = 0;
    for (int round = 0; round < 3000; ++round) {
        std::wstring pattern = maker.make();
        std::wstring text;
        int length = static_cast<int>(random() % 12);
        for (int i = 0; i < length; ++i) text += L"abc "[random() % 4];
        std::wregex reference(pattern, std::regex_constants::ECMAScript);
        std::wsmatch expected;
        bool found = std::regex_search(text, expected, reference);
        MatchResultT result = CRegexp(pattern).match(text);
        ASSERT_EQ(result.isMatched(), found) << testing::PrintToString(pattern) << " on " << testing::PrintToString(text);
        if (found) {
            EXPECT_EQ(result.getStart(), expected.position(0)) << testing::PrintToString(pattern) << " on " << testing::PrintToString(text);
            EXPECT_EQ(result.getEnd() - result.getStart(), expected.length(0))
                << testing::PrintToString(pattern) << " on " << testing::PrintToString(text);
        }
        ++compared;
    }
    EXPECT_EQ(compared, 3000);
}
