// Where things stand on a screen row: the row's origin, the tab stops, the width of
// each character, the row's offsets, and the rectangles the pointer is tested against.
#include <algorithm>

#include "texteditor/editor/TextEditor.h"

int TextEditor::getTabAdvance(float fromOrigin) {
    const int tab = std::max(static_cast<int>(getCharWidth(L'\t')), 1);
    const int distance = std::max(static_cast<int>(fromOrigin), 0);
    return tab - distance % tab;
}

float TextEditor::getAdvance(wchar_t c, float fromOrigin, float blankWidth) {
    if (c == L'\t') return static_cast<float>(getTabAdvance(fromOrigin));
    if (c == L' ') return blankWidth;
    return static_cast<float>(getCharWidth(c));
}

TextRange TextEditor::getRowRange(uint32_t row) const {
    const uint32_t lines = document->getLastLineIndex();
    if (lines == 0) return TextRange();
    const uint32_t line = std::min(document->findLine(row, true), lines - 1);
    const WrapInfo& record = document->lineAt(line);
    const uint32_t start = record.start;
    uint32_t from = 0;
    uint32_t to = document->getLineLength(line);
    const uint32_t r = row >= record.firstRow ? row - record.firstRow : 0;
    if (r < record.breaks.size()) from = std::min(record.breaks[r], to);
    // The last row of a line ends after the whole line break (a CR LF pair included).
    if (r + 2 < record.breaks.size()) to = std::min(record.breaks[r + 1], to);
    return TextRange(static_cast<int>(start + from), static_cast<int>(start + to));
}

RECT TextEditor::getTextRect() const {
    // The standard scroll bars lie outside the client rectangle already.
    const RECT client = getClientRect();
    return RECT{padding.left, padding.top, client.right - padding.right, client.bottom - padding.bottom};
}

RECT TextEditor::getAutoScrollRect() const {
    RECT r = getTextRect();
    r.left = getTextLeft() + 3;
    r.top += getLineHeight() / 4;
    r.bottom -= getLineHeight() / 2;
    return r;
}

RECT TextEditor::getClearMarkRect() const {
    const RECT client = getClientRect();
    const int left = static_cast<int>(client.right) - 15;
    return RECT{left, padding.top, left + 11, padding.top + 11};
}

bool TextEditor::isInLineNumberMargin(int x, int y) const {
    const RECT client = getClientRect();
    return showLineNumbers && y >= 0 && y < client.bottom && x >= 0 && x < getTextLeft() - padding.left &&
           x < lineNumberWidth;
}

bool TextEditor::isInBookmarkMargin(int x, int y) const {
    const RECT client = getClientRect();
    return isBookmarkMarginShown() && y >= 0 && y < client.bottom && x >= 0 && x < getTextLeft() - padding.left &&
           (!showLineNumbers || x >= lineNumberWidth);
}

bool TextEditor::isOnClearMark(int x, int y) const {
    if (!showClearMark || getTextLength() == 0 || readOnly) return false;
    const RECT r = getClearMarkRect();
    const POINT p{x, y};
    return ::PtInRect(&r, p) != FALSE;
}
