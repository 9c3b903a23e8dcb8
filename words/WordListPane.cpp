// The word list pane: its controls, their layout, and the words between the table and
// the "WordList" element.
#include "words/WordListPane.h"

#include "words/WordElement.h"

namespace {

struct ColumnSpec {
    const wchar_t* header;
    int width;
};
constexpr ColumnSpec kColumns[] = {
    {L"LV", 20}, {L"Key", 110}, {L"Value", 110}, {L"Explanation", 75}, {L"Pronunciation", 75},
};

// The left column and the first row.
constexpr int kLeft = 4;
constexpr int kColumnWidth = 210;
constexpr int kTop = 8;
constexpr int kRowHeight = 18;
constexpr int kValueTop = 30;
constexpr int kValueHeight = 120;
constexpr int kExplanationTop = 152;
// The right side: the word table above, the chooser and the hits below it.
constexpr int kRightX = 214;
constexpr int kChooserHeight = 20;
constexpr int kLevelMaximum = 30;

}  // namespace

WordListPane::WordListPane() = default;

WordListPane::~WordListPane() { destroy(); }

void WordListPane::createTable(TableComponent& table) {
    table.createWithDefaultBounds(m_hWnd);
    for (const ColumnSpec& column : kColumns) table.addColumn(column.header, column.width);
}

bool WordListPane::onCreate() {
    setText(L"Word List");
    mKeyField.createWithDefaultBounds(m_hWnd);
    mKeyField.setSingleLine();
    mKeyField.setListener(this);
    mLevelField.create(m_hWnd, 0, 0, 32, kRowHeight);
    mLevelField.setRange(0, kLevelMaximum);
    mLevelField.adjustSize();
    mNewButton.create(m_hWnd, L"New", 0, 0, 36, kRowHeight);
    mNewButton.setActionListener(this);
    for (TextEditor* editor : {&mValueEditor, &mExplanationEditor}) {
        editor->createWithDefaultBounds(m_hWnd);
        editor->setBorderVisible(true);
    }
    mDictionaryChooser.create(m_hWnd, 0, 0, 200, 300);
    mDictionaryChooser.setToolTip(L"Choose a PDIC or WordNet dictionary as a word search engine.\r\n", 500);
    createTable(mWordTable);
    createTable(mResultTable);
    loadWords();
    fillDictionaryChooser();
    return true;
}

void WordListPane::fillDictionaryChooser() {
    std::vector<std::wstring> paths;
    listFolder(L"Dictionaries/PDIC", paths);
    listFolder(L"Dictionaries/WordNet", paths);
    mDictionaryChooser.removeAllItems();
    mDictionaryChooser.insertItem(paths.empty() ? L"No dictionary" : L"Choose a dictionary");
    for (const std::wstring& path : paths) mDictionaryChooser.insertItem(path);
    mDictionaryChooser.setSelectedIndex(paths.empty() ? 0 : 1);
}

LRESULT WordListPane::onSize(WPARAM, LPARAM lParam) {
    const int width = LOWORD(lParam);
    const int height = HIWORD(lParam);
    const int buttonX = kColumnWidth - mNewButton.getWidth();
    mNewButton.setLocation(buttonX, kTop);
    const int levelWidth = mLevelField.getWidth();
    mLevelField.setLocation(buttonX - levelWidth - 6, kTop);
    mKeyField.setBounds(kLeft, kTop, kColumnWidth - mNewButton.getWidth() - 8 - levelWidth - 2, kRowHeight);
    mValueEditor.setBounds(kLeft, kValueTop, kColumnWidth, kValueHeight);
    mExplanationEditor.setBounds(kLeft, kExplanationTop, kColumnWidth, height - kExplanationTop);

    const int rightWidth = width - kRightX;
    const int half = height / 2;
    mWordTable.setBounds(kRightX, 0, rightWidth, half);
    mDictionaryChooser.setLocation(kRightX, half);
    mResultTable.setBounds(kRightX, half + kChooserHeight, rightWidth, height - (half + kChooserHeight));
    return 0;
}

void WordListPane::appendRow(TableComponent& table, const std::vector<std::wstring>& cells) {
    const int row = table.insertItem(cells.empty() ? std::wstring() : cells[0], table.getItemCount());
    for (size_t column = 1; column < cells.size(); ++column) {
        table.setItemText(cells[column], row, static_cast<int>(column));
    }
}

int WordListPane::addWord(int level, const std::wstring& key, const std::wstring& value,
                          const std::wstring& explanation) {
    if (key.empty()) return -1;
    int row = mWordTable.findRow(key, kKeyColumn, false);
    if (row < 0) row = mWordTable.insertItem(L"", mWordTable.getItemCount());
    mWordTable.setItemText(std::to_wstring(level), row, kLevelColumn);
    mWordTable.setItemText(key, row, kKeyColumn);
    mWordTable.setItemText(value, row, kValueColumn);
    mWordTable.setItemText(explanation, row, kExplanationColumn);
    return row;
}

void WordListPane::loadWords() {
    mWordTable.deleteAllItems();
    std::vector<Element*> words;
    mWordList.getElementsByTagName(L"Word", words);
    for (const Element* word : words) {
        addWord(readWordLevel(*word), readWordKey(*word), readWordValue(*word), readWordExplanation(*word));
    }
}

void WordListPane::saveWords() {
    mWordList.clear();
    mWordList.setTagName(L"WordList");
    const int count = mWordTable.getItemCount();
    for (int row = 0; row < count; ++row) {
        Element* word = createWordElement(mWordTable.getItemTextW(row, kKeyColumn),
                                          mWordTable.getItemTextW(row, kValueColumn),
                                          mWordTable.getItemTextW(row, kExplanationColumn));
        word->setAttribute(L"level", mWordTable.getItemTextW(row, kLevelColumn));
        mWordList.appendChild(word);
    }
}

void WordListPane::listFolder(const std::wstring& folder, std::vector<std::wstring>& paths) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((folder + L"\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") paths.push_back(folder + L"/" + name);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}
