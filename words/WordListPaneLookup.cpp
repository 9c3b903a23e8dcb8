// Looking the key field's word up in the dictionary chosen in the pane.
#include "words/WordListPane.h"

#include "words/dictionary/DictionaryManager.h"

void WordListPane::search(const std::wstring& keyword) {
    const int chosen = mDictionaryChooser.getSelectedIndex();
    // Entry 0 is "Choose a dictionary" or "No dictionary".
    if (keyword.empty() || chosen <= 0 || mResultTable.isUpdating()) return;
    mResultTable.deleteAllItems();
    // Opened for this look-up only: nothing of a dictionary stays open between look-ups.
    DictionaryManager dictionary;
    if (!dictionary.open(mDictionaryChooser.getItemText(chosen))) return;
    int more = 0;
    int count = dictionary.search(keyword, false, kMaxHits, more);
    if (count == 0) {
        // An inflected word: its guessed base form, then that with an "e" ("making" gives
        // "mak", then "make").
        const std::wstring base = DictionaryManager::normalize(keyword);
        count = dictionary.search(base, false, kMaxHits, more);
        if (count == 0) count = dictionary.search(base + L"e", false, kMaxHits, more);
    }
    for (int i = 0; i < count; ++i) {
        std::wstring key;
        std::wstring value;
        std::wstring explanation;
        std::wstring pronunciation;
        int level = 0;
        if (dictionary.getHit(i, key, value, explanation, pronunciation, level) != 0) break;
        appendRow(mResultTable, {std::to_wstring(level), key, value, explanation, pronunciation});
    }
}
