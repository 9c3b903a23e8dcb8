// Painting a frame: every WM_PAINT is drawn into an off-screen bitmap and copied to the
// window in one transfer, so a frame never flickers. Only the rows under the invalid
// rectangle are drawn.
#include <algorithm>
#include <string>
#include <vector>

#include "texteditor/editor/TextEditor.h"
#include "texteditor/editor/PenLine.h"
#include "toolkit/graphics/Graphics.h"

LRESULT TextEditor::onPaint() {
    PAINTSTRUCT ps{};
    HDC target = ::BeginPaint(m_hWnd, &ps);
    const RECT client = getClientRect();
    RECT area{};
    ::IntersectRect(&area, &ps.rcPaint, &client);
    if (!::IsRectEmpty(&area)) {
        // A surface of the invalid area alone, its origin moved onto the area: a scroll
        // stride paints a strip of a few rows, not a bitmap of the whole window.
        Graphics g(area.right - area.left, area.bottom - area.top);
        if (HDC memory = g.getHDC()) {
            ::SetWindowOrgEx(memory, area.left, area.top, nullptr);
            renderTo(memory, area);
            ::BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, memory, area.left,
                     area.top, SRCCOPY);
        }
    }
    ::EndPaint(m_hWnd, &ps);
    return 0;
}

void TextEditor::renderTo(HDC memory, const RECT& area) {
    HGDIOBJ previousFont = font ? ::SelectObject(memory, font) : nullptr;
    ::SetMapMode(memory, MM_TEXT);
    ::SetBkMode(memory, TRANSPARENT);
    paintContent(memory, area);
    if (previousFont) ::SelectObject(memory, previousFont);
}

RECT TextEditor::getTextRectangle() const {
    // The scroll bars lie outside the client area, so only the padding is taken off.
    const RECT client = getClientRect();
    return RECT{padding.left, padding.top, client.right - padding.right, client.bottom - padding.bottom};
}

void TextEditor::paintContent(HDC memory, RECT paintRect) {
    ::SetBkColor(memory, mBackColor);
    ::ExtTextOutW(memory, 0, 0, ETO_OPAQUE, &paintRect, nullptr, 0, nullptr);
    if (hasBackgroundImage()) drawBackgroundImage(memory);

    // The rows under the paint rectangle, where a smooth scroll has moved them by the
    // sub-row offset: partly shown rows at either edge are painted too.
    const int firstRow = std::max(0, rowAtPixel(static_cast<int>(paintRect.top)));
    const int lastRow = std::max(firstRow, rowAtPixel(static_cast<int>(paintRect.bottom)));

    const int gutterWidth = getTextLeft() - padding.left;
    if (gutterWidth > 0) {
        ::SetBkColor(memory, getColor(6));
        const RECT gutter{0, paintRect.top, gutterWidth, paintRect.bottom};
        ::ExtTextOutW(memory, 0, 0, getTextOutOptions(), &gutter, nullptr, 0, nullptr);
        ::SetBkColor(memory, getColor(7));
        const RECT edge{gutterWidth - 1, paintRect.top, gutterWidth, paintRect.bottom};
        ::ExtTextOutW(memory, 0, 0, ETO_OPAQUE, &edge, nullptr, 0, nullptr);
    }

    for (int row = firstRow; row <= lastRow;) row += paintLineRows(memory, row, lastRow) + 1;

    if (!hintText.empty() && document->getLength() == 0) {
        const CellColors hint{getColor(10), mBackColor, 1};
        drawTextRun(memory, static_cast<float>(getTextLeft()), padding.top, hintText, 0,
                    static_cast<int>(hintText.size()), hint, static_cast<float>(getCharWidth(L' ')));
    }
    drawBorderAndClearMark(memory);
}

int TextEditor::rowAtPixel(int y) const {
    const int lineHeight = std::max(getLineHeight(), 1);
    const int fromFirst = y - padding.top + pixelOffset;
    // Rounded down, also above the first visible row.
    const int rows = fromFirst >= 0 ? fromFirst / lineHeight : -((lineHeight - 1 - fromFirst) / lineHeight);
    return rows + scrollBar.verticalPosition;
}

int TextEditor::paintLineRows(HDC memory, int row, int lastRow) {
    const int lineHeight = std::max(getLineHeight(), 1);
    const int top = (row - scrollBar.verticalPosition) * lineHeight + padding.top - pixelOffset;
    if (top + lineHeight <= padding.top) return 0;  // above the text area
    if (document->getLineCount() < 2) return 0;
    const uint32_t line = document->findLine(static_cast<uint32_t>(row), true);
    if (line + 1 >= document->getLineCount()) return 0;
    const WrapInfo& record = document->lineAt(line);
    const uint32_t absoluteRow = static_cast<uint32_t>(row);
    if (absoluteRow < record.firstRow || absoluteRow >= record.firstRow + record.rowCount) return 0;
    const uint32_t rowInLine = absoluteRow - record.firstRow;
    if (rowInLine == 0) {
        drawLineNumber(memory, line, top);
        drawBookmarkMark(memory, line, top);
    }

    // The colours are worked out once for the whole line, not per row.
    const std::wstring lineText = document->getLineText(line, true);
    std::vector<CellColors> cells(lineText.size());
    if (!lineText.empty()) getLineColors(static_cast<int>(line), lineText, static_cast<int>(lineText.size()), cells.data());

    // Text scrolled sideways never covers the gutter, the right padding or the bottom
    // padding, nor a row part way through a smooth scroll the top padding.
    const int textLeft = getTextLeft();
    const RECT textRect = getTextRectangle();
    const int saved = ::SaveDC(memory);
    ::IntersectClipRect(memory, textLeft, textRect.top, textRect.right, textRect.bottom);

    const float x0 = static_cast<float>(textLeft - getHScroll());
    const uint32_t lineLength = static_cast<uint32_t>(lineText.size());
    int painted = 0;
    for (uint32_t r = rowInLine; r < record.rowCount; ++r) {
        // The row's background is the editor's, filled (or left to the image) already.
        const int y = top + painted * lineHeight;
        ++painted;
        if (!lineText.empty() && r < record.breaks.size()) {
            const uint32_t s = std::min(record.breaks[r], lineLength);
            const uint32_t e = r + 1 < record.breaks.size() ? std::min(record.breaks[r + 1], lineLength) : lineLength;
            const float spaceWidth = getJustifiedSpaceWidth(line, r);
            float x = x0;
            uint32_t runStart = s;
            for (uint32_t i = s; i < e; ++i) {
                if (cells[i] == cells[runStart]) continue;
                x += drawTextRun(memory, x, y, lineText, static_cast<int>(runStart), static_cast<int>(i - runStart),
                                 cells[runStart], spaceWidth);
                runStart = i;
            }
            if (e > runStart) {
                x += drawTextRun(memory, x, y, lineText, static_cast<int>(runStart), static_cast<int>(e - runStart),
                                 cells[runStart], spaceWidth);
            }
            if (r + 1 == record.rowCount) drawLineEndMark(memory, x, y, lineText);
        }
        if (row + painted - 1 >= lastRow || y + lineHeight >= textRect.bottom) break;
    }
    ::RestoreDC(memory, saved);
    return std::max(painted - 1, 0);
}

void TextEditor::drawLineNumber(HDC memory, uint32_t line, int top) {
    if (!showLineNumbers) return;
    const std::wstring number = std::to_wstring(line + 1);
    RECT cell{0, top, lineNumberWidth, top + getLineHeight()};
    ::SetTextColor(memory, getColor(7));
    ::DrawTextW(memory, number.c_str(), static_cast<int>(number.size()), &cell, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX);
}

// A tick in the bookmark margin, centred on the line's first row.
void TextEditor::drawBookmarkMark(HDC memory, uint32_t line, int top) {
    if (!bookmarks.findBookmark(static_cast<int>(line))) return;
    const int a = kBookmarkMarginWidth - 5;
    const int b = kBookmarkMarginWidth + 8;
    const int x0 = b / 2 - a / 2 + (showLineNumbers ? lineNumberWidth : 0);
    const int y0 = getLineHeight() / 2 + top - a / 2;
    const int x1 = a / 2 + x0 + 1;
    const int y1 = y0 + a;
    drawPenLine(memory, x0, y0, x1, y1, getColor(7));
    drawPenLine(memory, x1, y1, x0 + a + 1, y0 - a / 2, getColor(7));
}

bool TextEditor::repaintRange(int offsetA, int offsetB) {
    if (offsetA == offsetB) return false;
    if (!m_hWnd) return true;
    const uint32_t length = getTextLength();
    const uint32_t lo = std::min(static_cast<uint32_t>(std::max(std::min(offsetA, offsetB), 0)), length);
    const uint32_t hi = std::min(static_cast<uint32_t>(std::max(std::max(offsetA, offsetB), 0)), length);
    const int lineHeight = std::max(getLineHeight(), 1);
    const int firstVisible = scrollBar.verticalPosition;
    uint32_t line = 0;
    uint32_t column = 0;
    document->getLineAndColumn(lo, &line, &column);
    const int rowLo = std::max(static_cast<int>(getWrappedRow(line, column)) - firstVisible - 1, 0);
    document->getLineAndColumn(hi, &line, &column);
    // One row more than hi's own: a change at a line's end reaches the row after it.
    int rowHi = static_cast<int>(getWrappedRow(line, column)) - firstVisible + 2;
    const RECT client = getClientRect();
    if (rowHi < 0) rowHi = client.bottom / lineHeight;
    const RECT band{0, padding.top + lineHeight * rowLo, client.right, padding.top + lineHeight * rowHi};
    repaint(&band, true);
    return true;
}

uint32_t TextEditor::getRowTotal() const {
    const uint32_t count = document->getLineCount();
    if (count == 0) return 0;
    const WrapInfo& last = document->lineAt(count - 1);
    return last.firstRow + last.rowCount;
}

void TextEditor::repaintLines(uint32_t firstLine, uint32_t lastLine, bool toBottom) {
    if (!m_hWnd) return;
    const uint32_t count = document->getLineCount();
    if (count == 0) return;
    const int lineHeight = std::max(getLineHeight(), 1);
    const int firstVisible = scrollBar.verticalPosition;
    const RECT client = getClientRect();
    // From the row above the first line (as repaintRange does) to the first row of lastLine.
    const int rowLo = static_cast<int>(document->lineAt(std::min(firstLine, count - 1)).firstRow) - firstVisible - 1;
    int bottom = static_cast<int>(client.bottom);
    if (!toBottom) {
        const int rowHi = static_cast<int>(document->lineAt(std::min(lastLine, count - 1)).firstRow) - firstVisible;
        bottom = std::min(bottom, padding.top + lineHeight * std::max(rowHi, 0));
    }
    const int top = std::max(padding.top + lineHeight * rowLo, 0);
    if (top >= bottom) return;
    const RECT band{0, top, client.right, bottom};
    repaint(&band, true);
}
