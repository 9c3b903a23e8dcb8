#include <gtest/gtest.h>

#include "foundation/system/PathUtils.h"
#include "testsupport/TestWindows.h"
#include "words/dictionary/DictionaryManager.h"
#include "words/tests/PdicTestData.h"
#include "words/tests/WordNetTestData.h"

namespace {

struct Hit {
    std::wstring key, value, explanation, pronunciation;
    int level = -1;
};

Hit hitOf(DictionaryManager& manager, int i) {
    Hit hit;
    EXPECT_EQ(manager.getHit(i, hit.key, hit.value, hit.explanation, hit.pronunciation, hit.level), 0);
    return hit;
}

}  // namespace

TEST(DictionaryManager, OpensWordNetByNameAndPdicOtherwise) {
    TempDirectory temp;
    ASSERT_TRUE(createDirectory(temp.file(L"WordNet\\")));
    const std::wstring wordnet = temp.file(L"WordNet\\wnjpn.db");
    const std::wstring pdic = temp.file(L"english.dic");
    ASSERT_TRUE(makeWordNetDatabase(wordnet));
    PdicWriterOptions options;
    options.bocu1 = true;
    ASSERT_TRUE(writePdicFile(pdic, englishDictionary(2000), options));

    DictionaryManager manager;
    int more = -1;
    EXPECT_EQ(manager.search(L"bank", true, 30, more), 0) << "nothing open";
    Hit none;
    EXPECT_NE(manager.getHit(0, none.key, none.value, none.explanation, none.pronunciation, none.level), 0);

    ASSERT_TRUE(manager.open(wordnet));
    more = -1;
    ASSERT_EQ(manager.search(L"bank", true, 30, more), 1);
    EXPECT_EQ(more, -1) << "WordNet leaves it alone";
    const Hit bank = hitOf(manager, 0);
    EXPECT_EQ(bank.key, L"bank");
    EXPECT_NE(bank.value.find(L"\x9280\x884C"), std::wstring::npos);

    // Opening the other kind closes the first.
    ASSERT_TRUE(manager.open(pdic));
    ASSERT_EQ(manager.search(L"appl", false, 30, more), 3);
    EXPECT_EQ(more, 0);
    const Hit apply = hitOf(manager, 2);
    EXPECT_EQ(apply.key, L"apply");
    EXPECT_EQ(apply.value, L"\x9069\x7528\x3059\x308B");
    EXPECT_EQ(apply.explanation, L"apply for a job");
    EXPECT_EQ(apply.pronunciation, L"@pl'ai");
    EXPECT_EQ(apply.level, 2);
    EXPECT_EQ(manager.search(L"bank", true, 30, more), 0);

    // A file that is neither fails, and leaves nothing open.
    ASSERT_TRUE(writeBytesFile(temp.file(L"notes.txt"), "not a dictionary"));
    EXPECT_FALSE(manager.open(temp.file(L"notes.txt")));
    EXPECT_EQ(manager.search(L"apple", true, 30, more), 0);
    EXPECT_FALSE(manager.open(temp.file(L"elsewhere\\wnjpn.db"))) << "a missing database";
    EXPECT_FALSE(fileExists(temp.file(L"elsewhere\\wnjpn.db")));
}

TEST(DictionaryManager, ALongShiftJisBodyComesOutEmpty) {
    TempDirectory temp;
    std::vector<PdicEntry> entries = englishDictionary(100);
    entries.push_back({L"long", std::wstring(3000, L'x'), L"", L"", 0, ""});
    ASSERT_TRUE(writePdicFile(temp.file(L"sjis.dic"), entries, PdicWriterOptions()));
    DictionaryManager manager;
    ASSERT_TRUE(manager.open(temp.file(L"sjis.dic")));
    int more = 0;
    ASSERT_EQ(manager.search(L"long", true, 30, more), 1);
    const Hit hit = hitOf(manager, 0);
    EXPECT_EQ(hit.key, L"long");
    EXPECT_EQ(hit.value, L"");
}
