// The caret keys: arrows, Home, End, Page Up and Page Down, with Shift extending the
// selection and Ctrl moving by words, sentences or to the ends of the text.
#include <algorithm>

#include "foundation/text/SentenceBoundaries.h"
#include "texteditor/editor/HiddenCaret.h"
#include "texteditor/editor/TextEditor.h"

namespace {

bool held(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

}  // namespace

void TextEditor::moveCaret(int key) {
    const std::wstring& text = document->getText();
    if (text.empty()) return;
    const bool shift = held(VK_SHIFT);
    const bool ctrl = held(VK_CONTROL);
    const TextRange sel = getSelection();
    if (!sel.isEmpty()) repaintAll();
    const uint32_t anchor = selection.anchor;
    collapseToCaret();
    const uint32_t caretBefore = selection.caret;
    const uint32_t length = static_cast<uint32_t>(text.size());
    uint32_t n = selection.caret;
    bool keepPreferredX = false;
    switch (key) {
        case VK_PRIOR:
        case VK_NEXT: {
            // Scroll a page in a few strides, so that the view is seen to move, and keep
            // the caret where it stood on screen.
            const int screenY = selection.caretY;
            const int rows = getVisibleRows();
            const int step = std::max(rows / 5, 2);
            const int dir = key == VK_NEXT ? 1 : -1;
            scrollBar.holdRedraw();  // the bar is drawn once, at its final place
            {
                const HiddenCaret hidden(m_hWnd);
                for (int i = 0; i < rows / step; ++i) {
                    scroll(0, dir * step, false);
                    update();
                }
                for (int i = 0; i < rows % step; ++i) {
                    scroll(0, dir, false);
                    update();
                }
            }
            scrollBar.releaseRedraw(m_hWnd);
            // A view that cannot move (a text shorter than the window) stands at both
            // ends: the key's direction decides where the caret goes.
            const bool atTop = scrollBar.verticalPosition == 0;
            const bool atBottom = scrollBar.verticalPosition >= scrollBar.verticalMaximum;
            if (atTop && !(atBottom && dir > 0)) {
                setCaretFromPoint(selection.preferredX, 0);
            } else if (atBottom) {
                setCaretFromPoint(selection.preferredX, getClientRect().bottom);
            } else {
                setCaretFromPoint(selection.preferredX, screenY);
            }
            n = selection.caret;
            keepPreferredX = true;
            break;
        }
        case VK_END:
            if (ctrl) {
                n = length;
            } else {
                while (n < length && text[n] != L'\r' && text[n] != L'\n') ++n;
            }
            break;
        case VK_HOME:
            if (ctrl) {
                n = 0;
            } else {
                while (n > 0 && text[n - 1] != L'\r' && text[n - 1] != L'\n') --n;
            }
            break;
        case VK_LEFT:
            if (n == 0) break;
            if (ctrl) {
                n = wordBreak(n, WB_MOVEWORDLEFT);
            } else {
                n -= n >= 2 && text[n - 2] == L'\r' && text[n - 1] == L'\n' ? 2 : 1;
            }
            break;
        case VK_RIGHT:
            if (n >= length) break;
            if (ctrl) {
                n = wordBreak(n, WB_MOVEWORDRIGHT);
            } else {
                n += n + 1 < length && text[n] == L'\r' && text[n + 1] == L'\n' ? 2 : 1;
            }
            break;
        case VK_UP:
            if (ctrl && !shift) {
                selection.anchor = static_cast<uint32_t>(sel.start);
                document->getLineAndColumn(selection.anchor, &selection.anchorLine, &selection.anchorColumn);
                selectPreviousSentence();
                scrollToCaret();
                return;
            }
            if (ctrl) {
                const std::pair<int, int> r = getSentenceRange(text, static_cast<int>(n), -1);
                if (r.second < static_cast<int>(length)) n = static_cast<uint32_t>(r.first);
            } else {
                setCaretFromPoint(selection.preferredX, selection.caretY - getLineHeight());
                n = selection.caret;
                keepPreferredX = true;
            }
            break;
        case VK_DOWN:
            if (ctrl && !shift) {
                selection.anchor = static_cast<uint32_t>(sel.end);
                document->getLineAndColumn(selection.anchor, &selection.anchorLine, &selection.anchorColumn);
                selectNextSentence();
                scrollToCaret();
                return;
            }
            if (ctrl) {
                const std::pair<int, int> r = getSentenceRange(text, static_cast<int>(n), 1);
                if (r.second < static_cast<int>(length)) n = static_cast<uint32_t>(r.second);
            } else {
                setCaretFromPoint(selection.preferredX, selection.caretY + getLineHeight());
                n = selection.caret;
                keepPreferredX = true;
            }
            break;
        default: return;
    }
    // Moving by a point has set the caret already; the selection as it stood is the one
    // whose rows may need repainting (an empty one needs none).
    selection.caret = caretBefore;
    if (shift) {
        setSelection(anchor, n);
    } else {
        if (key == VK_END || key == VK_HOME || key == VK_LEFT || key == VK_RIGHT) {
            const uint32_t from = std::min<uint32_t>(n, static_cast<uint32_t>(sel.start));
            const uint32_t to = std::max<uint32_t>(n, static_cast<uint32_t>(sel.start));
            onBackspaceDelete(document->getTextInRange(TextRange(static_cast<int>(from), static_cast<int>(to))));
        }
        setSelection(n, n);
    }
    if (!keepPreferredX) selection.rememberCaretX();
}
