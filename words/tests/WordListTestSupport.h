// A word list pane in a top-level frame of the tests' own, which records the look-ups
// the pane starts instead of (or besides) running them.
#pragma once

#include <string>
#include <vector>

#include "toolkit/window/BaseWindow.h"
#include "words/WordListPane.h"

class RecordingPane : public WordListPane {
public:
    void search(const std::wstring& keyword) override {
        searches.push_back(keyword);
        if (runSearch) WordListPane::search(keyword);
    }
    std::vector<std::wstring> searches;
    bool runSearch = false;
};

class PaneFrame : public BaseWindow {
public:
    PaneFrame();
    ~PaneFrame() override;
    LRESULT onSize(WPARAM wParam, LPARAM lParam) override;

    RecordingPane pane;
};

// The cells of every row of a table, row by row.
std::vector<std::vector<std::wstring>> tableCells(TableComponent& table);
// Types the text into the editor one character at a time, as the keyboard does.
void typeInto(TextEditor& editor, const std::wstring& text);
