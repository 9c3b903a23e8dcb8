#include <gtest/gtest.h>

#include "foundation/text/WordBoundaries.h"

TEST(WordBoundaries, WordEndsFollowTheClassOfTheFirstCharacter) {
    EXPECT_EQ(findWordEnd(L"hello world", 0, 11), 5);
    EXPECT_EQ(findWordEnd(L"hello world", 5, 11), 11);
    EXPECT_EQ(findWordEnd(L"hello world", 0, 3), 3);  // the limit caps the answer
    EXPECT_EQ(findWordEnd(L"123abc", 0, 6), 3);
    EXPECT_EQ(findWordEnd(L"!!!abc", 0, 6), 3);      // one repeated symbol is one word
    EXPECT_EQ(findWordEnd(L"!?", 0, 2), 1);
    EXPECT_EQ(findWordEnd(L"abc\ndef", 0, 7), 4);    // an ASCII word stopping at LF takes it along
    EXPECT_EQ(findWordEnd(L"abc\n  def", 3, 9), 6);  // from a line break: past the blanks
    EXPECT_EQ(findWordEnd(L"\xe9t\xe9", 0, 3), 1);   // other wide characters are words of one
}

TEST(WordBoundaries, WordEndAtTheEndOfTheTextIsTheLength) {
    EXPECT_EQ(findWordEnd(L"abc", 3, 3), 3);
    EXPECT_EQ(findWordEnd(L"abc", 9, 3), 3);
    EXPECT_EQ(findWordEnd(L"", 0, 0), 0);
    EXPECT_EQ(findWordEnd(nullptr, 0, 0), 0);
}

TEST(WordBoundaries, ScriptsMakeSeparateWords) {
    const wchar_t* mixed = L"\x3072\x3089\x304c\x306a\x6f22\x5b57\x30ab\x30bf\x30ab\x30ca\x3067\x3059" L"English";
    EXPECT_EQ(findWordEnd(mixed, 0, 100), 4);   // hiragana, then kanji: two words
    EXPECT_EQ(findWordEnd(mixed, 4, 100), 6);
    EXPECT_EQ(findWordEnd(mixed, 6, 100), 10);  // katakana
    EXPECT_EQ(findWordEnd(mixed, 10, 100), 12);
    EXPECT_EQ(findWordEnd(mixed, 12, 100), 19);
    EXPECT_EQ(findWordStart(mixed, 19, 100), 12);
    EXPECT_EQ(findWordStart(mixed, 12, 100), 10);
    EXPECT_EQ(findWordStart(mixed, 10, 100), 6);
    EXPECT_EQ(findWordStart(mixed, 6, 100), 4);
    EXPECT_EQ(findWordStart(mixed, 4, 100), 0);
    EXPECT_EQ(findWordEnd(L"\x3005\x6f22", 0, 2), 2);  // the iteration mark is kanji
}

TEST(WordBoundaries, WordStartsSkipBlanksLeftwards) {
    EXPECT_EQ(findWordStart(L"hello world", 11, 11), 6);
    EXPECT_EQ(findWordStart(L"hello world", 6, 11), 0);
    EXPECT_EQ(findWordStart(L"hello world", 3, 11), 0);
    EXPECT_EQ(findWordStart(L"hello world", 1, 11), 0);
    EXPECT_EQ(findWordStart(L"hello world", 0, 11), 0);
    EXPECT_EQ(findWordStart(L"abc\n def", 5, 8), 3);
    EXPECT_EQ(findWordStart(L"a ==", 4, 4), 2);
    EXPECT_EQ(findWordStart(L"a \xe9", 3, 3), 2);
    EXPECT_EQ(findWordStart(L"abc", 40, 3), 0);
}

TEST(WordBoundaries, EditControlCallbackAnswersByCode) {
    EDITWORDBREAKPROCW asCallback = wordBreakProc;  // what EM_SETWORDBREAKPROC takes
    EXPECT_NE(asCallback, nullptr);
    wchar_t text[] = L"one two";
    EXPECT_EQ(wordBreakProc(text, 5, 7, WB_LEFT), 4);
    EXPECT_EQ(wordBreakProc(text, 5, 7, 4), 4);
    EXPECT_EQ(wordBreakProc(text, 5, 7, 6), 4);
    EXPECT_EQ(wordBreakProc(text, 0, 7, WB_RIGHT), 3);
    EXPECT_EQ(wordBreakProc(text, 0, 7, 5), 3);
    EXPECT_EQ(wordBreakProc(text, 0, 7, 7), 3);
    EXPECT_EQ(wordBreakProc(text, 3, 7, WB_ISDELIMITER), 1);
    EXPECT_EQ(wordBreakProc(text, 2, 7, WB_ISDELIMITER), 0);
    EXPECT_EQ(wordBreakProc(text, 9, 7, WB_ISDELIMITER), 0);
    EXPECT_EQ(wordBreakProc(text, 2, 7, 3), 0);
    EXPECT_EQ(wordBreakProc(text, 7, 7, WB_RIGHT), 7);
    // The edit control's text need not end in a terminator: reads stop at the length.
    wchar_t unterminated[3] = {L'a', L'b', L'c'};
    EXPECT_EQ(wordBreakProc(unterminated, 0, 2, WB_RIGHT), 2);
}
