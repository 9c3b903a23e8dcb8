#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "downloaders/news/ElearningPages.h"
#include "downloaders/news/EnglishNewsPages.h"
#include "downloaders/news/RetrieverException.h"
#include "downloaders/tests/NewsLessonPages.h"
#include "foundation/encoding/StringConversion.h"
#include "foundation/system/StringUtils.h"
#include "foundation/xml/Element.h"

namespace {

const wchar_t kSite[] = L"http://127.0.0.1:8080";

std::wstring page(const char* utf8) { return utf8ToWString(utf8); }

std::wstring childText(const Element& group, const wchar_t* name) {
    std::vector<Element*> found;
    group.getElementsByTagName(name, found);
    return found.empty() ? L"<none>" : found[0]->getAllText();
}

template <typename Call>
std::wstring failureOf(Call call) {
    try {
        call();
    } catch (const RetrieverException& e) {
        return e.getMessage();
    }
    return L"<no failure>";
}

}  // namespace

TEST(EnglishNewsIndex, GivesTitleCategoryDateAndDescription) {
    const EnglishNewsIndex index = readEnglishNewsIndex(page(kEnglishIndexPage));
    ASSERT_TRUE(index.found);
    // The English title under the misspelt marker; tags gone, references decoded.
    EXPECT_EQ(L"Spring comes & goes - \u6625\u304C\u6765\u305F", index.title);
    EXPECT_EQ(L"World :Asia", index.category);
    EXPECT_EQ(L"2010\u5E744\u67081\u65E5 \tWorld&nbsp;Asia  ", index.dateLine);
    EXPECT_EQ(L"Cherry trees\r\nbloom.", index.description);

    EXPECT_FALSE(readEnglishNewsIndex(L"").found);
    EXPECT_FALSE(readEnglishNewsIndex(L"<div class=\"left_col_in\"><p>no end</p>").found);

    const std::wstring full = page(kEnglishIndexPage);
    const std::wstring noParagraph = replaceAll(full, L"<p>", L"<div>");
    EXPECT_EQ(noParagraph + L"\r\ndescription text is not found.\r\n",
              failureOf([&] { readEnglishNewsIndex(noParagraph); }));
    EXPECT_EQ(L"\r\nreal time text is not found.\r\n",
              failureOf([&] { readEnglishNewsIndex(replaceAll(full, L"original-date", L"date")); }));
    EXPECT_EQ(L"\rcategory text is not found.\r\n",
              failureOf([&] { readEnglishNewsIndex(replaceAll(full, L"</span> </span> ", L"")); }));
    EXPECT_EQ(L"\r\n<div class=\"news-tilte-jp\"> is not found.\r\n",
              failureOf([&] { readEnglishNewsIndex(replaceAll(full, L"news-title-jp", L"news-jp")); }));
}

TEST(ElearningPages, NewsBlocksWithUpperLowerOrNoAudioTag) {
    const std::wstring text = page(kEnglishNewsPage);
    size_t pos = 0;
    std::unique_ptr<Element> first(parseElearningSentenceGroup(text, pos));
    ASSERT_TRUE(first);
    EXPECT_EQ(L"Spring has come to Tokyo.\r\n", childText(*first, L"sentence"));
    EXPECT_EQ(L"\u6625\u304C\u6771\u4EAC\u306B\u6765\u307E\u3057\u305F\u3002\r\n", childText(*first, L"translation"));
    EXPECT_EQ(L"come: \u6765\u308B", childText(*first, L"explanation"));
    std::unique_ptr<Element> second(parseElearningSentenceGroup(text, pos));
    ASSERT_TRUE(second);
    EXPECT_EQ(L"People enjoy it.\r\n", childText(*second, L"sentence"));
    EXPECT_EQ(L"enjoy: \u697D\u3057\u3080", childText(*second, L"explanation"));
    std::unique_ptr<Element> third(parseElearningSentenceGroup(text, pos));
    ASSERT_TRUE(third);
    EXPECT_EQ(L"No audio here.\r\n", childText(*third, L"sentence"));
    EXPECT_EQ(L"\u97F3\u58F0\u306A\u3057\u3002\r\n", childText(*third, L"translation"));
    EXPECT_EQ(L"plain", childText(*third, L"explanation"));
    EXPECT_EQ(nullptr, parseElearningSentenceGroup(text, pos));

    // A block without an audio tag is read on its own even when a later block has one.
    const std::wstring mixed = L"<dl class=\"sentence\"><dd>Plain.<span>x</span><br />P</dd><dd>e1</dd></dl>"
                               L"<dl class=\"sentence\"><dd>Voiced.<Audio1><br />V</Audio1></dd><dd>e2</dd></dl>";
    pos = 0;
    std::unique_ptr<Element> plain(parseElearningSentenceGroup(mixed, pos));
    EXPECT_EQ(L"Plain.\r\n", childText(*plain, L"sentence"));
    EXPECT_EQ(L"e1", childText(*plain, L"explanation"));
}

TEST(ElearningPages, BlocksWithMissingMarkersFailInsteadOfReadingGarbage) {
    struct Case {
        std::wstring text;
        std::wstring message;
    } cases[] = {
        // Each of these computed a start from a marker that was not there.
        {L"<dl class=\"sentence\"><dt>1</dt></dl>", L"\r\nNot found <dd>"},
        {L"<dl class=\"sentence\"><dd>No span</dd><dd>e</dd>", L"\r\nNot found <span>"},
        {L"<dl class=\"sentence\"><dd>A<span>x</span></dd>", L"\r\nNot found <br />"},
        {L"<dl class=\"sentence\"><dd>A<span>x</span><br />T", L"\r\nNot found </dd>"},
        {L"<dl class=\"sentence\"><dd>A<span>x</span><br />T</dd>", L"\r\nNot found <dd>"},
        {L"<dl class=\"sentence\"><dd>A<Audio1>T</dd><dd>e</dd>", L"\r\n<audio1> tag is not found.\r\n"},
        {L"<dl class=\"sentence\"><dd>A<Audio1><br />T</Audio1></dd><dd>e", L"\r\nNot found </dd>"},
    };
    for (const Case& c : cases) {
        size_t pos = 0;
        EXPECT_EQ(c.message, failureOf([&] { delete parseElearningSentenceGroup(c.text, pos); })) << toString(c.text);
    }
}

TEST(ElearningPages, KeywordLinksAreDistinctExplanationPages) {
    const std::wstring site = kSite;
    const std::vector<std::wstring> links = collectExplanationLinks(page(kEnglishKeywordPage), site);
    ASSERT_EQ(2u, links.size());
    EXPECT_EQ(L"/e-news/elearning/explain.cgi?ymd=20100401&id=1", links[0]);
    EXPECT_EQ(L"/e-news/elearning/explain.cgi?ymd=20100401&id=3", links[1]);
    EXPECT_TRUE(isExplanationUrl(site + L"/e-news/elearning/explain.cgi?ymd=1", site));
    EXPECT_FALSE(isExplanationUrl(L"http://elsewhere/e-news/elearning/explain.cgi?ymd=1", site));
    // Links that only hold the site's address lead to another host.
    const std::wstring crafted[] = {L"@evil.example/" + site + L"/e-news/elearning/explain.cgi?ymd=1&id=9",
                                    L"x/?u=" + site + L"/e-news/elearning/explain.cgi&id=9"};
    for (const std::wstring& href : crafted) {
        EXPECT_FALSE(isExplanationUrl(site + href, site)) << toString(href);
        EXPECT_TRUE(collectExplanationLinks(L"<a href=\"" + href + L"\">k</a>", site).empty()) << toString(href);
    }
    EXPECT_TRUE(collectExplanationLinks(L"", site).empty());
}

TEST(ElearningPages, ExplanationPagesGiveNumberedColumns) {
    std::unique_ptr<Element> three(readExplanationPage(page(kEnglishExplanation1), L"u"));
    ASSERT_TRUE(three);
    EXPECT_EQ(L"1. Roses bloom.\r\n2. It bloomed.\r\n3. Third.\r\n", childText(*three, L"sentence"));
    EXPECT_EQ(L"1. \u30D0\u30E9\u304C\u54B2\u304F\u3002\r\n2. \u54B2\u3044\u305F\u3002\r\n3. \u4E09\u3064\u76EE\u3002\r\n",
              childText(*three, L"translation"));
    EXPECT_EQ(L"bloom: \u54B2\u304F", childText(*three, L"explanation"));
    // An item without its second line ends the walk; the items before it stay.
    std::unique_ptr<Element> cut(readExplanationPage(page(kEnglishExplanation3), L"u"));
    EXPECT_EQ(L"1. Enjoy it.\r\n", childText(*cut, L"sentence"));

    EXPECT_EQ(L"u\r\nNot found<div id=\"elearning_explain\"\r\n", failureOf([] { readExplanationPage(L"<p/>", L"u"); }));
    EXPECT_EQ(L"u\r\nNot found <dd>\r\n",
              failureOf([] { readExplanationPage(L"<div id=\"elearning_explain\"><ol class=\"explain\"></ol>", L"u"); }));
    const std::wstring noList = L"<div id=\"elearning_explain\"><dd>k</dd>";
    EXPECT_EQ(L"u" + noList + L"\r\nNot found </ol>\r\n", failureOf([&] { readExplanationPage(noList, L"u"); }));
}
