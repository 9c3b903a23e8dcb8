// The input method: its composition window follows the caret in the editor's font, a
// result string is one recorded replacement, and a reconversion gets the selection or
// the caret's line.
#include <windows.h>
#include <imm.h>

#include <algorithm>
#include <vector>

#include "texteditor/editor/TextEditor.h"

namespace {

std::wstring readResultString(HWND window) {
    std::wstring result;
    HIMC context = ::ImmGetContext(window);
    if (!context) return result;
    // The whole result, however long: the size is asked first.
    const LONG bytes = ::ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
    if (bytes > 0) {
        std::vector<wchar_t> buffer(static_cast<size_t>(bytes) / sizeof(wchar_t) + 1, L'\0');
        const LONG read = ::ImmGetCompositionStringW(context, GCS_RESULTSTR, buffer.data(), static_cast<DWORD>(bytes));
        if (read > 0) result.assign(buffer.data(), std::min(static_cast<size_t>(read), static_cast<size_t>(bytes)) / sizeof(wchar_t));
    }
    ::ImmReleaseContext(window, context);
    return result;
}

}  // namespace

void TextEditor::placeCompositionWindow(int x, int y) {
    if (HIMC context = ::ImmGetContext(m_hWnd)) {
        COMPOSITIONFORM form{};
        form.dwStyle = CFS_POINT;
        form.ptCurrentPos = POINT{x, y};
        ::ImmSetCompositionWindow(context, &form);
        ::ImmReleaseContext(m_hWnd, context);
    }
}

LRESULT TextEditor::onImeStartComposition(WPARAM wParam, LPARAM lParam) {
    if (HIMC context = ::ImmGetContext(m_hWnd)) {
        LOGFONTW logFont = mLogFont;
        ::ImmSetCompositionFontW(context, &logFont);
        ::ImmReleaseContext(m_hWnd, context);
    }
    placeCompositionWindow(selection.caretX, selection.caretY);
    return ::DefWindowProcW(m_hWnd, WM_IME_STARTCOMPOSITION, wParam, lParam);
}

LRESULT TextEditor::onImeComposition(WPARAM wParam, LPARAM lParam) {
    if (!readOnly && (lParam & GCS_RESULTSTR)) {
        const std::wstring result = readResultString(m_hWnd);
        if (!result.empty()) {
            // The composition window moves on past the text it gave.
            int width = 0;
            for (wchar_t c : result) width += static_cast<int>(getCharWidth(c));
            placeCompositionWindow(selection.caretX + width, selection.caretY);
            replaceSelection(result, true);
        }
    }
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
    placeCompositionWindow(selection.caretX, selection.caretY);
    return size;
}
