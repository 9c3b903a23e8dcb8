// The word list: the learner's own words for the open audio file, kept as a "WordList"
// element that travels inside its sentence-list file. A left column edits one word (key,
// level, value, explanation), the word table holds the list, and below it a dictionary
// chooser and a table of dictionary hits. Typing in the key field looks the word up in
// the chosen dictionary once the typing pauses.
//
// The table is a working copy: "New", choosing hits and "Delete" change only the table;
// saveWords writes it back into the element, loadWords fills it from the element.
#pragma once

#include <string>
#include <vector>

#include "foundation/xml/Element.h"
#include "texteditor/editor/TextEditor.h"
#include "texteditor/editor/TextEditorListener.h"
#include "toolkit/widgets/Button.h"
#include "toolkit/widgets/ComboBox.h"
#include "toolkit/widgets/GroupBox.h"
#include "toolkit/widgets/TableComponent.h"
#include "toolkit/widgets/UpDownTextField.h"
#include "toolkit/window/Listeners.h"

class WordListPane : public GroupComponent, public ActionListener, public TextEditorListener {
public:
    // Columns of both tables; the word table leaves Pronunciation empty.
    enum Column { kLevelColumn = 0, kKeyColumn, kValueColumn, kExplanationColumn, kPronunciationColumn };
    static constexpr UINT_PTR kSearchTimer = 10;
    // The pause after the last key stroke before the word is looked up.
    static constexpr UINT kTypingPauseMs = 800;
    static constexpr int kMaxHits = 30;

    WordListPane();
    ~WordListPane() override;

    bool onCommand(WPARAM wParam, LPARAM lParam) override;
    bool onCreate() override;
    LRESULT onNotify(WPARAM wParam, LPARAM lParam) override;
    LRESULT onSize(WPARAM wParam, LPARAM lParam) override;
    bool onTimer(WPARAM wParam, LPARAM lParam) override;
    LRESULT windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    // The "New" button.
    void actionPerformed(ActionEvent event) override;
    // The key field changed: the look-up waits for a pause in the typing.
    void textUpdated() override;

    // Sets the row of the key (the row whose Key cell equals it, else a new last row);
    // answers the row, or -1 for an empty key, which adds nothing.
    int addWord(int level, const std::wstring& key, const std::wstring& value, const std::wstring& explanation);
    // Fills the word table from the element: one row per key, a later entry winning.
    void loadWords();
    // Rebuilds the element from the word table, row by row.
    void saveWords();
    void setWordListElement(const Element& element) { mWordList = element; }
    Element& getWordListElement() { return mWordList; }

    // Looks the keyword up in the chosen dictionary: as typed, else its base form, else
    // the base form + "e"; the hits fill the result table.
    virtual void search(const std::wstring& keyword);
    void startSearchTimer(UINT milliseconds);
    // Copies the table's selected rows into the editors; false when none is selected.
    bool showSelectedRow(TableComponent& table);
    // The "Delete" menu of the word table, at the mouse cursor.
    void showDeleteMenu();
    // Removes the word table's selected rows.
    void deleteSelectedWords();

    // Appends folder + "/" + name for every entry of the folder but "." and "..".
    static void listFolder(const std::wstring& folder, std::vector<std::wstring>& paths);

    TextEditor& getKeyField() { return mKeyField; }
    TextEditor& getValueEditor() { return mValueEditor; }
    TextEditor& getExplanationEditor() { return mExplanationEditor; }
    UpDownTextField& getLevelField() { return mLevelField; }
    TableComponent& getWordTable() { return mWordTable; }
    TableComponent& getResultTable() { return mResultTable; }
    ComboBox& getDictionaryChooser() { return mDictionaryChooser; }
    Button& getNewButton() { return mNewButton; }

protected:
    // Appends a row with the five cells to the table.
    static void appendRow(TableComponent& table, const std::vector<std::wstring>& cells);

private:
    void createTable(TableComponent& table);
    void fillDictionaryChooser();

    TextEditor mKeyField;
    TextEditor mValueEditor;
    TextEditor mExplanationEditor;
    UpDownTextField mLevelField;
    TableComponent mWordTable;
    TableComponent mResultTable;
    ComboBox mDictionaryChooser;
    Button mNewButton;
    Element mWordList{L"WordList"};
};
