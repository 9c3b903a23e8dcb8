// The pointer in the editor: a press places the caret, dragging selects, a double
// click selects a word, a third press a sentence, a press in the line-number margin
// whole rows, and a press in the bookmark margin toggles the line's bookmark. The
// cursor shape follows the part of the editor under it.
#include <algorithm>

#include "texteditor/editor/TextEditor.h"

namespace {

constexpr UINT kAutoScrollPeriod = 10;   // ms between auto-scroll steps
constexpr UINT kTripleClickWindow = 300;  // ms after a double click that a press selects a sentence

}  // namespace

void TextEditor::collapseToAnchor() {
    selection.caret = selection.anchor;
    selection.caretLine = selection.anchorLine;
    selection.caretColumn = selection.anchorColumn;
}

void TextEditor::collapseToCaret() {
    selection.anchor = selection.caret;
    selection.anchorLine = selection.caretLine;
    selection.anchorColumn = selection.caretColumn;
}

LRESULT TextEditor::onLButtonDown(int x, int y) {
    if (timerId == kTripleClickTimer) {
        mouseMode = kSentenceSelecting;
        selectSentenceAtCursor();
        ::SetCapture(m_hWnd);
        return 0;
    }
    if (mouseMode != kIdle) {
        mouseMode = kIdle;  // a press during another gesture only cancels it
        return 0;
    }
    if (isOnClearMark(x, y)) {
        deleteAll();
        return 0;
    }
    const TextRange before = getSelection();
    uint32_t line = 0;
    uint32_t offset = 0;
    pointToPosition(x, y, &line, nullptr, &offset);
    if (isInBookmarkMargin(x, y)) {
        mouseMode = kIdle;
        toggleBookmark(static_cast<int>(line), true);
        return 0;
    }
    // A press on the selection (within the text, right of the margins) drags it.
    RECT text = getTextRect();
    text.left = getTextLeft();
    if (!before.isEmpty() && ::PtInRect(&text, POINT{x, y}) && static_cast<uint32_t>(before.start) <= offset && offset < static_cast<uint32_t>(before.end)) {
        dragSelection(offset);
        return 0;
    }
    mouseMode = kDragSelecting;
    ::SetCapture(m_hWnd);
    setCaretFromPoint(x, y);
    collapseToCaret();
    if (isInLineNumberMargin(x, y)) {
        lineSelectionRow = getWrappedRow(selection.caretLine, selection.caretColumn);
        selectLine(selection.caretLine);
        mouseMode = kLineSelecting;
        onMouseMove(x, y);
    }
    if (!before.isEmpty()) repaintRange(static_cast<int>(before.start), static_cast<int>(before.end));
    if (listener) listener->mousePressed(offset);
    return 0;
}

LRESULT TextEditor::onLButtonUp(int, int) {
    selection.rememberCaretX();
    if (timerId != kTripleClickTimer) stopTimer();
    if (m_hWnd && ::GetCapture() == m_hWnd) ::ReleaseCapture();
    mouseMode = kIdle;
    repaintAll();
    return 0;
}

void TextEditor::setCursorShape(HCURSOR cursor) {
    if (reinterpret_cast<HCURSOR>(::GetClassLongPtrW(m_hWnd, GCLP_HCURSOR)) == cursor) return;
    ::SetCursor(cursor);
    ::SetClassLongPtrW(m_hWnd, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(cursor));
}

LRESULT TextEditor::onMouseMove(int x, int y) {
    if (mouseMode == kIdle) {
        if (isInLineNumberMargin(x, y)) {
            setCursorShape(arrowCursor);
        } else if (isInBookmarkMargin(x, y) || isOnClearMark(x, y)) {
            setCursorShape(handCursor);
        } else {
            setCursorShape(::LoadCursorW(nullptr, IDC_IBEAM));
        }
        return 0;
    }
    if (mouseMode == kRightPressMarked) return 0;
    const RECT r = getAutoScrollRect();
    if (!::PtInRect(&r, POINT{x, y})) {
        if (timerId == 0) {
            startTimer(kAutoScrollTimer, kAutoScrollPeriod);
            autoScrollAmount = 0;
        }
    } else {
        stopTimer();
    }
    if (mouseMode == kSentenceSelecting) {
        selectSentenceAtCursor();
    } else if (mouseMode == kDragSelecting) {
        const uint32_t old = selection.caret;
        setCaretFromPoint(x, y);
        if (selection.caret != old) repaintAll();
    } else if (mouseMode == kLineSelecting) {
        extendLineSelection(y);
    }
    return 0;
}

void TextEditor::extendLineSelection(int y) {
    // The pressed row always stays selected: dragging down selects from its start to the
    // start of the row below the pointer (the text end below the last row), dragging up
    // from the start of the pointer's row to the end of the pressed row.
    const uint32_t pointed = static_cast<uint32_t>(rowAt(y));
    uint32_t anchor = 0;
    uint32_t caret = 0;
    if (pointed >= lineSelectionRow) {
        anchor = static_cast<uint32_t>(getRowRange(lineSelectionRow).start);
        const bool last = static_cast<int>(pointed) + 1 >= scrollBar.verticalTotal;
        caret = static_cast<uint32_t>(last ? getRowRange(pointed).end : getRowRange(pointed + 1).start);
    } else {
        anchor = static_cast<uint32_t>(getRowRange(lineSelectionRow).end);
        caret = static_cast<uint32_t>(getRowRange(pointed).start);
    }
    selection.anchor = anchor;
    selection.caret = caret;
    document->getLineAndColumn(anchor, &selection.anchorLine, &selection.anchorColumn);
    document->getLineAndColumn(caret, &selection.caretLine, &selection.caretColumn);
    updateCaret();
    if (listener) listener->selectionChanged();
    repaintAll();
}

LRESULT TextEditor::onLButtonDblClk(int x, int y) {
    const std::wstring& text = document->getText();
    if (text.empty()) return 1;
    const RECT client = getClientRect();
    if (y >= client.bottom - padding.bottom) return 1;
    if (isInBookmarkMargin(x, y)) {
        // The first press toggled already: a double click there toggles twice in all.
        mouseMode = kIdle;
        uint32_t line = 0;
        pointToPosition(x, y, &line, nullptr, nullptr);
        toggleBookmark(static_cast<int>(line), true);
        return 1;
    }
    if (!getSelection().isEmpty()) repaintAll();
    collapseToAnchor();
    // The first press left anchor and caret at the point: select the word around it.
    const uint32_t length = static_cast<uint32_t>(text.size());
    const uint32_t at = std::min(selection.anchor, length);
    const auto isBreak = [&](uint32_t p) { return text[p] == L'\r' || text[p] == L'\n'; };
    if ((at == 0 || isBreak(at - 1)) && (at == length || isBreak(at))) {
        // An empty line holds no word. The word breaks would reach over the line breaks
        // around it, and typing over them would join the lines: select nothing.
        select(at, at);
    } else {
        const uint32_t start = wordBreak(at, WB_MOVEWORDLEFT);
        // At the end of the text the word ends there, never before the anchor.
        const uint32_t end = at == length ? length : wordBreak(at, WB_MOVEWORDRIGHT);
        select(start, end);
    }
    startTimer(kTripleClickTimer, kTripleClickWindow);
    return 1;
}
