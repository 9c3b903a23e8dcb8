#include <gtest/gtest.h>

#include "texteditor/tests/PointerTestSupport.h"

namespace {

// An editor that can show its line numbers, as the lyrics views do.
class NumberedEditor : public TextEditor {
public:
    void showNumbers() {
        showLineNumbers = true;
        updateLayout();
    }
    void showClear() {
        showClearMark = true;
        repaintAll();
    }
};

struct NumberedFixture : PointerFixture {
    NumberedFixture() {
        editor.destroy();
        numbered.create(frame.m_hWnd, 0, 0, 300, 200);
        numbered.showNumbers();
    }
    NumberedEditor numbered;
};

void pressIn(NumberedEditor& editor, POINT p, UINT msg) {
    ::SendMessageW(editor.m_hWnd, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, PointerFixture::point(p));
}

}  // namespace

TEST(TextEditorPointer, APressPutsTheCaretByTheHalfOfTheCharacterHit) {
    PointerFixture f;
    f.editor.setText(L"Wide words\r\nsecond");
    f.click(f.leftHalf(1));
    EXPECT_EQ(f.editor.getSelection(), TextRange(1, 1));
    EXPECT_EQ(f.editor.getSelectionState().caretX, f.at(1).x);
    f.click(f.rightHalf(1));
    EXPECT_EQ(f.editor.getSelection(), TextRange(2, 2));
    EXPECT_EQ(f.editor.getSelectionState().caretX, f.at(2).x);
    // Right of the row's end: before the line break, not after it.
    f.click(POINT{f.at(9).x + 80, f.at(9).y + 1});
    EXPECT_EQ(f.editor.getSelection(), TextRange(10, 10));
    f.click(f.leftHalf(13));
    EXPECT_EQ(f.editor.getSelection(), TextRange(13, 13));
    EXPECT_EQ(f.editor.getSelectionState().caretY, f.at(13).y);
}

TEST(TextEditorPointer, AShiftClickPlacesTheCaretWithoutExtending) {
    PointerFixture f;
    f.editor.setText(L"abcdefgh");
    f.editor.select(1, 3);
    HeldKeys shift({VK_SHIFT});
    f.send(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, PointerFixture::point(f.leftHalf(6)));
    f.release(f.leftHalf(6));
    EXPECT_EQ(f.editor.getSelection(), TextRange(6, 6));
}

TEST(TextEditorPointer, DraggingSelectsFromThePressToThePointerEitherWay) {
    PointerFixture f;
    f.editor.setText(L"first line\r\nsecond line");
    f.press(f.leftHalf(2));
    EXPECT_EQ(f.editor.getMouseMode(), 2);
    f.drag(f.rightHalf(14));
    EXPECT_EQ(f.editor.getSelection(), TextRange(2, 15));
    f.drag(f.leftHalf(1));
    EXPECT_EQ(f.editor.getSelection(), TextRange(1, 2));
    EXPECT_EQ(f.editor.getSelectionState().anchor, 2u);
    f.release(f.leftHalf(1));
    EXPECT_EQ(f.editor.getMouseMode(), 0);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(f.editor.getSelectionState().preferredX, f.at(1).x);
    // Moving without a button changes nothing.
    f.send(WM_MOUSEMOVE, 0, PointerFixture::point(f.leftHalf(8)));
    EXPECT_EQ(f.editor.getSelection(), TextRange(1, 2));
}

TEST(TextEditorPointer, APressAboveTheViewReachesTheRowAboveIt) {
    PointerFixture f(300, 100);
    std::wstring text;
    for (int i = 0; i < 20; ++i) text += L"row\r\n";
    f.editor.setText(text);
    f.editor.scroll(0, 5, false);
    ASSERT_EQ(f.editor.getFirstVisibleRow(), 5);
    f.press(POINT{f.at(0).x + 1, -3});
    EXPECT_EQ(f.editor.getCaretPosition(), 4u * 5u);  // the start of row 4
    f.release(POINT{0, 0});
}

TEST(TextEditorPointer, DoubleClickSelectsTheWordAndAThirdPressTheSentence) {
    PointerFixture f;
    f.editor.setText(L"One two three. Four five six. Seven.");
    const uint32_t inFive = 21;
    f.doubleClick(f.leftHalf(inFive));
    EXPECT_EQ(f.editor.getSelection(), TextRange(20, 24));
    EXPECT_EQ(f.editor.getTimerId(), 2);
    // The third press reads the real cursor.
    f.putCursor(f.leftHalf(inFive));
    f.press(f.leftHalf(inFive));
    EXPECT_EQ(f.editor.getMouseMode(), 0x20);
    EXPECT_EQ(f.editor.getSelection(), TextRange(15, 30));
    f.release(f.leftHalf(inFive));
    EXPECT_EQ(f.editor.getMouseMode(), 0);
}

TEST(TextEditorPointer, AThirdPressAfterTheWindowOnlyPlacesTheCaret) {
    PointerFixture f;
    f.editor.setText(L"One two three. Four five six.");
    f.doubleClick(f.leftHalf(9));
    EXPECT_EQ(f.editor.getSelection(), TextRange(8, 13));
    PointerFixture::pump(450);  // the 300 ms timer ends the triple-click window
    EXPECT_EQ(f.editor.getTimerId(), 0);
    // Pressed outside the selected word: a press on it would drag it instead.
    f.putCursor(f.leftHalf(2));
    f.click(f.leftHalf(2));
    EXPECT_EQ(f.editor.getSelection(), TextRange(2, 2));
}

namespace {
int dragsStarted = 0;
DWORD countDrag(TextEditor&, IDataObject*, IDropSource*) {
    ++dragsStarted;
    return DRAGDROP_S_CANCEL;
}
}  // namespace

TEST(TextEditorPointer, APressOnTheSelectionDragsItAndKeepsIt) {
    PointerFixture f;
    f.editor.setText(L"One two three.");
    f.editor.select(4, 7);
    TextEditor::setDragRunner(countDrag);
    dragsStarted = 0;
    f.press(f.leftHalf(5));
    EXPECT_EQ(dragsStarted, 1);
    EXPECT_EQ(f.editor.getMouseMode(), 0);
    EXPECT_EQ(f.editor.getSelection(), TextRange(4, 7));
    f.release(f.leftHalf(5));
    // Beside the selection a press only places the caret.
    f.click(f.leftHalf(9));
    EXPECT_EQ(dragsStarted, 1);
    EXPECT_EQ(f.editor.getSelection(), TextRange(9, 9));
    TextEditor::setDragRunner(nullptr);
}

TEST(TextEditorPointer, DoubleClickAtOrPastTheEndSelectsTheLastWordNotTheWholeText) {
    PointerFixture f;
    f.editor.setText(L"alpha beta gamma");
    const POINT end = f.at(16);
    f.doubleClick(POINT{end.x + 40, end.y + 2});
    EXPECT_EQ(f.editor.getSelection(), TextRange(11, 16));
    // Typing now replaces the word only.
    f.send(WM_CHAR, L'x');
    EXPECT_EQ(f.text(), L"alpha beta x");
    f.send(WM_TIMER, 2);  // the triple-click window ends
    // Nothing for an empty text.
    f.editor.setText(L"");
    EXPECT_EQ(f.send(WM_LBUTTONDBLCLK, MK_LBUTTON, PointerFixture::point(POINT{5, 5})), 0);
    EXPECT_EQ(f.editor.getTimerId(), 0);
}

TEST(TextEditorPointer, DoubleClickOnAnEmptyLineSelectsNoLineBreak) {
    PointerFixture f;
    f.editor.setText(L"one\r\n\r\ntwo\r\n");
    for (const uint32_t emptyLine : {12u, 5u}) {  // the last line, one between
        const POINT p = f.at(emptyLine);
        f.doubleClick(POINT{p.x + 5, p.y + f.lineHeight() / 2});
        EXPECT_EQ(f.editor.getSelection(), TextRange(emptyLine, emptyLine));
        f.send(WM_TIMER, 2);  // the triple-click window ends
    }
    f.send(WM_CHAR, L'x');
    EXPECT_EQ(f.text(), L"one\r\nx\r\ntwo\r\n");
}

TEST(TextEditorPointer, LineNumberPressesSelectWholeRowsKeepingThePressedOne) {
    NumberedFixture f;
    NumberedEditor& e = f.numbered;
    e.setText(L"one\r\ntwo\r\nthree\r\nfour");
    const int lh = e.getLineHeight();
    auto rowY = [&](int row) { return 2 + row * lh + lh / 2; };
    ASSERT_GT(e.getTextLeft(), 8);
    const int x = 2;
    // A press on a number selects that line with its break.
    pressIn(e, POINT{x, rowY(1)}, WM_LBUTTONDOWN);
    EXPECT_EQ(e.getMouseMode(), 0x80);
    EXPECT_EQ(e.getSelection(), TextRange(5, 10));
    // Down: from the pressed row's start to the start of the row below the pointer.
    pressIn(e, POINT{x, rowY(2)}, WM_MOUSEMOVE);
    EXPECT_EQ(e.getSelection(), TextRange(5, 17));
    // Up, over several moves: the pressed row stays selected and the anchor holds.
    pressIn(e, POINT{x, rowY(1)}, WM_MOUSEMOVE);
    pressIn(e, POINT{x, rowY(0)}, WM_MOUSEMOVE);
    pressIn(e, POINT{x, rowY(0) + 1}, WM_MOUSEMOVE);
    EXPECT_EQ(e.getSelection(), TextRange(0, 10));
    EXPECT_EQ(e.getSelectionState().anchor, 10u);
    pressIn(e, POINT{x, rowY(0)}, WM_LBUTTONUP);
    EXPECT_EQ(e.getMouseMode(), 0);
    // The last line has no row below it: its press reaches the end of the text.
    pressIn(e, POINT{x, rowY(3)}, WM_LBUTTONDOWN);
    EXPECT_EQ(e.getSelection(), TextRange(17, 21));
    pressIn(e, POINT{x, rowY(3)}, WM_LBUTTONUP);
    // Over the numbers the cursor is an arrow, over the text an I-beam.
    ::SendMessageW(e.m_hWnd, WM_MOUSEMOVE, 0, PointerFixture::point(POINT{x, rowY(0)}));
    EXPECT_EQ(reinterpret_cast<HCURSOR>(::GetClassLongPtrW(e.m_hWnd, GCLP_HCURSOR)), ::LoadCursorW(nullptr, IDC_ARROW));
    ::SendMessageW(e.m_hWnd, WM_MOUSEMOVE, 0, PointerFixture::point(POINT{e.getTextLeft() + 5, rowY(0)}));
    EXPECT_EQ(reinterpret_cast<HCURSOR>(::GetClassLongPtrW(e.m_hWnd, GCLP_HCURSOR)), ::LoadCursorW(nullptr, IDC_IBEAM));
}

TEST(TextEditorPointer, APressOnTheClearMarkEmptiesAnEditableText) {
    NumberedFixture f;
    NumberedEditor& e = f.numbered;
    e.setText(L"some text");
    e.showClear();
    const RECT mark = e.getClearMarkRect();
    const POINT p{(mark.left + mark.right) / 2, (mark.top + mark.bottom) / 2};
    e.setReadOnly(true);
    EXPECT_FALSE(e.isOnClearMark(p.x, p.y));
    e.setReadOnly(false);
    ::SendMessageW(e.m_hWnd, WM_MOUSEMOVE, 0, PointerFixture::point(p));
    EXPECT_EQ(reinterpret_cast<HCURSOR>(::GetClassLongPtrW(e.m_hWnd, GCLP_HCURSOR)), ::LoadCursorW(nullptr, IDC_HAND));
    pressIn(e, p, WM_LBUTTONDOWN);
    pressIn(e, p, WM_LBUTTONUP);
    EXPECT_EQ(e.getDocumentText(), L"");
    EXPECT_FALSE(e.isOnClearMark(p.x, p.y));  // no mark on an empty text
}

TEST(TextEditorPointer, DraggingBelowTheTextScrollsOnTheTimerAndFollowsThePointer) {
    PointerFixture f(300, 120);
    std::wstring text;
    for (int i = 0; i < 40; ++i) text += L"line " + std::to_wstring(i) + L"\r\n";
    f.editor.setText(text);
    f.press(f.leftHalf(1));
    const RECT r = f.editor.getAutoScrollRect();
    const POINT below{f.at(1).x, r.bottom + 300};
    f.putCursor(below);
    f.drag(below);
    EXPECT_EQ(f.editor.getTimerId(), 1);
    // Dispatch until the first timer tick: 300 pixels below scroll 3 rows at once.
    MSG msg;
    const DWORD until = ::GetTickCount() + 2000;
    bool ticked = false;
    while (!ticked && static_cast<int>(until - ::GetTickCount()) > 0) {
        if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&msg);
            ticked = msg.message == WM_TIMER && msg.hwnd == f.editor.m_hWnd && msg.wParam == 1;
        } else {
            ::Sleep(1);
        }
    }
    ASSERT_TRUE(ticked);
    EXPECT_EQ(f.editor.getFirstVisibleRow(), 3);
    // The selection reaches the row under the pointer (the last row cut to the view).
    const TextRange sel = f.editor.getSelection();
    EXPECT_EQ(sel.start, 1);
    EXPECT_GT(sel.end, 1);
    // Back inside, the timer stops; the release ends the drag.
    f.drag(POINT{r.left + 5, r.top + f.lineHeight()});
    EXPECT_EQ(f.editor.getTimerId(), 0);
    f.release(f.leftHalf(1));
}
