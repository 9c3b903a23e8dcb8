#include <gtest/gtest.h>

#include "texteditor/tests/EditorTestSupport.h"

TEST(TextEditorSentenceSelection, PreviousSentenceAtTheStartIsTheEmptyRange) {
    EditorFixture f;
    f.editor.setText(L"First one here. Second one.");
    f.editor.setCaretPosition(0);
    EXPECT_TRUE(f.editor.selectPreviousSentence());
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, 0));
    f.editor.setCaretPosition(20);
    EXPECT_TRUE(f.editor.selectPreviousSentence());
    EXPECT_EQ(f.editor.getSelection(), TextRange(16, 27));
}

TEST(TextEditorSentenceSelection, NextSentenceStopsAtTheEndAndKeepsTheSelection) {
    EditorFixture f;
    f.editor.setText(L"First one here. Second one.");
    f.editor.setCaretPosition(0);
    EXPECT_TRUE(f.editor.selectNextSentence());
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, 16));
    EXPECT_TRUE(f.editor.selectNextSentence());
    EXPECT_EQ(f.editor.getSelection(), TextRange(16, 27));
    EXPECT_FALSE(f.editor.selectNextSentence());
    EXPECT_EQ(f.editor.getSelection(), TextRange(16, 27));
}

TEST(TextEditorSentenceSelection, SelectLinesCoversEveryBreakKind) {
    EditorFixture f;
    f.editor.setText(L"a\rb\nc\r\nd");
    f.editor.selectLines(0, 0, true);
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, 2));
    f.editor.selectLines(2, 1, true);
    EXPECT_EQ(f.editor.getSelection(), TextRange(2, 7));
    f.editor.selectLines(1, 2, false);
    EXPECT_EQ(f.editor.getSelection(), TextRange(2, 5));
    f.editor.selectLine(3);
    EXPECT_EQ(f.editor.getSelection(), TextRange(7, 8));
}
