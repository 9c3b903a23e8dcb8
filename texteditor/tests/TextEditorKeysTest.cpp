#include <gtest/gtest.h>

#include <cstring>

#include "texteditor/tests/KeyboardTestSupport.h"

TEST(TextEditorTyping, EachCharacterIsOneUndoStep) {
    EditorFixture f;
    typeText(f, L"ab\r");  // a CR from WM_CHAR is left to Enter
    EXPECT_EQ(f.text(), L"ab");
    EXPECT_EQ(undoSteps(f), 2u);
    f.send(WM_UNDO);
    EXPECT_EQ(f.text(), L"a");
    EXPECT_TRUE(f.editor.isModified());
    f.send(WM_UNDO);
    EXPECT_EQ(f.text(), L"");
    EXPECT_FALSE(f.editor.isModified());
}

TEST(TextEditorTyping, ReadOnlyEditorAndCtrlTakeNoCharacters) {
    EditorFixture f;
    f.editor.setText(L"x");
    {
        KeysDown ctrl{VK_CONTROL};
        typeText(f, L"a");
    }
    f.editor.setReadOnly(true);
    typeText(f, L"b");
    pressKey(f, VK_BACK);
    pressKey(f, VK_RETURN);
    f.send(WM_PASTE);
    f.send(WM_CUT);
    EXPECT_EQ(f.text(), L"x");
}

TEST(TextEditorKeys, BackspaceTakesACarriageReturnPairAsOneStepAndBeepsAtTheStart) {
    EditorFixture f;
    f.editor.setText(L"ab\r\ncd");
    f.editor.setCaretPosition(4);
    const size_t before = undoSteps(f);
    pressKey(f, VK_BACK);
    EXPECT_EQ(f.text(), L"abcd");
    EXPECT_EQ(undoSteps(f), before + 1);
    f.send(WM_UNDO);
    EXPECT_EQ(f.text(), L"ab\r\ncd");

    f.editor.setCaretPosition(0);
    pressKey(f, VK_BACK);  // beeps, nothing changes
    EXPECT_EQ(f.text(), L"ab\r\ncd");
    f.send(EM_SETSEL, 0, 2);  // a selection starting at 0 goes
    pressKey(f, VK_BACK);
    EXPECT_EQ(f.text(), L"\r\ncd");
}

TEST(TextEditorKeys, CtrlBackspaceAndCtrlDeleteRemoveWords) {
    EditorFixture f;
    f.editor.setText(L"one two three");
    f.editor.setCaretPosition(7);
    KeysDown ctrl{VK_CONTROL};
    pressKey(f, VK_BACK);
    EXPECT_EQ(f.text(), L"one  three");
    pressKey(f, VK_DELETE);
    EXPECT_EQ(f.text().substr(0, 4), L"one ");
    EXPECT_LT(f.text().size(), 10u);
}

TEST(TextEditorKeys, DeleteRemovesAPairOrOneCharacterOrTheSelection) {
    EditorFixture f;
    f.editor.setText(L"a\r\nb\nc");
    f.editor.setCaretPosition(1);
    pressKey(f, VK_DELETE);
    EXPECT_EQ(f.text(), L"ab\nc");
    pressKey(f, VK_DELETE);  // the letter before a lone LF goes alone
    EXPECT_EQ(f.text(), L"a\nc");
    f.send(EM_SETSEL, 0, 2);
    pressKey(f, VK_DELETE);
    EXPECT_EQ(f.text(), L"c");
    f.editor.setCaretPosition(1);
    pressKey(f, VK_DELETE);  // at the end: nothing
    EXPECT_EQ(f.text(), L"c");
    EXPECT_EQ(undoSteps(f), 4u);  // the text set, then three deletions
}

TEST(TextEditorKeys, EnterCarriesIndentationAndOpensABlock) {
    EditorFixture f;
    f.editor.setText(L"\t\tx{");
    f.editor.setCaretPosition(4);
    pressKey(f, VK_RETURN);
    EXPECT_EQ(f.text(), L"\t\tx{\r\n\t\t\t");
    EXPECT_EQ(f.editor.getCaretPosition(), 9u);
    // "}" on the blank line takes back one TAB, the line break stays.
    typeText(f, L"}");
    EXPECT_EQ(f.text(), L"\t\tx{\r\n\t\t}");
    f.send(WM_UNDO);
    f.send(WM_UNDO);
    EXPECT_EQ(f.text(), L"\t\tx{");
}

TEST(TextEditorKeys, ClosingBraceOnABlankLineKeepsTheLineBreakAfterIt) {
    EditorFixture f;
    f.editor.setText(L"{\r\n\t\t\r\nend");
    f.editor.setCaretPosition(4);  // between the two TABs
    typeText(f, L"}");
    EXPECT_EQ(f.text(), L"{\r\n\t}\r\nend");
}

TEST(TextEditorKeys, SingleLineEditorIgnoresEnter) {
    EditorFixture f;
    f.editor.setSingleLine();
    f.editor.setText(L"ab");
    pressKey(f, VK_RETURN);
    EXPECT_EQ(f.text(), L"ab");
}

TEST(TextEditorTab, TabIndentsAndShiftTabUnindentsTheSelectedLines) {
    EditorFixture f;
    f.editor.setText(L"ab\r\ncd\r\nef");
    f.send(EM_SETSEL, 1, 8);  // ends at the start of the third line
    typeText(f, L"\t");
    EXPECT_EQ(f.text(), L"\tab\r\n\tcd\r\nef");
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, 8));
    {
        KeysDown shift{VK_SHIFT};
        typeText(f, L"\t");
    }
    EXPECT_EQ(f.text(), L"ab\r\ncd\r\nef");
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, 6));
    f.send(WM_UNDO);
    EXPECT_EQ(f.text(), L"\tab\r\n\tcd\r\nef");
    // Without a line break in the selection a TAB replaces it.
    f.send(EM_SETSEL, 1, 2);
    typeText(f, L"\t");
    EXPECT_EQ(f.text(), L"\t\tb\r\n\tcd\r\nef");
}

TEST(TextEditorTab, BlockIndentAlsoFollowsLoneLineFeeds) {
    EditorFixture f;
    f.editor.setText(L"ab\ncd\nef");
    f.send(EM_SETSEL, 0, 5);
    typeText(f, L"\t");
    EXPECT_EQ(f.text(), L"\tab\n\tcd\nef");  // lines kept, not replaced by a TAB
}

TEST(TextEditorCtrlKeys, ComposedCharactersReplaceTheSelection) {
    EditorFixture f;
    {
        KeysDown keys{VK_CONTROL, '7', VK_SHIFT};
        pressKey(f, 'O');
    }
    {
        KeysDown keys{VK_CONTROL, '7'};
        pressKey(f, 'O');
    }
    {
        KeysDown keys{VK_CONTROL, VK_MENU};
        pressKey(f, VK_OEM_PERIOD);
    }
    EXPECT_EQ(f.text(), L"\u00d3\u00f3\u2026");
    EXPECT_EQ(undoSteps(f), 3u);
}

TEST(TextEditorCtrlKeys, CaseChangesKeepTheSelection) {
    EditorFixture f;
    f.editor.setText(L"xaB9_\u00e9y");
    f.send(EM_SETSEL, 1, 6);
    {
        KeysDown keys{VK_CONTROL, VK_SHIFT};
        pressKey(f, 'U');
    }
    EXPECT_EQ(f.text(), L"xAB9_\u00e9y");
    EXPECT_EQ(f.editor.getSelection(), TextRange(1, 6));
    {
        KeysDown keys{VK_CONTROL};
        pressKey(f, 'U');
    }
    EXPECT_EQ(f.text(), L"xab9_\u00e9y");
    f.send(WM_UNDO);
    EXPECT_EQ(f.text(), L"xAB9_\u00e9y");
}

TEST(TextEditorCtrlKeys, PlusAndMinusLeaveSurrogatesWhole) {
    EditorFixture f;
    const std::wstring text = std::wstring(L"a\xD83D\xDE00") + wchar_t(0xD7FF);
    f.editor.setText(text);
    f.send(EM_SETSEL, 0, 4);
    {
        KeysDown keys{VK_CONTROL};
        pressKey(f, VK_OEM_PLUS);
    }
    EXPECT_EQ(f.text(), std::wstring(L"b\xD83D\xDE00") + wchar_t(0xE000));
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, 4));
    {
        KeysDown keys{VK_CONTROL};
        pressKey(f, VK_OEM_MINUS);
    }
    EXPECT_EQ(f.text(), text);
}

TEST(TextEditorCtrlKeys, ReadOnlyEditorStillCopiesAndSelectsAll) {
    EditorFixture f;
    f.editor.setText(L"abc");
    f.editor.setReadOnly(true);
    KeysDown keys{VK_CONTROL};
    pressKey(f, 'A');
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, 3));
    pressKey(f, 'U');
    pressKey(f, 'X');
    pressKey(f, 'Z');
    EXPECT_EQ(f.text(), L"abc");
    setClipboardText(f.editor.m_hWnd, L"");
    pressKey(f, 'C');
    EXPECT_EQ(clipboardText(f.editor.m_hWnd), L"abc");
}

TEST(TextEditorClipboard, CopyWithoutSelectionTakesTheCaretLine) {
    EditorFixture f;
    f.editor.setText(L"one\r\ntwo\r\n");
    f.editor.setCaretPosition(6);
    KeysDown keys{VK_CONTROL};
    pressKey(f, 'C');
    EXPECT_EQ(clipboardText(f.editor.m_hWnd), L"two\r\n");
    EXPECT_EQ(f.editor.getSelection(), TextRange(5, 10));
    EXPECT_EQ(f.text(), L"one\r\ntwo\r\n");
}

TEST(TextEditorClipboard, CutAndPasteAreSingleUndoSteps) {
    EditorFixture f;
    f.editor.setText(L"one two");
    const size_t before = undoSteps(f);
    f.send(EM_SETSEL, 0, 4);
    {
        KeysDown keys{VK_CONTROL};
        pressKey(f, 'X');
        EXPECT_EQ(f.text(), L"two");
        EXPECT_EQ(clipboardText(f.editor.m_hWnd), L"one ");
        f.editor.setCaretPosition(3);
        pressKey(f, 'V');
    }
    EXPECT_EQ(f.text(), L"twoone ");
    EXPECT_EQ(undoSteps(f), before + 2);
    f.send(WM_UNDO);
    EXPECT_EQ(f.text(), L"two");
    f.send(WM_UNDO);
    EXPECT_EQ(f.text(), L"one two");
    {
        KeysDown keys{VK_CONTROL, VK_SHIFT};
        pressKey(f, 'Z');
    }
    EXPECT_EQ(f.text(), L"two");
}

TEST(TextEditorClipboard, CutWithoutSelectionTakesTheLineAndShiftDeleteCuts) {
    EditorFixture f;
    f.editor.setText(L"one\r\ntwo");
    f.editor.setCaretPosition(1);
    {
        KeysDown keys{VK_CONTROL};
        pressKey(f, 'X');
    }
    EXPECT_EQ(f.text(), L"two");
    EXPECT_EQ(clipboardText(f.editor.m_hWnd), L"one\r\n");
    f.send(EM_SETSEL, 1, 3);
    {
        KeysDown keys{VK_SHIFT};
        pressKey(f, VK_DELETE);
    }
    EXPECT_EQ(f.text(), L"t");
    EXPECT_EQ(clipboardText(f.editor.m_hWnd), L"wo");
}

TEST(TextEditorClipboard, SingleLineEditorPastesWithoutBreaksAndTabs) {
    EditorFixture f;
    f.editor.setSingleLine();
    setClipboardText(f.editor.m_hWnd, L"a\r\nb\tc\n");
    f.send(WM_PASTE);
    EXPECT_EQ(f.text(), L"abc");
    EXPECT_EQ(undoSteps(f), 1u);
}

TEST(TextEditorClipboard, PasteReadsNarrowTextThroughTheConversionCodePage) {
    EditorFixture f;
    ASSERT_TRUE(::OpenClipboard(f.editor.m_hWnd));
    ::EmptyClipboard();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, 4);
    std::memcpy(::GlobalLock(block), "abc", 4);
    ::GlobalUnlock(block);
    ::SetClipboardData(CF_TEXT, block);
    ::CloseClipboard();
    f.send(WM_PASTE);
    EXPECT_EQ(f.text(), L"abc");
}

TEST(TextEditorLineComment, CtrlSlashTogglesCommentsOnTheTouchedLines) {
    EditorFixture f;
    f.editor.setText(L"a\r\n\tb\r\nc");
    f.send(EM_SETSEL, 1, 4);
    {
        KeysDown keys{VK_CONTROL};
        pressKey(f, VK_OEM_2);
    }
    EXPECT_EQ(f.text(), L"//a\r\n//\tb\r\nc");
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, 9));
    {
        KeysDown keys{VK_CONTROL};
        pressKey(f, VK_OEM_2);
    }
    EXPECT_EQ(f.text(), L"a\r\n\tb\r\nc");
    f.send(WM_UNDO);
    EXPECT_EQ(f.text(), L"//a\r\n//\tb\r\nc");
}

TEST(TextEditorLineComment, UncommentingLoneLineFeedLinesChangesEveryLine) {
    EditorFixture f;
    f.editor.setText(L"//a\n//b\n//c");
    f.send(EM_SETSEL, 0, 11);
    f.editor.toggleLineComment();
    EXPECT_EQ(f.text(), L"a\nb\nc");
}

TEST(TextEditorCaretKeys, ShiftExtendsFromTheAnchorAndHomeFollowsALineFeed) {
    EditorFixture f;
    f.editor.setText(L"ab\r\ncd");
    f.send(EM_SETSEL, 6, 5);
    {
        KeysDown keys{VK_SHIFT};
        pressKey(f, VK_HOME);
    }
    EXPECT_EQ(f.editor.getSelectionState().anchor, 6u);
    EXPECT_EQ(f.editor.getCaretPosition(), 4u);
    pressKey(f, VK_LEFT);  // over the pair at once
    EXPECT_EQ(f.editor.getSelection(), TextRange(2, 2));
    KeysDown keys{VK_CONTROL};
    pressKey(f, VK_END);
    EXPECT_EQ(f.editor.getCaretPosition(), 6u);
}
