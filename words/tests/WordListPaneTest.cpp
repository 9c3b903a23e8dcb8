// The word list pane driven as the learner drives it: words added, changed, levelled,
// chosen and removed, the list saved into a sentence-list file and read back, and the
// look-up that waits for a pause in the typing.
#include <gtest/gtest.h>

#include "foundation/system/PathResolution.h"
#include "foundation/xml/XMLParser.h"
#include "player/lyrics/SentenceListFile.h"
#include "player/mp3/ID3TagModel.h"
#include "testsupport/TestWindows.h"
#include "words/WordListDialog.h"
#include "words/tests/WordListTestSupport.h"

namespace {

using Rows = std::vector<std::vector<std::wstring>>;

// The pane's element written into a sentence-list file's text and read back from it.
Element throughSentenceListFile(WordListPane& pane) {
    const std::wstring text = buildSentenceListXml(L"a.mp3", pane.getWordListElement(), ID3TagModel(),
                                                   {{L"00:00.000", L"", L"Hello.", L"こんにちは。", L""}});
    XMLParser parser;
    EXPECT_TRUE(parser.parseString(text));
    SentenceListContent content;
    EXPECT_TRUE(readSentenceList(*parser.getRootElement(), content));
    EXPECT_TRUE(content.hasWordList);
    return content.wordList;
}

Element parseWordList(const std::wstring& text) {
    XMLParser parser;
    EXPECT_TRUE(parser.parseString(text));
    return *parser.getRootElement();
}

// Right-clicks the word table and answers its menu with Down and Enter, which choose
// "Delete" when it is enabled. The keys go to the frame once the menu's own loop runs.
HWND menuKeyTarget = nullptr;
void CALLBACK chooseFirstMenuItem(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    for (WPARAM key : {VK_DOWN, VK_RETURN}) {
        ::PostMessageW(menuKeyTarget, WM_KEYDOWN, key, 1);
        ::PostMessageW(menuKeyTarget, WM_KEYUP, key, 0xC0000001);
    }
}
void deleteThroughMenu(PaneFrame& frame) {
    frame.setVisible(true);
    ::SetForegroundWindow(frame.m_hWnd);
    menuKeyTarget = frame.m_hWnd;
    ::SetTimer(nullptr, 0, 100, chooseFirstMenuItem);
    NMHDR click{frame.pane.getWordTable().m_hWnd, 0, static_cast<UINT>(NM_RCLICK)};
    ::SendMessageW(frame.pane.m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
}

void clickNew(WordListPane& pane) { pane.actionPerformed(ActionEvent(static_cast<StateButton*>(&pane.getNewButton()), 0, 0)); }

class WordListPaneTest : public ::testing::Test {
protected:
    PaneFrame frame;
    RecordingPane& pane = frame.pane;
};

}  // namespace

TEST_F(WordListPaneTest, NewAddsAWordOrOverwritesTheRowOfItsKey) {
    pane.getKeyField().setText(L"run");
    pane.getLevelField().setValue(3);
    pane.getValueEditor().setText(L"走る");
    clickNew(pane);
    pane.getKeyField().setText(L"walk");
    pane.getLevelField().setValue(1);
    pane.getValueEditor().setText(L"歩く");
    pane.getExplanationEditor().setText(L"slowly");
    clickNew(pane);
    EXPECT_EQ((Rows{{L"3", L"run", L"走る", L"", L""}, {L"1", L"walk", L"歩く", L"slowly", L""}}),
              tableCells(pane.getWordTable()));
    EXPECT_EQ(std::vector<int>{1}, pane.getWordTable().getSelectedIndices());

    // The same key again edits its row: a new level and meaning, no second row.
    pane.getKeyField().setText(L"run");
    pane.getLevelField().setValue(30);
    pane.getValueEditor().setText(L"走る、運営する");
    pane.getExplanationEditor().setText(L"");
    clickNew(pane);
    EXPECT_EQ((Rows{{L"30", L"run", L"走る、運営する", L"", L""}, {L"1", L"walk", L"歩く", L"slowly", L""}}),
              tableCells(pane.getWordTable()));
    EXPECT_EQ(std::vector<int>{0}, pane.getWordTable().getSelectedIndices());

    // Keys differ by case; an empty key adds nothing.
    EXPECT_EQ(2, pane.addWord(0, L"Run", L"", L""));
    EXPECT_EQ(-1, pane.addWord(5, L"", L"nothing", L""));
    EXPECT_EQ(3, pane.getWordTable().getItemCount());
    // The level field keeps to 0..30.
    pane.getLevelField().setValue(99);
    EXPECT_EQ(30, pane.getLevelField().getValue());
}

TEST_F(WordListPaneTest, WordsSurviveTheSentenceListFileAndOlderWordsComeBackInTheCurrentForm) {
    pane.setWordListElement(parseWordList(
        L"<WordList><Word level='2' key='walk'><![CDATA[歩く]]></Word>"
        L"<Word level='4'><key><![CDATA[cat & dog]]></key><value><![CDATA[犬猫]]></value>"
        L"<explanation><![CDATA[pets]]></explanation></Word>"
        L"<Word><key><![CDATA[bare]]></key></Word></WordList>"));
    pane.loadWords();
    pane.addWord(9, L"walk", L"歩く、散歩する", L"");
    pane.saveWords();

    const Element read = throughSentenceListFile(pane);
    std::vector<Element*> words;
    read.getElementsByTagName(L"Word", words);
    ASSERT_EQ(3u, words.size());
    EXPECT_EQ(L"9", words[0]->getAttribute(L"level"));
    EXPECT_FALSE(words[0]->hasAttribute(L"key"));
    EXPECT_EQ(nullptr, words[0]->getElementByTagName(L"explanation"));
    EXPECT_EQ(nullptr, words[0]->getFirstCDataChild());
    // A word read without a value keeps the "?" it showed.
    EXPECT_EQ(L"\t<Word level=\"0\">\r\n\t\t<key>\r\n\t\t\t<![CDATA[bare]]>\r\n\t\t</key>\r\n"
              L"\t\t<value>\r\n\t\t\t<![CDATA[?]]>\r\n\t\t</value>\r\n\t</Word>",
              words[2]->toXML());

    PaneFrame second;
    second.pane.setWordListElement(read);
    second.pane.loadWords();
    EXPECT_EQ((Rows{{L"9", L"walk", L"歩く、散歩する", L"", L""},
                    {L"4", L"cat & dog", L"犬猫", L"pets", L""},
                    {L"0", L"bare", L"?", L"", L""}}),
              tableCells(second.pane.getWordTable()));
}

TEST_F(WordListPaneTest, TwoEntriesOfOneKeyShowAsOneRowWithTheLaterData) {
    pane.setWordListElement(parseWordList(
        L"<WordList><Word level='1'><key><![CDATA[set]]></key><value><![CDATA[置く]]></value></Word>"
        L"<Group><Word level='5'><key><![CDATA[set]]></key><value><![CDATA[一組]]></value></Word></Group>"
        L"<Word level='2'><value><![CDATA[no key]]></value></Word></WordList>"));
    pane.loadWords();
    EXPECT_EQ((Rows{{L"5", L"set", L"一組", L"", L""}}), tableCells(pane.getWordTable()));
    // Loading again starts from an empty table.
    pane.loadWords();
    EXPECT_EQ(1, pane.getWordTable().getItemCount());
}

TEST_F(WordListPaneTest, ChosenRowsFillTheEditorsWithoutALookUp) {
    pane.addWord(3, L"big", L"大きい", L"size");
    pane.addWord(1, L"large", L"広い", L"");
    pane.addWord(2, L"huge", L"巨大な", L"");
    pane.getWordTable().selectAll();
    ASSERT_TRUE(pane.showSelectedRow(pane.getWordTable()));
    EXPECT_EQ(L"big", pane.getKeyField().getTextCopy());
    EXPECT_EQ(3, pane.getLevelField().getValue());
    EXPECT_EQ(L"大きい, 広い, 巨大な", pane.getValueEditor().getTextCopy());
    EXPECT_EQ(L"size", pane.getExplanationEditor().getTextCopy());

    // A click on a row reaches the editors through the table's notification.
    pane.getWordTable().select(1);
    pumpMessages();
    EXPECT_EQ(L"large", pane.getKeyField().getTextCopy());
    EXPECT_EQ(L"広い", pane.getValueEditor().getTextCopy());
    EXPECT_EQ(L"", pane.getExplanationEditor().getTextCopy());

    // Filling the key field is no typing.
    pumpUntil([] { return false; }, 1100);
    EXPECT_TRUE(pane.searches.empty());

    pane.getWordTable().clearSelection();
    EXPECT_FALSE(pane.showSelectedRow(pane.getWordTable()));
}

TEST_F(WordListPaneTest, DeleteRemovesTheSelectedRows) {
    for (const wchar_t* key : {L"a", L"b", L"c", L"d", L"e"}) pane.addWord(0, key, key, L"");
    TableComponent& table = pane.getWordTable();
    table.selectRow(1);
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    ::SendMessageW(table.m_hWnd, LVM_SETITEMSTATE, 4, reinterpret_cast<LPARAM>(&item));
    ASSERT_EQ((std::vector<int>{1, 4}), table.getSelectedIndices());
    deleteThroughMenu(frame);
    EXPECT_EQ((Rows{{L"0", L"a", L"a", L"", L""}, {L"0", L"c", L"c", L"", L""}, {L"0", L"d", L"d", L"", L""}}),
              tableCells(table));
    // Without a selection the item is greyed: nothing goes.
    table.clearSelection();
    deleteThroughMenu(frame);
    EXPECT_EQ(3, table.getItemCount());
}

TEST_F(WordListPaneTest, TypingLooksTheWordUpOnceAfterThePause) {
    // Typed with short pauses: each key stroke puts the look-up off again.
    DWORD lastKey = 0;
    for (wchar_t c : std::wstring(L"running")) {
        typeInto(pane.getKeyField(), std::wstring(1, c));
        lastKey = ::GetTickCount();
        pumpUntil([] { return false; }, 150);
        EXPECT_TRUE(pane.searches.empty());
    }
    ASSERT_TRUE(pumpUntil([this] { return !pane.searches.empty(); }, 3000));
    EXPECT_GE(::GetTickCount() - lastKey, 700u);
    pumpUntil([] { return false; }, 1200);
    EXPECT_EQ(std::vector<std::wstring>{L"running"}, pane.searches);
}

TEST(WordListPaneDictionaries, WithoutDictionariesTheChooserSaysSoAndNothingIsLookedUp) {
    TempDirectory dir;
    CurrentDirectoryScope inEmpty(dir.path());
    PaneFrame frame;
    ComboBox& chooser = frame.pane.getDictionaryChooser();
    ASSERT_EQ(1, chooser.getItemCount());
    EXPECT_EQ(L"No dictionary", chooser.getItemText(0));
    EXPECT_EQ(0, chooser.getSelectedIndex());
    // Nothing to look in: the look-up does nothing.
    frame.pane.runSearch = true;
    frame.pane.getResultTable().insertItem(L"kept", 0);
    frame.pane.search(L"run");
    EXPECT_EQ(1, frame.pane.getResultTable().getItemCount());
}

TEST(WordListDialog, OkKeepsTheTableAndCancelLeavesTheListAsItWas) {
    WordListDialog dialog;
    dialog.setWordListElement(parseWordList(L"<WordList><Word level='1' key='one'><![CDATA[一]]></Word></WordList>"));
    ASSERT_TRUE(showModelessDialog(nullptr, dialog));
    EXPECT_EQ(L"Word List", dialog.getText());
    EXPECT_EQ(1, dialog.getPane().getWordTable().getItemCount());
    dialog.getPane().addWord(2, L"two", L"二", L"");
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, Dialog::kCancelId, 0);
    EXPECT_EQ(nullptr, dialog.m_hWnd);
    std::vector<Element*> words;
    dialog.getWordListElement().getElementsByTagName(L"Word", words);
    EXPECT_EQ(1u, words.size());

    // Opened again, the table shows the element, not the dropped row.
    ASSERT_TRUE(showModelessDialog(nullptr, dialog));
    EXPECT_EQ(1, dialog.getPane().getWordTable().getItemCount());
    dialog.getPane().addWord(2, L"two", L"二", L"");
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, Dialog::kOkId, 0);
    EXPECT_EQ(nullptr, dialog.m_hWnd);
    words.clear();
    dialog.getWordListElement().getElementsByTagName(L"Word", words);
    ASSERT_EQ(2u, words.size());
    EXPECT_EQ(L"two", words[1]->getElementByTagName(L"key")->getText());
}
