// A guess at the dictionary form of an inflected English word by fixed suffix rules,
// with no word list behind them ("studies" -> "study", "stopped" -> "stop").
#pragma once

#include <string>

class WordNormalizer {
public:
    // The base-form guess; words of three units or fewer come back unchanged.
    std::wstring normalize(const std::wstring& word);

private:
    std::wstring normalizeEnding(const std::wstring& word) const;
    std::wstring normalizePlural(const std::wstring& word) const;

    std::wstring mSpare;
    std::wstring mStem;  // the word without its last three units
    std::wstring mTail;  // the last three units
    wchar_t mLast = 0;   // the last unit of the stem
    bool mLyRule = true;
    bool mEstRule = true;
    bool mIngRule = true;
    bool mErRule = true;
};
