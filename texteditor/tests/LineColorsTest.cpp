#include <gtest/gtest.h>

#include "texteditor/editor/LineColors.h"

namespace {

const CellColors kPlain{0x000000, 0xFFFFFF, 0};
constexpr COLORREF kFindText = 0x111111;
constexpr COLORREF kFindBack = 0x20A0FF;

std::vector<CellColors> plainCells(const std::wstring& line) { return std::vector<CellColors>(line.size(), kPlain); }

// One letter per cell: 'f' marked by the find layer, '.' plain.
std::string findMarks(const std::wstring& line, const FindInfo& find) {
    std::vector<CellColors> cells = plainCells(line);
    applyFindHighlight(line, find, kFindText, kFindBack, cells);
    std::string marks;
    for (const CellColors& c : cells) marks += c.background == kFindBack ? 'f' : '.';
    return marks;
}

FindInfo findOf(const std::wstring& pattern, uint32_t flags = 0) {
    FindInfo info;
    info.pattern = pattern;
    info.flags = flags;
    return info;
}

}  // namespace

TEST(ScanToken, EachKindOfToken) {
    struct Case {
        const wchar_t* text;
        int pos;
        const wchar_t* token;
    } cases[] = {
        {L"see http://example.com/a-b/c.html?x=1 now", 4, L"http://example.com/a-b/c.html?x=1"},
        {L"https://example.com", 0, L"https"},  // the secure scheme starts no address
        {L"http:// nothing", 0, L"http"},       // no address right here: a plain word
        {L"2024abc def", 0, L"2024abc"},
        {L"a_b9+c", 0, L"a_b9"},
        {L"x // note\r\n", 2, L"// note\r\n"},
        {L"\\n rest", 0, L"\\n"},
        {L"\"a\\\"b\" c", 0, L"\"a\\\"b\""},
        {L"\"open to the end", 0, L"\"open to the end"},
        {L"+-", 0, L""},
        {L"/x", 0, L""},
        {L"abc", 3, L""},
    };
    for (const Case& c : cases) EXPECT_EQ(scanToken(c.text, c.pos), c.token) << c.text;
}

TEST(SyntaxStyles, EmptyTableGivesPlainCellsThroughTheBreak) {
    std::vector<CellColors> cells;
    applySyntaxStyles(L"int x\r\n", SyntaxStyleTable{}, kPlain, cells);
    ASSERT_EQ(cells.size(), 7u);
    for (const CellColors& c : cells) EXPECT_EQ(c, kPlain);
}

TEST(SyntaxStyles, KindsOverrideWholeTokensAndNumbersWin) {
    SyntaxStyleTable styles;
    styles[L"_NUMBER"] = SyntaxStyle{0x0000FF};
    styles[L"2024abc"] = SyntaxStyle{0x00FF00};
    styles[L"int"] = SyntaxStyle{0xFF0000};
    styles[L"// note"] = SyntaxStyle{0x123456};  // a comment takes only the "//" key
    std::vector<CellColors> cells;
    const std::wstring line = L"int 2024abc // note";
    applySyntaxStyles(line, styles, kPlain, cells);
    EXPECT_EQ(cells[0], (CellColors{0xFF0000, 0xFFFFFF, 1}));
    EXPECT_EQ(cells[3], kPlain);
    EXPECT_EQ(cells[4], (CellColors{0x0000FF, 0xFFFFFF, 1}));  // "_NUMBER", not the token's own
    EXPECT_EQ(cells[10], (CellColors{0x0000FF, 0xFFFFFF, 1}));
    EXPECT_EQ(cells[12], kPlain);  // no "//" style: the comment stays plain
    styles[L"//"] = SyntaxStyle{0x00AA00};
    applySyntaxStyles(line, styles, kPlain, cells);
    EXPECT_EQ(cells[12].text, 0x00AA00u);
    EXPECT_EQ(cells.back().text, 0x00AA00u);
}

TEST(FindHighlight, PlainTextMarksEveryOccurrenceWithoutOverlap) {
    EXPECT_EQ(findMarks(L"word and word", findOf(L"word")), "ffff.....ffff");
    EXPECT_EQ(findMarks(L"aaaaa", findOf(L"aa")), "ffff.");
    EXPECT_EQ(findMarks(L"Word word", findOf(L"word")), ".....ffff");
    EXPECT_EQ(findMarks(L"ab\r\n", findOf(L"b\r\nc")), "....");  // never across the break
    EXPECT_EQ(findMarks(L"word", findOf(L"")), "....");
}

TEST(FindHighlight, IgnoreCaseRulesPlainAndRegularSearches) {
    EXPECT_EQ(findMarks(L"Word WORD", findOf(L"word", FindInfo::kIgnoreCase)), "ffff.ffff");
    EXPECT_EQ(findMarks(L"Word WORD", findOf(L"w.rd", FindInfo::kIgnoreCase | FindInfo::kRegularExpression)),
              "ffff.ffff");
    EXPECT_EQ(findMarks(L"Word WORD", findOf(L"w.rd", FindInfo::kRegularExpression)), ".........");
}

TEST(FindHighlight, PatternsThatMatchNothingStillEnd) {
    const uint32_t regex = FindInfo::kRegularExpression;
    EXPECT_EQ(findMarks(L"axxb x", findOf(L"x*", regex)), ".ff..f");
    EXPECT_EQ(findMarks(L"abab", findOf(L"(?=b)", regex)), "....");
    EXPECT_EQ(findMarks(L"abc", findOf(L"^", regex)), "...");
    EXPECT_EQ(findMarks(L"ab ab", findOf(L"\\b", regex)), ".....");
    EXPECT_EQ(findMarks(L"", findOf(L"x*", regex)), "");
}
