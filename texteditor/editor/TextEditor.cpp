// Construction, the window's creation, the style flags and the colours of the editor.
#include "texteditor/editor/TextEditor.h"

#include <algorithm>

#include "foundation/system/Exception.h"
#include "foundation/text/WordBoundaries.h"
#include "toolkit/graphics/Image.h"

namespace {

constexpr int kDefaultStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | WS_TABSTOP | ES_NOHIDESEL |
                              ES_MULTILINE;  // 0x54210104

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
    // A field is framed, offers the cross that empties it, and has no line ends to mark.
    showBorder = true;
    showClearMark = true;
    showEndOfLine = false;
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

bool TextEditor::hasBackgroundImage() const {
    return backgroundImage && backgroundImage->isLoaded() && (fitBackgroundImage || backgroundOpacity != 0);
}

UINT TextEditor::getTextOutOptions() const {
    return backgroundImage && backgroundImage->isLoaded() ? 0 : ETO_OPAQUE;
}

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
    } else {
        throw Exception(L"Not supported color index", "TextEditor::setColor", __LINE__, 0);
    }
}

std::wstring TextEditor::getColorName(int index) {
    static const wchar_t* const names[] = {
        L"backgroundColor",    L"textColor",     L"highlightColor",      L"highlightTextColor",
        L"findBackgroundColor", L"findTextColor", L"lineBackgroundColor", L"lineTextColor",
        L"tabColor",           L"endoflineColor", L"undefinedColor"};
    return names[index >= 0 && index < 10 ? index : 10];
}
