#include <gtest/gtest.h>

#include <algorithm>

#include "foundation/system/PathUtils.h"
#include "testsupport/TestWindows.h"
#include "words/dictionary/SQLResultTable.h"
#include "words/dictionary/WordNetManager.h"
#include "words/tests/WordNetTestData.h"

namespace {

std::vector<std::wstring> splitValues(const std::wstring& value) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (size_t comma; (comma = value.find(L", ", start)) != std::wstring::npos; start = comma + 2) {
        parts.push_back(value.substr(start, comma - start));
    }
    parts.push_back(value.substr(start));
    std::sort(parts.begin(), parts.end());
    return parts;
}

class WordNetLookUp : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(makeWordNetDatabase(path()));
        ASSERT_TRUE(wordnet.open(path()));
    }
    std::wstring path() const { return temp.file(L"wnjpn.db"); }
    std::vector<std::pair<std::wstring, std::wstring>> search(const std::wstring& keyword, bool exact,
                                                              int maxHits = 30) {
        std::vector<std::pair<std::wstring, std::wstring>> hits;
        const int n = wordnet.search(keyword, exact, maxHits);
        for (int i = 0; i < n; ++i) {
            std::wstring key, value;
            EXPECT_EQ(wordnet.getHit(i, key, value), 0);
            hits.emplace_back(key, value);
        }
        return hits;
    }

    TempDirectory temp;
    WordNetManager wordnet;
};

}  // namespace

TEST_F(WordNetLookUp, AWordWithSeveralSensesHasAllItsTranslations) {
    const auto hits = search(L"bank", true);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].first, L"bank");
    EXPECT_EQ(splitValues(hits[0].second), (std::vector<std::wstring>{L"\x571F\x624B", L"\x5CB8", L"\x9280\x884C"}));
    std::wstring key, value;
    EXPECT_EQ(wordnet.getHit(1, key, value), -1);
}

TEST_F(WordNetLookUp, PrefixSearchGroupsByHeadwordWithBlanksShown) {
    const auto hits = search(L"ice", false);
    ASSERT_EQ(hits.size(), 3u);
    EXPECT_EQ(hits[0].first, L"ice");
    EXPECT_EQ(hits[1].first, L"ice cream");
    EXPECT_EQ(hits[1].second, L"\x30A2\x30A4\x30B9\x30AF\x30EA\x30FC\x30E0");
    EXPECT_EQ(hits[2].first, L"iceberg");
    EXPECT_EQ(hits[2].second, L"\x6C37\x5C71") << "the last headword has no trailing separator";
    EXPECT_EQ(search(L"ice cream", true).size(), 1u) << "blanks are searched as underscores";
}

TEST_F(WordNetLookUp, JapaneseKeywordsLookUpEnglishWords) {
    const auto hits = search(L"\x9280\x884C", true);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].first, L"\x9280\x884C");
    EXPECT_EQ(hits[0].second, L"bank");
    const auto shore = search(L"\x5CB8", true);
    ASSERT_EQ(shore.size(), 1u);
    EXPECT_EQ(splitValues(shore[0].second), (std::vector<std::wstring>{L"bank", L"shore"}));
}

TEST_F(WordNetLookUp, TheRowLimitCountsRowsNotHeadwords) {
    // "test" has 31 translations: the 31st row stops the statement.
    const auto hits = search(L"test", true, 30);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(splitValues(hits[0].second).size(), 30u);
    EXPECT_EQ(splitValues(search(L"test", true, 100)[0].second).size(), 31u);
}

TEST_F(WordNetLookUp, KeywordsCannotChangeTheStatement) {
    const auto clock = search(L"o'clock", true);
    ASSERT_EQ(clock.size(), 1u) << "an apostrophe is part of the word";
    EXPECT_EQ(clock[0].second, L"\x6642");
    EXPECT_EQ(search(L"o'c", false).size(), 1u);
    EXPECT_TRUE(search(L"x' OR 'a'='a", true).empty());
    EXPECT_TRUE(search(L"x' OR 'a'='a", false).empty());
    EXPECT_TRUE(search(L"'; DROP TABLE word; --", true).empty());
    EXPECT_TRUE(search(std::wstring(L"bank\0' OR 1=1 --", 16), true).size() == 1u) << "cut at the NUL";
    EXPECT_EQ(search(L"bank", true).size(), 1u) << "the tables are still there";
}

TEST(WordNet, AMissingFileIsNotCreated) {
    TempDirectory temp;
    WordNetManager wordnet;
    EXPECT_FALSE(wordnet.open(temp.file(L"wnjpn.db")));
    EXPECT_FALSE(wordnet.isOpen());
    EXPECT_FALSE(fileExists(temp.file(L"wnjpn.db")));
    EXPECT_EQ(wordnet.search(L"bank", true, 30), 0);
}

TEST(WordNet, NullColumnsReadAsNullAndTheLimitAborts) {
    SQLResultTable table;
    table.setMaxRows(1);
    char text[] = "\xE6\xB0\xB7";
    char* row[] = {text, nullptr};
    EXPECT_EQ(SQLResultTable::onRow(&table, 2, row, nullptr), 0);
    EXPECT_EQ(SQLResultTable::onRow(&table, 2, row, nullptr), 4) << "SQLITE_ABORT";
    EXPECT_EQ(table.getRowCount(), 1);
    EXPECT_EQ(table.getCell(0, 0), L"\x6C37");
    EXPECT_EQ(table.getCell(0, 1), L"NULL");
    EXPECT_EQ(table.getCell(0, 2), L"");
}
