// Typed characters turned into edits: Tab indents a block of lines, "}" takes back one
// level of indentation, every other character replaces the selection. Each is one undo
// step.
#include <windows.h>

#include "texteditor/editor/AutoIndent.h"
#include "texteditor/editor/BlockIndent.h"
#include "texteditor/editor/TextEditor.h"
#include "texteditor/editor/TextLines.h"
#include "toolkit/window/WindowProcedure.h"

namespace {

bool keyDown(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

}  // namespace

bool TextEditor::onChar(WPARAM character, LPARAM) {
    if (readOnly || keyDown(VK_CONTROL)) return true;
    const wchar_t c = static_cast<wchar_t>(character);
    if (c == L'\r' || c == L'\b' || c == 0x1B) return true;
    if (c == L'\t') {
        // A TAB that arrives while Return is held counts as Enter.
        if (keyDown(VK_RETURN)) return onKeyDown(VK_RETURN, 0);
        if (!multiLine) {
            moveFocus(*this, !keyDown(VK_SHIFT), nullptr);
        } else {
            typeTab(keyDown(VK_SHIFT));
        }
        return true;
    }
    if (c == L'}' && getSelection().isEmpty()) {
        typeClosingBrace();
        return true;
    }
    replaceSelection(std::wstring(1, c), true);
    return true;
}

void TextEditor::typeTab(bool unindent) {
    const TextRange sel = getSelection();
    const std::wstring& text = document->getText();
    if (!containsLineBreak(text, sel)) {
        replaceSelection(L"\t", true);
        return;
    }
    const TextRange block = lineBlockOf(text, sel);
    const std::wstring old = document->getTextInRange(block);
    const std::wstring changed = unindent ? unindentLines(old) : indentLines(old);
    if (changed != old) replaceRange(changed, block, true);
    const uint32_t start = static_cast<uint32_t>(block.start);
    select(start, start + static_cast<uint32_t>(changed.size()));
}

void TextEditor::typeClosingBrace() {
    const std::wstring& text = document->getText();
    const uint32_t lineStart = document->getLineStart(selection.caretLine);
    const size_t contentEnd = lineContentEnd(text, lineStart);
    std::wstring replacement;
    if (closingBraceLine(text.substr(lineStart, contentEnd - lineStart), replacement)) {
        // The line break stays: only the line's blanks are replaced.
        replaceRange(replacement, TextRange(static_cast<int>(lineStart), static_cast<int>(contentEnd)), true);
    } else {
        replaceSelection(L"}", true);
    }
}
