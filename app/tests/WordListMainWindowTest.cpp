// The word list of the main window: opened by its command, filled from the sentence-list
// file of the opened audio file, and written back into that file when it is saved.
#include <gtest/gtest.h>

#include "foundation/xml/XMLParser.h"
#include "player/lyrics/SentenceListFile.h"
#include "player/tests/Id3TestSupport.h"
#include "app/tests/MainWindowTestSupport.h"

namespace {

// A sentence list holding one sentence and the given words.
void writeListWithWords(const std::wstring& path, const std::wstring& audio, const std::wstring& words) {
    const std::wstring text = L"\uFEFF<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<SentenceList audio=\"" + audio +
                              L"\">\r\n" + words +
                              L"\t<SentenceGroup startTime='00:00:50'><sentence><![CDATA[One.]]></sentence>"
                              L"<translation><![CDATA[一]]></translation></SentenceGroup>\r\n</SentenceList>";
    id3test::writeBytes(path, id3test::utf16le(text));
}

std::vector<std::wstring> keysOf(const Element& wordList) {
    std::vector<Element*> words;
    wordList.getElementsByTagName(L"Word", words);
    std::vector<std::wstring> keys;
    for (const Element* word : words) keys.push_back(word->getElementByTagName(L"key")->getText());
    return keys;
}

std::vector<std::wstring> tableKeys(WordListDialog& dialog) {
    TableComponent& table = dialog.getPane().getWordTable();
    std::vector<std::wstring> keys;
    for (int row = 0; row < table.getItemCount(); ++row) keys.push_back(table.getItemTextW(row, 1));
    return keys;
}

const wchar_t kTwoWords[] =
    L"\t<WordList><Word level='3'><key><![CDATA[sun]]></key><value><![CDATA[太陽]]></value></Word>"
    L"<Word level='1'><key><![CDATA[moon]]></key><value><![CDATA[月]]></value></Word></WordList>\r\n";

}  // namespace

TEST_F(MainWindowTest, TheWordListTravelsWithTheSentenceListOfTheOpenFile) {
    const std::wstring lesson = writePlainMp3(dir.file(L"lesson.mp3"));
    writeListWithWords(dir.file(L"lesson.xml"), L"lesson.mp3", kTwoWords);
    ASSERT_TRUE(main->openFile(lesson));
    EXPECT_EQ((std::vector<std::wstring>{L"sun", L"moon"}), keysOf(main->getWordList()));

    // Ctrl+W's command opens the list beside the player with the file's words.
    WordListDialog& dialog = main->getWordListDialog();
    ::SendMessageW(main->m_hWnd, WM_COMMAND, Corvanta::kWordListCommand, 0);
    ASSERT_NE(nullptr, dialog.m_hWnd);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ((std::vector<std::wstring>{L"sun", L"moon"}), tableKeys(dialog));

    // A word added and levelled, one removed, then OK and the save.
    dialog.getPane().addWord(2, L"star", L"星", L"twinkles");
    dialog.getPane().addWord(5, L"sun", L"太陽、日", L"");
    dialog.getPane().getWordTable().selectRow(1);
    dialog.getPane().deleteSelectedWords();
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, Dialog::kOkId, 0);
    EXPECT_EQ(nullptr, dialog.m_hWnd);
    main->reallyWrite = true;
    ASSERT_TRUE(main->writeXmlLyrics());

    XMLParser parser;
    ASSERT_TRUE(parser.parseFile(dir.file(L"lesson.xml")));
    SentenceListContent content;
    ASSERT_TRUE(readSentenceList(*parser.getRootElement(), content));
    ASSERT_TRUE(content.hasWordList);
    EXPECT_EQ((std::vector<std::wstring>{L"sun", L"star"}), keysOf(content.wordList));
    EXPECT_EQ(L"5", content.wordList.getChildren()[0]->getAttribute(L"level"));
    ASSERT_EQ(1u, content.groups.size());

    // An audio file without a sentence list starts with no words, and the open list shows that.
    ::SendMessageW(main->m_hWnd, WM_COMMAND, Corvanta::kWordListCommand, 0);
    ASSERT_TRUE(main->openFile(writePlainMp3(dir.file(L"other.mp3"))));
    EXPECT_TRUE(keysOf(main->getWordList()).empty());
    EXPECT_TRUE(tableKeys(dialog).empty());

    // Opening the list itself while the word list shows fills it with that file's words.
    ASSERT_TRUE(main->openFile(dir.file(L"lesson.xml")));
    EXPECT_EQ((std::vector<std::wstring>{L"sun", L"star"}), tableKeys(dialog));
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, Dialog::kCancelId, 0);
}

TEST_F(MainWindowTest, TheWordListCommandBringsAnOpenListToTheCursor) {
    WordListDialog& dialog = main->getWordListDialog();
    ::SendMessageW(main->m_hWnd, WM_COMMAND, Corvanta::kWordListCommand, 0);
    ASSERT_NE(nullptr, dialog.m_hWnd);
    const HWND first = dialog.m_hWnd;
    ::SetCursorPos(500, 400);
    ::SendMessageW(main->m_hWnd, WM_COMMAND, Corvanta::kWordListCommand, 0);
    EXPECT_EQ(first, dialog.m_hWnd);
    RECT placed{};
    ::GetWindowRect(dialog.m_hWnd, &placed);
    EXPECT_EQ(340, placed.left);
    EXPECT_EQ(240, placed.top);
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, Dialog::kCancelId, 0);
}
