// A table of sentence groups with the parsed sentence-list document it was filled from.
#pragma once

#include <cstdint>
#include <vector>

#include "foundation/xml/XMLParser.h"
#include "toolkit/widgets/TableComponent.h"

class BaseLyricsTable : public TableComponent {
public:
    struct SentenceData {
        uint32_t startTime;
        uint32_t position;
    };

    BaseLyricsTable();
    ~BaseLyricsTable() override;

    // Removes every row, the parsed document and the items.
    void deleteAllItems() override;

    XMLParser& getParser() { return mParser; }
    std::vector<SentenceData>& getSentenceData() { return mSentenceData; }

protected:
    XMLParser mParser;
    std::vector<SentenceData> mSentenceData;
};
