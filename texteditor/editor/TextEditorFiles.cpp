// Opening and saving the editor's text file, with the check that refuses an encoding
// in which characters would be lost.
#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <cwctype>

#include "foundation/encoding/ConversionCodePage.h"
#include "foundation/encoding/EncodingId.h"
#include "foundation/encoding/StringConversion.h"
#include "foundation/encoding/TextFile.h"
#include "foundation/system/MessageBoxes.h"
#include "texteditor/editor/TextEditor.h"
#include "toolkit/widgets/SaveTextAsDialog.h"

namespace {

std::wstring askWithSaveDialog(TextEditor& editor, const std::wstring& initialPath, int& encoding);

TextEditor::SaveFileChooser saveFileChooser = askWithSaveDialog;

std::wstring lowerExtension(const std::wstring& path) {
    const size_t dot = path.find_last_of(L'.');
    const size_t slash = path.find_last_of(L"\\/");
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return std::wstring();
    std::wstring extension = path.substr(dot);
    for (wchar_t& c : extension) c = static_cast<wchar_t>(std::towlower(c));
    return extension;
}

// The save dialog with its encoding row; the encoding chosen there comes back.
std::wstring askWithSaveDialog(TextEditor& editor, const std::wstring& initialPath, int& encoding) {
    std::vector<wchar_t> file(MAX_PATH, L'\0');
    std::copy_n(initialPath.begin(), std::min<size_t>(initialPath.size(), MAX_PATH - 1), file.begin());
    static const wchar_t filter[] = L"Text (*.txt)\0*.txt\0HTML (*.htm,*.html)\0*.htm;*.html\0All file (*.*)\0*.*\0";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = editor.m_hWnd;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = L"txt";
    dialog.Flags = OFN_ENABLESIZING | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_ENABLEHOOK | OFN_NOCHANGEDIR |
                   OFN_OVERWRITEPROMPT;
    const std::wstring extension = lowerExtension(initialPath);
    if (extension == L".html" || extension == L".htm") {
        dialog.nFilterIndex = 2;
    } else if (!extension.empty() && extension != L".txt") {
        dialog.nFilterIndex = 3;
    }
    SaveTextAsDialog chooser;
    chooser.setEncodingIndex(encoding);
    if (!chooser.showSaveDialog(dialog)) return std::wstring();
    const int chosen = chooser.getEncodingIndex();
    if (chosen >= kEncodingAnsi && chosen <= kEncodingBig5) encoding = chosen;
    return file.data();
}

size_t countQuestionMarks(const std::wstring& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), L'?')); }

}  // namespace

void TextEditor::setSaveFileChooser(SaveFileChooser chooser) {
    saveFileChooser = chooser ? chooser : askWithSaveDialog;
}

bool TextEditor::openFile(const std::wstring& path) {
    if (!document->load(path)) return false;
    if (bookmarksEnabled) bookmarks.openFile(path);
    stopTimer();
    mouseMode = kIdle;
    scrollBar.reset();
    selection = SelectionState{};
    updateLineNumberWidth();
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) setReadOnly((attributes & FILE_ATTRIBUTE_READONLY) != 0);
    if (dc) {
        const RECT r = getClientRect();
        onSize(0, MAKELPARAM(r.right, r.bottom));
    }
    history->clear();
    modified = 2;
    setModified(false);
    if (listener) listener->selectionChanged();
    return true;
}

bool TextEditor::save() {
    if (readOnly || document->getEncoding() == kEncodingBinary || document->getFileName().empty()) return false;
    if (document->getFileName() != L"Untitled.txt") return saveAs(document->getFileName());
    return saveWithDialog();
}

bool TextEditor::saveWithDialog() {
    const int remembered = document->getEncoding();
    const std::wstring path = chooseSaveFile(document->getFileName());
    if (path.empty()) return false;
    if (saveAs(path)) return true;
    document->setEncoding(remembered);
    return false;
}

bool TextEditor::saveAs(const std::wstring& path) {
    if (!isAbleToEncode(document->getText(), document->getEncoding())) {
        showLossWarning(false);
        return false;
    }
    if (!document->save(path)) return false;
    if (bookmarksEnabled) bookmarks.setFile(path);
    if (listener) listener->selectionChanged();
    modified = 2;
    setModified(false);
    history->setSavedPosition(history->getPosition());
    return true;
}

bool TextEditor::saveTextAs(const std::wstring& text) {
    const int remembered = document->getEncoding();
    const std::wstring path = chooseSaveFile(document->getFileName());
    const int chosen = document->getEncoding();
    // The document keeps its own encoding: only this one file is written in the chosen one.
    document->setEncoding(remembered);
    if (path.empty()) return false;
    if (!isAbleToEncode(text, chosen)) {
        showLossWarning(true);
        return false;
    }
    return writeTextFile(path, text, chosen);
}

std::wstring TextEditor::chooseSaveFile(const std::wstring& initialPath) {
    int encoding = document->getEncoding();
    const std::wstring path = saveFileChooser(*this, initialPath, encoding);
    if (!path.empty()) document->setEncoding(encoding);
    return path;
}

bool TextEditor::isAbleToEncode(const std::wstring& text, int encoding) {
    if (text.empty()) return true;
    if (encoding == kEncodingUndefined || (encoding >= kEncodingUtf16Le && encoding <= kEncodingUtf8Bom)) return true;
    const UINT codePage = (encoding == kEncodingAnsi || encoding == kEncodingBinary) ? getConversionCodePage()
                                                                                     : getCodePage(encoding);
    // The text must come back unchanged from its bytes. Counting "?" alone is not
    // enough: the system conversion maps some characters to look-alikes ("\xE9" to "e")
    // without a "?", and those would be lost as silently.
    const std::string bytes = encodeWide(codePage, text.data(), text.size());
    if (bytes.empty()) return false;
    if (static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '?')) != countQuestionMarks(text)) return false;
    return decodeBytes(codePage, bytes.data(), bytes.size()) == text;
}

void TextEditor::showLossWarning(bool) {
    if ((::GetThreadLocale() & 0x3FF) == LANG_JAPANESE) {
        showMessageW(L"選択したエンコーディングで保存すると文字情報が失われます。\n"
                     L"ユニコード形式で保存してください。",
                     m_hWnd);
    } else {
        showMessageW(L"Character information will be lost when you save in the selected encoding.\n"
                     L"Plese save the file in Unicode format.",
                     m_hWnd);
    }
}

COLORREF TextEditor::parseColor(const std::wstring& text) {
    if (text.size() < 2 || text[0] != L'#') return 0;
    uint32_t value = 0;
    for (size_t i = 1; i < text.size(); ++i) {
        const wchar_t c = static_cast<wchar_t>(std::towlower(text[i]));
        const uint32_t digit = (c >= L'a' && c <= L'z') ? static_cast<uint32_t>(c - 87) : static_cast<uint32_t>(c - 48);
        value = value * 16 + digit;
    }
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

bool TextEditor::onDropFiles(const std::vector<std::wstring>& paths) {
    stopTimer();
    mouseMode = kIdle;
    if (!acceptsDroppedFiles() || paths.size() != 1) return true;
    if (!setBackgroundImage(paths[0])) openFile(paths[0]);
    return true;
}
