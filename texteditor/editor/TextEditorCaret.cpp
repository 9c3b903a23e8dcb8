// Where the caret stands on screen and which character lies under a point.
#include "texteditor/editor/TextEditor.h"

#include <algorithm>

POINT TextEditor::pixelOf(uint32_t line, uint32_t column) {
    const uint32_t row = getWrappedRow(line, column);
    const int y = (static_cast<int>(row) - scrollBar.verticalPosition) * getLineHeight() + padding.top;
    const TextRange span = getRowRange(row);
    const uint32_t firstRow = document->lineAt(std::min(line, document->getLineCount() - 1)).firstRow;
    const float blank = getBlankWidth(line, row - std::min(row, firstRow));
    const std::wstring& text = document->getText();
    const uint32_t target = document->getLineStart(line) + column;
    float distance = 0;
    for (uint32_t p = static_cast<uint32_t>(span.start); p < target && p < text.size(); ++p) {
        const wchar_t c = text[p];
        if (c == L'\r' || c == L'\n') break;
        distance += getAdvance(c, distance, blank);
    }
    return POINT{getTextOriginX() + static_cast<int>(distance), y};
}

void TextEditor::updateCaret() {
    const POINT p = pixelOf(selection.caretLine, selection.caretColumn);
    selection.caretX = p.x;
    selection.caretY = p.y;
    if (hasFocus()) ::SetCaretPos(selection.caretX, selection.caretY);
}

int TextEditor::rowAt(int y) const {
    // Above the text area the point counts as the row above the first visible one.
    const int lineHeight = std::max(getLineHeight(), 1);
    int row = y < padding.top ? scrollBar.verticalPosition - 1
                              : (y - padding.top) / lineHeight + scrollBar.verticalPosition;
    row = std::max(row, 0);
    const int total = scrollBar.verticalTotal;
    if (total != 0 && row >= total) row = total - 1;
    return row;
}

uint32_t TextEditor::pointToPosition(int x, int y, uint32_t* lineOut, uint32_t* columnOut, uint32_t* offsetOut) {
    const int lineHeight = std::max(getLineHeight(), 1);
    const RECT client = getClientRect();
    x = std::min(x, static_cast<int>(client.right) - padding.right);
    const int row = rowAt(y);
    const int rowTop = (row - scrollBar.verticalPosition) * lineHeight + padding.top;

    const uint32_t textLines = std::max<uint32_t>(document->getLastLineIndex(), 1);
    const uint32_t line = std::min(document->findLine(static_cast<uint32_t>(row), true), textLines - 1);
    const uint32_t lineStart = document->getLineStart(line);
    const TextRange span = getRowRange(static_cast<uint32_t>(row));
    const uint32_t firstRow = document->lineAt(line).firstRow;
    const float blank = getBlankWidth(line, static_cast<uint32_t>(row) - std::min(static_cast<uint32_t>(row), firstRow));
    const std::wstring& text = document->getText();

    // Walk the row until the point lies inside a character: its left half puts the
    // caret before it, its right half after it.
    const int origin = getTextOriginX();
    const float target = static_cast<float>(x - origin);
    uint32_t p = static_cast<uint32_t>(span.start);
    const uint32_t end = std::min<uint32_t>(static_cast<uint32_t>(span.end), static_cast<uint32_t>(text.size()));
    float distance = 0;
    float caretDistance = 0;
    while (true) {
        if (p >= end || text[p] == L'\r' || text[p] == L'\n') {
            caretDistance = distance;
            break;
        }
        const float w = getAdvance(text[p], distance, blank);
        distance += w;
        if (distance > target) {
            if (distance - target >= w / 2) {
                caretDistance = distance - w;
            } else {
                ++p;
                caretDistance = distance;
            }
            break;
        }
        ++p;
    }
    const uint32_t column = p - std::min(p, lineStart);
    if (lineOut) *lineOut = line;
    if (columnOut) *columnOut = column;
    if (offsetOut) *offsetOut = lineStart + column;
    const int caretX = origin + static_cast<int>(caretDistance);
    return MAKELONG(static_cast<WORD>(caretX), static_cast<WORD>(rowTop));
}

void TextEditor::setCaretFromPoint(int x, int y) {
    uint32_t line = 0;
    uint32_t column = 0;
    uint32_t offset = 0;
    const uint32_t hit = pointToPosition(x, y, &line, &column, &offset);
    selection.caret = offset;
    selection.caretLine = line;
    selection.caretColumn = column;
    selection.caretX = static_cast<short>(LOWORD(hit));
    selection.caretY = static_cast<short>(HIWORD(hit));
    if (hasFocus()) ::SetCaretPos(selection.caretX, selection.caretY);
    if (listener) listener->selectionChanged();
}

LRESULT TextEditor::posFromChar(uint32_t offset) {
    // Where the caret would stand: its wrapped row below the first visible row, and
    // its x within that row.
    uint32_t line = 0;
    uint32_t column = 0;
    document->getLineAndColumn(std::min(offset, getTextLength()), &line, &column);
    const POINT p = pixelOf(line, column);
    return MAKELONG(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

LRESULT TextEditor::charFromPos(int x, int y) {
    uint32_t line = 0;
    uint32_t column = 0;
    pointToPosition(x, y, &line, &column, nullptr);
    if (line > 0xFFFF || column > 0xFFFF) return -1;
    return MAKELONG(column, line);
}

void TextEditor::createCaret() {
    if (!m_hWnd || !hasFocus()) return;
    ::CreateCaret(m_hWnd, nullptr, 2, fontHeight - fontDescent + 2);
    ::ShowCaret(m_hWnd);
}

LRESULT TextEditor::onSetFocus() {
    if (m_hWnd && !hasFocus()) {
        // Sent by the editor itself (a drag entering it): take the focus from whichever
        // window holds it, so that the caret, the drop point, is shown here. The focus
        // change comes back as a WM_SETFOCUS of its own, which does the rest.
        ::SetFocus(m_hWnd);
        return 0;
    }
    createCaret();
    updateCaret();
    repaintAll();
    notifyParent(EN_SETFOCUS);
    return 0;
}

LRESULT TextEditor::onKillFocus() {
    ::HideCaret(m_hWnd);
    ::DestroyCaret();
    repaintAll();
    notifyParent(EN_KILLFOCUS);
    return 0;
}
