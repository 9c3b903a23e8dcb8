#include "toolkit/widgets/TextArea.h"

#include <cwchar>

#include "foundation/encoding/StringConversion.h"
#include "toolkit/window/WindowProcedure.h"

namespace {

const wchar_t kFileNameForbidden[] = L"\\/:*?\"<>|";
const wchar_t kMarkupUnsafe[] = L"\"<>|";

bool isOneOf(wchar_t c, const wchar_t* set) { return c != L'\0' && std::wcschr(set, c) != nullptr; }

bool shiftHeld() { return (::GetKeyState(VK_SHIFT) & 0x8000) != 0; }

// Text of a locked clipboard block, never reading past the block's own size.
std::wstring wideBlockText(HGLOBAL block, const void* data) {
    const size_t capacity = ::GlobalSize(block) / sizeof(wchar_t);
    const auto* text = static_cast<const wchar_t*>(data);
    size_t length = 0;
    while (length < capacity && text[length] != L'\0') ++length;
    return std::wstring(text, length);
}

std::wstring narrowBlockText(HGLOBAL block, const void* data) {
    const size_t capacity = ::GlobalSize(block);
    const auto* text = static_cast<const char*>(data);
    size_t length = 0;
    while (length < capacity && text[length] != '\0') ++length;
    return decodeBytes(CP_ACP, text, length);
}

// The clipboard's text (Unicode when offered, else ANSI converted). False when the
// clipboard can't be opened or holds no readable text; every call is checked.
bool readClipboardText(std::wstring& out) {
    if (!::OpenClipboard(nullptr)) return false;
    bool ok = false;
    const bool unicode = ::IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
    if (unicode || ::IsClipboardFormatAvailable(CF_TEXT)) {
        if (HGLOBAL block = ::GetClipboardData(unicode ? CF_UNICODETEXT : CF_TEXT)) {
            if (const void* data = ::GlobalLock(block)) {
                out = unicode ? wideBlockText(block, data) : narrowBlockText(block, data);
                ::GlobalUnlock(block);
                ok = true;
            }
        }
    }
    ::CloseClipboard();
    return ok;
}

}  // namespace

TextArea::TextArea() { mBackColor = 0xFFFFFF; }

TextArea::~TextArea() { TextArea::destroy(); }

bool TextArea::create(HWND parent, int id, DWORD style) {
    destroy();
    m_hWnd = ::CreateWindowExW(0, L"EDIT", L"", style, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                               nullptr);
    if (!m_hWnd) return false;
    subclassControl(*this);
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    return true;
}

bool TextArea::createWithDefaultBounds(HWND parent) { return create(parent, 0, getDefaultStyle()); }

bool TextArea::create(HWND parent, int x, int y, int width, int height) {
    if (!createWithDefaultBounds(parent)) return false;
    setBounds(x, y, width, height);
    return true;
}

void TextArea::destroy() {
    if (mBackgroundBrush) {
        ::DeleteObject(mBackgroundBrush);
        mBackgroundBrush = nullptr;
    }
    BaseWindow::destroy();
}

void TextArea::setBackColor(COLORREF color) {
    if (mBackgroundBrush) ::DeleteObject(mBackgroundBrush);
    mBackgroundBrush = ::CreateSolidBrush(color);
    WinApiWindow::setBackColor(color);
}

std::wstring TextArea::getTextCopy() const { return getText(); }

void TextArea::setText(const std::wstring& text) { BaseWindow::setText(filter(text)); }

DWORD TextArea::getDefaultStyle() const {
    return WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL;
}

bool TextArea::isMultiLine() const { return m_hWnd && (getStyle() & ES_MULTILINE) != 0; }

std::wstring TextArea::filter(const std::wstring& text) const {
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        if (mMarkupFilter && isOneOf(c, kMarkupUnsafe)) c = L' ';
        if (mFileNameFilter && isOneOf(c, kFileNameForbidden)) continue;
        out.push_back(c);
    }
    return out;
}

wchar_t TextArea::translate(wchar_t c) const {
    auto found = mTranslation.find(c);
    return found == mTranslation.end() ? c : found->second;
}

LRESULT TextArea::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_LBUTTONDBLCLK:
            if (onLButtonDblClk(LOWORD(lParam), HIWORD(lParam))) return 0;
            break;
        case WM_GETDLGCODE:
            if (getStyle() & ES_MULTILINE) return DLGC_WANTALLKEYS;
            return DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
        case WM_KEYDOWN:
            if (onKeyDown(wParam, lParam)) return 0;
            break;
        case WM_CHAR:
            if (onChar(wParam, lParam)) return 0;
            break;
        case WM_CUT:
            if (mReadOnly) return 0;
            break;
        case WM_PASTE:
            if (!mReadOnly) paste();
            return 0;
        default:
            break;
    }
    return defaultWindowProc(hwnd, msg, wParam, lParam);
}

bool TextArea::onLButtonDblClk(int, int) { return false; }

bool TextArea::onKeyDown(WPARAM key, LPARAM) {
    if (mReadOnly) return true;
    key = translate(static_cast<wchar_t>(key));
    if (!isMultiLine()) return false;
    if (key == VK_TAB) {
        replaceSelection(L"\t");
        return true;
    }
    if (key == VK_RETURN) {
        if (mLineLimit >= 0 && getLineCount() >= mLineLimit) return true;
        replaceSelection(L"\r\n");
        return true;
    }
    return false;
}

bool TextArea::onChar(WPARAM wParam, LPARAM) {
    const wchar_t c = translate(static_cast<wchar_t>(wParam));
    if (c == L'\r') return true;  // line breaks are made by the key-down handling
    if (c == L'\t') {
        // A single-line field hands the focus on; a multi-line one has inserted its tab
        // on key-down already and must not insert a second one.
        if (!isMultiLine()) moveFocus(*this, !shiftHeld(), m_hWnd);
        return true;
    }
    if (mReadOnly) return true;
    if (mFileNameFilter && isOneOf(c, kFileNameForbidden)) return true;
    if (mMarkupFilter && isOneOf(c, kMarkupUnsafe)) return true;
    return false;
}

void TextArea::paste() {
    std::wstring text;
    if (!readClipboardText(text)) return;
    replaceSelection(filter(text));
}

void TextArea::selectAll() {
    if (m_hWnd) ::SendMessageW(m_hWnd, EM_SETSEL, 0, -1);
}

void TextArea::replaceSelection(const std::wstring& text) {
    if (m_hWnd) ::SendMessageW(m_hWnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

int TextArea::getLineCount() const {
    int lines = 1;
    for (wchar_t c : getText())
        if (c == L'\n') ++lines;
    return lines;
}

void TextArea::setNumber(int number) { setText(std::to_wstring(number)); }
