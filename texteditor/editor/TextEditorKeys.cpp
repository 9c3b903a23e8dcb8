// Key presses turned into edits, shortcuts and caret moves. Every edit is one recorded
// replacement, so each key press is one undo step.
#include <windows.h>

#include <algorithm>

#include "texteditor/editor/AutoIndent.h"
#include "texteditor/editor/ComposedCharacters.h"
#include "texteditor/editor/SelectionTransforms.h"
#include "texteditor/editor/TextEditor.h"

namespace {

bool keyDown(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

}  // namespace

bool TextEditor::onKeyDown(WPARAM key, LPARAM) {
    if (keyDown(VK_CONTROL) && onControlKey(key)) return true;
    switch (key) {
        case VK_BACK: deleteBackward(keyDown(VK_CONTROL)); break;
        case VK_RETURN: insertLineBreak(); break;
        case VK_PRIOR:
        case VK_NEXT:
        case VK_END:
        case VK_HOME:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: moveCaret(static_cast<int>(key)); break;
        case VK_DELETE:
            if (readOnly) break;
            if (keyDown(VK_SHIFT)) {
                ::SendMessageW(m_hWnd, WM_CUT, 0, 0);
            } else if (!getSelection().isEmpty()) {
                deleteBackward(false);
            } else {
                deleteForward(keyDown(VK_CONTROL));
            }
            break;
        case VK_APPS: showContextMenu(); break;
        default: break;
    }
    return true;
}

// Ctrl held: a composed character, a change of the selected text, or a shortcut. False
// when the key is none of these.
bool TextEditor::onControlKey(WPARAM key) {
    if (!readOnly) {
        if (const wchar_t c = composedCharacter(key, HeldKeys::now())) {
            replaceSelection(std::wstring(1, c), true);
            return true;
        }
        if (transformSelection(key)) return true;
    }
    const bool noSelection = getSelection().isEmpty();
    switch (key) {
        case 'X':
            if (noSelection) selectLine(selection.caretLine);
            cut();
            return true;
        case 'A': setSelection(0, getTextLength()); return true;
        case 'C':
            if (noSelection) selectLine(selection.caretLine);
            copy();
            return true;
        case 'V': paste(); return true;
        case 'Y': redo(); return true;
        case 'Z':
            if (keyDown(VK_SHIFT)) redo();
            else undo();
            return true;
        case VK_OEM_2: toggleLineComment(); return true;
        default: return false;
    }
}

// Ctrl+U, Ctrl+Shift+U, Ctrl+plus and Ctrl+minus on a selection; the changed text stays
// selected.
bool TextEditor::transformSelection(WPARAM key) {
    const TextRange sel = getSelection();
    if (sel.isEmpty()) return false;
    const std::wstring old = getSelectedText();
    std::wstring changed;
    switch (key) {
        case 'U': changed = keyDown(VK_SHIFT) ? toAsciiUpper(old) : toAsciiLower(old); break;
        case VK_OEM_PLUS: changed = shiftCodePoints(old, true); break;
        case VK_OEM_MINUS: changed = shiftCodePoints(old, false); break;
        default: return false;
    }
    // An unchanged text makes no undo step.
    if (changed != old) replaceRange(changed, sel, true);
    select(static_cast<uint32_t>(sel.start), static_cast<uint32_t>(sel.start) + static_cast<uint32_t>(changed.size()));
    return true;
}

uint32_t TextEditor::wordBreak(uint32_t offset, int code) {
    // The procedure may be anyone's: it gets a copy and its answer is kept in the text.
    std::wstring text = document->getText();
    const int length = static_cast<int>(text.size());
    const int found = wordBreakProc(&text[0], static_cast<int>(offset), length, code);
    return static_cast<uint32_t>(std::clamp(found, 0, length));
}

void TextEditor::deleteBackward(bool byWord) {
    if (readOnly) return;
    TextRange range = getSelection();
    if (range.end == 0) {
        ::MessageBeep(0);
        return;
    }
    if (range.isEmpty()) {
        const std::wstring& text = document->getText();
        const uint32_t caret = selection.caret;
        uint32_t start = caret - 1;
        if (byWord) {
            start = std::min(wordBreak(caret, WB_MOVEWORDLEFT), caret);
        } else if (caret >= 2 && text[caret - 2] == L'\r' && text[caret - 1] == L'\n') {
            start = caret - 2;
        }
        if (start == caret) return;
        range = TextRange(static_cast<int>(start), static_cast<int>(caret));
        onBackspaceDelete(document->getTextInRange(range));
    }
    replaceRange(std::wstring(), range, true);
}

void TextEditor::deleteForward(bool byWord) {
    const std::wstring& text = document->getText();
    const uint32_t caret = selection.caret;
    if (caret >= text.size()) return;
    uint32_t end = caret + 1;
    if (byWord) {
        end = std::max(wordBreak(caret, WB_MOVEWORDRIGHT), caret);
    } else if (text[caret] == L'\r' && caret + 1 < text.size() && text[caret + 1] == L'\n') {
        end = caret + 2;  // the pair goes as one line break
    }
    if (end == caret) return;
    replaceRange(std::wstring(), TextRange(static_cast<int>(caret), static_cast<int>(end)), true);
}

void TextEditor::insertLineBreak() {
    if (readOnly || !multiLine) return;
    const TextRange sel = getSelection();
    const std::wstring& text = document->getText();
    const uint32_t start = static_cast<uint32_t>(sel.start);
    const uint32_t lineStart = document->getLineStartOf(start);
    const bool opensBlock = sel.isEmpty() && start > 0 && text[start - 1] == L'{';
    replaceSelection(lineBreakWithIndent(text, lineStart, start, opensBlock, getNewLineString()), true);
}
