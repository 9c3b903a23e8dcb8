// One straight stroke for the editor's small marks (clear cross, bookmark tick).
#pragma once

#include <windows.h>

// Draws a line with a solid pen 2 pixels wide; the DC's pen and current position are
// left as they were.
void drawPenLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color);
