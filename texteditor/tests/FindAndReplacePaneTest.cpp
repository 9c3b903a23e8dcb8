#include <gtest/gtest.h>

#include <fstream>

#include "testsupport/TestWindows.h"
#include "texteditor/find/FindAndReplacePane.h"
#include "texteditor/tests/EditorTestSupport.h"
#include "toolkit/window/PopupMenu.h"

namespace {

std::wstring readIni(const std::wstring& path, const wchar_t* key) {
    wchar_t buffer[4096] = {};
    ::GetPrivateProfileStringW(L"FindReplacePane", key, L"<none>", buffer, 4096, path.c_str());
    return buffer;
}

// The sentence view of a frame, and the pane opened over it as the main window opens it.
struct PaneFixture {
    explicit PaneFixture(const std::wstring& iniPath = L"") : ini(iniPath) {}
    void open(const std::wstring& text = L"Cat and cat and CAT\r\nthe cat sat") {
        editor.editor.setText(text);
        editor.editor.select(0, 0);
        pane.setIniPath(ini);
        pane.setTextEditor(&editor.editor);
        ASSERT_TRUE(showModelessDialog(editor.frame.m_hWnd, pane));
    }
    ~PaneFixture() {
        if (pane.m_hWnd) ::DestroyWindow(pane.m_hWnd);
    }
    void click(Button& button) {
        ::SendMessageW(pane.m_hWnd, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button.m_hWnd));
    }
    void key(TextEditor& field, WPARAM virtualKey) { ::SendMessageW(field.m_hWnd, WM_KEYDOWN, virtualKey, 0); }
    void type(TextEditor& field, const std::wstring& text) { field.setText(text); }
    TextRange selection() const { return editor.editor.getSelection(); }

    std::wstring ini;
    EditorFixture editor;
    FindAndReplacePane pane;
};

int chooseClearHistory(PopupMenu&, HWND) { return FindListComboBox::kClearHistory; }

}  // namespace

TEST(FindAndReplacePane, OpensWithTheSelectionAsSearchTextAndTheDefaultOptions) {
    PaneFixture f;
    f.editor.editor.setText(L"pick this word");
    f.editor.editor.select(5, 9);
    f.pane.setTextEditor(&f.editor.editor);
    ASSERT_TRUE(showModelessDialog(f.editor.frame.m_hWnd, f.pane));
    EXPECT_EQ(f.pane.getFindField().getTextCopy(), L"this");
    EXPECT_EQ(f.pane.getFindField().getSelection(), TextRange(0, 4));
    EXPECT_TRUE(f.pane.getCaseCheckBox().isSelected());
    EXPECT_TRUE(f.pane.getRegexCheckBox().isSelected());
    EXPECT_FALSE(f.pane.getRegexCheckBox().isEnabled());
    EXPECT_TRUE(f.pane.getForwardButton().isChecked());
    EXPECT_FALSE(f.pane.getBackwardButton().isChecked());
    wchar_t title[64] = {};
    ::GetWindowTextW(f.pane.m_hWnd, title, 64);
    EXPECT_STREQ(title, L"Find/Replace");
}

TEST(FindAndReplacePane, FindMarksEveryOccurrenceAndCloseClearsTheMarks) {
    PaneFixture f;
    f.open();
    f.type(f.pane.getFindField(), L"cat");
    f.click(f.pane.getFindButton());
    EXPECT_EQ(f.selection(), TextRange(8, 11));
    EXPECT_EQ(f.editor.editor.getFindHighlight().pattern, L"cat");
    f.key(f.pane.getFindField(), VK_RETURN);  // Enter in the find field finds again
    EXPECT_EQ(f.selection(), TextRange(25, 28));
    EXPECT_EQ(f.pane.getFindHistory().joinItems(), L"cat");

    ::SendMessageW(f.pane.m_hWnd, WM_MENUCHAR, 'c', 0);  // Alt+C: case off
    EXPECT_FALSE(f.pane.getCaseCheckBox().isSelected());
    f.editor.editor.select(0, 0);
    f.click(f.pane.getFindButton());
    EXPECT_EQ(f.selection(), TextRange(0, 3));
    EXPECT_NE(f.editor.editor.getFindHighlight().flags & FindInfo::kIgnoreCase, 0u);

    ::SendMessageW(f.pane.m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(f.pane.m_hWnd, nullptr);
    EXPECT_TRUE(f.editor.editor.getFindHighlight().pattern.empty());
}

TEST(FindAndReplacePane, BackwardReplaceAndReplaceAll) {
    PaneFixture f;
    f.open(L"one two one two");
    f.pane.getBackwardButton().setChecked(true);
    f.pane.getForwardButton().setChecked(false);
    f.editor.editor.select(15, 15);
    f.type(f.pane.getFindField(), L"one");
    f.type(f.pane.getReplaceField(), L"1");
    f.click(f.pane.getReplaceButton());
    EXPECT_EQ(f.selection(), TextRange(8, 11));
    f.key(f.pane.getReplaceField(), VK_RETURN);
    EXPECT_EQ(f.editor.text(), L"one two 1 two");
    EXPECT_EQ(f.selection(), TextRange(0, 3));

    f.type(f.pane.getFindField(), L"(\\w+) two");
    f.type(f.pane.getReplaceField(), L"$1\\t2");
    f.click(f.pane.getReplaceAllButton());
    EXPECT_EQ(f.editor.text(), L"one\t2 1\t2");
    EXPECT_TRUE(f.editor.editor.undo());
    EXPECT_EQ(f.editor.text(), L"one two 1 two");
    EXPECT_EQ(f.pane.getReplaceHistory().joinItems(), L"$1\\t2,1");
}

TEST(FindAndReplacePane, HistoryKeepsTenDistinctTextsNewestFirst) {
    PaneFixture f;
    f.open();
    FindListComboBox& history = f.pane.getFindHistory();
    for (int i = 1; i <= 11; ++i) history.addHistory(L"text" + std::to_wstring(i), 0);
    EXPECT_EQ(history.getItemCount(), 10);
    EXPECT_EQ(history.getItemText(0), L"text11");
    EXPECT_EQ(history.getItemText(9), L"text2") << "the eleventh pushes the oldest out";
    history.addHistory(L"TEXT5", 0);
    EXPECT_EQ(history.getItemCount(), 10);
    EXPECT_EQ(history.getItemText(0), L"TEXT5");
    EXPECT_EQ(history.joinItems().find(L"text5"), std::wstring::npos) << "the look-up ignores case";
    for (const wchar_t* refused : {L"", L"a\tb", L"a\r\nb"}) history.addHistory(refused, 0);
    EXPECT_EQ(history.getItemText(0), L"TEXT5");
    EXPECT_EQ(history.getItemText(10), L"");
    EXPECT_EQ(history.getItemText(-1), L"");
}

TEST(FindAndReplacePane, UpAndDownStepThroughTheHistory) {
    PaneFixture f;
    f.open();
    FindListComboBox& history = f.pane.getFindHistory();
    history.addHistory(L"older", 0);
    history.addHistory(L"newer", 0);
    history.setSelectedIndex(-1);
    f.type(f.pane.getFindField(), L"typed");
    f.key(f.pane.getFindField(), VK_UP);
    EXPECT_EQ(f.pane.getFindField().getTextCopy(), L"typed") << "no selection: Up finds no entry";
    f.key(f.pane.getFindField(), VK_DOWN);
    EXPECT_EQ(f.pane.getFindField().getTextCopy(), L"newer");
    f.key(f.pane.getFindField(), VK_DOWN);
    EXPECT_EQ(f.pane.getFindField().getTextCopy(), L"older");
    EXPECT_EQ(f.pane.getFindField().getSelection(), TextRange(0, 5));
    f.key(f.pane.getFindField(), VK_DOWN);
    EXPECT_EQ(f.pane.getFindField().getTextCopy(), L"older") << "past the end nothing changes";
    f.key(f.pane.getFindField(), VK_UP);
    EXPECT_EQ(f.pane.getFindField().getTextCopy(), L"newer");
}

TEST(FindAndReplacePane, HistoryIsReadFromAndWrittenToTheSettingsFile) {
    TempDirectory folder;
    const std::wstring ini = folder.file(L"player.ini");
    std::ofstream(ini.c_str()) << "[FindReplacePane]\nCaseSencitive=0\nFindTexts=alpha,,beta\nReplaceTexts=gamma\n";
    {
        PaneFixture f(ini);
        f.open();
        EXPECT_FALSE(f.pane.getCaseCheckBox().isSelected());
        EXPECT_EQ(f.pane.getFindHistory().joinItems(), L"alpha,beta");
        EXPECT_EQ(f.pane.getReplaceHistory().joinItems(), L"gamma");
        f.pane.getFindHistory().addHistory(L"one,two", 0);
        f.type(f.pane.getFindField(), L"sat");
        f.click(f.pane.getFindButton());
        f.click(f.pane.getCloseButton());
        EXPECT_EQ(f.pane.m_hWnd, nullptr);
    }
    EXPECT_EQ(readIni(ini, L"CaseSencitive"), L"0");
    EXPECT_EQ(readIni(ini, L"FindTexts"), L"sat,one,two,alpha,beta");
    PaneFixture again(ini);
    again.open();
    EXPECT_EQ(again.pane.getFindHistory().getItemCount(), 5) << "a text with a comma comes back as two";
}

TEST(FindAndReplacePane, ClearHistoryEmptiesTheList) {
    TempDirectory folder;
    const std::wstring ini = folder.file(L"player.ini");
    PaneFixture f(ini);
    f.open();
    f.pane.getReplaceHistory().addHistory(L"kept", 0);
    f.pane.getFindHistory().addHistory(L"gone", 0);
    FindListComboBox::setMenuRunner(chooseClearHistory);
    ::SendMessageW(f.pane.getFindHistory().m_hWnd, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    FindListComboBox::setMenuRunner(nullptr);
    EXPECT_EQ(f.pane.getFindHistory().getItemCount(), 0);
    EXPECT_EQ(f.pane.getFindHistory().getMaxItemWidth(), 0);
    f.click(f.pane.getCloseButton());
    EXPECT_EQ(readIni(ini, L"FindTexts"), L"");
    EXPECT_EQ(readIni(ini, L"ReplaceTexts"), L"kept");
}

TEST(FindAndReplacePane, MnemonicsMoveTheFocusToTheFields) {
    PaneFixture f;
    f.open();
    ::SetActiveWindow(f.pane.m_hWnd);
    const LRESULT result = ::SendMessageW(f.pane.m_hWnd, WM_MENUCHAR, 'r', 0);
    EXPECT_EQ(HIWORD(result), MNC_CLOSE);
    EXPECT_EQ(::GetFocus(), f.pane.getReplaceField().m_hWnd);
    ::SendMessageW(f.pane.m_hWnd, WM_MENUCHAR, 'n', 0);
    EXPECT_EQ(::GetFocus(), f.pane.getFindField().m_hWnd);
    ::SendMessageW(f.pane.m_hWnd, WM_MENUCHAR, 'z', 0);
    EXPECT_EQ(::GetFocus(), f.pane.getFindField().m_hWnd);
    EXPECT_TRUE(f.pane.getCaseCheckBox().isSelected());
}

TEST(FindAndReplacePane, WithoutATargetTheButtonsDoNothing) {
    EditorFixture owner;
    FindAndReplacePane pane;
    ASSERT_TRUE(showModelessDialog(owner.frame.m_hWnd, pane));
    pane.getFindField().setText(L"x");
    ::SendMessageW(pane.m_hWnd, WM_COMMAND, 0, reinterpret_cast<LPARAM>(pane.getFindButton().m_hWnd));
    ::SendMessageW(pane.m_hWnd, WM_COMMAND, 0, reinterpret_cast<LPARAM>(pane.getReplaceAllButton().m_hWnd));
    EXPECT_EQ(pane.getFindHistory().getItemCount(), 0);
    ::DestroyWindow(pane.m_hWnd);
}

TEST(FindAndReplacePane, AnEntryChosenFromTheListMovesToTopAndFillsTheField) {
    PaneFixture f;
    f.open();
    FindListComboBox& history = f.pane.getReplaceHistory();
    for (const wchar_t* text : {L"third", L"second", L"first"}) history.addHistory(text, 0);
    history.setSelectedIndex(2);
    ::SendMessageW(f.pane.m_hWnd, WM_COMMAND, MAKEWPARAM(0, CBN_SELENDOK), reinterpret_cast<LPARAM>(history.m_hWnd));
    EXPECT_EQ(f.pane.getReplaceField().getTextCopy(), L"third");
    EXPECT_EQ(f.pane.getReplaceField().getSelection(), TextRange(0, 5));
    EXPECT_EQ(history.joinItems(), L"third,first,second");
    ::SendMessageW(f.pane.m_hWnd, WM_COMMAND, MAKEWPARAM(0, CBN_CLOSEUP), reinterpret_cast<LPARAM>(history.m_hWnd));
    EXPECT_EQ(::GetFocus(), f.pane.getReplaceField().m_hWnd);
}

TEST(FindAndReplacePane, TheHistoryListOpensUnderItsField) {
    PaneFixture f;
    f.open();
    FindListComboBox& history = f.pane.getFindHistory();
    const HWND list = history.getDropDownList();
    ASSERT_NE(list, nullptr);
    RECT combo{};
    RECT placed{};
    ::GetWindowRect(history.m_hWnd, &combo);
    // Where the control drops its list: under the button, as narrow as the button.
    ::SetWindowPos(list, nullptr, combo.left, combo.bottom, 20, 100, SWP_NOZORDER | SWP_NOACTIVATE);
    history.fitDropDownWidth(list);
    ::GetWindowRect(list, &placed);
    EXPECT_EQ(placed.left, combo.left - 256 + 20);
    EXPECT_GE(placed.right - placed.left, 256);
}
