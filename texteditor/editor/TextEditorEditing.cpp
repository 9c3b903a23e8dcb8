// Reading, selecting and editing the text. Every change goes through replaceRange.
#include <algorithm>
#include <cstdlib>

#include "texteditor/editor/HiddenCaret.h"
#include "texteditor/editor/SingleLineText.h"
#include "texteditor/editor/TextEditor.h"

namespace {

constexpr uint32_t kWaitCursorLength = 10000;

}  // namespace

TextRange TextEditor::getSelection() const {
    const int a = static_cast<int>(selection.anchor);
    const int c = static_cast<int>(selection.caret);
    return TextRange(std::min(a, c), std::max(a, c));
}

std::wstring TextEditor::getSelectedText() const { return document->getTextInRange(getSelection()); }

uint32_t TextEditor::copyText(wchar_t* buffer, uint32_t size) const {
    const std::wstring& text = document->getText();
    if (!buffer) return static_cast<uint32_t>(text.size());
    if (size == 0) return 0;
    const uint32_t count = std::min(static_cast<uint32_t>(text.size()), size - 1);
    std::copy(text.begin(), text.begin() + count, buffer);
    buffer[count] = L'\0';
    return count;
}

int TextEditor::setSelection(uint32_t anchor, uint32_t caret) {
    const uint32_t length = getTextLength();
    anchor = std::min(anchor, length);
    caret = std::min(caret, length);
    const TextRange before = getSelection();
    selection.anchor = anchor;
    selection.caret = caret;
    document->getLineAndColumn(anchor, &selection.anchorLine, &selection.anchorColumn);
    document->getLineAndColumn(caret, &selection.caretLine, &selection.caretColumn);
    // Only the rows of the old and the new selection change colour.
    repaintRange(before.start, before.end);
    repaintRange(static_cast<int>(anchor), static_cast<int>(caret));
    updateCaret();
    ensureCaretVisible();
    if (listener) listener->selectionChanged();
    return 0;
}

void TextEditor::select(uint32_t start, uint32_t end) {
    setSelection(start, end);
    selection.rememberCaretX();
}

void TextEditor::setCaretPosition(uint32_t offset) { select(offset, offset); }

void TextEditor::ensureCaretVisible() {
    if (!m_hWnd) return;
    int dx = 0;
    if (!wrapAtWindow) {
        const int left = getTextLeft();
        const int right = left + getTextAreaWidth();
        if (selection.caretX < left) {
            dx = selection.caretX - left;
        } else if (selection.caretX > right) {
            dx = selection.caretX - right;
        }
    }
    const int row = static_cast<int>(getWrappedRow(selection.caretLine, selection.caretColumn));
    const int first = scrollBar.verticalPosition;
    const int last = first + scrollBar.verticalPage - 2;
    int dy = 0;
    if (row < first) {
        dy = row - first;
    } else if (row > last && scrollBar.verticalPage > 1) {
        dy = row - last;
    }
    // A short move shifts what is on screen and paints only the rows that come into view
    // (stepping through sentences moves a row or two at a time); a long one repaints.
    if (dx != 0 || dy != 0) scroll(dx, dy, false);
}

void TextEditor::scrollToCaret() {
    if (!m_hWnd) return;
    const int quarter = getVisibleRows() / 4;
    const int row = static_cast<int>(getWrappedRow(selection.caretLine, selection.caretColumn));
    const int distance = row - quarter - scrollBar.verticalPosition;
    if (std::abs(distance) <= 100) {
        scrollBar.holdRedraw();  // the bar is drawn once, at its final place
        {
            const HiddenCaret hidden(m_hWnd);
            for (int i = 0; i < std::abs(distance); ++i) {
                scroll(0, distance > 0 ? 1 : -1, false);
                update();
            }
        }
        scrollBar.releaseRedraw(m_hWnd);
    } else {
        scroll(0, distance, false);
    }
}

bool TextEditor::replaceRange(const std::wstring& text, TextRange range, bool record) {
    const int length = static_cast<int>(getTextLength());
    if (range.start < 0 || range.start > length) range.start = 0;
    if (range.end > length || range.end < range.start) range.end = length;
    const bool recorded = !readOnly && record;
    if (recorded) {
        history->record(range, text, document->getTextInRange(range), static_cast<int>(selection.caret));
    } else {
        // The recorded events no longer describe this text: replaying one of them would
        // corrupt it. The saved state cannot be reached again either.
        history->clear();
        history->forgetSavedPosition();
    }
    replayReplace(text, range);
    // As from an EDIT control, EN_CHANGE follows EN_UPDATE: the parent reads the new text.
    if (recorded) setModified(true);
    return true;
}

void TextEditor::replayReplace(const std::wstring& text, TextRange range) {
    const int length = static_cast<int>(getTextLength());
    if (range.start < 0 || range.start > length) range.start = 0;
    if (range.end > length || range.end < range.start) range.end = length;
    const uint32_t start = static_cast<uint32_t>(range.start);
    const uint32_t linesBefore = document->getLineCount();
    const uint32_t rowsBefore = getRowTotal();
    const int textLeftBefore = getTextLeft();
    const bool wasEmpty = getTextLength() == 0;
    uint32_t startLine = 0;
    uint32_t startColumn = 0;
    uint32_t endLine = 0;
    uint32_t endColumn = 0;
    document->getLineAndColumn(start, &startLine, &startColumn);
    document->getLineAndColumn(static_cast<uint32_t>(range.end), &endLine, &endColumn);
    document->replace(range, text);
    const int addedLines = static_cast<int>(document->getLineCount()) - static_cast<int>(linesBefore);
    if (addedLines != 0 && bookmarks.hasBookmarks()) {
        // Lines inserted at a line start push that line down; whole lines deleted take
        // their own bookmarks. Otherwise the edited line stays and the lines after it move.
        const bool wholeLines = startColumn == 0 && (addedLines > 0 || (text.empty() && endColumn == 0));
        bookmarks.shiftBookmarks(static_cast<int>(startLine) + (wholeLines ? 0 : 1), addedLines);
        if (!bookmarks.hasBookmarks()) updateLayout();
    }
    updateLineNumberWidth();
    const uint32_t end = start + static_cast<uint32_t>(text.size());
    const uint32_t firstLine = document->getLineAt(start);
    const uint32_t lastLine = document->getLineAt(end) + 2;
    wrapLines(firstLine, lastLine);
    // Only the rows of the edited lines change, unless the rows below moved or the
    // whole view depends on the edit (the hint of an empty text, a wider gutter).
    if (wasEmpty || getTextLength() == 0 || getTextLeft() != textLeftBefore) {
        repaintAll();
    } else {
        const bool moved = document->getLineCount() != linesBefore || getRowTotal() != rowsBefore;
        repaintLines(firstLine, lastLine, moved);
    }
    select(end, end);
    notifyParent(EN_UPDATE);
}

bool TextEditor::replaceSelection(const std::wstring& text, bool record) {
    return replaceRange(text, getSelection(), record);
}

bool TextEditor::replaceSelection(const wchar_t* text, bool record) {
    return replaceSelection(std::wstring(text ? text : L""), record);
}

void TextEditor::insertTextAt(uint32_t offset, const std::wstring& text) {
    select(offset, offset);
    replaceSelection(text, true);
}

void TextEditor::appendText(const std::wstring& text) { insertTextAt(getTextLength(), text); }

void TextEditor::setText(const wchar_t* text) { setText(std::wstring(text ? text : L"")); }

void TextEditor::setText(const std::wstring& text) {
    HCURSOR previous = nullptr;
    if (text.size() > kWaitCursorLength) previous = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    replaceRange(multiLine ? text : withoutLineBreaksOrTabs(text), TextRange(0, static_cast<int>(getTextLength())),
                 true);
    setSelection(0, 0);
    if (previous) ::SetCursor(previous);
}

void TextEditor::deleteAll() {
    if (readOnly) return;
    if (m_hWnd) {
        ::SendMessageW(m_hWnd, EM_SETSEL, 0, -1);
        ::SendMessageW(m_hWnd, WM_CLEAR, 0, 0);
    } else {
        setSelection(0, getTextLength());
        deleteSelection();
    }
}

bool TextEditor::undo() {
    if (readOnly) return false;
    const int caret = history->undo();
    // With nothing undone the text is as it was: after an unrecorded edit the saved state
    // is out of reach, and re-reading the history would mark the untouched text modified.
    if (caret == -1) return true;
    select(static_cast<uint32_t>(caret), static_cast<uint32_t>(caret));
    setModified(history->isModified());
    return true;
}

bool TextEditor::redo() {
    if (readOnly) return false;
    if (history->redo() != -1) setModified(history->isModified());
    return true;
}

void TextEditor::setModified(bool value) {
    const unsigned char flag = value ? 1 : 0;
    if (flag == modified) return;
    modified = flag;
    notifyParent(EN_CHANGE);
    if (listener) listener->modifiedChanged();
}

void TextEditor::notifyParent(int code) {
    if (listener && code == EN_UPDATE) listener->textUpdated();
    if (!m_hWnd) return;
    ::SendMessageW(::GetParent(m_hWnd), WM_COMMAND, static_cast<WPARAM>(code) << 16, reinterpret_cast<LPARAM>(m_hWnd));
}

void TextEditor::deleteSelection() {
    if (readOnly) return;
    replaceSelection(std::wstring(), true);
}
