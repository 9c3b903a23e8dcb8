// Selecting a text sentence by sentence, as the player's lyrics views step through it.
#include "foundation/text/SentenceBoundaries.h"
#include "texteditor/editor/TextEditor.h"

bool TextEditor::selectSentenceFrom(uint32_t offset) {
    const std::wstring& text = document->getText();
    if (text.empty()) return false;
    const int length = static_cast<int>(text.size());
    const int start = skipWhitespace(text.c_str(), length, static_cast<int>(std::min<uint32_t>(offset, length)), false);
    if (start >= length) return false;
    selectRange(TextRange(start, NextPunctuation(text, start)));
    if (m_hWnd) ::SetFocus(m_hWnd);
    return true;
}

bool TextEditor::selectNextSentence(bool reverse) {
    const std::wstring& text = document->getText();
    if (text.empty()) return false;
    const TextRange sel = getSelection();
    const int length = static_cast<int>(text.size());
    if (reverse) {
        // The sentence that began before the selection's start: the selection's own when
        // only its tail is selected, else the one before it; none before the first. Blanks
        // that open the text belong to no sentence.
        const std::pair<int, int> r = getSentenceRange(text, sel.start, -1);
        const int start = skipWhitespace(text.c_str(), length, r.first, false);
        if (start >= sel.start || r.second > length) return false;
        selectRange(TextRange(start, r.second));
        return true;
    }
    const std::pair<int, int> r = getSentenceRange(text, sel.end, 1);
    if (r.second == sel.end || r.second > length) return false;
    selectRange(TextRange(r.first, r.second));
    return true;
}

bool TextEditor::selectPreviousSentence() {
    const std::wstring& text = document->getText();
    if (text.empty()) return false;
    const std::pair<int, int> r = getSentenceRange(text, getSelection().start, -1);
    if (r.second > static_cast<int>(text.size())) return false;
    selectRange(TextRange(r.first, r.second));
    return true;
}

bool TextEditor::selectSentenceAtCursor() {
    const POINT p = getCursorPos();
    const RECT client = getClientRect();
    if (!::PtInRect(&client, p)) return false;
    uint32_t offset = 0;
    pointToPosition(p.x, p.y, nullptr, nullptr, &offset);
    setCaretPosition(offset);
    selectPreviousSentence();
    return true;
}
