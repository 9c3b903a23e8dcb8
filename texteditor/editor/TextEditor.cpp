#include "texteditor/editor/TextEditor.h"

#include <algorithm>
#include <cstdlib>

#include "foundation/text/WordBoundaries.h"
#include "toolkit/graphics/Image.h"

namespace {

constexpr int kDefaultStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | WS_TABSTOP | ES_NOHIDESEL |
                              ES_MULTILINE;  // 0x54210104
constexpr uint32_t kWaitCursorLength = 10000;

std::wstring withoutLineBreaksAndTabs(const std::wstring& text) {
    std::wstring result;
    result.reserve(text.size());
    for (wchar_t c : text) {
        if (c != L'\r' && c != L'\n' && c != L'\t') result += c;
    }
    return result;
}

uint32_t decimalDigits(uint32_t value) {
    uint32_t digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

}  // namespace

TextEditor::TextEditor()
    : document(std::make_unique<TextDocument>()),
      history(new HistoryManager(static_cast<EditReplayer&>(*this))),
      arrowCursor(::LoadCursorW(nullptr, IDC_ARROW)),
      handCursor(::LoadCursorW(nullptr, IDC_HAND)),
      palette{0, 0, 0xFFD790, 0x000000, 0x20A0FF, 0x000000, 0xFAFAFA, 0x808080} {
    mBackColor = ::GetSysColor(COLOR_WINDOW);
    mTextColor = ::GetSysColor(COLOR_WINDOWTEXT);
    style = kDefaultStyle;
    wordBreakProc = ::wordBreakProc;
}

TextEditor::~TextEditor() {
    releaseFont();
    TextEditor::destroy();
}

void TextEditor::destroy() {
    stopTimer();
    BaseWindow::destroy();
}

bool TextEditor::createWithDefaultBounds(HWND parent) {
    return create(parent, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
}

bool TextEditor::create(HWND parent, int x, int y, int width, int height) {
    clear();
    releaseFont();
    destroy();
    registerClass(L"TextEditor", nullptr, CS_DBLCLKS);
    ::CreateWindowExW(0, L"TextEditor", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y, width, height, parent,
                      nullptr, ::GetModuleHandleW(nullptr), this);
    if (!m_hWnd) return false;
    ::SetClassLongPtrW(m_hWnd, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(::LoadCursorW(nullptr, IDC_IBEAM)));
    return true;
}

bool TextEditor::onCreate() {
    scrollBar.window = m_hWnd;
    // Text and bitmaps dragged in, and dropped files (which only an editable editor opens).
    for (CLIPFORMAT format : {CF_TEXT, CF_UNICODETEXT, CF_BITMAP, CF_HDROP}) addFormat(format);
    registerDropTarget(m_hWnd);
    setStyle(kDefaultStyle);
    LOGFONTW guiFont{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof guiFont, &guiFont);
    setLogFont(guiFont);
    onCommand(kClearModified, 0);
    return true;
}

void TextEditor::setStyle(int value) {
    style = value;
    if (m_hWnd) {
        ::SetWindowLongW(m_hWnd, GWL_STYLE, value);
        // The scroll bars belong to the frame: let it follow the new style.
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    wrapAtWindow = (value & WS_HSCROLL) == 0;
    readOnly = (value & ES_READONLY) != 0;
    hideSelection = (value & ES_NOHIDESEL) == 0;
    multiLine = (value & ES_MULTILINE) != 0;
    if (!multiLine) {
        justify = false;
        wrapAtWindow = false;
    }
    updateDropAcceptance();
}

void TextEditor::setReadOnly(bool value) {
    setStyle(value ? (style | ES_READONLY) : (style & ~ES_READONLY));
}

void TextEditor::setSingleLine() {
    setStyle(style & ~(WS_VSCROLL | ES_NOHIDESEL | ES_MULTILINE));
    padding = Padding{4, 2, 4, 0};
    paddingPercent = Padding{};
    paddingPercent.top = 20;  // keeps the one row off the field's top edge
    updateLayout();
}

void TextEditor::updateDropAcceptance() {
    // Only an editable multi-line editor takes dropped files.
    if (m_hWnd) ::DragAcceptFiles(m_hWnd, acceptsDroppedFiles());
}

bool TextEditor::clear() {
    document->clear();
    selection = SelectionState{};
    history->clear();
    scrollBar.verticalPosition = 0;
    scrollBar.horizontalPosition = 0;
    if (dc) wrapLines(0, 0);
    repaintAll();
    return true;
}

// ---- font and measuring ----

void TextEditor::setLogFont(LOGFONTW logFont) {
    logFont.lfWidth = 0;
    HFONT created = ::CreateFontIndirectW(&logFont);
    if (m_hWnd && created) {
        ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(created), 0);
    } else {
        mLogFont = logFont;
        if (created) ::DeleteObject(created);
    }
    fontHeight = std::abs(logFont.lfHeight);
}

void TextEditor::releaseFont() {
    if (!dc) return;
    if (font) {
        ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
        ::DeleteObject(font);
        font = nullptr;
    }
    ::ReleaseDC(::WindowFromDC(dc), dc);
    dc = nullptr;
}

void TextEditor::setFont(HFONT newFont) {
    if (!m_hWnd || !newFont) return;
    if (newFont == font) font = nullptr;  // the same font again: keep it alive
    releaseFont();
    dc = ::GetDC(m_hWnd);
    if (!dc) return;
    font = newFont;
    ::SelectObject(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetMapMode(dc, MM_TEXT);
    ::GetObjectW(font, sizeof mLogFont, &mLogFont);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    averageCharWidth = std::max(std::abs(static_cast<int>(metrics.tmAveCharWidth)), 1);
    fontHeight = metrics.tmHeight;
    fontDescent = metrics.tmDescent;
    tabWidth = tabSize * metrics.tmAveCharWidth;
    if (!charWidthCache.empty()) {
        std::fill(charWidthCache.begin(), charWidthCache.end(), 0u);
        INT widths[0x7F - 0x20] = {};
        if (::GetCharWidth32W(dc, 0x20, 0x7E, widths)) {
            for (int i = 0; i < 0x7F - 0x20; ++i) charWidthCache[0x20 + i] = static_cast<uint32_t>(widths[i]);
        }
        charWidthCache[L'\t'] = static_cast<uint32_t>(tabWidth);
    }
    updateLayout();
    createCaret();
}

uint32_t TextEditor::getCharWidth(wchar_t c) {
    if (c == L'\r' || c == L'\n') return 0;
    if (c == 0x3000 && showFullWidthSpaces) {
        c = 0x25A0;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
        c = 0x3000;  // each half of a pair takes the room of a full-width space
    }
    if (c == L'\t') return static_cast<uint32_t>(std::max(tabWidth, 0));
    if (!charWidthCache.empty()) {
        if (charWidthCache[c] != 0) return charWidthCache[c];
    } else if (multiLine && c != L'9' && c != L' ') {
        charWidthCache.assign(65536, 0u);
    }
    if (!dc) return 0;
    const uint32_t width = LOWORD(::GetTabbedTextExtentW(dc, &c, 1, 0, nullptr));
    if (!charWidthCache.empty()) charWidthCache[c] = width;
    return width;
}

void TextEditor::updateLayout() {
    if (!m_hWnd) return;
    updateLineNumberWidth();
    RECT r = getClientRect();
    onSize(0, MAKELPARAM(r.right, r.bottom));
}

void TextEditor::updateLineNumberWidth() {
    lineNumberWidth =
        static_cast<int>(std::max<uint32_t>(decimalDigits(document->getLastLineIndex()), 3) * getCharWidth(L'9')) + 8;
}

int TextEditor::getTextLeft() const {
    int gutter = showLineNumbers ? lineNumberWidth : 0;
    if (gutter != 0) gutter += 8;
    return gutter + padding.left;
}

int TextEditor::getTextAreaWidth() const {
    const RECT r = getClientRect();
    return std::max(0, static_cast<int>(r.right) - getTextLeft() - padding.right);
}

int TextEditor::getVisibleRows() const {
    const RECT r = getClientRect();
    const int height = static_cast<int>(r.bottom) - padding.top - padding.bottom;
    return std::max(0, height / std::max(getLineHeight(), 1));
}

bool TextEditor::wrapLines(uint32_t firstLine, uint32_t lastLine) {
    if (!dc) return false;
    WrapSettings settings;
    settings.windowWidth = getWidth();
    settings.textAreaWidth = getTextAreaWidth();
    settings.averageCharWidth = averageCharWidth;
    settings.wrapAtWindow = wrapAtWindow;
    const WrapResult result = layoutRows(*document, firstLine, lastLine, settings, *this);

    const int lastRow = result.rowTotal == 0 ? 0 : static_cast<int>(result.rowTotal) - 1;
    const RECT r = getClientRect();
    if (r.bottom > 0) {
        scrollBar.horizontalTotal = static_cast<int>(result.maxWidth);
        scrollBar.verticalTotal = lastRow;
        scrollBar.verticalPage = std::min(getVisibleRows(), lastRow);
        scrollBar.horizontalPage = std::min(settings.textAreaWidth, static_cast<int>(result.maxWidth));
        updateScrollBars();
    }
    return result.rowsChanged;
}

float TextEditor::getBlankWidth(uint32_t line, uint32_t row) {
    return justifiedBlankWidth(*document, line, row, getTextAreaWidth(), justify && multiLine, *this);
}

void TextEditor::updateScrollBars() {
    scrollBar.update(m_hWnd, static_cast<DWORD>(style));
    if (!multiLine) scrollBar.verticalMaximum = 0;  // a field never scrolls vertically
}

LRESULT TextEditor::onSize(WPARAM, LPARAM) {
    updatePadding();
    // Keep the line at the top of the view in place across the new layout.
    const uint32_t topLine = document->findLine(static_cast<uint32_t>(scrollBar.verticalPosition), true);
    wrapLines(0, 0);
    if (topLine < document->getLineCount()) {
        scrollBar.verticalPosition = static_cast<int>(document->lineAt(topLine).firstRow);
    }
    scrollBar.verticalPosition = std::max(0, std::min(scrollBar.verticalPosition, scrollBar.verticalMaximum));
    scrollBar.horizontalPosition = std::max(0, std::min(scrollBar.horizontalPosition, scrollBar.horizontalMaximum));
    updateScrollBars();
    updateCaret();
    repaintAll();
    return 0;
}

bool TextEditor::scroll(int dx, int dy, bool) {
    if (!scrollBar.scrollBy(dx, dy)) return false;
    updateScrollBars();
    updateCaret();
    repaintAll();
    return true;
}

// ---- reading and selecting ----

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
    const bool visibleChange = !getSelection().isEmpty() || anchor != caret;
    selection.anchor = anchor;
    selection.caret = caret;
    document->getLineAndColumn(anchor, &selection.anchorLine, &selection.anchorColumn);
    document->getLineAndColumn(caret, &selection.caretLine, &selection.caretColumn);
    if (visibleChange) repaintAll();
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
    bool scrolled = false;
    if (!wrapAtWindow) {
        const int left = getTextLeft();
        const int right = left + getTextAreaWidth();
        if (selection.caretX < left) {
            scrolled |= scrollBar.scrollBy(selection.caretX - left, 0);
        } else if (selection.caretX > right) {
            scrolled |= scrollBar.scrollBy(selection.caretX - right, 0);
        }
    }
    const int row = static_cast<int>(getWrappedRow(selection.caretLine, selection.caretColumn));
    const int first = scrollBar.verticalPosition;
    const int last = first + scrollBar.verticalPage - 2;
    if (row < first) {
        scrolled |= scrollBar.scrollBy(0, row - first);
    } else if (row > last && scrollBar.verticalPage > 1) {
        scrolled |= scrollBar.scrollBy(0, row - last);
    }
    if (scrolled) {
        updateScrollBars();
        updateCaret();
        repaintAll();
    }
}

void TextEditor::scrollToCaret() {
    if (!m_hWnd) return;
    const int quarter = getVisibleRows() / 4;
    const int row = static_cast<int>(getWrappedRow(selection.caretLine, selection.caretColumn));
    const int distance = row - quarter - scrollBar.verticalPosition;
    if (std::abs(distance) <= 100) {
        for (int i = 0; i < std::abs(distance); ++i) {
            scroll(0, distance > 0 ? 1 : -1, false);
            update();
        }
    } else {
        scroll(0, distance, false);
    }
}

// ---- editing ----

bool TextEditor::replaceRange(const std::wstring& text, TextRange range, bool record) {
    const int length = static_cast<int>(getTextLength());
    if (range.start < 0 || range.start > length) range.start = 0;
    if (range.end > length || range.end < range.start) range.end = length;
    if (!readOnly && record) {
        setModified(true);
        history->record(range, text, document->getTextInRange(range), static_cast<int>(selection.caret));
    } else {
        // The recorded events no longer describe this text: replaying one of them would
        // corrupt it. The saved state cannot be reached again either.
        history->clear();
        history->forgetSavedPosition();
    }
    replayReplace(text, range);
    return true;
}

void TextEditor::replayReplace(const std::wstring& text, TextRange range) {
    const int length = static_cast<int>(getTextLength());
    if (range.start < 0 || range.start > length) range.start = 0;
    if (range.end > length || range.end < range.start) range.end = length;
    const uint32_t start = static_cast<uint32_t>(range.start);
    document->replace(range, text);
    updateLineNumberWidth();
    const uint32_t end = start + static_cast<uint32_t>(text.size());
    wrapLines(document->getLineAt(start), document->getLineAt(end) + 2);
    repaintAll();
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
    replaceRange(multiLine ? text : withoutLineBreaksAndTabs(text), TextRange(0, static_cast<int>(getTextLength())),
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
    if (caret != -1) select(static_cast<uint32_t>(caret), static_cast<uint32_t>(caret));
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

bool TextEditor::hasBackgroundImage() const {
    return backgroundImage && backgroundImage->isLoaded() && backgroundOpacity != 0;
}

// ---- colours ----

COLORREF TextEditor::getColor(int index) const {
    switch (index) {
        case 0: return mBackColor;
        case 1: return mTextColor;
        case 8: return 0xE6B4B4;
        case 9:
            return RGB((GetRValue(mTextColor) + GetRValue(mBackColor)) / 2,
                       (GetGValue(mTextColor) + GetGValue(mBackColor)) / 2,
                       (GetBValue(mTextColor) + GetBValue(mBackColor)) / 2);
        case 10: return 0x808080;
        default: return index > 1 && index < kColorCount ? palette[index] : 0;
    }
}

void TextEditor::setColor(int index, COLORREF color) {
    if (index == 0) {
        setBackColor(color);
    } else if (index == 1) {
        setTextColor(color);
    } else if (index > 1 && index < kColorCount) {
        palette[index] = color;
        repaintAll();
    }
}

std::wstring TextEditor::getColorName(int index) {
    static const wchar_t* const names[] = {
        L"backgroundColor",    L"textColor",     L"highlightColor",      L"highlightTextColor",
        L"findBackgroundColor", L"findTextColor", L"lineBackgroundColor", L"lineTextColor",
        L"tabColor",           L"endoflineColor", L"undefinedColor"};
    if (index < 0 || index > 10) return std::wstring();
    return names[index];
}
