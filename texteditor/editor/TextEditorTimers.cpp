// The editor's two timers: the auto-scroll while the pointer selects beyond the text,
// and the window after a double click in which a third press selects a sentence.
#include <algorithm>

#include "texteditor/editor/TextEditor.h"

void TextEditor::startTimer(int id, UINT period) {
    stopTimer();  // only one timer runs at a time
    if (!m_hWnd) return;
    timerId = id;
    ::SetTimer(m_hWnd, static_cast<UINT_PTR>(id), period, nullptr);
}

void TextEditor::stopTimer() {
    if (timerId != 0 && m_hWnd) ::KillTimer(m_hWnd, static_cast<UINT_PTR>(timerId));
    timerId = 0;
}

bool TextEditor::onTimer(WPARAM id, LPARAM) {
    if (id == kTripleClickTimer) {
        stopTimer();
        return true;
    }
    if (id != kAutoScrollTimer) return false;
    const POINT p = getCursorPos();
    const RECT r = getAutoScrollRect();
    if (::PtInRect(&r, p)) return true;
    // The farther the pointer lies beyond the text, the faster the view follows it.
    int rows = 0;
    int dx = 0;
    if (multiLine) {
        if (p.y >= r.bottom) {
            const int d = p.y - r.bottom;
            autoScrollAmount += d;
            rows = d / 150 + 1;
        } else if (p.y < r.top) {
            const int d = r.top - p.y;
            autoScrollAmount += d;
            rows = -(1 + d / 130);
        }
    }
    if (!wrapAtWindow) {
        if (p.x >= r.right) {
            dx = p.x - r.right;
            autoScrollAmount += dx;
        } else if (p.x < r.left) {
            dx = p.x - r.left;
            autoScrollAmount -= dx;
        }
    }
    if (autoScrollAmount > 100) {
        scroll(dx, rows, false);
        autoScrollAmount = 0;
        onMouseMove(p.x, p.y);
    }
    return true;
}
