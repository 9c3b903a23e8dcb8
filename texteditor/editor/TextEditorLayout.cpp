// The editor's font, the measuring of characters, and the wrapped-row layout with the
// scroll state it sets.
#include <algorithm>
#include <cstdlib>

#include "texteditor/editor/TextEditor.h"

namespace {

uint32_t decimalDigits(uint32_t value) {
    uint32_t digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

}  // namespace

HFONT TextEditor::copyFont(HFONT font) {
    // A font handed over by WM_SETFONT stays its sender's (a dialog may share it with
    // other controls): the editor keeps and later deletes a copy of its own.
    LOGFONTW logFont{};
    if (!font || !::GetObjectW(font, sizeof logFont, &logFont)) return nullptr;
    return ::CreateFontIndirectW(&logFont);
}

void TextEditor::setLogFont(LOGFONTW logFont) {
    logFont.lfWidth = 0;
    HFONT created = ::CreateFontIndirectW(&logFont);
    if (m_hWnd && created) {
        setFont(created);
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
    inkWithinAdvance.reset();
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    for (wchar_t c = 0x21; c < 0x7F; ++c) {
        GLYPHMETRICS metrics{};
        if (::GetGlyphOutlineW(dc, c, GGO_METRICS, &metrics, 0, nullptr, &identity) == GDI_ERROR) continue;
        const int inkRight = metrics.gmptGlyphOrigin.x + static_cast<int>(metrics.gmBlackBoxX);
        inkWithinAdvance[static_cast<size_t>(c)] = inkRight <= static_cast<int>(getCharWidth(c));
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
    int gutter = (showLineNumbers ? lineNumberWidth : 0) + (isBookmarkMarginShown() ? kBookmarkMarginWidth : 0);
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
    // A partial pass saw only the edited lines: the widest line may lie elsewhere. Only
    // when the widest line itself got narrower is the whole document looked at again.
    if (firstLine == 0 && lastLine == 0) {
        widestRow = result.maxWidth;
    } else if (result.narrowedFrom != 0 && result.narrowedFrom >= widestRow) {
        widestRow = std::max(result.maxWidth, widestLastRow(*document));
    } else {
        widestRow = std::max(widestRow, result.maxWidth);
    }

    const int lastRow = result.rowTotal == 0 ? 0 : static_cast<int>(result.rowTotal) - 1;
    const RECT r = getClientRect();
    if (r.bottom > 0) {
        scrollBar.horizontalTotal = static_cast<int>(widestRow);
        scrollBar.verticalTotal = lastRow;
        scrollBar.verticalPage = std::min(getVisibleRows(), lastRow);
        scrollBar.horizontalPage = std::min(settings.textAreaWidth, static_cast<int>(widestRow));
        updateScrollBars();
    }
    return result.rowsChanged;
}

float TextEditor::getJustifiedSpaceWidth(uint32_t line, uint32_t row) {
    return justifiedBlankWidth(*document, line, row, getTextAreaWidth(), justify && multiLine, *this);
}

float TextEditor::getBlankWidth(uint32_t line, uint32_t row) {
    // The caret and the hit test step over a blank by the width the painter drew it.
    return getJustifiedSpaceWidth(line, row);
}

void TextEditor::updateScrollBars() {
    scrollBar.update(m_hWnd, static_cast<DWORD>(style));
    if (!multiLine) scrollBar.verticalMaximum = 0;  // a field never scrolls vertically
}

LRESULT TextEditor::onSize(WPARAM sizeType, LPARAM) {
    if (sizeType == SIZE_MINIMIZED) return 0;
    updatePadding();
    // Keep the line at the top of the view in place across the new layout.
    const uint32_t topLine = document->findLine(static_cast<uint32_t>(scrollBar.verticalPosition), true);
    wrapLines(0, 0);
    if (topLine < document->getLastLineIndex()) {
        scroll(0, static_cast<int>(document->lineAt(topLine).firstRow) - scrollBar.verticalPosition, false);
    }
    // A larger window may show past the end of the content: pull the view back.
    if (scrollBar.clampToContent()) updateScrollBars();
    repaintAll();
    updateCaret();
    selection.rememberCaretX();
    return 0;
}
