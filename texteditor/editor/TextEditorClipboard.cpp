// Cut, copy and paste through the system clipboard, as CF_UNICODETEXT and CF_TEXT.
#include <cstring>

#include "foundation/encoding/ConversionCodePage.h"
#include "foundation/encoding/StringConversion.h"
#include "texteditor/editor/TextEditor.h"

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
    std::wstring text;
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* locked = static_cast<const wchar_t*>(::GlobalLock(data))) {
            const size_t capacity = ::GlobalSize(data) / sizeof(wchar_t);
            text.assign(locked, ::wcsnlen(locked, capacity));
            ::GlobalUnlock(data);
        }
    } else if (HANDLE narrow = ::GetClipboardData(CF_TEXT)) {
        if (const auto* locked = static_cast<const char*>(::GlobalLock(narrow))) {
            const size_t capacity = ::GlobalSize(narrow);
            text = decodeBytes(getConversionCodePage(), locked, ::strnlen(locked, capacity));
            ::GlobalUnlock(narrow);
        }
    }
    return text;
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
    if (!multiLine) {
        std::wstring kept;
        for (wchar_t c : text) {
            if (c != L'\r' && c != L'\n' && c != L'\t') kept += c;
        }
        text.swap(kept);
    }
    if (!text.empty()) replaceSelection(text, true);
}
