// The caret keys and whole-line selection in their plain form: Home and End within the
// line (with Ctrl the text's ends), Left and Right by characters (with Ctrl by words), Up
// and Down by rows, Page Up and Page Down by a view; Shift keeps the anchor.
#include <windows.h>

#include <algorithm>

#include "texteditor/editor/TextEditor.h"

namespace {

bool keyDown(int key) { return (::GetKeyState(key) & 0x8000) != 0; }
bool isBreak(wchar_t c) { return c == L'\r' || c == L'\n'; }

}  // namespace

void TextEditor::moveCaret(int key) {
    const std::wstring& text = document->getText();
    if (text.empty()) return;
    const bool shift = keyDown(VK_SHIFT);
    const bool ctrl = keyDown(VK_CONTROL);
    const uint32_t length = static_cast<uint32_t>(text.size());
    const uint32_t anchor = selection.anchor;
    uint32_t n = selection.caret;
    bool vertical = false;
    switch (key) {
        case VK_HOME:
            if (ctrl) {
                n = 0;
            } else {
                while (n > 0 && !isBreak(text[n - 1])) --n;
            }
            break;
        case VK_END:
            if (ctrl) {
                n = length;
            } else {
                while (n < length && !isBreak(text[n])) ++n;
            }
            break;
        case VK_LEFT:
            if (n == 0) break;
            if (ctrl) n = std::min(wordBreak(n, WB_MOVEWORDLEFT), n);
            else n -= n >= 2 && text[n - 2] == L'\r' && text[n - 1] == L'\n' ? 2 : 1;
            break;
        case VK_RIGHT:
            if (n >= length) break;
            if (ctrl) n = std::max(wordBreak(n, WB_MOVEWORDRIGHT), n);
            else n += n + 1 < length && text[n] == L'\r' && text[n + 1] == L'\n' ? 2 : 1;
            break;
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT: {
            vertical = true;
            const int caretY = selection.caretY;  // scrolling moves the caret with the text
            int rows = 1;
            if (key == VK_PRIOR || key == VK_NEXT) {
                rows = std::max(getVisibleRows(), 1);
                scroll(0, key == VK_PRIOR ? -rows : rows, false);
                rows = 0;  // the view moved under the caret
            }
            const int dy = (key == VK_UP ? -rows : rows) * getLineHeight();
            setCaretFromPoint(selection.preferredX, caretY + dy);
            n = selection.caret;
            break;
        }
        default: return;
    }
    const int preferredX = selection.preferredX;
    setSelection(shift ? anchor : n, n);
    if (vertical) selection.preferredX = preferredX;
    else selection.rememberCaretX();
}

void TextEditor::selectLines(uint32_t lineA, uint32_t lineB, bool withBreak) {
    const std::wstring& text = document->getText();
    if (text.empty()) return;
    const uint32_t last = std::max<uint32_t>(document->getLastLineIndex(), 1) - 1;
    const uint32_t low = std::min({lineA, lineB, last});
    const uint32_t high = std::min(std::max(lineA, lineB), last);
    const uint32_t start = document->getLineStart(low);
    uint32_t end = document->getLineStart(high);
    while (end < text.size() && !isBreak(text[end])) ++end;
    if (withBreak) {
        if (end < text.size() && text[end] == L'\r') ++end;
        if (end < text.size() && text[end] == L'\n') ++end;
    }
    select(start, end);
}
