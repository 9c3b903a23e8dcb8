// The modeless "Word List" dialog that holds the word list pane. The main window keeps
// one for its whole life; OK writes the table back into the word-list element, Cancel
// leaves the element as it was.
#pragma once

#include <functional>
#include <utility>

#include "toolkit/window/Dialog.h"
#include "words/WordListPane.h"

class WordListDialog : public Dialog {
public:
    WordListDialog();
    ~WordListDialog() override;

    bool createContents() override;
    bool onOk() override;
    void onSize(WPARAM wParam, LPARAM lParam) override;

    void setWordListElement(const Element& element) { mPane.setWordListElement(element); }
    Element& getWordListElement() { return mPane.getWordListElement(); }
    void loadWords() { mPane.loadWords(); }
    WordListPane& getPane() { return mPane; }
    // Run when OK changed the element: the owner's file then has words to save.
    void setWordsChangedAction(std::function<void()> action) { mWordsChanged = std::move(action); }

private:
    WordListPane mPane;
    std::function<void()> mWordsChanged;
};
