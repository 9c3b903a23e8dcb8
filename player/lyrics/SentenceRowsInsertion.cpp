// Inserting a row with its sentence, in the table and in the view at the same index.
#include "player/lyrics/LyricsTable.h"
#include "player/lyrics/LyricsTextEditor.h"
#include "player/lyrics/SentenceRows.h"
#include "player/lyrics/TimeText.h"

int SentenceRows::insertSentenceRow(int row, const std::wstring& sentence) {
    const int count = mTable.getItemCount();
    if (row < 0 || row > count) row = count;
    mEditor.insertSentence(row, 0, sentence);
    mTable.insertItem(L"", row);
    setStartCell(row, 0);
    setEndCell(row, kUnsetTime);
    setSentence(row, sentence);
    return row;
}
