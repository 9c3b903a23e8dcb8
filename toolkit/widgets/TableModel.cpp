#include "toolkit/widgets/TableModel.h"

#include <algorithm>

void TableModel::addTableModelListener(TableModelListener* listener) {
    if (listener && std::find(mListeners.begin(), mListeners.end(), listener) == mListeners.end()) {
        mListeners.push_back(listener);
    }
}

void TableModel::removeTableModelListener(TableModelListener* listener) {
    mListeners.erase(std::remove(mListeners.begin(), mListeners.end(), listener), mListeners.end());
}

void TableModel::fireTableChanged(const TableModelEvent& event) {
    // By index: a listener may add another one while it is called.
    for (size_t i = 0; i < mListeners.size(); ++i) mListeners[i]->tableChanged(event);
}
