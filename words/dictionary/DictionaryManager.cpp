#include "words/dictionary/DictionaryManager.h"

#include "words/dictionary/WordNormalizer.h"
#include "words/pdic/PDicReader.h"

DictionaryManager::DictionaryManager() : mReader(std::make_unique<CPDicReader>()) {}

DictionaryManager::~DictionaryManager() = default;

bool DictionaryManager::open(const std::wstring& path) {
    mReader->close();
    mWordNet.close();
    if (path.find(L"wnjpn.db") != std::wstring::npos) return mWordNet.open(path);
    return mReader->open(path) == 0;
}

int DictionaryManager::search(const std::wstring& keyword, bool exact, int maxHits, int& more) {
    if (mWordNet.isOpen()) return mWordNet.search(keyword, exact, maxHits);
    if (mReader->isOpen()) return mReader->search(keyword, exact, maxHits, more);
    return 0;
}

int DictionaryManager::getHit(int i, std::wstring& key, std::wstring& value, std::wstring& explanation,
                              std::wstring& pronunciation, int& level) {
    if (mWordNet.isOpen()) return mWordNet.getHit(i, key, value);
    PDicHitTexts texts;
    // The word list's buffers: headword, body, example and pronunciation.
    const PDicTextLimits limits{1024, 3000, 20000, 1000};
    if (mReader->getHit(i, texts, limits) != 0) return -1;
    key = texts.headword;
    value = texts.body;
    explanation = texts.example;
    pronunciation = texts.pronunciation;
    level = texts.level;
    return 0;
}

std::wstring DictionaryManager::normalize(const std::wstring& word) { return WordNormalizer().normalize(word); }
