// Text drag and drop. The selection is dragged out as CF_UNICODETEXT and CF_TEXT; a drop
// back into the same editor moves it (or copies it with Ctrl) in one undo step, and text
// from elsewhere is inserted at the drop point. The editor never removes text because of
// what another window did with a drag.
#include <windows.h>
#include <ole2.h>

#include "foundation/encoding/StringConversion.h"
#include "texteditor/editor/SingleLineText.h"
#include "texteditor/editor/TextEditor.h"
#include "toolkit/dnd/DataObject.h"
#include "toolkit/dnd/DropSource.h"
#include "toolkit/dnd/GlobalText.h"

namespace {

DWORD runDoDragDrop(TextEditor&, IDataObject* data, IDropSource* dropSource) {
    DWORD effect = DROPEFFECT_NONE;
    ::DoDragDrop(data, dropSource, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
    return effect;
}

TextEditor::DragRunner dragRunner = runDoDragDrop;

// The text block of one format, read within the block's size; false when not offered.
bool readDroppedBlock(IDataObject* data, CLIPFORMAT format, std::wstring* wide, std::string* narrow) {
    if (!data) return false;
    FORMATETC request{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&request, &medium))) return false;
    const bool read = medium.tymed == TYMED_HGLOBAL && medium.hGlobal;
    if (read && wide) *wide = readGlobalText(medium.hGlobal);
    if (read && narrow) *narrow = readGlobalTextA(medium.hGlobal);
    ::ReleaseStgMedium(&medium);
    return read;
}

}  // namespace

void TextEditor::setDragRunner(DragRunner runner) { dragRunner = runner ? runner : runDoDragDrop; }

bool TextEditor::getDroppedText(IDataObject* data, std::wstring& text) {
    return readDroppedBlock(data, CF_UNICODETEXT, &text, nullptr);
}

bool TextEditor::getDroppedTextA(IDataObject* data, std::string& text) {
    return readDroppedBlock(data, CF_TEXT, nullptr, &text);
}

void TextEditor::dragSelection(uint32_t offset) {
    mouseMode = kDraggingSelection;
    const std::wstring text = getSelectedText();
    auto* data = new DataObject();
    data->setText(text);
    data->setTextA(::toString(text));
    auto* dropSource = new DropSource();
    // What the target did is not used: a move within this editor is made by the drop
    // itself, and a drop elsewhere never takes text out of this one.
    dragRunner(*this, data, dropSource);
    data->Release();
    dropSource->Release();
    if (listener) listener->mousePressed(offset);
    mouseMode = kIdle;
}

void TextEditor::onDragEnter() {
    if (readOnly) return;
    if (mouseMode != kDraggingSelection) mouseMode = kDraggingOutside;
    // Takes the focus and shows the caret, which marks the drop point while the drag goes on.
    ::SendMessageW(m_hWnd, WM_SETFOCUS, 0, 0);
}

void TextEditor::onDragOver(DWORD keyState, int x, int y, DWORD* effect) {
    if (!effect) return;
    if (readOnly) {
        *effect = DROPEFFECT_NONE;
        return;
    }
    if (mouseMode == kDraggingSelection) {
        const bool copying = (keyState & MK_CONTROL) && (*effect & DROPEFFECT_COPY);
        *effect = copying ? (DROPEFFECT_COPY | DROPEFFECT_LINK) : (DROPEFFECT_MOVE | DROPEFFECT_LINK);
    }
    POINT p{x, y};
    ::ScreenToClient(m_hWnd, &p);
    // The caret shows the drop point; the selection stays until the drop.
    const uint32_t hit = pointToPosition(p.x, p.y, nullptr, nullptr, nullptr);
    ::SetCaretPos(static_cast<short>(LOWORD(hit)), static_cast<short>(HIWORD(hit)));
    // Near the edges the view scrolls on, as while drag-selecting.
    onMouseMove(p.x, p.y);
}

void TextEditor::onDragLeave() {
    stopTimer();
    if (mouseMode != kDraggingSelection) mouseMode = kIdle;
}

HRESULT TextEditor::onDrop(int x, int y, IDataObject* data, DWORD* effect) {
    stopTimer();
    POINT p{x, y};
    ::ScreenToClient(m_hWnd, &p);
    DWORD none = DROPEFFECT_NONE;
    if (!effect) effect = &none;
    if (readOnly) {
        mouseMode = kIdle;
        *effect = DROPEFFECT_NONE;
        setCaretFromPoint(p.x, p.y);
        setSelection(selection.caret, selection.caret);
        repaintAll();
        return S_OK;
    }
    const bool own = mouseMode == kDraggingSelection;
    mouseMode = kIdle;
    if ((*effect & (DROPEFFECT_MOVE | DROPEFFECT_COPY)) == 0) return S_OK;
    std::wstring text;
    if (own) {
        // The editor's own text, exactly: a narrow copy could have lost characters.
        text = getSelectedText();
    } else if (!getDroppedText(data, text)) {
        std::string narrow;
        if (getDroppedTextA(data, narrow)) text = ::toWString(narrow);
    }
    if (!own && !multiLine) text = withoutLineBreaksOrTabs(text);
    if (text.empty()) return S_OK;

    uint32_t offset = 0;
    pointToPosition(p.x, p.y, nullptr, nullptr, &offset);
    const uint32_t length = static_cast<uint32_t>(text.size());
    const TextRange sel = getSelection();
    const uint32_t start = static_cast<uint32_t>(sel.start);
    const uint32_t end = static_cast<uint32_t>(sel.end);
    const bool move = own && (*effect & DROPEFFECT_MOVE) != 0;
    if (own && offset >= start && offset < end) {
        setSelection(offset, offset);  // dropped onto itself
    } else if (move && offset < start) {
        replaceRange(text + document->getTextInRange(TextRange(static_cast<int>(offset), sel.start)),
                     TextRange(static_cast<int>(offset), sel.end), true);
        select(offset, offset + length);
    } else if (move) {
        replaceRange(document->getTextInRange(TextRange(sel.end, static_cast<int>(offset))) + text,
                     TextRange(sel.start, static_cast<int>(offset)), true);
        select(offset - length, offset);
    } else {
        insertTextAt(offset, text);
        select(offset, offset + length);
    }
    return S_OK;
}
