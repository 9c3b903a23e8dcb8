#include <gtest/gtest.h>

#include "player/lyrics/SentenceGroup.h"
#include "player/tests/LyricsTestSupport.h"

namespace {

class SentenceRowsTest : public ::testing::Test, public SentenceFixture {};

TEST_F(SentenceRowsTest, AddedGroupsFillCellsAndTheViewText) {
    fill(3);
    EXPECT_TRUE(rowsInStep(*this));
    EXPECT_EQ(editor.getDocumentText(), L"S0 S1 S2 ");
    EXPECT_EQ(rows.getStartText(2), L"00:02:00");
    EXPECT_EQ(rows.getEndText(2), L"00:02:90");
    EXPECT_EQ(rows.getSentence(-1), L"S2 ") << "row -1 is the last row";
    EXPECT_EQ(table.getItemTextW(1, LyricsTable::kTranslationColumn), L"T1");
    EXPECT_EQ(table.getItemTextW(1, LyricsTable::kExplanationColumn), L"E1");
}

TEST_F(SentenceRowsTest, LoadedGroupsReplaceEveryRow) {
    fill(3);
    rows.setSentenceGroups({{0, 500, L"Hi.\n", L"\u3084\u3042", L""}, {500, 100, L"Bye.", L"", L"note"}});
    EXPECT_TRUE(rowsInStep(*this));
    EXPECT_EQ(table.getItemCount(), 2);
    EXPECT_EQ(editor.getDocumentText(), L"Hi.\nBye.");
    EXPECT_EQ(rows.getEndText(1), L"") << "an end before the start is not shown";
    EXPECT_EQ(rows.getExplanation(1), L"note");
}

TEST_F(SentenceRowsTest, EndCellStaysEmptyUnlessAfterTheStart) {
    fill(2);
    for (uint32_t end : {0u, 999u, 1000u, kUnsetTime}) {
        rows.setEndCell(1, end);
        EXPECT_EQ(rows.getEndText(1), L"") << end;
    }
    rows.setEndCell(1, 1010);
    EXPECT_EQ(rows.getEndText(1), L"00:01:01");
}

TEST_F(SentenceRowsTest, DeletingRowsMovesTheLaterSentences) {
    fill(5);
    rows.deleteRow(1);
    rows.deleteRow(3);
    rows.deleteRow(7);  // no such row
    EXPECT_TRUE(rowsInStep(*this));
    EXPECT_EQ(editor.getDocumentText(), L"S0 S2 S3 ");
    EXPECT_EQ(rows.getStartText(1), L"00:02:00");
}

TEST_F(SentenceRowsTest, MergingRowsTwoAndFiveKeepsRowTwosTimes) {
    fill(7);
    rows.mergeSentences({5, 2});
    EXPECT_TRUE(rowsInStep(*this));
    EXPECT_EQ(table.getItemCount(), 6);
    EXPECT_EQ(rows.getSentence(2), L"S2 S5 ");
    EXPECT_EQ(rows.getTranslation(2), L"T2T5");
    EXPECT_EQ(rows.getExplanation(2), L"E2E5");
    EXPECT_EQ(rows.getStartText(2), L"00:02:00");
    EXPECT_EQ(rows.getEndText(2), L"00:02:90");
    EXPECT_EQ(editor.getDocumentText(), L"S0 S1 S2 S5 S3 S4 S6 ");
}

TEST_F(SentenceRowsTest, SwappingPutsTheTranslationIntoTheViewText) {
    fill(3);
    rows.swapSentenceAndTranslation({0, 2});
    EXPECT_TRUE(rowsInStep(*this));
    EXPECT_EQ(editor.getDocumentText(), L"T0S1 T2");
    EXPECT_EQ(rows.getTranslation(2), L"S2 ");
}

TEST_F(SentenceRowsTest, ShiftingStepsTenMillisecondsAndStaysWithinRange) {
    fill(4);
    rows.setStartCell(1, 60000);
    editor.setStartTime(1, 60000);
    selectOnly({1});
    rows.shiftStartTimes(1);
    EXPECT_EQ(rows.getStartText(1), L"01:00:01");
    selectOnly({0, 2});
    rows.shiftStartTimes(-1);
    EXPECT_EQ(editor.getStartTime(0), 0u) << "a start of 0 stays 0 instead of wrapping";
    EXPECT_EQ(editor.getStartTime(2), 1990u);
    editor.setStartTime(3, kUnsetTime - 5);
    selectOnly({3});
    rows.shiftStartTimes(3);
    EXPECT_EQ(editor.getStartTime(3), kUnsetTime - 1) << "never reaches the unset value";
    EXPECT_TRUE(rowsInStep(*this));
}

TEST_F(SentenceRowsTest, SelectedRowTakesTimesAndFieldsOnlyWhenThereIsOne) {
    fill(3);
    rows.setStartTime(5000);
    rows.setEndTime(9000);
    rows.applyTranslationField(L"new");
    EXPECT_EQ(rows.getStartText(0), L"00:00:00") << "nothing without a selection";
    selectOnly({1});
    rows.setStartTime(1500);
    rows.setEndTime(1800);
    rows.applyTranslationField(L"translated");
    rows.applyExplanationField(L"explained");
    EXPECT_EQ(rows.getStartText(1), L"00:01:50");
    EXPECT_EQ(rows.getEndText(1), L"00:01:80");
    EXPECT_EQ(rows.getTranslation(1), L"translated");
    EXPECT_EQ(rows.getExplanation(1), L"explained");
    EXPECT_EQ(editor.getSelectedText(), L"S1 ") << "the row is shown";
    EXPECT_TRUE(rowsInStep(*this));
}

TEST_F(SentenceRowsTest, AdjacentRowWrapsAtBothEnds) {
    fill(4);
    rows.selectAdjacentRow(true);
    EXPECT_EQ(rows.getSelectedRow(), 0) << "forward without a selection";
    rows.selectAdjacentRow(false);
    EXPECT_EQ(rows.getSelectedRow(), 3);
    EXPECT_EQ(editor.getSelectedText(), L"S3 ");
    rows.selectAdjacentRow(true);
    EXPECT_EQ(rows.getSelectedRow(), 0);
    table.clearSelection();
    rows.selectAdjacentRow(false);
    EXPECT_EQ(rows.getSelectedRow(), 3) << "backward without a selection";
}

TEST_F(SentenceRowsTest, PlainTextWithFewerSentencesKeepsTimesAndDropsSurplusRows) {
    fill(4);
    rows.setLyricsText(L"The first one. The second one.");
    EXPECT_TRUE(rowsInStep(*this));
    ASSERT_EQ(table.getItemCount(), 2);
    EXPECT_EQ(rows.getSentence(0), L"The first one. ");
    EXPECT_EQ(rows.getSentence(1), L"The second one.");
    EXPECT_EQ(rows.getStartText(1), L"00:01:00");
    EXPECT_EQ(rows.getEndText(1), L"00:01:90");
}

TEST_F(SentenceRowsTest, PlainTextWithMoreSentencesAddsRowsAtZero) {
    fill(1);
    rows.setLyricsText(L"The first one.\r\nThe second. The third!\r\nA");
    EXPECT_TRUE(rowsInStep(*this));
    ASSERT_EQ(table.getItemCount(), 4);
    EXPECT_EQ(rows.getStartText(2), L"00:00:00");
    EXPECT_EQ(rows.getEndText(2), L"");
    EXPECT_EQ(rows.getSentence(3), L"A") << "a last sentence of one character is kept";
    EXPECT_EQ(editor.getDocumentText(), L"The first one.\r\nThe second. The third!\r\nA");
}

TEST_F(SentenceRowsTest, LoneLineFeedsStayAsLoadedSoPositionsHold) {
    rows.setLyricsText(L"The first one.\nThe second one.\nThe third one.");
    EXPECT_TRUE(rowsInStep(*this));
    EXPECT_EQ(table.getItemCount(), 3);
    EXPECT_EQ(editor.getDocumentText(), L"The first one.\nThe second one.\nThe third one.");
}

TEST_F(SentenceRowsTest, ReplacingAndInsertingSentencesMoveLaterItems) {
    fill(3);
    editor.replaceSentence(0, L"Longer first. ");
    rows.setSentence(0, L"Longer first. ");
    EXPECT_TRUE(rowsInStep(*this));
    editor.insertSentence(1, 500, L"New. ");
    table.insertItem(L"", 1);
    rows.setStartCell(1, 500);
    rows.setSentence(1, L"New. ");
    EXPECT_TRUE(rowsInStep(*this));
    EXPECT_EQ(editor.getDocumentText(), L"Longer first. New. S1 S2 ");
    editor.replaceSentence(9, L"ignored");
    EXPECT_EQ(editor.getPosition(9), editor.getTextLength()) << "a row past the items sits at the end";
    editor.clearAll();
    EXPECT_EQ(editor.getSentenceCount(), 0);
    EXPECT_EQ(editor.getTextLength(), 0u);
}

}  // namespace
