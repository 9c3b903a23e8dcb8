// The modeless "Find/Replace" window: searches and replaces with regular expressions in
// one target editor, marks every occurrence there while open, and keeps the last ten
// search and replacement texts in section "FindReplacePane" of the settings file.
#pragma once

#include <string>

#include "texteditor/editor/FindInfo.h"
#include "texteditor/find/FindListComboBox.h"
#include "texteditor/find/FindTextField.h"
#include "toolkit/widgets/Button.h"
#include "toolkit/widgets/CheckBox.h"
#include "toolkit/widgets/GroupBox.h"
#include "toolkit/widgets/RadioButton.h"
#include "toolkit/window/Dialog.h"

class TextEditor;

class FindAndReplacePane : public Dialog {
public:
    using FindTextField = ::FindTextField;
    using FindListComboBox = ::FindListComboBox;

    FindAndReplacePane();
    ~FindAndReplacePane() override;

    // The settings file; empty: the history is neither read nor written.
    void setIniPath(const std::wstring& path) { iniPath = path; }
    // The editor searched; without one the buttons and keys do nothing.
    void setTextEditor(TextEditor* editor) { target = editor; }

    bool createContents() override;
    bool onCommand(HWND control, int id, int code) override;
    INT_PTR dialogProcHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool onClose() override;

    // The request the options and the target's selection make now.
    FindInfo buildFindInfo() const;

    FindTextField& getFindField() { return findField; }
    FindTextField& getReplaceField() { return replaceField; }
    FindListComboBox& getFindHistory() { return findHistory; }
    FindListComboBox& getReplaceHistory() { return replaceHistory; }
    CheckBox& getCaseCheckBox() { return caseCheck; }
    CheckBox& getRegexCheckBox() { return regexCheck; }
    RadioButton& getBackwardButton() { return backwardRadio; }
    RadioButton& getForwardButton() { return forwardRadio; }
    Button& getFindButton() { return findButton; }
    Button& getReplaceButton() { return replaceButton; }
    Button& getReplaceAllButton() { return replaceAllButton; }
    Button& getCloseButton() { return closeButton; }

private:
    void loadHistory();
    void saveHistory();
    void findNext(const std::wstring& text);
    void replace(bool all);
    // Up (-1) or Down (+1) in a field: the neighbouring history entry becomes its text.
    void stepHistory(FindTextField& field, FindListComboBox& history, int step);
    static void showText(FindTextField& field, const std::wstring& text);

    TextEditor* target = nullptr;
    std::wstring iniPath;
    FindTextField findField;
    FindTextField replaceField;
    FindListComboBox findHistory;
    FindListComboBox replaceHistory;
    GroupBox options;
    CheckBox caseCheck;
    CheckBox regexCheck;
    RadioButton backwardRadio;
    RadioButton forwardRadio;
    Button findButton;
    Button replaceButton;
    Button replaceAllButton;
    Button closeButton;
};
