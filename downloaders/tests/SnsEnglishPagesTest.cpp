#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "downloaders/news/NewsWordList.h"
#include "downloaders/news/SnsEnglishPages.h"
#include "downloaders/tests/NewsLessonPages.h"
#include "foundation/encoding/StringConversion.h"
#include "foundation/system/ParserException.h"
#include "foundation/system/StringUtils.h"
#include "foundation/xml/Element.h"

namespace {

std::wstring page(const char* utf8) { return utf8ToWString(utf8); }

std::wstring childText(const Element& group, const wchar_t* name) {
    std::vector<Element*> found;
    group.getElementsByTagName(name, found);
    return found.empty() ? L"<none>" : found[0]->getAllText();
}

// The message of the ParserException the call throws, or "<no failure>".
template <typename Call>
std::wstring failureOf(Call call) {
    try {
        call();
    } catch (const ParserException& e) {
        return e.getMessage();
    }
    return L"<no failure>";
}

}  // namespace

TEST(SnsEnglishPages, SummaryGivesTitleDateLineAndDescription) {
    const SnsSummary summary = readSnsSummary(page(kSnsSummaryPage));
    EXPECT_EQ(L"Tokyo & Games - \u6771\u4EAC\u5927\u4F1A", summary.title);
    EXPECT_EQ(L"2021\u5E748\u67082\u65E5", summary.dateLine);
    EXPECT_EQ(L"First line\r\nsecond & line", summary.description);

    const std::wstring full = page(kSnsSummaryPage);
    EXPECT_EQ(L"\rhtml text is not found.\r\n", failureOf([] { readSnsSummary(L""); }));
    const std::wstring noEnd = replaceAll(full, L"<!-- /#summary -->", L"");
    EXPECT_EQ(noEnd + L"\r\n1 description text is not found.\r\n", failureOf([&] { readSnsSummary(noEnd); }));
    // The end marker before the start marker is no block either, not a reversed cut.
    const std::wstring reversed = L"<!-- /#summary -->" + noEnd;
    EXPECT_EQ(reversed + L"\r\n1 description text is not found.\r\n", failureOf([&] { readSnsSummary(reversed); }));
    const std::wstring noParagraph = replaceAll(full, L"<p>", L"<div>");
    EXPECT_EQ(noParagraph + L"\r\n2 description text is not found.\r\n",
              failureOf([&] { readSnsSummary(noParagraph); }));
    EXPECT_NE(std::wstring::npos,
              failureOf([&] { readSnsSummary(replaceAll(full, L"sdate", L"date")); }).find(L"time text is not found"));
    const std::wstring noEnglish = replaceAll(full, L"title-en", L"title");
    EXPECT_EQ(noEnglish + L"------\r\nclass=\"title-en\"> is not found.\r\n",
              failureOf([&] { readSnsSummary(noEnglish); }));
    EXPECT_EQ(L"\r\nclass=\"title-jp\"> is not found.\r\n",
              failureOf([&] { readSnsSummary(replaceAll(full, L"title-jp", L"title")); }));
}

TEST(SnsEnglishPages, WordListKeepsEveryOccurrenceInPageOrder) {
    std::unique_ptr<Element> list(readWordList(page(kSnsSummaryPage)));
    ASSERT_TRUE(list);
    EXPECT_EQ(L"WordList", list->getName());
    ASSERT_EQ(3u, list->getChildren().size());
    const Element& first = *list->getChildren()[0];
    EXPECT_EQ(L"Word", first.getName());
    // Key and value are child elements, each one CDATA section.
    ASSERT_EQ(2u, first.getChildren().size());
    EXPECT_EQ(L"key", first.getChildren()[0]->getName());
    EXPECT_EQ(L"value", first.getChildren()[1]->getName());
    EXPECT_TRUE(first.getAttributes().empty());
    EXPECT_NE(std::wstring::npos, first.toXMLString().find(L"<![CDATA[[\u540D] \u9078\u624B]]>"));
    EXPECT_EQ(L"athlete", childText(first, L"key"));
    EXPECT_EQ(L"athlete", childText(*list->getChildren()[2], L"key"));

    std::unique_ptr<Element> none(readWordList(L"<p>no words</p>"));
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->getChildren().empty());
    EXPECT_EQ(nullptr, readWordList(L""));
    // A word without its type ends the list there.
    std::unique_ptr<Element> cut(readWordList(L"data-word=\"a\" data-jp=\"b\" data-type=\"c\" data-word=\"d\" data-jp=\"e\""));
    EXPECT_EQ(1u, cut->getChildren().size());
}

TEST(SnsEnglishPages, SentencePageGivesAGroupPerSentence) {
    const std::wstring text = page(kSnsSentencePage);
    size_t pos = 0;
    std::unique_ptr<Element> first(parseSnsSentenceGroup(text, pos));
    ASSERT_TRUE(first);
    EXPECT_EQ(L"The Games opened on Friday.\r\n", childText(*first, L"sentence"));
    EXPECT_EQ(L"\u5927\u4F1A\u304C\u91D1\u66DC\u65E5\u306B\u958B\u5E55\u3057\u307E\u3057\u305F\u3002\r\n",
              childText(*first, L"translation"));
    EXPECT_EQ(L"open: \u958B\u5E55\u3059\u308B", childText(*first, L"explanation"));
    std::unique_ptr<Element> second(parseSnsSentenceGroup(text, pos));
    ASSERT_TRUE(second);
    EXPECT_EQ(L"Athletes & fans cheered.\r\n", childText(*second, L"sentence"));
    // The page's line break inside the translation goes; "<br />" becomes one.
    EXPECT_EQ(L"\u9078\u624B\u3068\u30D5\u30A1\u30F3\u304C\u559C\u3093\u3060\u3002\r\n",
              childText(*second, L"translation"));
    EXPECT_EQ(L"cheer: \u559D\u91C7\u3059\u308B\r\ncheered", childText(*second, L"explanation"));
    const size_t end = pos;
    EXPECT_EQ(nullptr, parseSnsSentenceGroup(text, pos));
    EXPECT_EQ(end, pos);
}

TEST(SnsEnglishPages, SentencesCutShortFailWithoutReadingPastThePage) {
    const std::wstring full = page(kSnsSentencePage);
    struct Case {
        std::wstring text;
        std::wstring message;
    } cases[] = {
        {L"<div class=\"sentence\">A.</div>", L"\r\n<script>getAudio tag is not found.\r\n"},
        {L"<div class=\"sentence\">A.<script>getAudio()</script>",
         L"\r\n<div class=\"sentence-jp\"> tag is not found.\r\n"},
        {L"<div class=\"sentence\">A.<script>getAudio()</script><div class=\"sentence-jp\">x</div>",
         L"\r\nNot found <p class=\"explain\">"},
        // The ends of the translation and of the explanation were read as "up to the
        // end of nothing": now a failure like every other missing marker.
        {L"<div class=\"sentence\">A.<script>getAudio()</script><div class=\"sentence-jp\">x",
         L"\r\nNot found </div>\r\n"},
        {full.substr(0, full.find(L"</p>")), L"\r\nNot found </p>\r\n"},
    };
    for (const Case& c : cases) {
        size_t pos = 0;
        EXPECT_EQ(c.message, failureOf([&] { delete parseSnsSentenceGroup(c.text, pos); })) << toString(c.text);
    }
}

TEST(SnsEnglishPages, KeywordBlocksGiveNumberedLinesAndTheirKeySentence) {
    const std::wstring text = cleanKeywordPage(page(kSnsKeywordPage));
    EXPECT_EQ(std::wstring::npos, text.find(L'\t'));
    size_t pos = 0;
    std::unique_ptr<Element> first(parseSnsKeywordGroup(text, pos));
    ASSERT_TRUE(first);
    EXPECT_EQ(L"1. The event kicks off today.\r\n2. We kicked off early.\r\n", childText(*first, L"sentence"));
    EXPECT_EQ(L"1. \u30A4\u30D9\u30F3\u30C8\u306F\u4ECA\u65E5\u59CB\u307E\u308B\u3002\r\n"
              L"2. \u65E9\u304F\u59CB\u3081\u305F\u3002\r\n",
              childText(*first, L"translation"));
    EXPECT_EQ(L"kick off", childText(*first, L"explanation"));
    // A block without badges: only the line break the builder adds.
    std::unique_ptr<Element> second(parseSnsKeywordGroup(text, pos));
    ASSERT_TRUE(second);
    EXPECT_EQ(L"\r\n", childText(*second, L"sentence"));
    EXPECT_EQ(L"\r\n", childText(*second, L"translation"));
    EXPECT_EQ(L"no badges", childText(*second, L"explanation"));
    EXPECT_EQ(nullptr, parseSnsKeywordGroup(text, pos));

    EXPECT_EQ(L"ab", cleanKeywordPage(L"a\t\t\t\tb"));
    EXPECT_EQ(L"ab", cleanKeywordPage(L"a   b"));

    const std::wstring block = L"<div class=\"sentence-block\">";
    size_t p = 0;
    EXPECT_EQ(L"<div class=\"sentence\">\r\nNot found \r\n", failureOf([&] { delete parseSnsKeywordGroup(block, p); }));
    const std::wstring open = block + L"<div class=\"sentence\">k";
    EXPECT_EQ(L"</div><!-- /.sentence -->\r\nNot found \r\n", failureOf([&] { delete parseSnsKeywordGroup(open, p); }));
    const std::wstring unended = open + L"</div><!-- /.sentence -->";
    EXPECT_EQ(unended + L"\r\nNot found </div><!-- /.sentence-block -->\r\n",
              failureOf([&] { delete parseSnsKeywordGroup(unended, p); }));
}
