// Finding, saving and reading the sentences of an audio file through the loader the main
// window forwards to: the sentence-list file beside it, then SYLT, then USLT, with real
// MP3 files (made by ctest: player_id3_fixtures) and lists written by Python's XML
// libraries (player_sentence_list_fixtures).
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "foundation/encoding/TextFile.h"
#include "foundation/system/PathResolution.h"
#include "foundation/system/PathUtils.h"
#include "player/lyrics/LyricsInfoManager.h"
#include "player/lyrics/LyricsLoader.h"
#include "player/lyrics/SentenceListFile.h"
#include "player/mp3/ID3TagModel.h"
#include "player/mp3/MP3_ID3Manager.h"
#include "player/tests/Id3TestSupport.h"
#include "player/tests/LyricsTestSupport.h"
#include "testsupport/TestFiles.h"
#include "testsupport/TestWindows.h"

namespace {

const std::wstring kTone = std::wstring(TEST_FIXTURES_DIR) + L"\\audio\\tone440-3s.mp3";

void writeList(const std::wstring& path, const std::wstring& audio, const std::vector<SentenceListRow>& rows) {
    ASSERT_TRUE(writeTextFile(path, buildSentenceListXml(audio, Element(L"WordList"), ID3TagModel(), rows),
                              kEncodingUtf16Le));
}

class LyricsLoaderTest : public ::testing::Test, public SentenceFixture {
protected:
    void SetUp() override { takeShownMessages(); }
    void TearDown() override { setMessageBoxAnswer(IDOK); }

    // The cells of every row and the view's text, for comparing two loads.
    std::vector<std::wstring> snapshot() {
        std::vector<std::wstring> cells{editor.getTextCopy()};
        for (int row = 0; row < table.getItemCount(); ++row) {
            for (const std::wstring& cell : {rows.getStartText(row), rows.getEndText(row), rows.getSentence(row),
                                             rows.getTranslation(row), rows.getExplanation(row)}) {
                cells.push_back(cell);
            }
        }
        return cells;
    }
    std::wstring copyInto(const std::wstring& from, const std::wstring& name) {
        const std::wstring to = temp.file(name);
        EXPECT_TRUE(::CopyFileW(from.c_str(), to.c_str(), FALSE)) << "the MP3 fixtures are made by ctest";
        return to;
    }

    TempDirectory temp;
    Element wordList{L"WordList"};
    ID3TagModel id3;
    MP3_ID3Manager tag;
    std::wstring audioPath;
    std::wstring listPath;
    LyricsLoader loader{{rows, editor, wordList, id3, tag, audioPath, listPath}};
};

}  // namespace

TEST_F(LyricsLoaderTest, SavedListReadsBackWithEveryTimeAndText) {
    audioPath = copyInto(kTone, L"Tom & Jerry; Q&A 日本.mp3");
    listPath = removeExtension(audioPath) + L".xml";
    rows.setSentenceGroups({{1000, 3500, L"Tom & Jerry <3 ", L"トムとジェリー", L"説明 & <note>"},
                            {4000, kUnsetTime, L"二つ目の文。\r\n", L"Second <sentence>", L""},
                            {62340, 65000, L"a]]>b", L"", L"x"}});
    id3.setTitle(L"Title & <subtitle> 日本語");
    id3.setSourceUrl(L"http://127.0.0.1/x?y=1&z=2");
    id3.setYear(2021);
    id3.setMonth(3);
    id3.setDay(5);
    Element* word = new Element(L"Word");
    word->setAttribute(L"level", L"3");
    wordList.appendChild(word);
    ASSERT_TRUE(loader.writeXmlLyrics());
    const std::string written = readFileBytes(listPath);
    ASSERT_GT(written.size(), 4u);
    EXPECT_EQ(written.substr(0, 4), std::string("\xFF\xFE<\0", 4)) << "UTF-16LE with its byte-order mark";

    const std::vector<std::wstring> saved = snapshot();
    const std::wstring savedWords = wordList.toXML();
    rows.setSentenceGroups({});
    id3 = ID3TagModel();
    wordList.clear();
    const std::wstring expectedAudio = audioPath;
    audioPath.clear();  // as when the list itself is opened
    listPath.clear();
    ASSERT_TRUE(loader.readXmlLyrics(removeExtension(expectedAudio) + L".xml"));
    EXPECT_TRUE(takeShownMessages().empty());
    EXPECT_EQ(audioPath, expectedAudio) << "the audio file is found by its name with \"&\"";
    EXPECT_EQ(listPath, removeExtension(expectedAudio) + L".xml");
    EXPECT_EQ(snapshot(), saved);
    EXPECT_TRUE(rowsInStep(*this));
    EXPECT_EQ(id3.getTitle(), L"Title & <subtitle> 日本語");
    EXPECT_EQ(id3.getSourceUrl(), L"http://127.0.0.1/x?y=1&z=2");
    EXPECT_EQ(id3.getMonth(), 3);
    EXPECT_EQ(wordList.toXML(), savedWords);

    ASSERT_TRUE(loader.writeXmlLyrics());
    EXPECT_EQ(readFileBytes(listPath), written) << "saving what was read writes the same file";
}

TEST_F(LyricsLoaderTest, SentencesComeFromTheListThenSyltThenUslt) {
    const std::wstring both = copyInto(id3test::madeFixture(L"mutagen-v23-enc1.mp3"), L"both.mp3");
    writeList(temp.file(L"both.xml"), L"both.mp3", {{L"00:00:50", L"", L"From the list.", L"", L""}});
    audioPath = both;
    EXPECT_TRUE(loader.loadLyrics(both));
    ASSERT_EQ(table.getItemCount(), 1);
    EXPECT_EQ(rows.getSentence(0), L"From the list.");
    EXPECT_EQ(listPath, temp.file(L"both.xml"));

    ::DeleteFileW(temp.file(L"both.xml").c_str());
    EXPECT_TRUE(loader.loadLyrics(both));
    ASSERT_EQ(table.getItemCount(), 3) << "the SYLT lines, not the USLT text";
    EXPECT_EQ(rows.getSentence(1), L"二番目の行です");
    EXPECT_EQ(rows.getStartText(1), L"00:02:50");
    EXPECT_EQ(rows.getEndText(1), L"");
    EXPECT_EQ(editor.getTextCopy(), L"First line二番目の行ですThird \u00FF line");
    EXPECT_EQ(listPath, temp.file(L"both.xml")) << "a later save writes beside the audio file";
    EXPECT_TRUE(rowsInStep(*this));

    const std::wstring uslt = copyInto(id3test::madeFixture(L"eyed3-v23-utf16.mp3"), L"uslt.mp3");
    audioPath = uslt;
    EXPECT_TRUE(loader.loadLyrics(uslt));
    ASSERT_GE(table.getItemCount(), 1);
    EXPECT_EQ(rows.getSentence(0).substr(0, 15), L"Lyrics by eyeD3");
    EXPECT_EQ(rows.getStartText(0), L"00:00:00");
    EXPECT_NE(editor.getTextCopy().find(L"ふたつめ"), std::wstring::npos);

    const std::wstring plain = copyInto(id3test::madeFixture(L"plain-mpeg1.mp3"), L"plain.mp3");
    EXPECT_TRUE(loader.loadLyrics(plain));
    EXPECT_EQ(table.getItemCount(), 0);
    EXPECT_EQ(editor.getTextLength(), 0u);
    EXPECT_TRUE(takeShownMessages().empty()) << "missing lyrics are not reported";
}

TEST_F(LyricsLoaderTest, AnUnreadableListIsReportedAndSyltIsTried) {
    const std::wstring both = copyInto(id3test::madeFixture(L"mutagen-v24-enc1.mp3"), L"broken.mp3");
    std::ofstream(temp.file(L"broken.xml").c_str(), std::ios::binary) << "<SentenceList><SentenceGroup></Other>";
    audioPath = both;
    EXPECT_TRUE(loader.loadLyrics(both));
    EXPECT_EQ(table.getItemCount(), 3);
    const std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back().text, temp.file(L"broken.xml") + L"\nCouldn't parse this file.");
}

TEST_F(LyricsLoaderTest, AMissingAudioFileIsAskedForInTheListsFolder) {
    const std::wstring list = temp.file(L"gone.xml");
    writeList(list, L"gone.mp3", {{L"00:01:00", L"", L"New.", L"", L""}});
    fill(2);
    const std::wstring before = getCurrentDirectory();
    std::wstring folderWhenAsked;
    std::wstring answer;
    loader.setAudioChooser([&] {
        folderWhenAsked = getCurrentDirectory();
        return answer;
    });
    EXPECT_FALSE(loader.readXmlLyrics(list)) << "cancelled";
    EXPECT_EQ(folderWhenAsked + L"\\", getDirectory(list));
    EXPECT_EQ(getCurrentDirectory(), before);
    EXPECT_EQ(table.getItemCount(), 2) << "the sentences stay";
    EXPECT_EQ(listPath, L"");

    answer = copyInto(kTone, L"chosen.mp3");
    EXPECT_TRUE(loader.readXmlLyrics(list));
    EXPECT_EQ(audioPath, answer);
    EXPECT_EQ(rows.getSentence(0), L"New.");
    EXPECT_EQ(getCurrentDirectory(), before);
}

TEST_F(LyricsLoaderTest, ListsWithoutGroupsOrId3) {
    const std::wstring list = temp.file(L"empty.xml");
    ASSERT_TRUE(writeTextFile(list, L"<SentenceList audio='x.mp3'><id3/></SentenceList>", kEncodingUtf16Le));
    audioPath = kTone;
    fill(1);
    EXPECT_FALSE(loader.readXmlLyrics(list));
    EXPECT_EQ(table.getItemCount(), 1);
    EXPECT_TRUE(takeShownMessages().empty());

    writeList(list, L"x.mp3", {{L"00:01:00", L"", L"One.", L"", L""}});
    ASSERT_TRUE(writeTextFile(list,
                              L"<SentenceList><SentenceGroup startTime='00:01:00'><s>One.</s></SentenceGroup>"
                              L"</SentenceList>",
                              kEncodingUtf16Le));
    id3.setTitle(L"old title");
    id3.setCategory(L"old");
    EXPECT_TRUE(loader.readXmlLyrics(list));
    EXPECT_EQ(id3.getTitle(), L"");
    EXPECT_EQ(id3.getCategory(), L"");
    SYSTEMTIME today{};
    ::GetLocalTime(&today);
    EXPECT_EQ(id3.getYear(), today.wYear) << "the date of a list without id3 is the file's creation date";
    EXPECT_EQ(id3.getMonth(), today.wMonth);
}

TEST_F(LyricsLoaderTest, AFailedSaveKeepsTheFileAndSaysSo) {
    audioPath = kTone;
    listPath = temp.file(L"kept.xml");
    writeList(listPath, L"kept.mp3", {{L"00:01:00", L"", L"Learner's work.", L"", L""}});
    const std::string before = readFileBytes(listPath);
    ::SetFileAttributesW(listPath.c_str(), FILE_ATTRIBUTE_READONLY);
    fill(3);
    EXPECT_FALSE(loader.writeXmlLyrics());
    ::SetFileAttributesW(listPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(readFileBytes(listPath), before);
    const std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, listPath + L"\r\nファイルの作成に失敗しました。");
}

TEST_F(LyricsLoaderTest, ListsWrittenByPythonRead) {
    for (const wchar_t* name : {L"etree.xml", L"minidom.xml"}) {
        SCOPED_TRACE(testing::Message() << "file " << std::string(name, name + 11));
        audioPath.clear();
        const std::wstring list = L"..\\sentence-list-fixtures\\" + std::wstring(name);
        ASSERT_TRUE(fileExists(list)) << "made by ctest (player_sentence_list_fixtures)";
        ASSERT_TRUE(loader.readXmlLyrics(list));
        EXPECT_EQ(getFileName(audioPath), L"lesson & talk.mp3");
        ASSERT_EQ(table.getItemCount(), 2);
        EXPECT_EQ(rows.getStartText(0), L"00:01:00");
        EXPECT_EQ(rows.getEndText(0), L"00:03:50");
        EXPECT_EQ(rows.getSentence(0), L"Tom & Jerry <3 ");
        EXPECT_EQ(rows.getTranslation(0), L"トムとジェリー");
        EXPECT_EQ(rows.getExplanation(0), L"説明 & <note>");
        EXPECT_EQ(rows.getEndText(1), L"");
        EXPECT_EQ(rows.getSentence(1), L"二つ目の文。");
        EXPECT_EQ(rows.getTranslation(1), L"Second <sentence> & more");
        EXPECT_EQ(editor.getTextCopy(), L"Tom & Jerry <3 二つ目の文。");
        EXPECT_EQ(id3.getTitle(), L"Title & <subtitle> 日本語");
        EXPECT_EQ(id3.getDescription(), L"説明文 & more");
        EXPECT_EQ(id3.getOfficialSite(), L"http://127.0.0.1/?a=1&b=2");
        EXPECT_EQ(id3.getSourceUrl(), L"http://127.0.0.1/x?y=1&z=2");
        EXPECT_EQ(id3.getCategory(), L"英語");
        EXPECT_EQ(id3.getYear(), 2021);
        EXPECT_EQ(id3.getMonth(), 3);
        EXPECT_EQ(id3.getDay(), 5);
        const Element* key = wordList.getElementByTagName(L"key");
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->getAllText(), L"apple & pie");
        EXPECT_TRUE(takeShownMessages().empty());
    }
}

TEST_F(LyricsLoaderTest, SavingAndReloadingAskFirst) {
    audioPath = kTone;
    listPath = temp.file(L"asked.xml");
    fill(2);
    editor.setModified(true);
    setMessageBoxAnswer(IDNO);
    EXPECT_TRUE(loader.saveLyrics(nullptr));
    EXPECT_FALSE(fileExists(listPath));
    std::vector<MessageBoxRequest> shown = takeShownMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, L"歌詞を asked.xml に上書き保存しますか？");
    EXPECT_EQ(shown[0].caption, L"Save as XML file");

    setMessageBoxAnswer(IDYES);
    EXPECT_TRUE(loader.saveLyrics(nullptr));
    EXPECT_TRUE(fileExists(listPath));
    EXPECT_FALSE(editor.isModified());
    takeShownMessages();

    editor.insertText(L"The first sentence is here.\r\nThe second one is there.\r\nThe third is new.\r\n");
    EXPECT_TRUE(loader.reloadLyrics(nullptr));
    shown = takeShownMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, L"Do you reload lyrics?");
    EXPECT_EQ(table.getItemCount(), 3);
    EXPECT_EQ(rows.getSentence(2), L"The third is new.\r\n");
    EXPECT_EQ(rows.getStartText(1), L"00:01:00") << "the first rows keep their times";
    EXPECT_TRUE(rowsInStep(*this));

    setMessageBoxAnswer(IDNO);
    EXPECT_FALSE(loader.reloadLyrics(nullptr));
    takeShownMessages();

    audioPath.clear();
    EXPECT_TRUE(loader.saveLyrics(nullptr)) << "nothing open: nothing asked";
    EXPECT_TRUE(takeShownMessages().empty());
}

TEST(LyricsInfoManager, ReadsSyltLinesAndUsltText) {
    LyricsInfoManager lyrics;
    ASSERT_TRUE(lyrics.readSyltTag(id3test::madeFixture(L"mutagen-v24-enc3.mp3")));
    ASSERT_EQ(lyrics.getCount(), 3);
    EXPECT_EQ(lyrics.getTime(2), 4000u);
    EXPECT_EQ(lyrics.getText(0), L"First line");
    EXPECT_EQ(lyrics.getText(3), L"");
    EXPECT_EQ(lyrics.getTime(3), 0u);
    EXPECT_EQ(lyrics.getTime(-1), 0u);
    EXPECT_EQ(lyrics.getUltTagText(id3test::madeFixture(L"mutagen-v24-enc3.mp3")), L"Unsynchronised lyrics\n日本語の歌詞");

    EXPECT_FALSE(lyrics.readSyltTag(id3test::madeFixture(L"plain-mpeg1.mp3")));
    EXPECT_EQ(lyrics.getCount(), 0);
    EXPECT_FALSE(lyrics.readSyltTag(L"no such file.mp3"));
    EXPECT_EQ(lyrics.getUltTagText(L"no such file.mp3"), L"");
}
