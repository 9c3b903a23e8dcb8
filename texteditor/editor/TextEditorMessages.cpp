// The editor's window procedure: the standard edit-control messages (and a few
// rich-edit ones) answered from the editor's own text, so that other code drives it
// exactly as it would drive an EDIT control.
#include <windows.h>
#include <richedit.h>

#include <algorithm>

#include "foundation/text/WordBoundaries.h"
#include "texteditor/editor/TextEditor.h"

namespace {

int lowX(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
int highY(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }

}  // namespace

LRESULT TextEditor::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_DESTROY:
            revoke();
            stopTimer();
            releaseFont();
            if (::GetFocus() == hwnd) ::DestroyCaret();
            return defaultWindowProc(hwnd, msg, wParam, lParam);
        case WM_SETFOCUS: onSetFocus(); return 0;
        case WM_KILLFOCUS: return onKillFocus();
        case WM_SETTEXT: setText(reinterpret_cast<const wchar_t*>(lParam)); return 1;
        case WM_GETTEXT:
            if (!lParam) return getTextLength();
            return copyText(reinterpret_cast<wchar_t*>(lParam), static_cast<uint32_t>(wParam));
        case WM_GETTEXTLENGTH: return getTextLength();
        case WM_PAINT: return onPaint();
        case WM_ERASEBKGND: return 1;
        case WM_MOUSEACTIVATE: ::SetFocus(hwnd); return MA_ACTIVATE;
        case WM_SETFONT: setFont(copyFont(reinterpret_cast<HFONT>(wParam))); return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(font);
        case WM_CONTEXTMENU: return onRButtonUp(lowX(lParam), highY(lParam));
        case WM_GETDLGCODE: return (style & ES_MULTILINE) ? DLGC_WANTALLKEYS : (DLGC_WANTARROWS | DLGC_WANTCHARS);
        case WM_KEYDOWN: return onKeyDown(wParam, lParam);
        case WM_KEYUP:
            if (wParam == VK_APPS) ::SendMessageW(hwnd, WM_CONTEXTMENU, 0, 0);
            return 1;
        case WM_CHAR: return onChar(wParam, lParam);
        case WM_SYSKEYDOWN:
            if (wParam == VK_F10 && (::GetKeyState(VK_SHIFT) & 0x8000)) {
                showContextMenu();
                return 0;
            }
            return defaultWindowProc(hwnd, msg, wParam, lParam);
        case WM_IME_STARTCOMPOSITION: return onImeStartComposition(wParam, lParam);
        case WM_IME_COMPOSITION: return onImeComposition(wParam, lParam);
        case WM_IME_CHAR: return 0;
        case WM_IME_REQUEST: return onImeRequest(wParam, lParam);
        case WM_TIMER: return onTimer(wParam, lParam);
        case WM_HSCROLL:
            notifyParent(EN_HSCROLL);
            return onHScroll(LOWORD(wParam));
        case WM_VSCROLL:
            notifyParent(EN_VSCROLL);
            return onVScroll(LOWORD(wParam));
        case WM_MOUSEWHEEL: return onMouseWheel(static_cast<short>(HIWORD(wParam)));
        case WM_XBUTTONDOWN: return 0;
        case WM_RBUTTONDOWN: return onRButtonDown(lowX(lParam), highY(lParam));
        case WM_RBUTTONUP: return onRButtonUp(lowX(lParam), highY(lParam));
        case WM_LBUTTONDOWN:
            ::SetFocus(hwnd);
            return onLButtonDown(lowX(lParam), highY(lParam));
        case WM_LBUTTONUP: return onLButtonUp(lowX(lParam), highY(lParam));
        case WM_LBUTTONDBLCLK: onLButtonDblClk(lowX(lParam), highY(lParam)); return 0;
        case WM_MOUSEMOVE: return onMouseMove(lowX(lParam), highY(lParam));
        case WM_CUT: cut(); return 0;
        case WM_COPY: return copy();
        case WM_PASTE: paste(); return 0;
        case WM_CLEAR: deleteSelection(); return 0;
        case WM_UNDO: undo(); return 0;
        default: break;
    }
    if ((msg >= EM_GETSEL && msg <= EM_CHARFROMPOS) || (msg >= WM_USER + 50 && msg <= WM_USER + 85)) {
        return editMessage(msg, wParam, lParam);
    }
    return defaultWindowProc(hwnd, msg, wParam, lParam);
}

LRESULT TextEditor::editMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case EM_GETSEL:
            return getSelectionRange(reinterpret_cast<DWORD*>(wParam), reinterpret_cast<DWORD*>(lParam));
        case EM_SETSEL: setSelection(static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam)); return 0;
        case EM_GETRECT:
            if (auto* r = reinterpret_cast<RECT*>(lParam)) *r = RECT{padding.left, padding.top, padding.right, padding.bottom};
            return 0;
        case EM_SETRECT:
        case EM_SETRECTNP:
            if (auto* r = reinterpret_cast<const RECT*>(lParam)) {
                padding = Padding{r->left, r->top, r->right, r->bottom};
                if (msg == EM_SETRECT) repaintAll();
            }
            return 0;
        case EM_SCROLL: return ::SendMessageW(m_hWnd, WM_VSCROLL, wParam, lParam);
        case EM_LINESCROLL: scroll(static_cast<int>(wParam), static_cast<int>(lParam), false); return 0;
        case EM_SCROLLCARET: ensureCaretVisible(); return 0;
        case EM_GETMODIFY: return isModified();
        case EM_SETMODIFY: setModified(wParam != 0); return 0;
        case EM_GETLINECOUNT: return scrollBar.verticalTotal;
        case EM_LINEINDEX: {
            uint32_t line = static_cast<uint32_t>(wParam);
            if (static_cast<int>(wParam) == -1) line = std::min(selection.anchorLine, selection.caretLine);
            if (line >= document->getLineCount()) return -1;
            return document->getLineStart(line);
        }
        case EM_GETTHUMB:
        case EM_GETFIRSTVISIBLELINE: return scrollBar.verticalPosition;
        case EM_LINELENGTH:
            return document->getLineLength(document->getLineAt(static_cast<uint32_t>(wParam)));
        case EM_REPLACESEL: replaceSelection(reinterpret_cast<const wchar_t*>(lParam), wParam != 0); return 0;
        case EM_GETLINE: {
            const uint32_t line = static_cast<uint32_t>(wParam);
            auto* buffer = reinterpret_cast<wchar_t*>(lParam);
            if (!buffer) return document->getLine(line, nullptr, 0);
            const uint32_t size = *reinterpret_cast<const WORD*>(buffer);
            return document->getLine(line, buffer, size);
        }
        case EM_LIMITTEXT: textLimit = static_cast<uint32_t>(wParam); return 0;
        case EM_CANUNDO: return history->canUndo();
        case EM_UNDO: undo(); return 0;
        case EM_LINEFROMCHAR: {
            uint32_t offset = static_cast<uint32_t>(wParam);
            if (static_cast<int>(wParam) == -1) offset = std::min(selection.anchor, selection.caret);
            uint32_t line = 0;
            uint32_t column = 0;
            document->getLineAndColumn(std::min(offset, getTextLength()), &line, &column);
            return getWrappedRow(line, column);
        }
        case EM_SETREADONLY: setReadOnly(wParam != 0); return 1;
        case EM_SETWORDBREAKPROC:
            // As in the edit control, no procedure means the editor's own word breaks.
            wordBreakProc = lParam ? reinterpret_cast<EDITWORDBREAKPROCW>(lParam) : ::wordBreakProc;
            return 0;
        case EM_GETWORDBREAKPROC: return reinterpret_cast<LRESULT>(wordBreakProc);
        case EM_SETMARGINS: {
            if (wParam & EC_LEFTMARGIN) padding.left = LOWORD(lParam);
            if (wParam & EC_RIGHTMARGIN) padding.right = HIWORD(lParam);
            RECT r = getClientRect();
            onSize(0, MAKELPARAM(r.right, r.bottom));
            return 0;
        }
        case EM_GETMARGINS: return MAKELONG(padding.left, padding.right);
        case EM_GETLIMITTEXT: return static_cast<LRESULT>(textLimit);
        case EM_POSFROMCHAR: return posFromChar(static_cast<uint32_t>(wParam));
        case EM_CHARFROMPOS: return charFromPos(lowX(lParam), highY(lParam));
        case EM_CANPASTE:
            if (wParam == 0) return 0;
            return acceptsFormat(static_cast<CLIPFORMAT>(wParam));
        case EM_EXGETSEL: {
            const TextRange r = getSelection();
            if (auto* range = reinterpret_cast<CHARRANGE*>(lParam)) {
                range->cpMin = r.start;
                range->cpMax = r.end;
            }
            return MAKELONG(r.start, r.end);
        }
        case EM_EXSETSEL:
            if (auto* range = reinterpret_cast<const CHARRANGE*>(lParam)) {
                setSelection(static_cast<uint32_t>(range->cpMin), static_cast<uint32_t>(range->cpMax));
            }
            return 0;
        case EM_HIDESELECTION:
            setStyle(wParam ? (style & ~ES_NOHIDESEL) : (style | ES_NOHIDESEL));
            return 0;
        case EM_SETBKGNDCOLOR: setBackColor(static_cast<COLORREF>(lParam)); return 0;
        case EM_SETCHARFORMAT:
            if (auto* format = reinterpret_cast<const CHARFORMATW*>(lParam)) return setCharFormat(*format);
            return 0;
        case EM_REDO: redo(); return 0;
        case EM_CANREDO: return history->canRedo();
        default: return 0;  // EM_SETHANDLE, EM_FMTLINES, EM_EMPTYUNDOBUFFER, ... change nothing
    }
}

LRESULT TextEditor::getSelectionRange(DWORD* start, DWORD* end) const {
    const TextRange r = getSelection();
    if (start) *start = static_cast<DWORD>(r.start);
    if (end) *end = static_cast<DWORD>(r.end);
    return MAKELONG(static_cast<WORD>(r.start), static_cast<WORD>(r.end));
}

LRESULT TextEditor::onVScroll(int code) {
    if (scrollBar.onVScroll(code)) {
        updateScrollBars();
        updateCaret();
        repaintAll();
    }
    return 0;
}

LRESULT TextEditor::onHScroll(int code) {
    if (scrollBar.onHScroll(code)) {
        updateScrollBars();
        updateCaret();
        repaintAll();
    }
    return 0;
}

LRESULT TextEditor::onRButtonDown(int, int) {
    mouseMode = mouseMode != 0 ? 0 : kRightPressMarked;
    return 0;
}

LRESULT TextEditor::onRButtonUp(int, int) {
    if (mouseMode == 0) return 0;
    mouseMode = 0;
    showContextMenu();
    return 0;
}
