#include <gtest/gtest.h>

#include "foundation/html/HTMLParser.h"
#include "foundation/xml/Element.h"

namespace {

std::wstring textOf(const std::wstring& page) {
    HTMLParser parser;
    parser.parse(page);
    return parser.getText();
}

}  // namespace

TEST(HTMLParser, CollapsesBlanksAndBreaksParagraphs) {
    EXPECT_EQ(textOf(L"<p>One\r\n   two\tthree</p>"), L"\r\nOne two three\r\n");
    EXPECT_EQ(textOf(L"Before<p>After"), L"Before\r\nAfter");
    // A one-character run before a break tag is dropped.
    EXPECT_EQ(textOf(L"x<p>Next line"), L"\r\nNext line");
    // A line break alone does not end the run: the text goes on after it.
    EXPECT_EQ(textOf(L"ab<br>cd"), L"ab\r\ncd");
}

TEST(HTMLParser, NumbersOrderedListsAndMarksOthers) {
    EXPECT_EQ(textOf(L"<ol><li>first</li><li>second</li></ol>"),
              L"\r\n\r\n\t1. first\r\n\r\n\r\n\t2. second\r\n\r\n");
    EXPECT_EQ(textOf(L"<ul><li>apple</li></ul>"), L"\r\n\r\n\t# apple\r\n\r\n");
    // After an inner list ends, the outer ordered list's items are marked "# ".
    EXPECT_NE(textOf(L"<ol><li>a1<ul><li>b1</li></ul></li><li>a2</li></ol>").find(L"\t# a2"), std::wstring::npos);
}

TEST(HTMLParser, TableCellsAreTabbedAndRowsEndLines) {
    EXPECT_EQ(textOf(L"<table><tr><td>a1</td><td>b2</td></tr></table>"), L"\r\n\t a1\t b2");
}

TEST(HTMLParser, ScriptsStylesAndCommentsNeverReachTheText) {
    EXPECT_EQ(textOf(L"<script>var x = '<p>';</script>Visible"), L"Visible");
    EXPECT_EQ(textOf(L"<STYLE>p { color: red }</STYLE>Shown"), L"Shown");
    EXPECT_EQ(textOf(L"Kept<!-- hidden <p> text -->Too"), L"KeptToo");
    EXPECT_EQ(textOf(L"Open<!-- never closed"), L"Open");
}

TEST(HTMLParser, PreKeepsItsTextVerbatim) {
    EXPECT_EQ(textOf(L"<pre>a  b\n c</pre>"), L"\r\na  b\n c\r\n\r\n");
}

TEST(HTMLParser, RubyReadingsAreKeptAndTheBaseIsText) {
    HTMLParser parser;
    parser.parse(L"<p><ruby><rb>\u6f22\u5b57</rb><rp>(</rp><rt>\u304b\u3093\u3058</rt><rp>)</rp></ruby>\u3067\u3059</p>");
    EXPECT_EQ(parser.getRubies().at(L"\u6f22\u5b57"), L"\u304b\u3093\u3058");
    EXPECT_NE(parser.getText().find(L"\u6f22\u5b57\u3067\u3059"), std::wstring::npos);
}

TEST(HTMLParser, ReferencesAreDecodedInOnePass) {
    EXPECT_EQ(textOf(L"Fish &amp; chips &lt;3 &copy; &unknown; ok"), L"Fish & chips <3 \u00a9 &unknown; ok");
    EXPECT_EQ(textOf(L"&amp;lt; stays"), L"&lt; stays");
    EXPECT_EQ(textOf(L"&ldquo;Hi&rdquo; &#8217;s"), L"\u201cHi\u201d \u2019s");
    // Decoding stops at an ampersand with no semicolon after it.
    EXPECT_EQ(HTMLParser::decodeCharacterReferences(L"&lt; a & b &gt"), L"< a & b &gt");
}

TEST(HTMLParser, RecordsElementsWithAttributesAndTheTitle) {
    HTMLParser parser;
    parser.parse(L"<html><head><title>News &amp; more</title></head>"
                 L"<body><A HREF=\"/one.mp3\" class=x>One</a><a href='two.html' data-x = \"y\">Two</a>"
                 L"<img src=pic.jpg alt=\"a > b\"></body>");
    EXPECT_EQ(parser.getTitle(), L"News & more");
    std::vector<Element*> links = parser.getElementsByTagName(L"a");
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0]->getAttribute(L"href"), L"/one.mp3");
    EXPECT_EQ(links[0]->getAttribute(L"class"), L"x");
    EXPECT_EQ(links[1]->getAttribute(L"href"), L"two.html");
    EXPECT_EQ(links[1]->getAttribute(L"data-x"), L"y");
    ASSERT_EQ(parser.getElementsByTagName(L"img").size(), 1u);
    EXPECT_EQ(parser.getElementsByTagName(L"img")[0]->getAttribute(L"alt"), L"a > b");
    EXPECT_TRUE(parser.getElementsByTagName(L"table").empty());
    EXPECT_NE(parser.getText().find(L"OneTwo"), std::wstring::npos);

    // A second page starts afresh.
    parser.parse(L"<p>Plain</p>");
    EXPECT_TRUE(parser.getElementsByTagName(L"a").empty());
    EXPECT_EQ(parser.getTitle(), L"");
}

TEST(HTMLParser, TruncatedPagesEndCleanly) {
    const wchar_t* pages[] = {L"<",        L"<a",           L"<a href=\"x",   L"<a href='x' ",  L"<p>text<a>link",
                              L"<pre>raw", L"<ruby><rb>x",  L"<script>x",     L"<title>T",      L"<ol><li>x<li",
                              L"<td",      L"&",            L"<a b=",         L"<!--",          L"<img src=x/"};
    for (const wchar_t* page : pages) {
        SCOPED_TRACE(page);
        HTMLParser parser;
        EXPECT_NO_THROW(parser.parse(page));
    }
}

TEST(HTMLParser, SelfClosingTagsAreRecordedAsEmptyElements) {
    HTMLParser parser;
    parser.parse(L"<p>ab<br/>cd<br>ef<img src=\"x.png\" alt='pic' /></p>");
    EXPECT_NE(parser.getText().find(L"ab\r\ncd\r\nef"), std::wstring::npos);
    std::vector<Element*> breaks = parser.getElementsByTagName(L"br");
    ASSERT_EQ(breaks.size(), 2u);
    EXPECT_TRUE(breaks[0]->isEmptyElement());
    EXPECT_FALSE(breaks[1]->isEmptyElement());
    EXPECT_TRUE(parser.getElementsByTagName(L"br/").empty());
    std::vector<Element*> images = parser.getElementsByTagName(L"img");
    ASSERT_EQ(images.size(), 1u);
    EXPECT_TRUE(images[0]->isEmptyElement());
    EXPECT_EQ(images[0]->toXML(), L"<img alt=\"pic\" src=\"x.png\" />");
}

// A link, pre or ruby block that the page never closes ends with the page: it is recorded
// once, and the tags inside it are treated as in a closed one.
TEST(HTMLParser, BlocksLeftOpenAtTheEndAreRecordedOnce) {
    HTMLParser parser;
    parser.parse(L"<p>Intro</p><a href='x'>text");
    std::vector<Element*> links = parser.getElementsByTagName(L"a");
    EXPECT_EQ(links.size(), 1u);
    ASSERT_FALSE(links.empty());
    EXPECT_EQ(links[0]->getAttribute(L"href"), L"x");
    EXPECT_NE(parser.getText().find(L"text"), std::wstring::npos);

    parser.parse(L"<a href='x'>text <span class='inner'>more");
    EXPECT_EQ(parser.getElementsByTagName(L"a").size(), 1u);
    EXPECT_TRUE(parser.getElementsByTagName(L"span").empty());
    EXPECT_NE(parser.getText().find(L"text more"), std::wstring::npos);

    parser.parse(L"<pre><b class='c'>raw");
    EXPECT_EQ(parser.getElementsByTagName(L"b").size(), 1u);

    for (const wchar_t* page : {L"<ruby><rb>x</rb><rt class='r'>y</rt></ruby>", L"<ruby><rb>x</rb><rt class='r'>y"}) {
        parser.parse(page);
        EXPECT_TRUE(parser.getElementsByTagName(L"rt").empty()) << page;
        EXPECT_EQ(parser.getRubies().at(L"x"), L"y") << page;
    }
}
