#include "player/lyrics/BaseLyricsTable.h"

BaseLyricsTable::BaseLyricsTable() = default;
BaseLyricsTable::~BaseLyricsTable() = default;

void BaseLyricsTable::deleteAllItems() {
    TableComponent::deleteAllItems();
    mParser.setRootElement(nullptr);
    mSentenceData.clear();
}
