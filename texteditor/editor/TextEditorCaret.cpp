// Where the caret stands on screen and which character lies under a point.
#include "texteditor/editor/TextEditor.h"

#include <algorithm>

namespace {

// The column span [from, to) of one screen row of a line.
struct RowSpan {
    uint32_t row = 0;  // row within the line
    uint32_t from = 0;
    uint32_t to = 0;
};

RowSpan rowSpanOf(const ITextDocument& document, uint32_t line, uint32_t documentRow) {
    RowSpan span;
    span.to = document.getLineLength(line);
    if (line >= document.getLineCount()) return span;
    const WrapInfo& record = document.lineAt(line);
    span.row = documentRow >= record.firstRow ? documentRow - record.firstRow : 0;
    if (span.row < record.breaks.size()) span.from = record.breaks[span.row];
    if (span.row + 1 < record.breaks.size()) span.to = std::min(span.to, record.breaks[span.row + 1]);
    return span;
}

}  // namespace

POINT TextEditor::pixelOf(uint32_t line, uint32_t column) {
    const int row = static_cast<int>(getWrappedRow(line, column));
    const int y = (row - scrollBar.verticalPosition) * getLineHeight() + padding.top;
    const RowSpan span = rowSpanOf(*document, line, static_cast<uint32_t>(row));

    const int left = getTextLeft();
    const int tab = std::max(static_cast<int>(getCharWidth(L'\t')), 1);
    const float blank = getBlankWidth(line, span.row);
    const std::wstring& text = document->getText();
    const uint32_t lineStart = document->getLineStart(line);
    float x = static_cast<float>(left);
    for (uint32_t col = span.from; col < column && lineStart + col < text.size(); ++col) {
        const wchar_t c = text[lineStart + col];
        if (c == L'\r' || c == L'\n') break;
        if (c == L'\t') {
            x += static_cast<float>(tab - (static_cast<int>(x) - left) % tab);
        } else if (c == L' ') {
            x += blank;
        } else {
            x += static_cast<float>(getCharWidth(c));
        }
    }
    const int hScroll = wrapAtWindow && multiLine ? 0 : scrollBar.horizontalPosition;
    return POINT{static_cast<int>(x) - hScroll, y};
}

void TextEditor::updateCaret() {
    const POINT p = pixelOf(selection.caretLine, selection.caretColumn);
    selection.caretX = p.x;
    selection.caretY = p.y;
    if (hasFocus()) ::SetCaretPos(selection.caretX, selection.caretY);
}

uint32_t TextEditor::pointToPosition(int x, int y, uint32_t* lineOut, uint32_t* columnOut, uint32_t* offsetOut) {
    const int lineHeight = std::max(getLineHeight(), 1);
    const RECT client = getClientRect();
    if (y < padding.top) y = padding.top - lineHeight;
    const int rightEdge = static_cast<int>(client.right) - padding.right;
    if (x > rightEdge) x = rightEdge;

    int row = (y - padding.top) / lineHeight + scrollBar.verticalPosition;
    if (y - padding.top < 0) row = scrollBar.verticalPosition - 1;
    if (row < 0) row = 0;
    const int total = scrollBar.verticalTotal;
    if (total != 0 && row >= total) row = total - 1;
    const int rowTop = (row - scrollBar.verticalPosition) * lineHeight + padding.top;

    uint32_t line = document->findLine(static_cast<uint32_t>(row), true);
    const uint32_t textLines = std::max<uint32_t>(document->getLineCount(), 2) - 1;
    line = std::min(line, textLines - 1);
    const RowSpan span = rowSpanOf(*document, line, static_cast<uint32_t>(row));
    const std::wstring lineText = document->getLineText(line, true);

    const int left = getTextLeft();
    const int hScroll = wrapAtWindow && multiLine ? 0 : scrollBar.horizontalPosition;
    const int tab = std::max(static_cast<int>(getCharWidth(L'\t')), 1);
    const float blank = getBlankWidth(line, span.row);
    float acc = static_cast<float>(left - hScroll);
    uint32_t column = span.from;
    float caretX = acc;
    const uint32_t end = std::min<uint32_t>(span.to, static_cast<uint32_t>(lineText.size()));
    while (true) {
        if (column >= end || lineText[column] == L'\r' || lineText[column] == L'\n') {
            caretX = acc;
            break;
        }
        const wchar_t c = lineText[column];
        float w = 0;
        if (c == L'\t') {
            w = static_cast<float>(tab - (static_cast<int>(acc) - (left - hScroll)) % tab);
        } else if (c == L' ') {
            w = blank;
        } else {
            w = static_cast<float>(getCharWidth(c));
        }
        acc += w;
        if (acc > static_cast<float>(x)) {
            if (acc - static_cast<float>(x) >= w / 2) {
                caretX = acc - w;  // the left half: before the character
            } else {
                ++column;
                caretX = acc;
            }
            break;
        }
        ++column;
    }
    if (lineOut) *lineOut = line;
    if (columnOut) *columnOut = column;
    if (offsetOut) *offsetOut = document->getLineStart(line) + column;
    return MAKELONG(static_cast<WORD>(static_cast<int>(caretX)), static_cast<WORD>(rowTop));
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

void TextEditor::stopTimer() {
    if (timerId != 0 && m_hWnd) ::KillTimer(m_hWnd, static_cast<UINT_PTR>(timerId));
    timerId = 0;
}

bool TextEditor::onTimer(WPARAM id, LPARAM) {
    if (id == 2) stopTimer();
    return id == 1 || id == 2;
}
