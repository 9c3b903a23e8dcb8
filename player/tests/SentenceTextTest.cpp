#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/xml/XMLParser.h"
#include "player/lyrics/KanaConversion.h"
#include "player/lyrics/LanguageText.h"
#include "player/lyrics/PairingXml.h"
#include "player/lyrics/TimeText.h"

namespace {

struct TimeCase {
    uint32_t ms;
    const wchar_t* text;
};

TEST(TimeText, FormatsMinutesSecondsAndHundredths) {
    const TimeCase cases[] = {
        {0, L"00:00:00"},           {3723, L"00:03:72"},          {59999, L"00:59:99"},
        {3600000, L"60:00:00"},     {6000000, L"100:00:00"},      {61010, L"01:01:01"},
        {kUnsetTime - 1, L"71582:47:29"},
    };
    for (const TimeCase& c : cases) EXPECT_EQ(toTimeText(c.ms), c.text) << c.ms;
}

TEST(TimeText, ParsesThreePartsAndAnswersZeroForOtherShapes) {
    const TimeCase cases[] = {
        {3720, L"00:03:72"},   {3600000, L"60:00:00"}, {6000000, L"100:00:00"}, {62030, L"1:2:3"},
        {725500, L"12x:05:50abc"}, {3000, L"ab:3:x"},  {0, L"00:01"},          {0, L""},
        {0, L"1:2:3:4"},       {0, L"::"},
    };
    for (const TimeCase& c : cases) EXPECT_EQ(parseTimeText(c.text), c.ms) << c.text;
}

TEST(TimeText, RoundTripsEveryTenMilliseconds) {
    for (uint32_t ms = 0; ms < 7200000; ms += 12340) EXPECT_EQ(parseTimeText(toTimeText(ms)), ms);
}

TEST(EnglishText, AcceptsOrdinaryTextWithFewIdeographs) {
    EXPECT_TRUE(isEnglishText(L"Hello world."));
    EXPECT_TRUE(isEnglishText(L"Hello \u30FB"));  // the middle dot does not count as Japanese
    const std::wstring forty = L"This sentence names \u6771\u4EAC in passing, okay!";
    ASSERT_EQ(forty.size(), 40u);
    EXPECT_TRUE(isEnglishText(forty)) << "two ideographs in a long text";
    std::wstring longEnglish(1001, L'a');
    EXPECT_TRUE(isEnglishText(longEnglish + L"\u3042")) << "only the first 1001 characters count";
}

TEST(EnglishText, RejectsKanaPunctuationFullWidthAndShortTextsWithIdeographs) {
    EXPECT_FALSE(isEnglishText(L""));
    EXPECT_FALSE(isEnglishText(L"abcde \u65E5\u672C")) << "an ideograph in a text shorter than 12";
    EXPECT_FALSE(isEnglishText(L"This sentence names \u6771\u4EAC\u90FD in passing, ok"))
        << "a third ideograph";
    EXPECT_FALSE(isEnglishText(L"\u3053\u3093\u306B\u3061\u306F"));
    EXPECT_FALSE(isEnglishText(L"Hello\u3002"));
    EXPECT_FALSE(isEnglishText(L"\uFF28ello"));
    EXPECT_FALSE(isEnglishText(L"Hello\u3000")) << "the last visible character is not an ordinary one";
    EXPECT_FALSE(isEnglishText(L"Hello \u3251"));
    EXPECT_FALSE(isEnglishText(L" \r\n"));
}

const std::wstring kMixed =
    L"Good morning. How are you?\r\n\u304A\u306F\u3088\u3046\u3002\u5143\u6C17\uFF1F\r\n"
    L"See you later.\r\n\u307E\u305F\u306D\u3002\r\n";

TEST(LanguageRuns, CoverTheTextInAlternatingLanguages) {
    std::vector<std::wstring> runs;
    EXPECT_TRUE(splitByLanguage(kMixed, runs));
    ASSERT_EQ(runs.size(), 4u);
    std::wstring joined;
    for (const std::wstring& run : runs) joined += run;
    EXPECT_EQ(joined, kMixed);
    EXPECT_EQ(runs[0].find(L"How are you?"), 14u);
    EXPECT_EQ(runs[1].find(L"\u304A\u306F\u3088\u3046"), 0u);
    EXPECT_EQ(runs[2].find(L"See you later."), 0u);

    std::vector<std::wstring> japaneseFirst;
    EXPECT_FALSE(splitByLanguage(L"\u307E\u305F\u306D\u3002 Bye.", japaneseFirst));
    EXPECT_EQ(japaneseFirst.size(), 2u);

    std::vector<std::wstring> single;
    splitByLanguage(L"x", single);
    EXPECT_EQ(single, std::vector<std::wstring>{L"x"}) << "a text that gives no piece is one run";
}

TEST(LanguageRuns, SwapWritesTheSecondOfEachPairFirst) {
    const std::wstring swapped = swapLanguageLines(kMixed, true);
    EXPECT_EQ(swapped.find(L"\u304A\u306F\u3088\u3046"), 0u);
    EXPECT_NE(swapped.find(L"\r\nGood morning."), std::wstring::npos);
    EXPECT_EQ(swapLanguageLines(L"dog\u72AC", false), L"\u72AC\r\ndog\r\n\r\n");
    EXPECT_EQ(swapLanguageLines(L"dog \u72AC cat", false), L"\u72AC \r\ndog \r\n\r\ncat")
        << "blanks join the run of others; an odd last run stays as it is";
}

TEST(KanaConversion, ConvertsOnlyKanaLettersAndIterationMarks) {
    EXPECT_EQ(toHiragana(L"\u30B3\u30FC\u30D2\u30FC"), L"\u3053\u30FC\u3072\u30FC") << "the long-vowel mark stays";
    EXPECT_EQ(toKatakana(L"\u3053\u30FC\u3072\u30FC"), L"\u30B3\u30FC\u30D2\u30FC");
    EXPECT_EQ(toHiragana(L"\u30FB\u30F7\u30FD\u30FE\u30A1\u30F6"), L"\u30FB\u30F7\u309D\u309E\u3041\u3096");
    EXPECT_EQ(toKatakana(L"\u309B\u309C\u309D\u309E\u3041\u3096\u3040"), L"\u309B\u309C\u30FD\u30FE\u30A1\u30F6\u3040");
    EXPECT_EQ(toKatakana(L"abc \u6F22"), L"abc \u6F22");
}

// The concatenated CDATA sections of the first element of the tag.
std::wstring sectionsOf(XMLParser& parser, const std::wstring& tag) {
    std::wstring text;
    Element* element = parser.getElementByTagName(tag);
    if (!element) return L"<missing>";
    for (Node* n = element->getFirstChild(); n; n = n->getNextSibling()) {
        Element* child = dynamic_cast<Element*>(n);
        if (child && child->isCData()) text += child->getOwnText();
    }
    return text;
}

TEST(PairingXml, WritesOneGroupPerPairAndDropsAnOddRun) {
    XMLParser parser;
    ASSERT_TRUE(parser.parseString(toSentenceListXml(L"Hello there.\r\n\u3053\u3093\u306B\u3061\u306F\u3002\r\nBye now.")));
    EXPECT_EQ(parser.getElementsByTagName(L"SentenceGroup").size(), 1u);
    EXPECT_EQ(sectionsOf(parser, L"sentence"), L"Hello there.\r\n");
    EXPECT_EQ(sectionsOf(parser, L"translation"), L"\u3053\u3093\u306B\u3061\u306F\u3002\r\n");

    ASSERT_TRUE(parser.parseString(toWordListXml(kMixed)));
    EXPECT_EQ(parser.getElementsByTagName(L"Word").size(), 2u);
    EXPECT_EQ(sectionsOf(parser, L"value").find(L"\u304A\u306F\u3088\u3046"), 0u);
}

TEST(PairingXml, KeepsAnEndOfSectionMarkInsideTheTextReadable) {
    const std::wstring english = L"Arrays like a[b[0]]> are odd.\r\n";
    const std::wstring xml = toSentenceListXml(english + L"\u5909]]>\u3067\u3059\u3002\r\n");
    XMLParser parser;
    ASSERT_TRUE(parser.parseString(xml)) << "the old writer left a bare ]]> that ended the section";
    EXPECT_EQ(sectionsOf(parser, L"sentence"), english);
    EXPECT_EQ(sectionsOf(parser, L"translation"), L"\u5909]]>\u3067\u3059\u3002\r\n");
    EXPECT_EQ(toCDataSection(L"]]>"), L"<![CDATA[]]]]><![CDATA[>]]>");
}

}  // namespace
