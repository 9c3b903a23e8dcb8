// The editor's commands (its context menu and the further ids other code may send as
// WM_COMMAND), the context menu itself, and the font commands.
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cwchar>

#include "foundation/system/StringTable.h"
#include "texteditor/editor/TextEditor.h"
#include "toolkit/window/PopupMenu.h"

std::wstring TextEditor::getString(const std::wstring& id) { return StringTable::instance().lookup(id); }

bool TextEditor::onCommand(WPARAM wParam, LPARAM) {
    const HWND hwnd = m_hWnd;
    switch (LOWORD(wParam)) {
        case kUndo: ::SendMessageW(hwnd, WM_UNDO, 0, 0); break;
        case kRedo: ::SendMessageW(hwnd, EM_REDO, 0, 0); break;
        case kCopy: ::SendMessageW(hwnd, WM_COPY, 0, 0); break;
        case kPaste: ::SendMessageW(hwnd, WM_PASTE, 0, 0); break;
        case kCut: ::SendMessageW(hwnd, WM_CUT, 0, 0); break;
        case kSelectAll: ::SendMessageW(hwnd, EM_SETSEL, 0, -1); break;
        case kDelete: ::SendMessageW(hwnd, WM_KEYDOWN, VK_DELETE, 0); break;
        case kClearModified: setModified(false); break;
        case kSave: save(); break;
        case kSaveSelection: saveTextAs(getSelectedText()); break;
        case kStraightenQuotes: replaceSelection(straightenQuotes(getSelectedText()), true); break;
        case kFontLarger: changeFontSize(true); break;
        case kFontSmaller: changeFontSize(false); break;
        default: return false;
    }
    return true;
}

std::vector<TextEditor::MenuItem> TextEditor::getContextMenuItems() const {
    const bool editable = !readOnly;
    const bool selected = !getSelection().isEmpty();
    return {
        {getString(L"&Undo") + L"\t\tCtrl+Z", kUndo, history->canUndo() && editable},
        {getString(L"&Redo") + L"\t\tCtrl+Y", kRedo, history->canRedo() && editable},
        {L"", 0, false},
        {getString(L"Cu&t") + L"\t\tCtrl+X", kCut, selected && editable},
        {getString(L"&Copy") + L"\t\tCtrl+C", kCopy, selected},
        {getString(L"&Paste") + L"\t\tCtrl+V", kPaste, ::IsClipboardFormatAvailable(CF_TEXT) && editable},
        {getString(L"&Delete") + L"\t\tDel", kDelete, selected && editable},
        {L"", 0, false},
        {getString(L"Select &All") + L"\t\tCtrl+A", kSelectAll, getTextLength() != 0},
    };
}

std::wstring TextEditor::straightenQuotes(const std::wstring& text) {
    std::wstring result = text;
    for (wchar_t& c : result) {
        if (c == 0x2018 || c == 0x2019) {
            c = L'\'';
        } else if (c == 0x201C || c == 0x201D) {
            c = L'"';
        }
    }
    return result;
}

void TextEditor::changeFontSize(bool larger) {
    LOGFONTW logFont = mLogFont;
    LONG& h = logFont.lfHeight;
    if (larger) {
        h = h < 0 ? h - 2 : h + 2;
    } else {
        if (std::abs(h) <= 8) return;
        h = h < 0 ? h + 2 : h - 2;
    }
    setLogFont(logFont);
}

LRESULT TextEditor::setCharFormat(const CHARFORMATW& format) {
    LOGFONTW logFont = mLogFont;
    if (format.dwMask & CFM_SIZE) logFont.lfHeight = std::max<LONG>(format.yHeight / 20, 8);
    if (format.dwMask & CFM_BOLD) logFont.lfWeight = FW_BOLD;
    if (format.dwMask & CFM_ITALIC) logFont.lfItalic = (format.dwEffects & CFE_ITALIC) ? 1 : 0;
    if (format.dwMask & CFM_UNDERLINE) logFont.lfUnderline = (format.dwEffects & CFE_UNDERLINE) ? 1 : 0;
    if (format.dwMask & CFM_FACE) {
        std::copy(std::begin(format.szFaceName), std::end(format.szFaceName), std::begin(logFont.lfFaceName));
        logFont.lfFaceName[LF_FACESIZE - 1] = L'\0';
    }
    if (format.dwMask & CFM_COLOR) setTextColor(format.crTextColor);
    setLogFont(logFont);
    const RECT r = getClientRect();
    onSize(0, MAKELPARAM(r.right, r.bottom));
    return 1;
}

void TextEditor::createContextMenu(PopupMenu& menu) {
    for (const MenuItem& item : getContextMenuItems()) {
        if (item.id == 0) {
            menu.addSeparator();
        } else {
            menu.addItem(item.text.c_str(), item.id, item.enabled);
        }
    }
}

void TextEditor::showContextMenu() {
    PopupMenu menu;
    createContextMenu(menu);
    if (listener) listener->contextMenuOpening(*this, menu);
    POINT p{};
    ::GetCursorPos(&p);
    const int id = menu.track(m_hWnd, p.x, p.y);
    if (id == 0) return;
    if (listener && listener->contextMenuCommand(*this, id)) return;
    ::PostMessageW(m_hWnd, WM_COMMAND, static_cast<WPARAM>(id), 0);
}
