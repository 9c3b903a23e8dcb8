#include "texteditor/find/FindAndReplacePane.h"

#include <cwctype>
#include <vector>

#include "foundation/system/StringUtils.h"
#include "texteditor/editor/TextEditor.h"

namespace {

const wchar_t kSection[] = L"FindReplacePane";
const wchar_t kCaseKey[] = L"CaseSencitive";
const wchar_t kFindTextsKey[] = L"FindTexts";
const wchar_t kReplaceTextsKey[] = L"ReplaceTexts";
constexpr DWORD kHistoryBufferLength = 2048;
constexpr int kPaneWidth = 487;
constexpr int kPaneHeight = 170;

// The whole value: a buffer that the value fills is grown, so long histories are not cut.
std::wstring readProfileString(const std::wstring& path, const wchar_t* key) {
    for (DWORD size = kHistoryBufferLength;; size *= 2) {
        std::vector<wchar_t> buffer(size, L'\0');
        const DWORD length = ::GetPrivateProfileStringW(kSection, key, L"", buffer.data(), size, path.c_str());
        if (length + 1 < size || size >= (1u << 24)) return std::wstring(buffer.data(), length);
    }
}

void addHistoryItems(FindListComboBox& history, const std::wstring& joined) {
    for (const std::wstring& piece : splitString(joined, L",")) {
        if (!piece.empty()) history.addHistory(piece, -1);
    }
}

}  // namespace

FindAndReplacePane::FindAndReplacePane() = default;

FindAndReplacePane::~FindAndReplacePane() = default;

bool FindAndReplacePane::createContents() {
    createLabel(m_hWnd, L"\u691C\u7D22\u3059\u308B\u6587\u5B57\u5217(&N):", 12, 15, 102, 18);
    findField.create(m_hWnd, 114, 12, 236, 20);
    findField.setSingleLine();
    findHistory.create(m_hWnd, 350, 12, 20, 160);
    findHistory.setStyle(findHistory.getStyle() & ~WS_TABSTOP);
    createLabel(m_hWnd, L"\u7F6E\u63DB\u3059\u308B\u6587\u5B57\u5217(&R):", 12, 39, 102, 18);
    replaceField.create(m_hWnd, 114, 36, 236, 20);
    replaceField.setSingleLine();
    replaceHistory.create(m_hWnd, 350, 36, 20, 160);
    replaceHistory.setStyle(replaceHistory.getStyle() & ~WS_TABSTOP);

    options.create(m_hWnd, L"Options", 12, 60, 359, 64);
    caseCheck.create(options.m_hWnd, L"\u5927\u6587\u5B57\u3068\u5C0F\u6587\u5B57\u3092\u533A\u5225\u3059\u308B(&C)", 8,
                     16, 170, 20);
    caseCheck.setSelected(true);
    regexCheck.create(options.m_hWnd, L"\u6B63\u898F\u8868\u73FE\u3092\u4F7F\u7528\u3059\u308B(&R)", 8, 38, 170, 20);
    regexCheck.setSelected(true);
    regexCheck.setEnabled(false);  // the search is always a regular expression
    // Wider than the label needs under standard fonts: wider fonts would cut "Backward".
    backwardRadio.create(options.m_hWnd, L"Backward", 180, 16, 96, 20);
    forwardRadio.create(options.m_hWnd, L"Forward", 180, 38, 96, 20);
    forwardRadio.setChecked(true);

    findButton.create(m_hWnd, L"Find", 382, 12, 88, 20);
    replaceButton.create(m_hWnd, L"Replace", 382, 36, 88, 20);
    replaceAllButton.create(m_hWnd, L"Replace All", 382, 60, 88, 20);
    closeButton.create(m_hWnd, L"Close", 382, 84, 88, 20);

    if (target != nullptr) {
        findField.setText(target->getSelectedText());
        findField.select(0, findField.getTextLength());
    }
    loadHistory();
    setTitle(L"Find/Replace");
    setStyle(static_cast<int>(WS_POPUP | WS_CAPTION | WS_SYSMENU));
    centreOnDesktop(kPaneWidth, kPaneHeight);
    return true;
}

void FindAndReplacePane::loadHistory() {
    if (iniPath.empty()) return;
    caseCheck.setSelected(::GetPrivateProfileIntW(kSection, kCaseKey, 1, iniPath.c_str()) != 0);
    addHistoryItems(findHistory, readProfileString(iniPath, kFindTextsKey));
    addHistoryItems(replaceHistory, readProfileString(iniPath, kReplaceTextsKey));
}

void FindAndReplacePane::saveHistory() {
    if (iniPath.empty()) return;
    ::WritePrivateProfileStringW(kSection, kCaseKey, caseCheck.isSelected() ? L"1" : L"0", iniPath.c_str());
    ::WritePrivateProfileStringW(kSection, kFindTextsKey, findHistory.joinItems().c_str(), iniPath.c_str());
    ::WritePrivateProfileStringW(kSection, kReplaceTextsKey, replaceHistory.joinItems().c_str(), iniPath.c_str());
}

FindInfo FindAndReplacePane::buildFindInfo() const {
    FindInfo info;
    if (!caseCheck.isSelected()) info.flags |= FindInfo::kIgnoreCase;
    if (regexCheck.isSelected()) info.flags |= FindInfo::kRegularExpression;
    const bool backward = backwardRadio.isChecked();
    if (backward) info.flags |= FindInfo::kBackward;
    info.pattern = findField.getTextCopy();
    if (target != nullptr) {
        const TextRange selection = target->getSelection();
        info.first = backward ? selection.end : selection.start;
        info.second = backward ? selection.start : selection.end;
    }
    return info;
}

void FindAndReplacePane::findNext(const std::wstring& text) {
    findHistory.addHistory(text, 0);
    findHistory.updateMaxItemWidth();
    FindInfo info = buildFindInfo();
    info.pattern = text;
    target->setFindHighlight(info);
    target->find(info);
}

void FindAndReplacePane::replace(bool all) {
    const std::wstring replacement = replaceField.getTextCopy();
    findHistory.addHistory(findField.getTextCopy(), 0);
    findHistory.updateMaxItemWidth();
    replaceHistory.addHistory(replacement, 0);
    replaceHistory.updateMaxItemWidth();
    const FindInfo info = buildFindInfo();
    if (all) {
        target->replaceAll(info, replacement);
    } else {
        target->replace(info, replacement);
    }
}

void FindAndReplacePane::showText(FindTextField& field, const std::wstring& text) {
    field.setText(text);
    field.select(0, field.getTextLength());
}

void FindAndReplacePane::stepHistory(FindTextField& field, FindListComboBox& history, int step) {
    const int index = history.getSelectedIndex() + step;
    const std::wstring text = history.getItemText(index);
    if (text.empty()) return;
    field.setText(text);
    history.setSelectedIndex(index);
    field.select(0, field.getTextLength());
}

bool FindAndReplacePane::onCommand(HWND control, int, int code) {
    if (target == nullptr || control == nullptr) return false;
    if (control == findButton.m_hWnd) {
        findNext(findField.getTextCopy());
    } else if (control == replaceButton.m_hWnd) {
        replace(false);
    } else if (control == replaceAllButton.m_hWnd) {
        replace(true);
    } else if (control == closeButton.m_hWnd) {
        saveHistory();
        ::SendMessageW(m_hWnd, WM_CLOSE, 0, 0);
    } else if (control == findField.m_hWnd || control == replaceField.m_hWnd) {
        const bool isFind = control == findField.m_hWnd;
        FindTextField& field = isFind ? findField : replaceField;
        FindListComboBox& history = isFind ? findHistory : replaceHistory;
        if (code == VK_RETURN) {
            if (isFind) {
                findNext(findField.getTextCopy());
            } else {
                replace(false);
            }
        } else if (code == VK_UP || code == VK_DOWN) {
            stepHistory(field, history, code == VK_UP ? -1 : 1);
        }
    } else if (control == findHistory.m_hWnd || control == replaceHistory.m_hWnd) {
        const bool isFind = control == findHistory.m_hWnd;
        FindTextField& field = isFind ? findField : replaceField;
        FindListComboBox& history = isFind ? findHistory : replaceHistory;
        if (code == CBN_CLOSEUP) {
            ::SetFocus(field.m_hWnd);
        } else if (code == CBN_SELENDOK) {
            const std::wstring text = history.getSelectedText();
            if (!text.empty()) {
                history.addHistory(text, 0);
                showText(field, text);
            }
        }
    } else {
        return false;
    }
    return true;
}

INT_PTR FindAndReplacePane::dialogProcHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_MENUCHAR) return Dialog::dialogProcHook(hwnd, msg, wParam, lParam);
    switch (::towlower(static_cast<wint_t>(LOWORD(wParam)))) {
        case L'c':
            caseCheck.setSelected(!caseCheck.isSelected());
            break;
        case L'n':
            ::SetFocus(findField.m_hWnd);
            break;
        case L'r':
            ::SetFocus(replaceField.m_hWnd);
            break;
        default:
            return FALSE;
    }
    const LRESULT result = MAKELRESULT(0, MNC_CLOSE);
    ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

bool FindAndReplacePane::onClose() {
    if (target != nullptr) target->clearFindHighlight();
    return true;
}
