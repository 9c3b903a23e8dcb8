// Look-ups in the Japanese WordNet database: English headwords with their Japanese
// translations, or Japanese headwords with their English ones, through shared synsets.
#pragma once

#include <string>
#include <vector>

#include "words/dictionary/SQLManager.h"
#include "words/dictionary/WordData.h"

class WordNetManager : public SQLManager {
public:
    // False, creating nothing, when no file is at the path.
    bool open(const std::wstring& path);
    void close();
    bool isOpen() const { return mOpen; }

    // Headwords equal to the keyword (exact) or beginning with it, each with all its
    // translations among the first maxHits rows; returns the number of headwords.
    int search(const std::wstring& keyword, bool exact, int maxHits);
    // Key and value of hit i; 0 on success, -1 for a hit out of range.
    int getHit(int i, std::wstring& key, std::wstring& value) const;

    // The statement a search runs (blanks in the keyword already written as "_").
    static std::wstring buildQuery(const std::wstring& lemma, bool exact);

private:
    std::vector<WordData> mResults;
    bool mOpen = false;
};
