#include <gtest/gtest.h>

#include "texteditor/tests/PointerTestSupport.h"

namespace {

// Records what the caret keys hand over as deleted-by-moving text.
class RecordingEditor : public TextEditor {
public:
    void onBackspaceDelete(const std::wstring& text) override { handed.push_back(text); }
    std::vector<std::wstring> handed;
};

}  // namespace

TEST(TextEditorCaretKeys, CharacterStepsTreatCrLfAsOneAndStopAtTheEnds) {
    PointerFixture f;
    f.editor.setText(L"ab\r\ncd");
    f.editor.setCaretPosition(2);
    f.editor.moveCaret(VK_RIGHT);
    EXPECT_EQ(f.editor.getSelection(), TextRange(4, 4));
    f.editor.moveCaret(VK_LEFT);
    EXPECT_EQ(f.editor.getSelection(), TextRange(2, 2));
    f.editor.setCaretPosition(0);
    f.editor.moveCaret(VK_LEFT);
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, 0));
    f.editor.setCaretPosition(6);
    f.editor.moveCaret(VK_RIGHT);
    EXPECT_EQ(f.editor.getSelection(), TextRange(6, 6));
    // Without Shift a selection collapses onto the moved caret.
    f.editor.setSelection(1, 5);
    f.editor.moveCaret(VK_RIGHT);
    EXPECT_EQ(f.editor.getSelection(), TextRange(6, 6));
}

TEST(TextEditorCaretKeys, HomeEndAndTheirCtrlFormsReachLineAndTextEnds) {
    PointerFixture f;
    f.editor.setText(L"first\r\nsecond line\r\nlast");
    f.editor.setCaretPosition(10);
    f.editor.moveCaret(VK_HOME);
    EXPECT_EQ(f.editor.getCaretPosition(), 7u);  // after the LF of the previous line
    f.editor.moveCaret(VK_END);
    EXPECT_EQ(f.editor.getCaretPosition(), 18u);  // before the CR
    HeldKeys ctrl({VK_CONTROL});
    f.editor.moveCaret(VK_END);
    EXPECT_EQ(f.editor.getCaretPosition(), f.editor.getTextLength());  // after the last character
    f.editor.moveCaret(VK_HOME);
    EXPECT_EQ(f.editor.getCaretPosition(), 0u);
}

TEST(TextEditorCaretKeys, CtrlArrowsMoveByWords) {
    PointerFixture f;
    f.editor.setText(L"alpha beta gamma");
    f.editor.setCaretPosition(7);
    HeldKeys ctrl({VK_CONTROL});
    f.editor.moveCaret(VK_RIGHT);
    EXPECT_EQ(f.editor.getCaretPosition(), 10u);
    f.editor.moveCaret(VK_LEFT);
    EXPECT_EQ(f.editor.getCaretPosition(), 6u);
    f.editor.moveCaret(VK_LEFT);
    EXPECT_EQ(f.editor.getCaretPosition(), 0u);
}

TEST(TextEditorCaretKeys, ANullWordBreakProcedureGivesBackTheEditorsOwn) {
    PointerFixture f;
    f.editor.setText(L"alpha beta gamma");
    f.send(EM_SETWORDBREAKPROC, 0, 0);
    f.editor.setCaretPosition(7);
    {
        HeldKeys ctrl({VK_CONTROL});
        f.editor.moveCaret(VK_RIGHT);
    }
    EXPECT_EQ(f.editor.getCaretPosition(), 10u);
    f.doubleClick(f.leftHalf(13));
    EXPECT_EQ(f.editor.getSelection(), TextRange(11, 16));
}

TEST(TextEditorCaretKeys, ShiftKeepsTheAnchorOfASelectionMadeRightToLeft) {
    PointerFixture f;
    f.editor.setText(L"abcdefgh");
    f.editor.setSelection(6, 2);
    HeldKeys shift({VK_SHIFT});
    f.editor.moveCaret(VK_RIGHT);
    EXPECT_EQ(f.editor.getSelectionState().anchor, 6u);
    EXPECT_EQ(f.editor.getCaretPosition(), 3u);
    f.editor.moveCaret(VK_END);
    EXPECT_EQ(f.editor.getSelection(), TextRange(6, 8));
    EXPECT_EQ(f.editor.getSelectionState().anchor, 6u);
}

TEST(TextEditorCaretKeys, UpAndDownAimAtThePreferredColumn) {
    PointerFixture f;
    f.editor.setText(L"a long first line\r\nab\r\nanother long line");
    f.editor.setCaretPosition(10);
    const int aimed = f.at(10).x;
    f.editor.moveCaret(VK_DOWN);
    EXPECT_EQ(f.editor.getCaretPosition(), 21u);  // the end of the short row
    f.editor.moveCaret(VK_DOWN);
    uint32_t expected = 0;
    f.editor.pointToPosition(aimed, f.at(25).y + 1, nullptr, nullptr, &expected);
    EXPECT_EQ(f.editor.getCaretPosition(), expected);
    EXPECT_EQ(f.editor.getSelectionState().preferredX, aimed);
    f.editor.moveCaret(VK_UP);
    f.editor.moveCaret(VK_UP);
    EXPECT_EQ(f.editor.getCaretPosition(), 10u);
    // Shift+Down extends from the anchor.
    HeldKeys shift({VK_SHIFT});
    f.editor.moveCaret(VK_DOWN);
    EXPECT_EQ(f.editor.getSelection(), TextRange(10, 21));
}

TEST(TextEditorCaretKeys, CtrlUpAndDownStepThroughSentences) {
    PointerFixture f;
    f.editor.setText(L"One two three. Four five six. Seven eight.");
    f.editor.setCaretPosition(22);
    {
        HeldKeys ctrl({VK_CONTROL});
        f.editor.moveCaret(VK_UP);
        EXPECT_EQ(f.editor.getSelection(), TextRange(15, 30));
        f.editor.moveCaret(VK_DOWN);
        EXPECT_EQ(f.editor.getSelection(), TextRange(30, 42));
    }
    // With Shift the selection reaches the sentence's start.
    f.editor.setCaretPosition(22);
    HeldKeys both({VK_CONTROL, VK_SHIFT});
    f.editor.moveCaret(VK_UP);
    EXPECT_EQ(f.editor.getSelection(), TextRange(15, 22));
    EXPECT_EQ(f.editor.getSelectionState().anchor, 22u);
}

TEST(TextEditorCaretKeys, PageDownMovesTheViewAndTheCaretByAPage) {
    PointerFixture f(300, 120);
    std::wstring text;
    for (int i = 0; i < 60; ++i) text += L"row " + std::to_wstring(i % 10) + L"\r\n";
    f.editor.setText(text);
    f.editor.setCaretPosition(7);  // row 1
    const int rows = f.editor.getVisibleRows();
    ASSERT_GE(rows, 3);
    f.editor.moveCaret(VK_NEXT);
    EXPECT_EQ(f.editor.getFirstVisibleRow(), rows);
    EXPECT_EQ(f.editor.getCaretPosition(), static_cast<uint32_t>(7 + rows * 7));  // the same screen row
    f.editor.moveCaret(VK_PRIOR);
    EXPECT_EQ(f.editor.getFirstVisibleRow(), 0);
    EXPECT_EQ(f.editor.getCaretPosition(), 0u);  // at the top the caret goes to the first row
    // A text shorter than the window: the view stays, the caret goes to the last or first row.
    f.editor.setText(L"one\r\ntwo\r\nthree");
    f.editor.setCaretPosition(1);
    f.editor.moveCaret(VK_NEXT);
    EXPECT_EQ(f.editor.getSelectionState().caretLine, 2u);
    f.editor.moveCaret(VK_PRIOR);
    EXPECT_EQ(f.editor.getSelectionState().caretLine, 0u);
}

TEST(TextEditorCaretKeys, PagingInStridesLeavesTheCaretShown) {
    PointerFixture f(300, 120);
    std::wstring text;
    for (int i = 0; i < 60; ++i) text += L"row " + std::to_wstring(i % 10) + L"\r\n";
    f.editor.setText(text);
    ::ShowWindow(f.frame.m_hWnd, SW_SHOW);
    ::SetFocus(f.editor.m_hWnd);
    // The caret stands past a line's text, on the background, so a shown caret changes
    // the pixel under it. No messages are pumped here, so it does not blink meanwhile.
    const auto pixelUnderCaret = [&] {
        const SelectionState& state = f.editor.getSelectionState();
        HDC dc = ::GetDC(f.editor.m_hWnd);
        const COLORREF color = ::GetPixel(dc, state.caretX, state.caretY + f.lineHeight() / 2);
        ::ReleaseDC(f.editor.m_hWnd, dc);
        return color;
    };
    const auto caretShown = [&] {
        const COLORREF shown = pixelUnderCaret();
        ::HideCaret(f.editor.m_hWnd);
        const COLORREF hidden = pixelUnderCaret();
        ::ShowCaret(f.editor.m_hWnd);
        return shown != hidden;
    };
    f.editor.setCaretPosition(5);  // the end of the first line
    ::UpdateWindow(f.editor.m_hWnd);
    ASSERT_TRUE(caretShown());
    f.editor.moveCaret(VK_NEXT);
    ::UpdateWindow(f.editor.m_hWnd);
    EXPECT_GT(f.editor.getFirstVisibleRow(), 0);
    EXPECT_TRUE(caretShown());
    f.editor.moveCaret(VK_PRIOR);
    ::UpdateWindow(f.editor.m_hWnd);
    EXPECT_TRUE(caretShown());
    f.editor.setCaretPosition(f.editor.getTextLength() - 2);
    f.editor.scrollToCaret();
    ::UpdateWindow(f.editor.m_hWnd);
    EXPECT_TRUE(caretShown());
}

TEST(TextEditorCaretKeys, MovesHandOverTheTextBetweenTheOldStartAndTheCaret) {
    NotificationFrame frame;
    RecordingEditor editor;
    editor.create(frame.m_hWnd, 0, 0, 300, 200);
    editor.setText(L"abc\r\ndef");
    editor.setCaretPosition(7);
    editor.moveCaret(VK_HOME);
    editor.moveCaret(VK_DOWN);  // vertical moves hand over nothing
    ASSERT_EQ(editor.handed.size(), 1u);
    EXPECT_EQ(editor.handed[0], L"de");
    editor.setText(L"");
    editor.moveCaret(VK_RIGHT);  // nothing for an empty text
    EXPECT_EQ(editor.handed.size(), 1u);
}
