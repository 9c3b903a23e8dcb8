// Reading the words of a word list in both of their forms, and writing the current one.
#include <gtest/gtest.h>

#include <memory>

#include "foundation/xml/XMLParser.h"
#include "words/WordElement.h"

namespace {

// The first "Word" of the text, kept alive with its parser.
struct ParsedWord {
    explicit ParsedWord(const std::wstring& text) {
        EXPECT_TRUE(parser.parseString(text));
        word = parser.getRootElement()->getElementByTagName(L"Word");
    }
    XMLParser parser;
    Element* word = nullptr;
};

}  // namespace

TEST(WordElement, ReadsTheCurrentForm) {
    ParsedWord parsed(
        L"<WordList><Word level='7'>\r\n\t<key>\r\n<![CDATA[run]]>\r\n</key>\r\n"
        L"<value><![CDATA[走る & <急ぐ>]]></value><explanation><![CDATA[ran, run]]></explanation></Word></WordList>");
    ASSERT_NE(nullptr, parsed.word);
    EXPECT_EQ(7, readWordLevel(*parsed.word));
    EXPECT_EQ(L"run", readWordKey(*parsed.word));
    EXPECT_EQ(L"走る & <急ぐ>", readWordValue(*parsed.word));
    EXPECT_EQ(L"ran, run", readWordExplanation(*parsed.word));
}

TEST(WordElement, ReadsTheOlderFormAndFillsWhatIsMissing) {
    ParsedWord older(L"<WordList><Word key='walk'><![CDATA[歩く]]></Word></WordList>");
    EXPECT_EQ(0, readWordLevel(*older.word));
    EXPECT_EQ(L"walk", readWordKey(*older.word));
    EXPECT_EQ(L"歩く", readWordValue(*older.word));
    EXPECT_EQ(L"", readWordExplanation(*older.word));

    // A word without any meaning shows that one is missing; one without a key has none.
    ParsedWord bare(L"<WordList><Word level='x'/></WordList>");
    EXPECT_EQ(0, readWordLevel(*bare.word));
    EXPECT_EQ(L"", readWordKey(*bare.word));
    EXPECT_EQ(L"?", readWordValue(*bare.word));

    // Plain text in the fields, as a hand-written list has it; the child wins over the attribute.
    ParsedWord plain(L"<WordList><Word key='old'><key>new</key><value>新しい</value></Word></WordList>");
    EXPECT_EQ(L"new", readWordKey(*plain.word));
    EXPECT_EQ(L"新しい", readWordValue(*plain.word));
}

TEST(WordElement, WritesKeyValueAndOnlyAGivenExplanation) {
    std::unique_ptr<Element> word(createWordElement(L"cat", L"猫", L""));
    EXPECT_EQ(L"<Word>\r\n\t<key>\r\n\t\t<![CDATA[cat]]>\r\n\t</key>\r\n"
              L"\t<value>\r\n\t\t<![CDATA[猫]]>\r\n\t</value>\r\n</Word>",
              word->toXML());
    std::unique_ptr<Element> empty(createWordElement(L"dog", L"", L"pet"));
    EXPECT_EQ(L"", readWordValue(*empty));
    EXPECT_EQ(L"pet", readWordExplanation(*empty));

    // An emptied explanation goes; a new one comes back after the value.
    setWordExplanation(*empty, L"");
    EXPECT_EQ(nullptr, empty->getElementByTagName(L"explanation"));
    setWordExplanation(*empty, L"loyal");
    EXPECT_EQ(L"explanation", empty->getChildren().back()->getName());
    EXPECT_EQ(L"loyal", readWordExplanation(*empty));
}

TEST(WordElement, TextsWithACDataEndReadBackWhole) {
    std::unique_ptr<Element> word(createWordElement(L"a]]>b", L"]]>]]>", L"x]]"));
    XMLParser parser;
    ASSERT_TRUE(parser.parseString(word->toXML()));
    EXPECT_EQ(L"a]]>b", readWordKey(*parser.getRootElement()));
    EXPECT_EQ(L"]]>]]>", readWordValue(*parser.getRootElement()));
    EXPECT_EQ(L"x]]", readWordExplanation(*parser.getRootElement()));
}

TEST(WordElement, SettingTheValueOfAnOlderWordMovesItsTextUnderValue) {
    ParsedWord older(L"<WordList><Word key='walk'><![CDATA[歩く]]></Word></WordList>");
    setWordValue(*older.word, L"歩く、散歩");
    ASSERT_EQ(1u, older.word->getChildren().size());
    EXPECT_EQ(L"value", older.word->getChildren()[0]->getName());
    EXPECT_EQ(nullptr, older.word->getFirstCDataChild());
    EXPECT_EQ(L"歩く、散歩", readWordValue(*older.word));
}
