#include <gtest/gtest.h>

#include "texteditor/editor/AutoIndent.h"
#include "texteditor/editor/BlockIndent.h"
#include "texteditor/editor/ComposedCharacters.h"
#include "texteditor/editor/LineComments.h"
#include "texteditor/editor/SelectionTransforms.h"

TEST(SelectionTransforms, CaseChangesTouchOnlyAsciiLetters) {
    EXPECT_EQ(toAsciiUpper(L"aB9_\u00e9z"), L"AB9_\u00e9Z");
    EXPECT_EQ(toAsciiLower(L"AbC9_\u00c9Z"), L"abc9_\u00c9z");
}

TEST(SelectionTransforms, CodePointShiftKeepsItsRangeAndUndoesItself) {
    EXPECT_EQ(shiftCodePoints(L"abz ", true), L"bc{!");
    EXPECT_EQ(shiftCodePoints(L"bc{!", false), L"abz ");
    // Below the range and above U+FDFF nothing moves; the space does not go down.
    EXPECT_EQ(shiftCodePoints(std::wstring(L"\t\uFE00"), true), std::wstring(L"\t\uFE00"));
    EXPECT_EQ(shiftCodePoints(L" ", false), L" ");
}

TEST(SelectionTransforms, CodePointShiftNeitherSplitsNorMakesSurrogates) {
    // A character outside the basic plane stays whole.
    const std::wstring pair = L"\xD83D\xDE00";
    EXPECT_EQ(shiftCodePoints(pair, true), pair);
    EXPECT_EQ(shiftCodePoints(pair, false), pair);
    // The neighbours of the surrogate block step over it, both ways.
    EXPECT_EQ(shiftCodePoints(std::wstring(1, wchar_t(0xD7FF)), true), std::wstring(1, wchar_t(0xE000)));
    EXPECT_EQ(shiftCodePoints(std::wstring(1, wchar_t(0xE000)), false), std::wstring(1, wchar_t(0xD7FF)));
    // A lone half already in the text is left as it is.
    EXPECT_EQ(shiftCodePoints(std::wstring(1, wchar_t(0xDC00)), false), std::wstring(1, wchar_t(0xDC00)));
}

TEST(ComposedCharacters, LaterHeldKeysWin) {
    HeldKeys keys;
    keys.seven = true;
    EXPECT_EQ(composedCharacter('B', keys), 0);
    keys.grave = true;
    EXPECT_EQ(composedCharacter('A', keys), L'\u00e0');  // grave after acute
    keys.six = true;
    EXPECT_EQ(composedCharacter('A', keys), L'\u00e6');
    keys.alt = true;
    keys.shift = true;
    EXPECT_EQ(composedCharacter('C', keys), L'\u00a9');  // the signs take no case
    EXPECT_EQ(composedCharacter(VK_OEM_PERIOD, keys), L'\u2026');
    EXPECT_EQ(composedCharacter('T', keys), L'\u2122');
}

TEST(BlockIndent, BlockRunsFromFirstLineStartToLastLineEnd) {
    const std::wstring text = L"ab\r\ncd\r\nef";
    EXPECT_EQ(lineBlockOf(text, TextRange(1, 5)), TextRange(0, 6));
    // Ending at a line start: the line before is the last one.
    EXPECT_EQ(lineBlockOf(text, TextRange(1, 8)), TextRange(0, 6));
    EXPECT_EQ(lineBlockOf(text, TextRange(4, 10)), TextRange(4, 10));
    // Ending between CR and LF keeps the pair out of the block.
    EXPECT_EQ(lineBlockOf(text, TextRange(0, 3)), TextRange(0, 2));
    EXPECT_TRUE(containsLineBreak(text, TextRange(1, 3)));
    EXPECT_FALSE(containsLineBreak(text, TextRange(4, 6)));
}

TEST(BlockIndent, IndentAndUnindentWorkOnEveryKindOfLineBreak) {
    EXPECT_EQ(indentLines(L"a\r\nb\nc\rd"), L"\ta\r\n\tb\n\tc\r\td");
    EXPECT_EQ(unindentLines(L"\ta\r\n\t\tb\nc\r\td"), L"a\r\n\tb\nc\rd");
    EXPECT_EQ(unindentLines(indentLines(L"x\n\ny")), L"x\n\ny");
}

TEST(LineComments, OneUncommentedLineDecidesAndBlankLinesDoNot) {
    EXPECT_EQ(toggleLineComments(L"//a\r\nb"), L"////a\r\n//b");
    EXPECT_EQ(toggleLineComments(L"//a\r\n  \r\n\t//b"), L"a\r\n  \r\n\tb");
    // Every kind of line break ends a line; a single slash is no comment.
    EXPECT_EQ(toggleLineComments(L"//a\n//b\r//c"), L"a\nb\rc");
    EXPECT_FALSE(hasLineComments(L"/a"));
}

TEST(AutoIndent, IndentStopsAtTheCaretAndBraceLinesNeedATab) {
    EXPECT_EQ(lineBreakWithIndent(L"\t\tx{", 0, 1, false, L"\n"), L"\n\t");
    std::wstring line;
    EXPECT_TRUE(closingBraceLine(L" \t\t", line));
    EXPECT_EQ(line, L" \t}");
    EXPECT_FALSE(closingBraceLine(L"    ", line));
    EXPECT_FALSE(closingBraceLine(L"\tx", line));
}
