#include "words/tests/WordNetTestData.h"

#include <windows.h>

#include "words/dictionary/SQLManager.h"

namespace {

const wchar_t kSchema[] =
    L"CREATE TABLE word (wordid INTEGER PRIMARY KEY, lang TEXT, lemma TEXT, pron TEXT, pos TEXT);"
    L"CREATE TABLE sense (synset TEXT, wordid INTEGER, lang TEXT, rank TEXT, lexid INTEGER, freq INTEGER, "
    L"src TEXT);"
    L"CREATE INDEX word_lemma ON word (lemma);"
    L"CREATE INDEX sense_wordid ON sense (wordid);"
    L"CREATE INDEX sense_synset ON sense (synset);";

class Builder {
public:
    explicit Builder(SQLManager& db) : mDb(db) {}
    int word(const std::wstring& lang, const std::wstring& lemma) {
        const int id = ++mId;
        mSql += L"INSERT INTO word VALUES (" + std::to_wstring(id) + L", '" + lang + L"', " + quoteSqlText(lemma) +
                L", NULL, 'n');";
        return id;
    }
    void sense(int id, const std::wstring& lang, const std::wstring& synset) {
        mSql += L"INSERT INTO sense VALUES ('" + synset + L"', " + std::to_wstring(id) + L", '" + lang +
                L"', NULL, 0, NULL, 'hand');";
    }
    void word(const std::wstring& lang, const std::wstring& lemma, const std::wstring& synset) {
        sense(word(lang, lemma), lang, synset);
    }
    bool run() { return mDb.exec(L"BEGIN;" + mSql + L"COMMIT;", nullptr, nullptr); }

private:
    SQLManager& mDb;
    std::wstring mSql;
    int mId = 0;
};

bool create(SQLManager& db, const std::wstring& path) {
    ::DeleteFileW(path.c_str());
    return db.open(path) && db.exec(kSchema, nullptr, nullptr);
}

}  // namespace

bool makeWordNetDatabase(const std::wstring& path) {
    SQLManager db;
    if (!create(db, path)) return false;
    Builder b(db);
    const int bank = b.word(L"eng", L"bank");
    b.sense(bank, L"eng", L"01-n");
    b.sense(bank, L"eng", L"02-n");
    b.word(L"jpn", L"\x9280\x884C", L"01-n");
    b.word(L"eng", L"shore", L"02-n");
    b.word(L"jpn", L"\x571F\x624B", L"02-n");
    b.word(L"jpn", L"\x5CB8", L"02-n");
    b.word(L"eng", L"ice", L"03-n");
    b.word(L"jpn", L"\x6C37", L"03-n");
    b.word(L"eng", L"ice_cream", L"04-n");
    b.word(L"jpn", L"\x30A2\x30A4\x30B9\x30AF\x30EA\x30FC\x30E0", L"04-n");
    b.word(L"eng", L"iceberg", L"05-n");
    b.word(L"jpn", L"\x6C37\x5C71", L"05-n");
    b.word(L"eng", L"o'clock", L"06-r");
    b.word(L"jpn", L"\x6642", L"06-r");
    b.word(L"eng", L"test", L"07-n");
    for (int i = 0; i < 31; ++i) b.word(L"jpn", L"\x8A66\x9A13" + std::to_wstring(i), L"07-n");
    return b.run();
}

bool makeLargeWordNetDatabase(const std::wstring& path, int englishWords) {
    SQLManager db;
    if (!create(db, path)) return false;
    Builder b(db);
    for (int i = 0; i < englishWords; ++i) {
        const int id = b.word(L"eng", L"w" + std::to_wstring(i));
        for (int sense = 0; sense < 2; ++sense) {
            const std::wstring synset = std::to_wstring(i) + L"-" + std::to_wstring(sense);
            b.sense(id, L"eng", synset);
            b.word(L"jpn", L"\x8A9E" + std::to_wstring(i * 4 + sense * 2), synset);
            b.word(L"jpn", L"\x8A9E" + std::to_wstring(i * 4 + sense * 2 + 1), synset);
        }
    }
    return b.run();
}
