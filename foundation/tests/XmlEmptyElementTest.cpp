#include <gtest/gtest.h>

#include "foundation/xml/Element.h"
#include "foundation/xml/XMLParser.h"

TEST(XmlEmptyElement, ContentAddedToAnEmptyTagIsWrittenOut) {
    XMLParser parser;
    ASSERT_TRUE(parser.parseString(L"<Files><Old/></Files>"));
    Element* old = parser.getElementByTagName(L"Old");
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->toXML(), L"\t<Old />");  // written at its depth

    auto* child = new Element(L"TreeItem");
    child->setAttribute(L"path", L"a.mp3");
    old->appendChild(child);
    EXPECT_EQ(old->toXML(), L"\t<Old>\r\n\t\t<TreeItem path=\"a.mp3\"></TreeItem>\r\n\t</Old>");

    ASSERT_TRUE(parser.parseString(L"<Note/>"));
    parser.getRootElement()->setText(L"kept");
    EXPECT_EQ(parser.getRootElement()->toXML(), L"<Note>kept</Note>");
}
