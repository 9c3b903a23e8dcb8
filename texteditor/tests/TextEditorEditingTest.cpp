#include <gtest/gtest.h>

#include "texteditor/tests/EditorTestSupport.h"

TEST(TextEditorEditing, CreationReportsTheClearedModifiedFlagOnce) {
    EditorFixture f;
    ASSERT_NE(f.editor.m_hWnd, nullptr);
    EXPECT_EQ(f.frame.count(EN_CHANGE), 1);
    EXPECT_FALSE(f.editor.isModified());
    EXPECT_EQ(f.send(WM_GETDLGCODE), DLGC_WANTALLKEYS);
}

TEST(TextEditorEditing, ReplaceRangeClampsItsRange) {
    EditorFixture f;
    f.editor.setText(L"0123456789");
    f.editor.replaceRange(L"new", TextRange(-5, 1000), true);
    EXPECT_EQ(f.text(), L"new");
    f.editor.replaceRange(L"X", TextRange(2, 1), true);  // end before start: to the end
    EXPECT_EQ(f.text(), L"neX");
    EXPECT_EQ(f.editor.getCaretPosition(), 3u);
}

TEST(TextEditorEditing, EveryReplacementSendsUpdateButChangeOnlyFollowsTheFlag) {
    EditorFixture f;
    f.frame.forget();
    f.editor.replaceSelection(L"a");
    f.editor.replaceSelection(L"b");
    EXPECT_EQ(f.frame.count(EN_UPDATE), 2);
    EXPECT_EQ(f.frame.count(EN_CHANGE), 1);  // not modified -> modified
    ASSERT_EQ(f.frame.codes.size(), 3u);
    EXPECT_EQ(f.frame.codes[0], EN_UPDATE);  // then EN_CHANGE, with the new text in place
    EXPECT_EQ(f.frame.codes[1], EN_CHANGE);
    EXPECT_EQ(f.frame.lengths[1], 1);
    EXPECT_EQ(f.frame.senders[0], f.editor.m_hWnd);
    f.frame.forget();
    f.send(EM_SETMODIFY, 0);
    EXPECT_EQ(f.frame.count(EN_CHANGE), 1);
    EXPECT_EQ(f.send(EM_GETMODIFY), 0);
}

TEST(TextEditorEditing, UndoAndRedoRestoreTextAndSelectionExactly) {
    EditorFixture f;
    f.editor.setText(L"hello world");
    f.send(EM_SETSEL, 6, 11);
    f.send(EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(L"there"));
    f.send(EM_SETSEL, 0, 0);
    f.send(EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(L">"));
    EXPECT_EQ(f.text(), L">hello there");
    EXPECT_TRUE(f.send(EM_CANUNDO));
    f.send(WM_UNDO);
    EXPECT_EQ(f.text(), L"hello there");
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, 0));
    f.send(EM_UNDO);
    EXPECT_EQ(f.text(), L"hello world");
    EXPECT_EQ(f.editor.getSelection(), TextRange(11, 11));  // the caret before that edit
    EXPECT_TRUE(f.send(EM_CANREDO));
    f.send(EM_REDO);
    EXPECT_EQ(f.text(), L"hello there");
    EXPECT_EQ(f.editor.getSelection(), TextRange(11, 11));
    f.send(EM_UNDO);
    f.send(EM_UNDO);  // back to the text set at the start
    f.send(EM_UNDO);
    EXPECT_EQ(f.text(), L"");
    EXPECT_FALSE(f.send(EM_GETMODIFY));
}

TEST(TextEditorEditing, ModifiedFlagFollowsTheSavedPoint) {
    EditorFixture f;
    f.editor.replaceSelection(L"a");
    f.editor.getHistory().setSavedPosition(f.editor.getHistory().getPosition());
    f.editor.setModified(false);
    f.editor.replaceSelection(L"b");
    EXPECT_TRUE(f.editor.isModified());
    f.frame.forget();
    f.editor.undo();
    EXPECT_FALSE(f.editor.isModified());
    EXPECT_EQ(f.frame.count(EN_CHANGE), 1);
    f.editor.redo();
    EXPECT_TRUE(f.editor.isModified());
}

TEST(TextEditorEditing, LongTextShowsTheWaitCursorAndUndoesInOneStep) {
    EditorFixture f;
    f.editor.setText(L"short");
    const std::wstring longText(20000, L'x');
    f.editor.setText(longText);
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, 0));
    f.editor.undo();
    EXPECT_EQ(f.text(), L"short");
}

TEST(TextEditorEditing, EditsWithoutRecordingLeaveNoStaleUndoSteps) {
    EditorFixture f;
    f.editor.replaceSelection(L"abc");
    f.editor.replaceSelection(L"def");
    f.send(EM_SETSEL, 0, 3);
    f.send(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(L"Z"));  // not recorded
    EXPECT_EQ(f.text(), L"Zdef");
    EXPECT_FALSE(f.send(EM_CANUNDO));
    f.send(EM_UNDO);
    EXPECT_EQ(f.text(), L"Zdef");
    EXPECT_TRUE(f.editor.getHistory().isModified());  // the saved text cannot come back
}

TEST(TextEditorEditing, ReadOnlyEditorTakesAppendedTextButNoUserEdits) {
    EditorFixture f;
    f.send(EM_SETREADONLY, 1);
    EXPECT_TRUE(f.editor.isReadOnly());
    f.editor.appendText(L"log line\r\n");
    f.editor.appendText(L"second\r\n");
    EXPECT_EQ(f.text(), L"log line\r\nsecond\r\n");
    EXPECT_FALSE(f.send(EM_CANUNDO));
    EXPECT_FALSE(f.editor.undo());
    f.send(EM_SETSEL, 0, 3);
    f.send(WM_CLEAR);
    f.send(WM_CHAR, L'q');
    EXPECT_EQ(f.text(), L"log line\r\nsecond\r\n");
    EXPECT_EQ(f.send(WM_COPY), 0);  // copying still works
}

TEST(TextEditorEditing, SingleLineEditorDropsBreaksAndTabsFromItsText) {
    EditorFixture f;
    f.editor.setSingleLine();
    EXPECT_FALSE(f.editor.isMultiLine());
    f.send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"a\tb\r\nc"));
    EXPECT_EQ(f.text(), L"abc");
    EXPECT_EQ(f.send(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTCHARS);
}

TEST(TextEditorEditing, TypedCharactersAndDeletionKeysEditTheText) {
    EditorFixture f;
    for (wchar_t c : std::wstring(L"ab")) f.send(WM_CHAR, c);
    f.send(WM_KEYDOWN, VK_RETURN);
    f.send(WM_CHAR, L'c');
    EXPECT_EQ(f.text(), L"ab\r\nc");
    f.send(WM_KEYDOWN, VK_BACK);
    f.send(WM_KEYDOWN, VK_BACK);  // the CR LF pair in one step
    EXPECT_EQ(f.text(), L"ab");
    f.send(EM_SETSEL, 0, 0);
    f.send(WM_KEYDOWN, VK_DELETE);
    EXPECT_EQ(f.text(), L"b");
    f.send(EM_LIMITTEXT, 5);
    for (int i = 0; i < 10; ++i) f.send(WM_CHAR, L'x');
    EXPECT_EQ(f.text().size(), 11u);  // the limit is reported, never enforced
    EXPECT_EQ(f.send(EM_GETLIMITTEXT), 5);
}

TEST(TextEditorSentences, NextAndPreviousStepThroughTheSentences) {
    EditorFixture f;
    f.editor.setText(L"First one here. Second one here. Third one here.");
    EXPECT_TRUE(f.editor.selectSentenceFrom(0));
    EXPECT_EQ(f.editor.getSelectedText(), L"First one here. ");  // with its blank
    EXPECT_TRUE(f.editor.selectNextSentence());
    EXPECT_EQ(f.editor.getSelection().start, 16);
    EXPECT_EQ(f.editor.getSelectedText().substr(0, 15), L"Second one here");
    EXPECT_TRUE(f.editor.selectNextSentence());
    EXPECT_FALSE(f.editor.selectNextSentence());  // at the end: the selection stays
    EXPECT_EQ(f.editor.getSelectedText().substr(0, 5), L"Third");
    f.editor.select(20, 20);
    EXPECT_TRUE(f.editor.selectPreviousSentence());  // the sentence holding the caret
    EXPECT_EQ(f.editor.getSelection().start, 16);
    EXPECT_FALSE(f.editor.selectSentenceFrom(1000));
}

TEST(TextEditorScrolling, WheelNotchScrollsBySystemLines) {
    EditorFixture f(300, 100);
    std::wstring text;
    for (int i = 0; i < 100; ++i) text += L"line\r\n";
    f.editor.setText(text);
    f.send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    UINT lines = 0;
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    EXPECT_EQ(f.send(EM_GETFIRSTVISIBLELINE), lines < 2 ? 3 : static_cast<LRESULT>(lines));
    f.send(WM_MOUSEWHEEL, MAKEWPARAM(0, 60), 0);  // less than a notch
    EXPECT_EQ(f.send(EM_GETFIRSTVISIBLELINE), lines < 2 ? 3 : static_cast<LRESULT>(lines));
}

TEST(TextEditorEditing, UndoWithNothingToUndoLeavesAnUnrecordedEditUnmodified) {
    EditorFixture f;
    f.editor.replaceRange(L"log line", TextRange(0, 0), false);
    ASSERT_FALSE(f.editor.isModified());
    f.frame.forget();
    f.send(EM_UNDO);
    f.send(WM_UNDO);
    EXPECT_FALSE(f.editor.isModified());
    EXPECT_EQ(f.frame.count(EN_CHANGE), 0);
    EXPECT_EQ(f.text(), L"log line");
    // An edit recorded after it still undoes, and the text stays modified: it never
    // matched a saved state.
    f.editor.appendText(L"!");
    f.send(EM_UNDO);
    EXPECT_EQ(f.text(), L"log line");
    EXPECT_TRUE(f.editor.isModified());
}

TEST(TextEditorSentences, ReverseStepsBackThroughTheSentencesAndStopsAtTheFirst) {
    EditorFixture f;
    f.editor.setText(L"First one here. Second one here. Third one here.");
    ITTSTextEditor& stepper = f.editor;
    ASSERT_TRUE(f.editor.selectSentenceFrom(33));
    EXPECT_TRUE(stepper.selectNextSentence(true));
    EXPECT_EQ(f.editor.getSelection(), TextRange(16, 33));
    EXPECT_TRUE(stepper.selectNextSentence(true));
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, 16));
    EXPECT_FALSE(stepper.selectNextSentence(true));  // before the first: the selection stays
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, 16));
    EXPECT_TRUE(stepper.selectNextSentence(false));
    EXPECT_EQ(f.editor.getSelection(), TextRange(16, 33));
    f.editor.select(20, 20);  // inside a sentence: that sentence first
    EXPECT_TRUE(stepper.selectNextSentence(true));
    EXPECT_EQ(f.editor.getSelection(), TextRange(16, 33));
}

TEST(TextEditorSentences, ReverseTreatsOpeningBlanksAsNoSentence) {
    EditorFixture f;
    f.editor.setText(L"  One. Two.");
    ASSERT_TRUE(f.editor.selectSentenceFrom(0));
    EXPECT_EQ(f.editor.getSelection().start, 2);
    EXPECT_FALSE(f.editor.selectNextSentence(true));
    EXPECT_EQ(f.editor.getSelection().start, 2);
    f.editor.select(7, 7);
    EXPECT_TRUE(f.editor.selectNextSentence(true));
    EXPECT_EQ(f.editor.getSelection().start, 2);
}

TEST(TextEditorEditing, SingleLineFieldShowsBorderAndClearMarkButNoLineEnds) {
    EditorFixture f;
    EXPECT_FALSE(f.editor.isBorderVisible());
    EXPECT_FALSE(f.editor.isClearMarkVisible());
    EXPECT_TRUE(f.editor.isEndOfLineVisible());
    f.editor.setSingleLine();
    EXPECT_TRUE(f.editor.isBorderVisible());
    EXPECT_TRUE(f.editor.isClearMarkVisible());
    EXPECT_FALSE(f.editor.isEndOfLineVisible());
}
