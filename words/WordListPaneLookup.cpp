// Looking the key field's word up in the dictionary chosen in the pane.
#include "words/WordListPane.h"

void WordListPane::search(const std::wstring& keyword) {
    if (keyword.empty() || mDictionaryChooser.getSelectedIndex() <= 0 || mResultTable.isUpdating()) return;
    mResultTable.deleteAllItems();
}
