#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

#include <cstring>

#include "texteditor/tests/KeyboardTestSupport.h"
#include "toolkit/dnd/DataObject.h"

namespace {

// Where the test's drag loop drops: a target window's drop target, a screen point and
// the keys held at the drop.
struct DropPlan {
    IDropTarget* target = nullptr;
    POINTL point{};
    DWORD keyState = MK_LBUTTON;
    DWORD overEffect = DROPEFFECT_NONE;  // what the target answered while over it
};
DropPlan plan;

// Plays the drag as OLE's loop would: enter, one move, drop with the source's effects.
DWORD playDrag(TextEditor&, IDataObject* data, IDropSource*) {
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    plan.target->DragEnter(data, plan.keyState, plan.point, &effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    plan.target->DragOver(plan.keyState, plan.point, &effect);
    plan.overEffect = effect;
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    plan.target->Drop(data, plan.keyState, plan.point, &effect);
    return effect;
}

// The screen point just right of the caret place of an offset, in the middle of its row.
POINTL screenPointOf(TextEditor& editor, uint32_t offset) {
    const LRESULT place = ::SendMessageW(editor.m_hWnd, EM_POSFROMCHAR, offset, 0);
    POINT p{static_cast<short>(LOWORD(place)) + 1, static_cast<short>(HIWORD(place)) + editor.getLineHeight() / 2};
    ::ClientToScreen(editor.m_hWnd, &p);
    return POINTL{p.x, p.y};
}

struct DragFixture : EditorFixture {
    DragFixture() {
        ::OleInitialize(nullptr);
        TextEditor::setDragRunner(playDrag);
    }
    ~DragFixture() {
        TextEditor::setDragRunner(nullptr);
        plan = DropPlan{};
    }
    // Drags the selection of `source` and drops it into `target` at an offset.
    void drag(TextEditor& source, TextEditor& target, uint32_t offset, DWORD keys = MK_LBUTTON) {
        plan.target = static_cast<IDropTarget*>(&target);
        plan.point = screenPointOf(target, offset);
        plan.keyState = keys;
        source.dragSelection(static_cast<uint32_t>(source.getSelection().start));
    }
};

// A data object from another program.
IDataObject* outsideText(const std::wstring& wide, const std::string& narrow) {
    auto* data = new DataObject();
    data->setText(wide);
    data->setTextA(narrow);
    return data;
}

// Enters the editor and moves over an offset as OLE's loop would; the effect it answered.
DWORD dragOver(TextEditor& editor, IDataObject* data, uint32_t offset, DWORD effect) {
    POINTL point = screenPointOf(editor, offset);
    DWORD enter = effect;
    editor.DragEnter(data, MK_LBUTTON, point, &enter);
    editor.DragOver(MK_LBUTTON, point, &effect);
    return effect;
}

void dropFromOutside(TextEditor& editor, IDataObject* data, uint32_t offset, DWORD* effect) {
    dragOver(editor, data, offset, *effect);
    editor.Drop(data, MK_LBUTTON, screenPointOf(editor, offset), effect);
}

}  // namespace

TEST(TextEditorDragDrop, MovingTheSelectionForwardAndBackIsOneUndoStepEach) {
    DragFixture f;
    f.editor.setText(L"abcdef");
    f.send(EM_SETSEL, 2, 4);
    const size_t before = undoSteps(f);
    f.drag(f.editor, f.editor, 1);
    EXPECT_EQ(plan.overEffect, static_cast<DWORD>(DROPEFFECT_MOVE | DROPEFFECT_LINK));
    EXPECT_EQ(f.text(), L"acdbef");
    EXPECT_EQ(f.editor.getSelection(), TextRange(1, 3));
    EXPECT_EQ(undoSteps(f), before + 1);
    f.send(WM_UNDO);
    EXPECT_EQ(f.text(), L"abcdef");

    f.send(EM_SETSEL, 2, 4);
    f.drag(f.editor, f.editor, 6);
    EXPECT_EQ(f.text(), L"abefcd");
    EXPECT_EQ(f.editor.getSelection(), TextRange(4, 6));
}

TEST(TextEditorDragDrop, CtrlCopiesAndADropOntoItselfOnlyMovesTheCaret) {
    DragFixture f;
    f.editor.setText(L"abcdef");
    f.send(EM_SETSEL, 2, 4);
    f.drag(f.editor, f.editor, 0, MK_LBUTTON | MK_CONTROL);
    EXPECT_EQ(plan.overEffect, static_cast<DWORD>(DROPEFFECT_COPY | DROPEFFECT_LINK));
    EXPECT_EQ(f.text(), L"cdabcdef");
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, 2));

    f.send(EM_SETSEL, 2, 6);
    f.drag(f.editor, f.editor, 3);
    EXPECT_EQ(f.text(), L"cdabcdef");
    EXPECT_EQ(f.editor.getSelection(), TextRange(3, 3));
}

TEST(TextEditorDragDrop, TextDraggedFromAnotherEditorArrivesAndStaysInTheSource) {
    DragFixture f;
    TextEditor other;
    other.create(f.frame.m_hWnd, 0, 200, 300, 100);
    other.setText(L"hello world");
    other.setSelection(0, 5);
    f.editor.setText(L"say ");
    f.drag(other, f.editor, 4);
    EXPECT_EQ(f.text(), L"say hello");
    EXPECT_EQ(f.editor.getSelection(), TextRange(4, 9));
    EXPECT_EQ(other.getDocumentText(), L"hello world");
    f.send(WM_UNDO);
    EXPECT_EQ(f.text(), L"say ");
}

TEST(TextEditorDragDrop, SingleLineEditorTakesOutsideTextOnOneLine) {
    DragFixture f;
    f.editor.setSingleLine();
    IDataObject* data = outsideText(L"a\r\nb\tc", "");
    DWORD effect = DROPEFFECT_COPY;
    dropFromOutside(f.editor, data, 0, &effect);
    data->Release();
    EXPECT_EQ(f.text(), L"abc");
    EXPECT_EQ(f.editor.getSelection(), TextRange(0, 3));
}

TEST(TextEditorDragDrop, NarrowOnlyTextIsConverted) {
    DragFixture f;
    IDataObject* data = outsideText(L"", "plain");
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    dropFromOutside(f.editor, data, 0, &effect);
    data->Release();
    EXPECT_EQ(f.text(), L"plain");
}

TEST(TextEditorDragDrop, ADragEnteringAnEditorWithoutTheFocusShowsTheDropPointThere) {
    DragFixture f;
    ::ShowWindow(f.frame.m_hWnd, SW_SHOW);
    TextEditor other;
    other.create(f.frame.m_hWnd, 0, 200, 300, 100);
    other.setText(L"focused");
    ::SetFocus(other.m_hWnd);
    f.editor.setText(L"abcdef");
    IDataObject* data = outsideText(L"x", "x");
    dragOver(f.editor, data, 3, DROPEFFECT_COPY);
    EXPECT_EQ(::GetFocus(), f.editor.m_hWnd);
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    ASSERT_TRUE(::GetGUIThreadInfo(::GetCurrentThreadId(), &gui));
    EXPECT_EQ(gui.hwndCaret, f.editor.m_hWnd);
    EXPECT_EQ(gui.rcCaret.left, static_cast<short>(LOWORD(f.editor.posFromChar(3))));
    f.editor.DragLeave();
    data->Release();
}

TEST(TextEditorDragDrop, ReadOnlyEditorRefusesDropsAndOnlyPlacesTheCaret) {
    DragFixture f;
    f.editor.setText(L"abcdef");
    f.editor.setReadOnly(true);
    IDataObject* data = outsideText(L"xyz", "xyz");
    EXPECT_EQ(dragOver(f.editor, data, 3, DROPEFFECT_COPY), static_cast<DWORD>(DROPEFFECT_NONE));
    DWORD effect = DROPEFFECT_COPY;
    f.editor.Drop(data, MK_LBUTTON, screenPointOf(f.editor, 3), &effect);
    data->Release();
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(f.text(), L"abcdef");
    EXPECT_EQ(f.editor.getSelection(), TextRange(3, 3));
}

TEST(TextEditorDragDrop, DropWithoutCopyOrMoveInsertsNothing) {
    DragFixture f;
    IDataObject* data = outsideText(L"x", "x");
    DWORD effect = DROPEFFECT_LINK;
    dropFromOutside(f.editor, data, 0, &effect);
    data->Release();
    EXPECT_EQ(f.text(), L"");
}

TEST(TextEditorDragDrop, DroppedTextWithoutTerminatorIsReadWithinItsBlock) {
    // A block of exactly three characters and no terminating zero.
    struct RawText : DataObject {
        HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
            if (format->cfFormat != CF_UNICODETEXT) return E_FAIL;
            HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, 3 * sizeof(wchar_t));
            std::memcpy(::GlobalLock(block), L"abc", 3 * sizeof(wchar_t));
            ::GlobalUnlock(block);
            medium->tymed = TYMED_HGLOBAL;
            medium->hGlobal = block;
            medium->pUnkForRelease = nullptr;
            return S_OK;
        }
    };
    auto* data = new RawText();
    std::wstring text;
    EXPECT_TRUE(TextEditor::getDroppedText(data, text));
    EXPECT_EQ(text, L"abc");
    std::string narrow;
    EXPECT_FALSE(TextEditor::getDroppedTextA(data, narrow));
    data->Release();
}
