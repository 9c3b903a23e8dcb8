#include "words/dictionary/WordNetManager.h"

#include <algorithm>

#include "foundation/system/PathUtils.h"
#include "words/dictionary/SQLResultTable.h"

namespace {

// Both directions join a word with the words of the other language that share a synset;
// column 1 is the searched lemma, column 2 the translation.
const wchar_t kEnglishToJapanese[] =
    L"SELECT DISTINCT word_en.wordid, word_en.lemma, word_ja.lemma FROM sense sense_A, sense sense_B, "
    L"word word_en, word word_ja WHERE word_en.wordid = sense_A.wordid and sense_A.lang = 'eng' and "
    L"sense_B.lang = 'jpn' and sense_A.synset = sense_B.synset and sense_B.wordid = word_ja.wordid ";
const wchar_t kJapaneseToEnglish[] =
    L"SELECT DISTINCT word_en.wordid, word_en.lemma, word_ja.lemma FROM sense sense_A, sense sense_B, "
    L"word word_en, word word_ja WHERE word_en.wordid = sense_A.wordid and sense_A.lang = 'jpn' and "
    L"sense_B.lang = 'eng' and sense_A.synset = sense_B.synset and sense_B.wordid = word_ja.wordid ";

// Japanese input (any character above the ideographic space) looks up English words.
bool isJapaneseKeyword(const std::wstring& text) {
    return std::any_of(text.begin(), text.end(), [](wchar_t c) { return c > 0x3000; });
}

void closeEntry(std::vector<WordData>& results, std::wstring key, std::wstring values) {
    WordData entry;
    std::replace(key.begin(), key.end(), L'_', L' ');
    entry.key = key;
    if (values.size() >= 2) values.resize(values.size() - 2);  // the last ", "
    entry.value = values;
    results.push_back(entry);
}

}  // namespace

bool WordNetManager::open(const std::wstring& path) {
    close();
    if (!fileExists(path)) return false;
    mOpen = SQLManager::open(path);
    // A look-up opens the database afresh each time: reading it through a mapping rather
    // than a read call per page makes that several times faster. Only a setting of this
    // connection; the file is not changed.
    if (mOpen) exec(L"PRAGMA mmap_size=268435456", nullptr, nullptr);
    return mOpen;
}

void WordNetManager::close() {
    SQLManager::close();
    mOpen = false;
}

std::wstring WordNetManager::buildQuery(const std::wstring& lemma, bool exact) {
    // SQLite can't tell how few lemmas a prefix matches and would join every sense first
    // (a second or more in a full database); marked as rare, the prefix makes it walk the
    // lemmas in order instead and stop at the row limit. likelihood() changes no result.
    const std::wstring condition =
        exact ? L"and word_en.lemma = " + quoteSqlText(lemma) + L" "
              : L"and likelihood(word_en.lemma LIKE " + quoteSqlText(lemma + L"%") + L", 0.0001) ";
    const wchar_t* query = isJapaneseKeyword(lemma) ? kJapaneseToEnglish : kEnglishToJapanese;
    return query + condition + L"ORDER BY word_en.lemma";
}

int WordNetManager::search(const std::wstring& keyword, bool exact, int maxHits) {
    std::wstring lemma = keyword;
    std::replace(lemma.begin(), lemma.end(), L' ', L'_');
    mResults.clear();
    SQLResultTable table;
    table.setMaxRows(maxHits);
    // A statement stopped by the row limit keeps the rows collected so far.
    exec(buildQuery(lemma, exact), &SQLResultTable::onRow, &table);
    const int rows = table.getRowCount();
    if (rows == 0) return 0;

    // Rows arrive ordered by the headword: one entry per headword.
    std::wstring current = table.getCell(0, 1);
    std::wstring values;
    for (int i = 0; i < rows; ++i) {
        const std::wstring headword = table.getCell(i, 1);
        if (headword != current) {
            closeEntry(mResults, current, values);
            current = headword;
            values.clear();
        }
        values += table.getCell(i, 2) + L", ";
    }
    closeEntry(mResults, current, values);
    return static_cast<int>(mResults.size());
}

int WordNetManager::getHit(int i, std::wstring& key, std::wstring& value) const {
    if (i < 0 || static_cast<size_t>(i) >= mResults.size()) return -1;
    key = mResults[static_cast<size_t>(i)].key;
    value = mResults[static_cast<size_t>(i)].value;
    return 0;
}
