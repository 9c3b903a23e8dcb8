#include <gtest/gtest.h>

#include "texteditor/tests/EditorTestSupport.h"

namespace {

std::wstring numberedRows(int count) {
    std::wstring text;
    for (int i = 0; i < count; ++i) text += L"row " + std::to_wstring(i) + L"\r\n";
    return text;
}

// An editor in a shown frame (a hidden window keeps no update region), with its text
// painted and nothing left to paint.
struct ShownEditor {
    ShownEditor() {
        ::ShowWindow(frame.m_hWnd, SW_SHOWNOACTIVATE);
        editor.create(frame.m_hWnd, 0, 0, 300, 200);
        editor.setText(numberedRows(40));
        editor.setSelection(0, 0);
        settle();
    }
    ~ShownEditor() { editor.destroy(); }
    void settle() {
        ::UpdateWindow(editor.m_hWnd);
        ::ValidateRect(editor.m_hWnd, nullptr);
    }
    // The rectangle left to paint; empty when nothing is.
    RECT invalid() const {
        RECT r{};
        ::GetUpdateRect(editor.m_hWnd, &r, FALSE);
        return r;
    }
    int rowTop(int row) const { return editor.getPadding().top + row * editor.getLineHeight(); }

    NotificationFrame frame;
    TextEditor editor;
};

}  // namespace

TEST(TextEditorInvalidation, TypingInsideALineRepaintsOnlyItsRows) {
    ShownEditor s;
    const uint32_t row3 = s.editor.getDocument().getLineStart(3);
    s.editor.setSelection(row3 + 2, row3 + 2);
    s.settle();
    ::SendMessageW(s.editor.m_hWnd, WM_CHAR, L'x', 1);
    EXPECT_EQ(s.editor.getLineText(3), L"roxw 3\r\n");
    const RECT r = s.invalid();
    EXPECT_LE(r.top, s.rowTop(3));
    EXPECT_GE(r.bottom, s.rowTop(4));
    EXPECT_GE(r.top, s.rowTop(1));     // the rows above stay as they are
    EXPECT_LE(r.bottom, s.rowTop(7));  // and so do the rows below
}

TEST(TextEditorInvalidation, ANewLineRepaintsEverythingBelowButNotAbove) {
    ShownEditor s;
    const uint32_t row3 = s.editor.getDocument().getLineStart(3);
    s.editor.setSelection(row3 + 2, row3 + 2);
    s.settle();
    ::SendMessageW(s.editor.m_hWnd, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(s.editor.getLineText(4), L"w 3\r\n");
    const RECT r = s.invalid();
    EXPECT_GE(r.top, s.rowTop(1));  // the new row count reached the bar, not the rows above
    EXPECT_EQ(r.bottom, s.editor.getClientRect().bottom);
}

TEST(TextEditorInvalidation, EmptyingTheTextRepaintsTheWholeView) {
    ShownEditor s;
    s.editor.setHintText(L"type here");
    s.settle();
    ::SendMessageW(s.editor.m_hWnd, EM_SETSEL, 0, -1);
    ::SendMessageW(s.editor.m_hWnd, WM_CLEAR, 0, 0);
    const RECT r = s.invalid();
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.bottom, s.editor.getClientRect().bottom);
}

TEST(TextEditorInvalidation, ScrollBarsTakeTheirValuesAtOnceAndLeaveTheTextAlone) {
    ShownEditor s;
    ::SendMessageW(s.editor.m_hWnd, WM_KEYDOWN, VK_NEXT, 1);
    s.settle();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS | SIF_RANGE;
    ASSERT_TRUE(::GetScrollInfo(s.editor.m_hWnd, SB_VERT, &info));
    EXPECT_GT(info.nPos, 0);
    EXPECT_EQ(info.nPos, s.editor.getFirstVisibleRow());
    // A longer text changes only the bar's range: no row of the view waits to be painted.
    s.editor.getScrollBar().verticalTotal += 10;
    s.editor.updateScrollBars();
    ASSERT_TRUE(::GetScrollInfo(s.editor.m_hWnd, SB_VERT, &info));
    EXPECT_EQ(info.nMax, s.editor.getScrollBar().verticalTotal - 1);
    const RECT left = s.invalid();
    EXPECT_TRUE(::IsRectEmpty(&left));
}

TEST(TextEditorInvalidation, PageDownWithoutSelectionLeavesNothingToRepaint) {
    ShownEditor s;
    ::SendMessageW(s.editor.m_hWnd, WM_KEYDOWN, VK_NEXT, 1);
    EXPECT_GT(s.editor.getScrollBar().verticalPosition, 0);
    EXPECT_GT(s.editor.getSelection().start, 0);
    EXPECT_EQ(s.editor.getSelection().start, s.editor.getSelection().end);
    // The strides painted what they exposed; the rows between the old and the new caret
    // do not change colour.
    const RECT r = s.invalid();
    EXPECT_TRUE(::IsRectEmpty(&r)) << r.top << " " << r.bottom;
}
