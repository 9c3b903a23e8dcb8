#include <gtest/gtest.h>

#include <random>

#include "texteditor/document/TextDocument.h"

namespace {

std::vector<uint32_t> starts(const ITextDocument& document) {
    std::vector<uint32_t> result;
    for (uint32_t i = 0; i < document.getLineCount(); ++i) result.push_back(document.getLineStart(i));
    return result;
}

std::vector<uint32_t> rebuiltStarts(const std::wstring& text) {
    TextDocument fresh;
    fresh.setText(text);
    return starts(fresh);
}

}  // namespace

TEST(LineTable, EmptyDocumentHasFirstRecordAndSentinelAtZero) {
    TextDocument document;
    EXPECT_EQ(starts(document), (std::vector<uint32_t>{0, 0}));
    EXPECT_EQ(document.getLastLineIndex(), 0u);
    EXPECT_EQ(document.getNewLineStyle(), 4u);
    EXPECT_EQ(document.getNewLineFlags(), 0u);
    EXPECT_EQ(document.getLineAt(0), 0u);
    EXPECT_EQ(document.getFileName(), L"Untitled.txt");
    EXPECT_EQ(document.getEncoding(), 1);
}

TEST(LineTable, MixedBreaksGiveOneRecordPerLineAndTheirFlags) {
    TextDocument document;
    document.setText(L"a\rb\nc\r\nd");
    EXPECT_EQ(starts(document), (std::vector<uint32_t>{0, 2, 4, 7, 8}));
    EXPECT_EQ(document.getNewLineFlags(), 7u);
    EXPECT_EQ(document.getNewLineStyle(), 4u);
    EXPECT_EQ(document.getNewLineString(), L"\r\n");
}

TEST(LineTable, StyleFollowsTheMostFrequentBreak) {
    TextDocument document;
    document.setText(L"a\nb\nc\r\nd");
    EXPECT_EQ(document.getNewLineStyle(), 2u);
    EXPECT_EQ(document.getNewLineString(), L"\n");
    document.setText(L"a\rb\rc\nd");
    EXPECT_EQ(document.getNewLineString(), L"\r");
    document.setText(L"a\rb\nc");  // a tie
    EXPECT_EQ(document.getNewLineStyle(), 4u);
}

TEST(LineTable, TextEndingInABreakHasAnEmptyLastLine) {
    TextDocument document;
    document.setText(L"ab\n");
    EXPECT_EQ(starts(document), (std::vector<uint32_t>{0, 3, 3}));
    EXPECT_EQ(document.getLineAt(3), 1u);  // the last line, not the sentinel
    EXPECT_EQ(document.getLineLength(0), 3u);
    EXPECT_EQ(document.getLineLength(1), 0u);
}

TEST(LineTable, LineQueriesCountTheBreakAndAnswerNeutrallyOutOfRange) {
    TextDocument document;
    document.setText(L"ab\r\ncd");
    EXPECT_EQ(document.getLineText(0), L"ab\r\n");
    EXPECT_EQ(document.getLineText(1), L"cd");
    EXPECT_EQ(document.getLineText(2), L"");
    EXPECT_EQ(document.getLineText(99), L"");
    uint32_t line = 9, column = 9;
    document.getLineAndColumn(5, &line, &column);
    EXPECT_EQ(line, 1u);
    EXPECT_EQ(column, 1u);
    EXPECT_EQ(document.getLineStartOf(3), 0u);
    EXPECT_TRUE(document.isLineStart(4));
    EXPECT_FALSE(document.isLineStart(5));
    EXPECT_EQ(document.getTextInRange(TextRange(1, 3)), L"b\r");
    EXPECT_EQ(document.getTextInRange(TextRange(7, 9)), L"");
}

TEST(LineTable, GetLineCopiesLikeAnEditControl) {
    TextDocument document;
    document.setText(L"abcd\nxy");
    wchar_t buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), L'#');
    EXPECT_EQ(document.getLine(0, buffer, 3), 3u);  // no room for a terminator
    EXPECT_EQ(std::wstring(buffer, 4), L"abc#");
    std::fill(std::begin(buffer), std::end(buffer), L'#');
    EXPECT_EQ(document.getLine(0, buffer, 8), 5u);
    EXPECT_EQ(std::wstring(buffer), L"abcd\n");
    EXPECT_EQ(document.getLine(1, nullptr, 0), 2u);
    EXPECT_EQ(document.getLine(1, buffer, 0), 0u);
}

TEST(LineTable, RemovingTheWholeTextLeavesTwoRecordsAtZero) {
    TextDocument document;
    document.setText(L"one\r\ntwo\nthree");
    document.replace(TextRange(0, 14), L"");
    EXPECT_EQ(starts(document), (std::vector<uint32_t>{0, 0}));
}

TEST(LineTable, InsertingIntoAnEmptyTextBuildsItsLines) {
    TextDocument document;
    document.replace(TextRange(0, 0), L"a\nb\r\n");
    EXPECT_EQ(starts(document), (std::vector<uint32_t>{0, 2, 5, 5}));
}

TEST(LineTable, SplittingAndJoiningCrLfPairsCountsAsARebuildWould) {
    TextDocument document;
    document.setText(L"a\r\nb");
    document.replace(TextRange(2, 2), L"x");  // between CR and LF: two lone breaks
    EXPECT_EQ(document.getText(), L"a\rx\nb");
    EXPECT_EQ(starts(document), rebuiltStarts(document.getText()));
    document.replace(TextRange(2, 3), L"");  // joined again
    EXPECT_EQ(starts(document), (std::vector<uint32_t>{0, 3, 4}));
    document.replace(TextRange(2, 3), L"");  // the LF of the pair goes: a lone CR stays
    EXPECT_EQ(document.getText(), L"a\rb");
    EXPECT_EQ(starts(document), (std::vector<uint32_t>{0, 2, 3}));
    document.replace(TextRange(2, 2), L"\n");  // an LF right after an existing CR
    EXPECT_EQ(starts(document), (std::vector<uint32_t>{0, 3, 4}));
}

TEST(LineTable, RandomEditsKeepTheTableEqualToARebuild) {
    // Line breaks of every kind and surrogate pairs, edited at random places.
    const std::wstring pieces[] = {L"a", L"bc", L"\r", L"\n", L"\r\n", L"\xD83D\xDE00", L" ", L"\r\r\n\n", L""};
    std::mt19937 random(12345);
    TextDocument document;
    std::wstring expected;
    for (int step = 0; step < 3000; ++step) {
        std::wstring inserted;
        const int count = static_cast<int>(random() % 4);
        for (int i = 0; i < count; ++i) inserted += pieces[random() % 9];
        const int length = static_cast<int>(expected.size());
        const int start = length ? static_cast<int>(random() % (length + 1)) : 0;
        const int end = start + static_cast<int>(random() % (std::min(length - start, 5) + 1));
        document.replace(TextRange(start, end), inserted);
        expected.replace(start, end - start, inserted);
        ASSERT_EQ(document.getText(), expected);
        ASSERT_EQ(starts(document), rebuiltStarts(expected)) << "step " << step;
        if (expected.size() > 200) {
            document.replace(TextRange(0, 150), L"");
            expected.erase(0, 150);
        }
    }
}

TEST(LineTable, FindLineLocatesOffsetsAndRowsInLongDocuments) {
    std::wstring text;
    for (int i = 0; i < 5000; ++i) text += L"line " + std::to_wstring(i) + L"\r\n";
    TextDocument document;
    document.setText(text);
    ASSERT_EQ(document.getLastLineIndex(), 5001u);
    for (uint32_t line : {0u, 1u, 99u, 100u, 2500u, 4999u}) {
        const uint32_t start = document.getLineStart(line);
        EXPECT_EQ(document.getLineAt(start), line);
        EXPECT_EQ(document.getLineAt(start + document.getLineLength(line) - 1), line);
    }
    EXPECT_EQ(document.getLineAt(document.getLength()), 5000u);
    for (uint32_t i = 0; i < document.getLineCount(); ++i) document.lineAt(i).firstRow = i * 2;
    EXPECT_EQ(document.findLine(0, true), 0u);
    EXPECT_EQ(document.findLine(7, true), 3u);
    EXPECT_EQ(document.findLine(8, true), 4u);
}

TEST(WrapInfoRows, ColumnOnABoundaryBelongsToTheRowStartingThere) {
    WrapInfo record(0);
    record.breaks = {0, 4, 8, 10};
    record.rowCount = 3;
    EXPECT_EQ(record.getRowOfColumn(0), 0u);
    EXPECT_EQ(record.getRowOfColumn(3), 0u);
    EXPECT_EQ(record.getRowOfColumn(4), 1u);
    EXPECT_EQ(record.getRowOfColumn(9), 2u);
    EXPECT_EQ(record.getRowOfColumn(10), 2u);  // the line's end: its last row
    EXPECT_EQ(record.getRowOfColumn(50), 2u);
    WrapInfo empty(0);
    EXPECT_EQ(empty.getRowOfColumn(3), 0u);
}

TEST(WrapInfoRows, BoundariesSurviveMovingBetweenInlineAndHeapStorage) {
    WrapInfo record(0);
    record.reset();
    record.breaks.push_back(5);
    EXPECT_EQ(std::vector<uint32_t>(record.breaks), (std::vector<uint32_t>{0, 5}));
    record.breaks.push_back(9);  // a third boundary: the line was cut
    record.breaks.push_back(12);
    EXPECT_EQ(std::vector<uint32_t>(record.breaks), (std::vector<uint32_t>{0, 5, 9, 12}));
    record.reset();  // laid out again as one row
    record.breaks.push_back(7);
    EXPECT_EQ(std::vector<uint32_t>(record.breaks), (std::vector<uint32_t>{0, 7}));
    RowBreaks same;
    same = {0, 7};
    EXPECT_EQ(record.breaks, same);
    same = {0, 7, 8};
    EXPECT_NE(record.breaks, same);
}
