#include <gtest/gtest.h>

#include <memory>

#include "downloaders/news/DeEigoJutsuPages.h"
#include "foundation/system/ParserException.h"
#include "foundation/xml/Element.h"

namespace {

std::wstring focusBlock(const std::wstring& english, const std::wstring& japanese, const std::wstring& note) {
    return L"<div class=\"focus\"><span>" + english + L"</span>\n<dl><dd>" + japanese + L"</dd>\n<dd>" + note +
           L"</dd></dl>\n";
}

// The message of the ParserException the call throws; empty when it throws none.
template <class Call>
std::wstring failureOf(Call call) {
    try {
        call();
    } catch (const ParserException& e) {
        return e.getMessage();
    }
    return std::wstring();
}

std::wstring childText(const Element& group, size_t index) { return group.getChildren().at(index)->getText(); }

}  // namespace

TEST(DeEigoJutsuPages, FocusBlocksBecomeGroupsOutsideCommentsAndStyles) {
    const std::wstring page = L"<style>" + focusBlock(L"Styled", L"s", L"s") + L"</style>" + L"<!--" +
                              focusBlock(L"Hidden", L"h", L"h") + L"-->" +
                              focusBlock(L"\t The trees\n are in bloom.<br /> ", L"\u685C\u304C<br />\u54B2\u304F",
                                         L"bloom<br />: \u54B2\u304F") +
                              focusBlock(L"People came.", L"\u4EBA\u3005", L"came");
    Element list(L"SentenceList");
    int found = 0;
    EXPECT_EQ(2, appendSentenceGroups(page, list, [&] { ++found; }));
    EXPECT_EQ(2, found);
    const std::vector<Element*> groups = list.getChildren();
    ASSERT_EQ(2u, groups.size());
    EXPECT_EQ(L"The trees are in bloom.\r\n", childText(*groups[0], 0));
    // A break in the Japanese text survives as a line break; in the others it goes.
    EXPECT_EQ(L"\u685C\u304C\r\n\u54B2\u304F", childText(*groups[0], 1));
    EXPECT_EQ(L"bloom: \u54B2\u304F", childText(*groups[0], 2));
    EXPECT_EQ(L"People came.\r\n", childText(*groups[1], 0));
}

TEST(DeEigoJutsuPages, DamagedBlocksAndEmptyPagesFailWithTheirMessages) {
    Element list(L"SentenceList");
    EXPECT_EQ(L"\r\nNot found any sentence in the html.\r\nTry another day (Monday-Friday).",
              failureOf([&] { appendSentenceGroups(L"<html>Saturday</html>", list, nullptr); }));
    EXPECT_EQ(L"\r\nEnglish </span> tag is not found.",
              failureOf([&] { appendSentenceGroups(L"<div class=\"focus\"><span>no end", list, nullptr); }));
    EXPECT_EQ(L"\r\nJapanese <dd> tag is not found.",
              failureOf([&] { appendSentenceGroups(L"<div class=\"focus\"><span>a</span>", list, nullptr); }));
    // A Japanese text without its end runs to the page's end; the explanation is then missing.
    EXPECT_EQ(L"\r\nExplanation <dd> tag is not found.\r\n",
              failureOf([&] { appendSentenceGroups(L"<div class=\"focus\"><span>a</span><dd>b", list, nullptr); }));
    EXPECT_TRUE(list.getChildren().empty());
    // A group without its explanation's end still ends the scan.
    size_t pos = 0;
    std::unique_ptr<Element> last(parseSentenceGroup(L"<div class=\"focus\"><span>a</span><dd>b</dd><dd>c", pos));
    ASSERT_TRUE(last != nullptr);
    EXPECT_EQ(L"c", childText(*last, 2));
    EXPECT_EQ(nullptr, parseSentenceGroup(L"<div class=\"focus\"><span>a</span><dd>b</dd><dd>c", pos));
}

TEST(DeEigoJutsuPages, DescriptionIsTheDetailSectionAsPlainText) {
    const std::wstring page = L"<div class=\"p\">elsewhere</div><div id=\"detail-ja\">\r\n<div class=\"p\">\r\n\t"
                              L"Spring &amp; trees\r\n<br />second<br>third\t</div></div><!-- #detail-ja -->";
    EXPECT_EQ(L"Spring & trees\r\nsecond\r\nthird", readArticleDescription(page));
    EXPECT_EQ(L"\rhtml text is not found.\r\n", failureOf([] { readArticleDescription(L""); }));
    EXPECT_EQ(L"<p>x</p>\r\n1 description text is not found.\r\n",
              failureOf([] { readArticleDescription(L"<p>x</p>"); }));
    // The end marker must follow the section's start.
    EXPECT_EQ(L"<!-- #detail-ja --><div id=\"detail-ja\">\r\n1 description text is not found.\r\n",
              failureOf([] { readArticleDescription(L"<!-- #detail-ja --><div id=\"detail-ja\">"); }));
    const std::wstring empty = L"<div id=\"detail-ja\"><div class=\"p\"> \t</div><!-- #detail-ja -->";
    EXPECT_EQ(empty + L"\r\n2 description text is not found.\r\n", failureOf([&] { readArticleDescription(empty); }));
}

TEST(DeEigoJutsuPages, TitleComesFromTheNewsListOrElseFromThePage) {
    const std::wstring list = L"[{\"date\": \"2003/27\", \"time\": \"1\", \"category\": \"X: Y\", \"title\": \"Old\"},"
                              L"{\"date\": \"2003/30\", \"time\": \"03:12\", \"category\": \"Society: Life\", "
                              L"\"title\": \"Cherry <b>blossoms</b> &amp; rain\"}]";
    const std::wstring page = L"<title>Page title | Site</title>";
    NewsListEntry listed = readNewsListEntry(list, page, L"20200330", L"url");
    EXPECT_EQ(L"03:12", listed.time);
    EXPECT_EQ(L"Society", id3Category(listed.category));
    EXPECT_EQ(L"Cherry blossoms & rain", cleanTitle(listed.title));
    EXPECT_EQ(L"", id3Category(L"Society"));

    NewsListEntry unlisted = readNewsListEntry(list, page, L"20200331", L"url");
    EXPECT_EQ(L"Page title", unlisted.title);
    EXPECT_TRUE(unlisted.time.empty() && unlisted.category.empty());
    EXPECT_EQ(L"http://list\r\njson is not found.\r\n",
              failureOf([&] { readNewsListEntry(L"", L"<p>no title</p>", L"20200331", L"http://list"); }));
    EXPECT_EQ(L"\", \"title\": \"T\"\r\n------\r\n\rcategory text is not found.\r\n",
              failureOf([] { readNewsListEntry(L"{\"date\": \"2003/30\", \"title\": \"T\"}", L"", L"20200330", L"u"); }));
}
