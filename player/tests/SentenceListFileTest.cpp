// The sentence-list file's text: what is written, and what is read back from it and
// from files other programs wrote.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/xml/XMLParser.h"
#include "player/lyrics/SentenceListFile.h"
#include "player/lyrics/TimeText.h"

namespace {

// Every field holds "&", "<" and Japanese text.
// "&A;" would read as an unknown reference if the path were not escaped.
const wchar_t kAudio[] = L"..\\音声 & <talk>\\Q&A;1 a&b.mp3";
const std::vector<SentenceListRow> kRows = {
    {L"00:01:00", L"00:03:50", L"Tom & Jerry <3 ", L"トムとジェリー & <猫>", L"説明 & <note>\r\n"},
    {L"00:04:00", L"", L"二つ目の文。\r\n", L"Second <sentence> & more", L""},
};

ID3TagModel sampleId3() {
    ID3TagModel id3;
    id3.setTitle(L"Title & <subtitle> 日本語");
    id3.setDescription(L"説明文 & <more>");
    id3.setOfficialSite(L"http://127.0.0.1/?a=1&b=2");
    id3.setSourceUrl(L"http://127.0.0.1/x?y=1&z=<2>");
    id3.setCategory(L"英語 & 会話");
    id3.setYear(2021);
    id3.setMonth(3);
    id3.setDay(5);
    return id3;
}

Element sampleWordList() {
    Element words(L"WordList");
    Element* word = new Element(L"Word");
    word->setAttribute(L"level", L"2");
    Element* key = new Element(L"key");
    Element* section = new Element();
    section->setSDATA(L"apple & <pie>");
    key->appendChild(section);
    word->appendChild(key);
    words.appendChild(word);
    return words;
}

bool readText(const std::wstring& text, SentenceListContent& content) {
    XMLParser parser;
    return parser.parseString(text) && readSentenceList(*parser.getRootElement(), content);
}

void expectSameId3(const ID3TagModel& read, const ID3TagModel& written) {
    EXPECT_EQ(read.getTitle(), written.getTitle());
    EXPECT_EQ(read.getDescription(), written.getDescription());
    EXPECT_EQ(read.getOfficialSite(), written.getOfficialSite());
    EXPECT_EQ(read.getSourceUrl(), written.getSourceUrl());
    EXPECT_EQ(read.getCategory(), written.getCategory());
    EXPECT_EQ(read.getYear(), written.getYear());
    EXPECT_EQ(read.getMonth(), written.getMonth());
    EXPECT_EQ(read.getDay(), written.getDay());
}

}  // namespace

TEST(SentenceListFile, WritesTheLayoutLineByLine) {
    ID3TagModel id3;
    id3.setYear(2021);
    id3.setMonth(3);
    id3.setDay(5);
    const std::wstring text = buildSentenceListXml(L"a.mp3", Element(L"WordList"), id3,
                                                   {{L"00:01:00", L"00:02:00", L"One. ", L"一", L""}});
    EXPECT_EQ(text,
              L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
              L"<SentenceList audio=\"a.mp3\">\r\n"
              L"<WordList></WordList>\r\n"
              L"<id3>\r\n\t<title></title>\r\n\t<description>\r\n\t\t<![CDATA[]]>\r\n\t</description>\r\n"
              L"\t<officialSite></officialSite>\r\n\t<sourceUrl></sourceUrl>\r\n\t<category></category>\r\n"
              L"\t<year>2021</year>\r\n\t<month>03</month>\r\n\t<day>05</day>\r\n</id3>\r\n"
              L"\t<SentenceGroup startTime='00:01:00' endTime='00:02:00'>\r\n"
              L"\t\t<sentence>\r\n<![CDATA[One. ]]>\r\n\t\t</sentence>\r\n"
              L"\t\t<translation>\r\n<![CDATA[一]]>\r\n\t\t</translation>\r\n"
              L"\t</SentenceGroup>\r\n"
              L"</SentenceList>\r\n");
}

TEST(SentenceListFile, EveryFieldReadsBackAsWritten) {
    const ID3TagModel id3 = sampleId3();
    const std::wstring text = buildSentenceListXml(kAudio, sampleWordList(), id3, kRows);
    SentenceListContent content;
    ASSERT_TRUE(readText(text, content));
    EXPECT_EQ(content.audio, kAudio);
    ASSERT_EQ(content.groups.size(), 2u);
    for (size_t i = 0; i < kRows.size(); ++i) {
        EXPECT_EQ(toTimeText(content.groups[i].start), kRows[i].startText);
        EXPECT_EQ(content.groups[i].sentence, kRows[i].sentence);
        EXPECT_EQ(content.groups[i].translation, kRows[i].translation);
        EXPECT_EQ(content.groups[i].explanation, kRows[i].explanation);
    }
    EXPECT_EQ(toTimeText(content.groups[0].end), L"00:03:50");
    EXPECT_EQ(content.groups[1].end, 0u) << "a row without end is written without endTime";
    EXPECT_TRUE(content.hasId3);
    expectSameId3(content.id3, id3);
    ASSERT_TRUE(content.hasWordList);
    EXPECT_EQ(content.wordList.toXML(), sampleWordList().toXML());
}

TEST(SentenceListFile, TextsHoldingTheCDataEndKeepIt) {
    const std::vector<SentenceListRow> rows = {{L"00:00:00", L"", L"a]]>b]]>", L"]]>", L"x]]]>y"}};
    SentenceListContent content;
    ASSERT_TRUE(readText(buildSentenceListXml(L"a.mp3", Element(L"WordList"), ID3TagModel(), rows), content));
    ASSERT_EQ(content.groups.size(), 1u);
    EXPECT_EQ(content.groups[0].sentence, L"a]]>b]]>");
    EXPECT_EQ(content.groups[0].translation, L"]]>");
    EXPECT_EQ(content.groups[0].explanation, L"x]]]>y");
}

TEST(SentenceListFile, GroupsAreReadByPositionWhateverTheirShape) {
    const std::wstring text =
        L"<Lesson>"
        L"<SentenceGroup startTime='00:02:50' endTime='bad'><a>Tom &amp; \u30C8</a><b><![CDATA[x]]> &lt;y</b>"
        L"<c>one<![CDATA[ & two]]></c><d>ignored</d></SentenceGroup>"
        L"<SentenceGroup/>"
        L"<part><SentenceGroup startTime='1:2'><![CDATA[bare]]></SentenceGroup></part>"
        L"</Lesson>";
    SentenceListContent content;
    ASSERT_TRUE(readText(text, content)) << "the root's name is not checked";
    ASSERT_EQ(content.groups.size(), 3u);
    EXPECT_EQ(content.groups[0].start, 2500u);
    EXPECT_EQ(content.groups[0].end, 0u);
    EXPECT_EQ(content.groups[0].sentence, L"Tom & \u30C8") << "escaped plain text reads";
    EXPECT_EQ(content.groups[0].translation, L"x <y");
    EXPECT_EQ(content.groups[0].explanation, L"one & two");
    EXPECT_EQ(content.groups[1].sentence, L"") << "a group without children still counts";
    EXPECT_EQ(content.groups[2].start, 0u) << "two parts are no time";
    EXPECT_EQ(content.groups[2].sentence, L"bare") << "a CDATA section inside the group takes a child's place";
    EXPECT_FALSE(content.hasId3);
    EXPECT_FALSE(content.hasWordList);
}

TEST(SentenceListFile, WordListIsTheRootsChildAndId3IsFoundAnywhere) {
    const std::wstring text =
        L"<SentenceList><SentenceGroup><sentence><WordList><Word/></WordList></sentence></SentenceGroup>"
        L"<WordList><Word level='1' key='old'>v</Word></WordList>"
        L"<meta><id3><title>A &amp; B</title><description> \r\n\t</description><year>x</year></id3></meta>"
        L"</SentenceList>";
    SentenceListContent content;
    ASSERT_TRUE(readText(text, content));
    ASSERT_TRUE(content.hasWordList);
    EXPECT_EQ(content.wordList.getChildren().at(0)->getAttribute(L"key"), L"old");
    ASSERT_TRUE(content.hasId3);
    EXPECT_EQ(content.id3.getTitle(), L"A & B");
    EXPECT_EQ(content.id3.getDescription(), L"") << "a blank description is empty";
    EXPECT_EQ(content.id3.getYear(), 0) << "a year without digits";
    EXPECT_EQ(content.id3.getMonth(), 1) << "a missing month defaults";
}

TEST(SentenceListFile, GroupsInsideTheWordListOrId3AreNoSentencesSoSavingKeepsTheirCount) {
    const std::wstring text =
        L"<SentenceList><WordList><Word><SentenceGroup><s>w</s></SentenceGroup></Word></WordList>"
        L"<id3><title>t</title><SentenceGroup><s>i</s></SentenceGroup></id3>"
        L"<SentenceGroup startTime='00:01:00'><s>real</s></SentenceGroup></SentenceList>";
    SentenceListContent first;
    ASSERT_TRUE(readText(text, first));
    ASSERT_EQ(first.groups.size(), 1u);
    EXPECT_EQ(first.groups[0].sentence, L"real");
    const std::wstring saved = buildSentenceListXml(
        first.audio, first.wordList, first.id3, {{L"00:01:00", L"", first.groups[0].sentence, L"", L""}});
    SentenceListContent second;
    ASSERT_TRUE(readText(saved, second));
    EXPECT_EQ(second.groups.size(), 1u) << "the word list is written back with its own content";
    EXPECT_EQ(readText(L"<SentenceList><WordList><SentenceGroup/></WordList></SentenceList>", second), false);
}

TEST(SentenceListFile, DocumentsWithoutGroupsLeaveTheContent) {
    SentenceListContent content;
    content.audio = L"kept.mp3";
    EXPECT_FALSE(readText(L"<SentenceList audio='x.mp3'><id3/></SentenceList>", content));
    EXPECT_EQ(content.audio, L"kept.mp3");
}

TEST(SentenceListFile, OldFilesWithUnescapedTextsStillRead) {
    // Earlier versions wrote the audio path and the id3 texts as they stood.
    const std::wstring text =
        L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<SentenceList audio=\"a&b.mp3\">\r\n"
        L"<id3><title>Tom & Jerry</title><sourceUrl>http://127.0.0.1/?a=1&b=2</sourceUrl></id3>\r\n"
        L"\t<SentenceGroup startTime='00:01:00'>\r\n\t\t<sentence>\r\n<![CDATA[Hi.]]>\r\n\t\t</sentence>\r\n"
        L"\t</SentenceGroup>\r\n</SentenceList>\r\n";
    SentenceListContent content;
    ASSERT_TRUE(readText(text, content));
    EXPECT_EQ(content.audio, L"a&b.mp3");
    EXPECT_EQ(content.id3.getTitle(), L"Tom & Jerry");
    EXPECT_EQ(content.id3.getSourceUrl(), L"http://127.0.0.1/?a=1&b=2");
    EXPECT_EQ(content.groups.at(0).sentence, L"Hi.");
}

TEST(SentenceListFile, AudioPathIsRelativeToTheListsFolder) {
    struct Case {
        const wchar_t* audio;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"C:\\lessons\\b.mp3", L"b.mp3"},
        {L"C:\\lessons\\m\\b.mp3", L"m\\b.mp3"},  // the sub-folder is kept
        {L"C:\\other\\b.mp3", L"..\\other\\b.mp3"},
        {L"D:\\lessons\\b.mp3", L"D:\\lessons\\b.mp3"},
    };
    for (const Case& c : cases) EXPECT_EQ(audioPathForSentenceList(c.audio, L"C:\\lessons\\list.xml"), c.expected);
    const std::wstring deep = L"C:\\" + std::wstring(270, L'x') + L"\\b.mp3";
    EXPECT_EQ(audioPathForSentenceList(deep, L"C:\\lessons\\list.xml"), deep) << "too long for the shell: absolute";
}
