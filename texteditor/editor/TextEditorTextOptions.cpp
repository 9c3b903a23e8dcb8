// Whole-text replacement for callers that load a text at once, and the display options
// they set right after creating an editor.
#include "texteditor/editor/TextEditor.h"

namespace {

constexpr size_t kWaitCursorLength = 10000;

// Every lone CR and lone LF becomes CR LF.
std::wstring withCrLfLineEnds(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\r') {
            out += L"\r\n";
            if (i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        } else if (c == L'\n') {
            out += L"\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

void TextEditor::insertText(const std::wstring& text) {
    HCURSOR previous = nullptr;
    if (text.size() > kWaitCursorLength) previous = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    replaceRange(rawText ? text : withCrLfLineEnds(text), TextRange(0, static_cast<int>(getTextLength())), true);
    if (previous) ::SetCursor(previous);
}

void TextEditor::setShowEndOfLine(bool value) {
    showEndOfLine = value;
    repaintAll();
}

void TextEditor::setJustified(bool value) {
    justify = value;
    if (m_hWnd) updateLayout();
}
