// The one front through which the word list looks words up: a path containing
// "wnjpn.db" is the Japanese WordNet database, any other path a PDIC dictionary. Also
// guesses base forms of inflected English words. Built per look-up; not copied.
#pragma once

#include <memory>
#include <string>

#include "words/dictionary/WordNetManager.h"

class CPDicReader;

class DictionaryManager {
public:
    DictionaryManager();
    ~DictionaryManager();
    DictionaryManager(const DictionaryManager&) = delete;
    DictionaryManager& operator=(const DictionaryManager&) = delete;

    // Closes whatever is open, then opens the dictionary at the path; true on success.
    bool open(const std::wstring& path);
    // Headwords equal to the keyword (exact) or beginning with it, at most maxHits; more
    // becomes 1 when a PDIC search stopped at the limit (WordNet leaves it alone).
    // Returns the number of hits; 0 when nothing is open.
    int search(const std::wstring& keyword, bool exact, int maxHits, int& more);
    // Hit i (0..n-1 of the last search); 0 on success, non-zero otherwise.
    int getHit(int i, std::wstring& key, std::wstring& value, std::wstring& explanation,
               std::wstring& pronunciation, int& level);
    // A guess at the dictionary form ("studies" -> "study").
    static std::wstring normalize(const std::wstring& word);

private:
    std::unique_ptr<CPDicReader> mReader;
    WordNetManager mWordNet;
};
