// Cut, copy and paste through the system clipboard, as CF_UNICODETEXT and CF_TEXT.
#include <cstring>

#include "foundation/encoding/ConversionCodePage.h"
#include "foundation/encoding/StringConversion.h"
#include "texteditor/editor/SingleLineText.h"
#include "texteditor/editor/TextEditor.h"
#include "toolkit/dnd/GlobalText.h"

namespace {

// A movable, zeroed global block holding the bytes and a terminator; null on failure.
HGLOBAL globalCopy(const void* data, size_t bytes, size_t terminatorBytes) {
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes + terminatorBytes);
    if (!block) return nullptr;
    void* target = ::GlobalLock(block);
    if (!target) {
        ::GlobalFree(block);
        return nullptr;
    }
    std::memcpy(target, data, bytes);
    ::GlobalUnlock(block);
    return block;
}

std::wstring readClipboardText() {
    if (HANDLE wide = ::GetClipboardData(CF_UNICODETEXT)) return readGlobalText(wide);
    const std::string narrow = readGlobalTextA(::GetClipboardData(CF_TEXT));
    return decodeBytes(getConversionCodePage(), narrow.data(), narrow.size());
}

}  // namespace

int TextEditor::copy() {
    const std::wstring text = getSelectedText();
    if (text.empty()) return 1;
    if (!::OpenClipboard(m_hWnd)) return -1;
    if (!::EmptyClipboard()) {
        ::CloseClipboard();
        return -2;
    }
    const std::string narrow = ::toString(text);
    HGLOBAL narrowBlock = globalCopy(narrow.data(), narrow.size(), 1);
    HGLOBAL wideBlock = globalCopy(text.data(), text.size() * sizeof(wchar_t), sizeof(wchar_t));
    if (!narrowBlock || !wideBlock) {
        if (narrowBlock) ::GlobalFree(narrowBlock);
        if (wideBlock) ::GlobalFree(wideBlock);
        ::CloseClipboard();
        return -4;
    }
    if (!::SetClipboardData(CF_TEXT, narrowBlock)) ::GlobalFree(narrowBlock);
    if (!::SetClipboardData(CF_UNICODETEXT, wideBlock)) ::GlobalFree(wideBlock);
    ::CloseClipboard();
    return 0;
}

int TextEditor::cut() {
    if (readOnly) return 0;
    const int result = copy();
    if (result == 0) replaceSelection(std::wstring(), true);
    return result;
}

void TextEditor::paste() {
    if (readOnly) return;
    std::wstring text;
    if (::OpenClipboard(m_hWnd)) {
        text = readClipboardText();
        ::CloseClipboard();
    }
    if (!multiLine) text = withoutLineBreaksOrTabs(text);
    if (!text.empty()) replaceSelection(text, true);
}
