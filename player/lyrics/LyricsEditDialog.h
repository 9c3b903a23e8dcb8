// The sentence editor: a modal dialog with one text editor in which the learner edits a
// row's sentence, or types the sentence of a new row. The texts travel in a property
// element ("Sentence", "Translation", "Explanation"); OK writes the edited sentence back
// into it.
#pragma once

#include <string>

#include "foundation/xml/Element.h"
#include "texteditor/editor/TextEditor.h"
#include "toolkit/window/Dialog.h"

class LyricsEditDialog : public Dialog {
public:
    LyricsEditDialog();
    ~LyricsEditDialog() override;

    bool createContents() override;
    bool onOk() override;
    void onSize(WPARAM wParam, LPARAM lParam) override;

    Element& getElement() { return mProperties; }
    // Editing a row (true, "Sentence Editor") or adding one (false, "Sentence Inserter").
    void setEditMode(bool editMode) { mEditMode = editMode; }
    bool isEditMode() const { return mEditMode; }
    // The sentence as it stood when OK was pressed.
    const std::wstring& getSentence() const { return mSentence; }
    TextEditor& getSentenceEditor() { return mEditor; }

private:
    TextEditor mEditor;
    Element mProperties{L"Properties"};
    std::wstring mSentence;
    bool mEditMode = false;
};
