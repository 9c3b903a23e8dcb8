#include <gtest/gtest.h>

#include "testsupport/TestWindows.h"
#include "words/pdic/PDicReader.h"
#include "words/tests/PdicTestData.h"

namespace {

std::vector<std::wstring> searchHeadwords(CPDicReader& reader, const std::wstring& key, bool exact, int maxHits,
                                          int* more = nullptr) {
    int stoppedAtLimit = -1;
    const int n = reader.search(key, exact, maxHits, stoppedAtLimit);
    if (more) *more = stoppedAtLimit;
    std::vector<std::wstring> headwords;
    for (int i = 0; i < n; ++i) {
        PDicHitTexts texts;
        EXPECT_EQ(reader.getHit(i, texts), 0);
        headwords.push_back(texts.headword);
    }
    return headwords;
}

// The same dictionary of some thousands of entries, in each text encoding.
class PdicSearch : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        entries = englishDictionary(3000);
        PdicWriterOptions options;
        options.bocu1 = GetParam();
        ASSERT_TRUE(writePdicFile(path(), entries, options));
        ASSERT_EQ(reader.open(path()), 0);
    }
    std::wstring path() const { return temp.file(L"english.dic"); }

    TempDirectory temp;
    std::vector<PdicEntry> entries;
    CPDicReader reader;
};

}  // namespace

TEST_P(PdicSearch, PrefixSearchFindsEveryHeadwordInOrderAcrossGroups) {
    EXPECT_EQ(reader.getMajorVersion(), 6);
    for (const wchar_t* prefix : {L"ba", L"ko", L"zu", L"appl", L"ice", L"b"}) {
        EXPECT_EQ(searchHeadwords(reader, prefix, false, 0), headwordsWithPrefix(entries, prefix)) << prefix;
    }
    EXPECT_GT(headwordsWithPrefix(entries, L"b").size(), 100u) << "the prefix spans several block groups";
    EXPECT_TRUE(searchHeadwords(reader, L"xyz", false, 0).empty());
    EXPECT_TRUE(searchHeadwords(reader, L"", true, 0).empty());
}

TEST_P(PdicSearch, ExactSearchFindsOnlyTheWord) {
    EXPECT_EQ(searchHeadwords(reader, L"apple", true, 30), std::vector<std::wstring>{L"apple"});
    EXPECT_EQ(searchHeadwords(reader, L"ice", true, 30), std::vector<std::wstring>{L"ice"});
    EXPECT_TRUE(searchHeadwords(reader, L"app", true, 30).empty());
    EXPECT_TRUE(searchHeadwords(reader, L"applez", true, 30).empty());
    // Every generated word is found by itself.
    for (size_t i = 0; i < entries.size(); i += 97) {
        EXPECT_EQ(searchHeadwords(reader, entries[i].headword, true, 30),
                  std::vector<std::wstring>{entries[i].headword});
    }
}

TEST_P(PdicSearch, HitsCarryBodyExampleAndPronunciationAndLevel) {
    int more = 0;
    ASSERT_EQ(reader.search(L"apply", true, 30, more), 1);
    PDicHitTexts texts;
    ASSERT_EQ(reader.getHit(0, texts), 0);
    EXPECT_EQ(texts.headword, L"apply");
    EXPECT_EQ(texts.body, L"\x9069\x7528\x3059\x308B");
    EXPECT_EQ(texts.example, L"apply for a job");
    EXPECT_EQ(texts.pronunciation, L"@pl'ai");
    EXPECT_EQ(texts.level, 2);
    // A binary field before the others is skipped.
    ASSERT_EQ(reader.search(L"iceberg", true, 30, more), 1);
    ASSERT_EQ(reader.getHit(0, texts), 0);
    EXPECT_EQ(texts.body, L"\x6C37\x5C71");
    EXPECT_EQ(texts.level, 4);
    EXPECT_EQ(reader.getHit(1, texts), -1);
    EXPECT_EQ(reader.getHit(-1, texts), -1);
}

TEST_P(PdicSearch, TheHitLimitStopsTheSearchAndSaysSo) {
    const std::vector<std::wstring> all = headwordsWithPrefix(entries, L"b");
    int more = -1;
    const std::vector<std::wstring> first = searchHeadwords(reader, L"b", false, 30, &more);
    EXPECT_EQ(more, 1);
    EXPECT_EQ(first, std::vector<std::wstring>(all.begin(), all.begin() + 30));
    // Exactly as many matches as the limit still says there may be more.
    const std::vector<std::wstring> three = headwordsWithPrefix(entries, L"appl");
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(searchHeadwords(reader, L"appl", false, 3, &more), three);
    EXPECT_EQ(more, 1);
    EXPECT_EQ(searchHeadwords(reader, L"appl", false, 4, &more), three);
    EXPECT_EQ(more, 0);
}

TEST_P(PdicSearch, LaterVersionsFoldTheKeyword) {
    EXPECT_EQ(searchHeadwords(reader, L"Ice-Cream", true, 30), std::vector<std::wstring>{L"ice cream"});
    EXPECT_EQ(searchHeadwords(reader, L"APPLE", true, 30), std::vector<std::wstring>{L"apple"});
    // Voiced katakana GA is searched as KA.
    EXPECT_EQ(searchHeadwords(reader, L"\x30AC\x30E0", true, 30), std::vector<std::wstring>{L"\x30AB\x30E0"});
}

TEST_P(PdicSearch, AKeySortingBeforeEveryHeadwordStartsAtTheFirstEntry) {
    const std::wstring first = headwordsWithPrefix(entries, L"")[0];
    ASSERT_EQ(first, L"apple");
    EXPECT_EQ(searchHeadwords(reader, L"a", false, 1), std::vector<std::wstring>{first});
}

INSTANTIATE_TEST_SUITE_P(Encodings, PdicSearch, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Bocu1" : "ShiftJis";
                         });
