#include "texteditor/editor/PenLine.h"

void drawPenLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color) {
    HPEN pen = ::CreatePen(PS_SOLID, 2, color);
    if (!pen) return;
    HGDIOBJ previous = ::SelectObject(dc, pen);
    POINT position{};
    ::MoveToEx(dc, x1, y1, &position);
    ::LineTo(dc, x2, y2);
    ::MoveToEx(dc, position.x, position.y, nullptr);
    ::SelectObject(dc, previous);
    ::DeleteObject(pen);
}
