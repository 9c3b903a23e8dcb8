// The sentence table: one row per sentence group, with its times, texts and study marks.
#pragma once

#include "player/lyrics/BaseLyricsTable.h"

class LyricsTable : public BaseLyricsTable {
public:
    enum Column {
        kCheckColumn = 0,
        kStartColumn = 1,
        kEndColumn = 2,
        kSentenceColumn = 3,
        kTranslationColumn = 4,
        kExplanationColumn = 5,
        kTrialColumn = 6,
        kDictationColumn = 7,
        kWritingColumn = 8,
    };

    LyricsTable();
    ~LyricsTable() override;

    // The table's own creation, then its nine columns, the sentences numbered.
    bool onCreate() override;
};
