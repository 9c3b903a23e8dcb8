// Draws the visible rows: the text in the editor's font over its background colour,
// the selection in the highlight colours. The whole frame goes through one off-screen
// bitmap.
#include <algorithm>

#include "texteditor/editor/TextEditor.h"
#include "toolkit/graphics/Graphics.h"

LRESULT TextEditor::onPaint() {
    PAINTSTRUCT ps{};
    HDC target = ::BeginPaint(m_hWnd, &ps);
    const RECT client = getClientRect();
    if (client.right > 0 && client.bottom > 0) {
        Graphics g(client.right, client.bottom);
        HDC memory = g.getHDC();
        HBRUSH background = ::CreateSolidBrush(mBackColor);
        ::FillRect(memory, &client, background);
        ::DeleteObject(background);
        HGDIOBJ previousFont = font ? ::SelectObject(memory, font) : nullptr;
        ::SetBkMode(memory, TRANSPARENT);
        paintRows(memory, client);
        if (previousFont) ::SelectObject(memory, previousFont);
        ::BitBlt(target, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    }
    ::EndPaint(m_hWnd, &ps);
    return 0;
}

void TextEditor::paintRows(HDC memory, const RECT& client) {
    const int lineHeight = std::max(getLineHeight(), 1);
    const std::wstring& text = document->getText();
    const TextRange sel = getSelection();
    const bool showSelection = !sel.isEmpty() && (!hideSelection || hasFocus());
    const int left = getTextLeft();
    const int hScroll = wrapAtWindow && multiLine ? 0 : scrollBar.horizontalPosition;
    const int tab = std::max(static_cast<int>(getCharWidth(L'\t')), 1);
    const int firstRow = scrollBar.verticalPosition;
    const int rows = (client.bottom - padding.top) / lineHeight + 1;
    for (int screenRow = 0; screenRow <= rows; ++screenRow) {
        const uint32_t row = static_cast<uint32_t>(firstRow + screenRow);
        if (static_cast<int>(row) >= std::max(scrollBar.verticalTotal, 1)) break;
        const uint32_t line = document->findLine(row, true);
        if (line + 1 >= document->getLineCount()) break;
        const WrapInfo& record = document->lineAt(line);
        const uint32_t r = row - record.firstRow;
        const uint32_t lineStart = record.start;
        uint32_t from = lineStart;
        uint32_t to = lineStart + document->getLineLength(line);
        if (r < record.breaks.size()) from = lineStart + record.breaks[r];
        if (r + 1 < record.breaks.size()) to = std::min(to, lineStart + record.breaks[r + 1]);
        const float blank = getBlankWidth(line, r);
        const int y = screenRow * lineHeight + padding.top;
        float x = static_cast<float>(left);
        for (uint32_t p = from; p < to && p < text.size(); ++p) {
            const wchar_t c = text[p];
            if (c == L'\r' || c == L'\n') break;
            float w = 0;
            if (c == L'\t') {
                w = static_cast<float>(tab - (static_cast<int>(x) - left) % tab);
            } else if (c == L' ') {
                w = blank;
            } else {
                w = static_cast<float>(getCharWidth(c));
            }
            const int drawX = static_cast<int>(x) - hScroll;
            const bool selected = showSelection && static_cast<int>(p) >= sel.start && static_cast<int>(p) < sel.end;
            if (selected) {
                RECT cell{drawX, y, drawX + static_cast<int>(w + 0.5f), y + fontHeight};
                HBRUSH brush = ::CreateSolidBrush(getColor(2));
                ::FillRect(memory, &cell, brush);
                ::DeleteObject(brush);
            }
            if (c != L'\t' && c != L' ') {
                ::SetTextColor(memory, selected ? getColor(3) : mTextColor);
                ::ExtTextOutW(memory, drawX, y, 0, nullptr, &c, 1, nullptr);
            }
            x += w;
        }
    }
}
