// Look-ups from the word list pane in real dictionaries: a PDIC file and a WordNet
// database in the folders the pane lists, relative to the current folder.
#include <gtest/gtest.h>

#include "foundation/system/PathResolution.h"
#include "testsupport/TestWindows.h"
#include "words/tests/PdicWriter.h"
#include "words/tests/WordListTestSupport.h"
#include "words/tests/WordNetTestData.h"

namespace {

using Rows = std::vector<std::vector<std::wstring>>;

class WordListLookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(::CreateDirectoryW(dir.file(L"Dictionaries").c_str(), nullptr));
        ASSERT_TRUE(::CreateDirectoryW(dir.file(L"Dictionaries\\PDIC").c_str(), nullptr));
        ASSERT_TRUE(::CreateDirectoryW(dir.file(L"Dictionaries\\WordNet").c_str(), nullptr));
        const std::vector<PdicEntry> entries = {
            {L"make", L"作る", L"make a cake", L"meik", 1, ""},
            {L"maker", L"製造者", L"", L"", 3, ""},
            {L"run", L"走る", L"", L"", 1, ""},
            {L"runner", L"走者", L"", L"", 2, ""},
            {L"studio", L"スタジオ", L"", L"", 2, ""},
            {L"study", L"勉強する", L"study English", L"", 1, ""},
        };
        PdicWriterOptions options;
        options.bocu1 = true;
        ASSERT_TRUE(writePdicFile(dir.file(L"Dictionaries\\PDIC\\english.dic"), entries, options));
        ASSERT_TRUE(makeWordNetDatabase(dir.file(L"Dictionaries\\WordNet\\wnjpn.db")));
        inDictionaries = std::make_unique<CurrentDirectoryScope>(dir.path());
        frame = std::make_unique<PaneFrame>();
        frame->pane.runSearch = true;
    }
    void TearDown() override {
        frame.reset();
        inDictionaries.reset();
    }
    void choose(int index) {
        ComboBox& chooser = frame->pane.getDictionaryChooser();
        chooser.setSelectedIndex(index);
        ::SendMessageW(frame->pane.m_hWnd, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(chooser.m_hWnd));
    }
    // Types the word and waits for the look-up it starts.
    void typeAndWait(const std::wstring& word) {
        RecordingPane& pane = frame->pane;
        pane.getKeyField().setText(L"");
        pane.searches.clear();
        typeInto(pane.getKeyField(), word);
        ASSERT_TRUE(pumpUntil([&pane] { return !pane.searches.empty(); }, 3000));
    }

    TempDirectory dir;
    std::unique_ptr<CurrentDirectoryScope> inDictionaries;
    std::unique_ptr<PaneFrame> frame;
};

}  // namespace

TEST_F(WordListLookupTest, TheChooserOffersBothDictionariesAndStartsWithTheFirst) {
    ComboBox& chooser = frame->pane.getDictionaryChooser();
    ASSERT_EQ(3, chooser.getItemCount());
    EXPECT_EQ(L"Dictionaries/PDIC/english.dic", chooser.getItemText(1));
    EXPECT_EQ(L"Dictionaries/WordNet/wnjpn.db", chooser.getItemText(2));
    EXPECT_EQ(1, chooser.getSelectedIndex());
}

TEST_F(WordListLookupTest, TypedWordsAreLookedUpAsTypedThenByTheirBaseForm) {
    TableComponent& hits = frame->pane.getResultTable();
    typeAndWait(L"mak");
    EXPECT_EQ((Rows{{L"1", L"make", L"作る", L"make a cake", L"meik"}, {L"3", L"maker", L"製造者", L"", L""}}),
              tableCells(hits));
    // "studies" is no headword's beginning; its base form "study" is.
    typeAndWait(L"studies");
    EXPECT_EQ((Rows{{L"1", L"study", L"勉強する", L"study English", L""}}), tableCells(hits));
    // "running" keeps its doubled consonant: "runn" finds "runner".
    typeAndWait(L"running");
    EXPECT_EQ((Rows{{L"2", L"runner", L"走者", L"", L""}}), tableCells(hits));
    // Nothing found empties the table.
    typeAndWait(L"zebra");
    EXPECT_EQ(0, hits.getItemCount());
}

TEST_F(WordListLookupTest, AChosenHitGoesIntoTheEditorsAndNewKeepsIt) {
    RecordingPane& pane = frame->pane;
    pane.getKeyField().setText(L"bank");
    ::KillTimer(pane.m_hWnd, WordListPane::kSearchTimer);
    choose(2);
    ASSERT_TRUE(pumpUntil([&pane] { return pane.getResultTable().getItemCount() > 0; }, 1000));
    EXPECT_EQ(L"bank", pane.getResultTable().getItemTextW(0, WordListPane::kKeyColumn));
    const std::wstring senses = pane.getResultTable().getItemTextW(0, WordListPane::kValueColumn);
    EXPECT_NE(std::wstring::npos, senses.find(L"銀行"));
    EXPECT_NE(std::wstring::npos, senses.find(L"土手"));

    pane.getResultTable().select(0);
    pumpMessages();
    EXPECT_EQ(L"bank", pane.getKeyField().getTextCopy());
    EXPECT_EQ(senses, pane.getValueEditor().getTextCopy());
    pane.actionPerformed(ActionEvent(static_cast<StateButton*>(&pane.getNewButton()), 0, 0));
    EXPECT_EQ((Rows{{L"0", L"bank", senses, L"", L""}}), tableCells(pane.getWordTable()));
    // Choosing the hit filled the key field without a new look-up.
    const size_t searches = pane.searches.size();
    pumpUntil([] { return false; }, 1000);
    EXPECT_EQ(searches, pane.searches.size());
}
