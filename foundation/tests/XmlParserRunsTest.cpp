// The parser takes text, CDATA, comments, names and values as runs: what happens where a
// run ends (at the end of the input, at a quote, at a terminator that is nearly there).
#include <gtest/gtest.h>

#include <string>

#include "foundation/system/ParserException.h"
#include "foundation/xml/XMLParser.h"

namespace {

std::wstring written(const std::wstring& text) {
    XMLParser parser;
    if (!parser.parseString(text)) return L"<no root>";
    return parser.getRootElement()->toXML();
}

}  // namespace

TEST(XmlParserRuns, RunsThatTheInputEndsAreDropped) {
    EXPECT_EQ(written(L"<a>tail with no tag after"), L"<a></a>");
    EXPECT_EQ(written(L"<a><![CDATA[never closed"), L"<a></a>");
    EXPECT_EQ(written(L"<a><!-- never closed <b/>"), L"<a></a>");
    EXPECT_EQ(written(L"<a b=\"never closed />"), L"<no root>");
    // A "<!" construct other than a comment, CDATA or DOCTYPE takes the rest of the input.
    EXPECT_EQ(written(L"<a><!doctype x><b/></a>"), L"<a></a>");
    EXPECT_EQ(written(L"<a><!-"), L"<a></a>");
}

TEST(XmlParserRuns, TerminatorsAreFoundWhereTheyFirstComplete) {
    EXPECT_EQ(written(L"<a><!---><b/>--><c/></a>"), L"<a>\r\n\t<c />\r\n</a>");
    EXPECT_EQ(written(L"<a><!----><c/></a>"), L"<a>\r\n\t<c />\r\n</a>");
    EXPECT_EQ(written(L"<a><![CDATA[x]]]></a>"), L"<a>\r\n\t<![CDATA[x]]]>\r\n</a>");
    EXPECT_EQ(written(L"<a><![CDATA[]>]]]]></a>"), L"<a>\r\n\t<![CDATA[]>]]]]>\r\n</a>");
    EXPECT_EQ(written(L"<a><!DOCTYPE <b>x</a>"), L"<a>x</a>");
}

TEST(XmlParserRuns, ReferencesEndWithTheirRun) {
    XMLParser parser;
    ASSERT_TRUE(parser.parseString(L"<a v='x&amp' w=\"&lt;&q;&gt\" u='&a&amp;'>&lt&gt;<b/>&amp;&</a>"));
    Element* a = parser.getRootElement();
    EXPECT_EQ(a->getAttribute(L"v"), L"x&amp");
    EXPECT_EQ(a->getAttribute(L"w"), L"<&gt");
    EXPECT_EQ(a->getAttribute(L"u"), L"");  // "&a&amp;" is one unknown reference
    EXPECT_EQ(a->getAllText(), L"&&");
}

TEST(XmlParserRuns, RepeatedAttributesKeepTheLastValueInNameOrder) {
    EXPECT_EQ(written(L"<a b='1' a='2' b='3'/>"), L"<a a=\"2\" b=\"3\" />");
    // Beyond a handful the attributes are sorted another way; the result is the same.
    EXPECT_EQ(written(L"<a k='1' j='2' i='3' h='4' g='5' f='6' e='7' d='8' c='9' b='10' a='11' k='12' a='13'/>"),
              L"<a a=\"13\" b=\"10\" c=\"9\" d=\"8\" e=\"7\" f=\"6\" g=\"5\" h=\"4\" i=\"3\" j=\"2\" k=\"12\" />");
    // Attributes of one tag don't reach the next.
    EXPECT_EQ(written(L"<a x='1'><b/></a>"), L"<a x=\"1\">\r\n\t<b />\r\n</a>");
}

TEST(XmlParserRuns, DeclarationKeepsItsOtherAttributesInNameOrder) {
    XMLParser parser;
    ASSERT_TRUE(parser.parseString(L"<?xml version='1.0' standalone='yes' encoding='utf-8' alpha='a'?><r/>"));
    EXPECT_EQ(parser.getDeclaration(),
              L"<?xml version=\"1.0\" encoding=\"utf-8\" alpha=\"a\" standalone=\"yes\"?>");
}

TEST(XmlParserRuns, ElementsSharingANameAreRenamedAlone) {
    XMLParser parser;
    ASSERT_TRUE(parser.parseString(L"<r><item/><item/></r>"));
    std::vector<Element*> items = parser.getElementsByTagName(L"item");
    ASSERT_EQ(items.size(), 2u);
    items[0]->setTagName(L"first");
    Element copy(*items[1]);
    copy.setTagName(L"");
    EXPECT_TRUE(copy.isTextNode());
    EXPECT_EQ(items[1]->getName(), L"item");
    EXPECT_EQ(parser.getRootElement()->toXML(), L"<r>\r\n\t<first />\r\n\t<item />\r\n</r>");
}
