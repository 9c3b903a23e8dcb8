#include "player/lyrics/LyricsTable.h"

namespace {

struct ColumnSpec {
    const wchar_t* header;
    int width;
};

// The study-mark columns start hidden (width 0).
const ColumnSpec kColumns[] = {
    {L"Check", 0},       {L"Start", 48},   {L"End", 48},        {L"Sentence", 130}, {L"Translation", 300},
    {L"Explanation", 300}, {L"Trial", 0}, {L"Dictation", 0}, {L"Writing", 0},
};

}  // namespace

LyricsTable::LyricsTable() = default;
LyricsTable::~LyricsTable() = default;

bool LyricsTable::onCreate() {
    if (!BaseLyricsTable::onCreate()) return false;
    for (const ColumnSpec& column : kColumns) addColumn(column.header, column.width);
    setColumnNumbered(true, kSentenceColumn);
    return true;
}
