// Keys, typed characters and input-method results turned into edits. Every edit is a
// recorded replacement, so each one is one undo step.
#include <windows.h>
#include <imm.h>

#include <algorithm>
#include <vector>

#include "texteditor/editor/TextEditor.h"
#include "toolkit/window/WindowProcedure.h"

namespace {

bool keyDown(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

}  // namespace

bool TextEditor::onKeyDown(WPARAM key, LPARAM) {
    const TextRange sel = getSelection();
    const uint32_t caret = selection.caret;
    const std::wstring& text = document->getText();
    if (keyDown(VK_CONTROL)) {
        switch (key) {
            case 'X': cut(); return true;
            case 'A': setSelection(0, getTextLength()); return true;
            case 'C': copy(); return true;
            case 'V': paste(); return true;
            case 'Y': redo(); return true;
            case 'Z':
                if (keyDown(VK_SHIFT)) redo();
                else undo();
                return true;
            default: break;
        }
    }
    switch (key) {
        case VK_BACK: {
            if (readOnly) return true;
            if (sel.end == 0) {
                ::MessageBeep(0);
                return true;
            }
            TextRange range = sel;
            if (range.isEmpty()) {
                const bool pair = caret >= 2 && text[caret - 2] == L'\r' && text[caret - 1] == L'\n';
                range = TextRange(static_cast<int>(caret) - (pair ? 2 : 1), static_cast<int>(caret));
                onBackspaceDelete(document->getTextInRange(range));
            }
            replaceRange(std::wstring(), range, true);
            return true;
        }
        case VK_DELETE: {
            if (readOnly) return true;
            if (keyDown(VK_SHIFT)) {
                ::SendMessageW(m_hWnd, WM_CUT, 0, 0);
                return true;
            }
            TextRange range = sel;
            if (range.isEmpty()) {
                if (caret >= text.size()) return true;
                const bool pair = text[caret] == L'\r' && caret + 1 < text.size() && text[caret + 1] == L'\n';
                range = TextRange(static_cast<int>(caret), static_cast<int>(caret) + (pair ? 2 : 1));
            }
            replaceRange(std::wstring(), range, true);
            return true;
        }
        case VK_RETURN:
            if (!readOnly && multiLine) replaceSelection(document->getNewLineString(), true);
            return true;
        case VK_APPS: showContextMenu(); return true;
        default: return true;
    }
}

bool TextEditor::onChar(WPARAM character, LPARAM) {
    if (readOnly || keyDown(VK_CONTROL)) return true;
    const wchar_t c = static_cast<wchar_t>(character);
    if (c == L'\r' || c == L'\b' || c == 0x1B) return true;
    if (c == L'\t' && !multiLine) {
        moveFocus(*this, !keyDown(VK_SHIFT), nullptr);
        return true;
    }
    replaceSelection(std::wstring(1, c), true);
    return true;
}

LRESULT TextEditor::onImeStartComposition(WPARAM wParam, LPARAM lParam) {
    if (HIMC context = ::ImmGetContext(m_hWnd)) {
        LOGFONTW logFont = mLogFont;
        ::ImmSetCompositionFontW(context, &logFont);
        COMPOSITIONFORM form{};
        form.dwStyle = CFS_POINT;
        form.ptCurrentPos = POINT{selection.caretX, selection.caretY};
        ::ImmSetCompositionWindow(context, &form);
        ::ImmReleaseContext(m_hWnd, context);
    }
    return ::DefWindowProcW(m_hWnd, WM_IME_STARTCOMPOSITION, wParam, lParam);
}

LRESULT TextEditor::onImeComposition(WPARAM wParam, LPARAM lParam) {
    HIMC context = ::ImmGetContext(m_hWnd);
    if (context && !readOnly && (lParam & GCS_RESULTSTR)) {
        const LONG bytes = ::ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
        if (bytes > 0) {
            std::vector<wchar_t> buffer(static_cast<size_t>(bytes) / sizeof(wchar_t) + 1, L'\0');
            ::ImmGetCompositionStringW(context, GCS_RESULTSTR, buffer.data(), static_cast<DWORD>(bytes));
            const std::wstring result(buffer.data(), static_cast<size_t>(bytes) / sizeof(wchar_t));
            replaceSelection(result, true);
        }
    }
    if (context) ::ImmReleaseContext(m_hWnd, context);
    return ::DefWindowProcW(m_hWnd, WM_IME_COMPOSITION, wParam, lParam);
}

LRESULT TextEditor::onImeRequest(WPARAM request, LPARAM lParam) {
    if (request != IMR_RECONVERTSTRING) return 0;
    // The selection, or the caret's line without its line break.
    const TextRange sel = getSelection();
    std::wstring text = getSelectedText();
    uint32_t lineStart = 0;
    if (sel.isEmpty()) {
        lineStart = document->getLineStart(selection.caretLine);
        for (wchar_t c : document->getLineText(selection.caretLine, true)) {
            if (c != L'\r' && c != L'\n') text += c;
        }
    }
    const DWORD length = static_cast<DWORD>(text.size());
    const DWORD header = 32;
    const LRESULT size = static_cast<LRESULT>((length + 1) * sizeof(wchar_t) + header);
    auto* reconvert = reinterpret_cast<RECONVERTSTRING*>(lParam);
    if (!reconvert) return size;
    reconvert->dwSize = static_cast<DWORD>(size);
    reconvert->dwVersion = 0;
    reconvert->dwStrLen = length;
    reconvert->dwStrOffset = header;
    reconvert->dwCompStrLen = length;
    reconvert->dwCompStrOffset = 0;
    reconvert->dwTargetStrLen = length;
    reconvert->dwTargetStrOffset = 0;
    auto* target = reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(reconvert) + header);
    std::copy(text.begin(), text.end(), target);
    target[length] = L'\0';
    if (sel.isEmpty()) {
        // Narrow the composition to the character at the caret and let the input method
        // say which part of the line it would convert.
        const DWORD column = selection.caretColumn;
        reconvert->dwCompStrLen = reconvert->dwTargetStrLen = 1;
        reconvert->dwCompStrOffset = reconvert->dwTargetStrOffset = column * sizeof(wchar_t);
        if (HIMC context = ::ImmGetContext(m_hWnd)) {
            if (::ImmSetCompositionStringW(context, SCS_QUERYRECONVERTSTRING, reconvert, static_cast<DWORD>(size),
                                           nullptr, 0)) {
                const uint32_t start = lineStart + reconvert->dwCompStrOffset / sizeof(wchar_t);
                setSelection(start, start + reconvert->dwCompStrLen);
            }
            ::ImmReleaseContext(m_hWnd, context);
        }
    }
    const TextRange now = getSelection();
    setSelection(static_cast<uint32_t>(now.start), static_cast<uint32_t>(now.end));
    if (HIMC context = ::ImmGetContext(m_hWnd)) {
        COMPOSITIONFORM form{};
        form.dwStyle = CFS_POINT;
        form.ptCurrentPos = POINT{selection.caretX, selection.caretY};
        ::ImmSetCompositionWindow(context, &form);
        ::ImmReleaseContext(m_hWnd, context);
    }
    return size;
}
