#include <gtest/gtest.h>

#include <memory>

#include "foundation/xml/Element.h"

namespace {

Element* textNode(const std::wstring& text) {
    Element* node = new Element();
    node->setText(text);
    return node;
}

std::wstring names(const Element& parent) {
    std::wstring out;
    for (Element* child : parent.getChildren()) out += child->getName().empty() ? L"#" : child->getName();
    return out;
}

}  // namespace

TEST(XmlDom, WritesNestedElementsWithTabsAndCrLf) {
    Element a(L"a");
    Element* b = new Element(L"b");
    b->setAttribute(L"x", L"1&");
    b->setEmptyElement(true);
    a.appendChild(b);
    EXPECT_EQ(a.toXML(), L"<a>\r\n\t<b x=\"1&amp;\" />\r\n</a>");

    Element leaf(L"a");
    leaf.setText(L"hello");
    EXPECT_EQ(leaf.toXML(), L"<a>hello</a>");

    Element outer(L"a");
    Element* inner = new Element(L"b");
    inner->setText(L"t");
    outer.appendChild(inner);
    EXPECT_EQ(outer.toXML(), L"<a>\r\n\t<b>t</b>\r\n</a>");
}

TEST(XmlDom, EscapesTextAndAttributeValues) {
    Element e(L"title");
    e.setAttribute(L"url", L"http://x/?a=1&b=\"2\"'");
    e.setText(L"Tom & Jerry <3> \"quoted\"");
    EXPECT_EQ(e.toXML(),
              L"<title url=\"http://x/?a=1&amp;b=&quot;2&quot;&apos;\">Tom &amp; Jerry &lt;3&gt; \"quoted\"</title>");
}

TEST(XmlDom, CDataSectionsAndTheirEndMarker) {
    Element section;
    section.setSDATA(L"a]]>b]]>");
    EXPECT_EQ(section.getAllText(), L"a]]&gt;b]]&gt;");
    EXPECT_EQ(section.toXML(), L"<![CDATA[a]]&gt;b]]&gt;]]>");
    Element named(L"n");
    named.setSDATA(L"x");
    EXPECT_FALSE(named.isCData());
    EXPECT_EQ(named.getAllText(), L"");

    Element sentence(L"sentence");
    Element* cdata = new Element();
    cdata->setSDATA(L"Hi <there>");
    sentence.appendChild(cdata);
    EXPECT_EQ(sentence.getText(), L"Hi <there>");
    EXPECT_EQ(sentence.toXML(), L"<sentence>\r\n\t<![CDATA[Hi <there>]]>\r\n</sentence>");
}

TEST(XmlDom, AttributeOrderAndCaseSensitivity) {
    Element e(L"e");
    e.setAttributes({{L"b", L"2"}, {L"a", L"1"}});
    e.setAttribute(L"Zed", L"3");
    e.setAttribute(L"a", L"one");
    EXPECT_EQ(e.getStartTag(), L"<e a=\"one\" b=\"2\" Zed=\"3\">");
    EXPECT_EQ(e.getAttribute(L"zed", L"none"), L"none");
    e.setCaseSensitiveAttributeNames(false);
    EXPECT_EQ(e.getAttribute(L"zed", L"none"), L"3");
    EXPECT_EQ(e.getIntAttribute(L"ZED", 7), 3);
    EXPECT_EQ(e.getIntAttribute(L"missing", 7), 7);
    e.setIntAttribute(L"n", -12);
    EXPECT_EQ(e.getAttribute(L"n"), L"-12");
}

TEST(XmlDom, InsertRemoveAndDeleteKeepLinksConsistent) {
    Element root(L"r");
    Element* b = new Element(L"b");
    root.appendChild(b);
    root.insertChild(new Element(L"a"), b, 0);
    root.insertChild(new Element(L"c"), b, 1);
    root.insertChild(new Element(L"s"), b, 2);
    root.insertChild(new Element(L"z"), b, 3);
    EXPECT_EQ(names(root), L"sabcz");
    EXPECT_EQ(root.indexOfChild(b), 2);

    EXPECT_TRUE(root.removeChild(b));
    EXPECT_EQ(b->getParent(), nullptr);
    EXPECT_EQ(root.indexOfChild(b), -1);
    EXPECT_FALSE(root.removeChild(b));
    EXPECT_EQ(names(root), L"sacz");
    root.appendChild(b);  // appending after a removal links after the real last child
    EXPECT_EQ(names(root), L"saczb");
    EXPECT_EQ(b->getPreviousSibling(), root.getChildren()[3]);

    Element* deep = new Element(L"deep");
    root.getChildren()[0]->appendChild(deep);
    EXPECT_EQ(deep->getDepth(), 2);
    EXPECT_TRUE(root.deleteDescendant(deep));
    EXPECT_FALSE(root.deleteChild(nullptr));
    root.deleteChildren();
    EXPECT_EQ(root.getFirstChild(), nullptr);
    root.appendChild(new Element(L"x"));
    EXPECT_EQ(names(root), L"x");
}

TEST(XmlDom, ReplacingFirstChildOrNextSiblingKeepsTheRest) {
    Element root(L"r");
    root.appendChild(new Element(L"a"));
    root.appendChild(new Element(L"b"));
    root.appendChild(new Element(L"c"));
    root.setFirstChild(new Element(L"A"));
    EXPECT_EQ(names(root), L"Abc");
    root.getChildren()[1]->setNextSibling(new Element(L"C"));
    EXPECT_EQ(names(root), L"AbC");
    root.getChildren()[2]->addSibling(new Element(L"d"));
    root.appendChild(new Element(L"e"));
    EXPECT_EQ(names(root), L"AbCde");
    for (Element* child : root.getChildren()) EXPECT_EQ(child->getParent(), &root);
}

TEST(XmlDom, AssignCopiesDeeplyAndKeepsItsPlace) {
    Element source(L"src");
    source.setAttribute(L"k", L"v");
    Element* child = new Element(L"child");
    child->setText(L"text");
    source.appendChild(child);

    Element root(L"root");
    Element* target = new Element(L"old");
    root.appendChild(target);
    root.appendChild(new Element(L"after"));
    target->appendChild(new Element(L"gone"));
    *target = source;
    EXPECT_EQ(target->getParent(), &root);
    EXPECT_EQ(names(root), L"srcafter");
    EXPECT_EQ(target->toXML(), L"\t<src k=\"v\">\r\n\t\t<child>text</child>\r\n\t</src>");
    child->setText(L"changed");
    EXPECT_EQ(target->getAllText(), L"text");

    // Assigning a descendant of itself copies it before the children go.
    Element* inner = target->getChildren()[0];
    *target = *inner;
    EXPECT_EQ(target->getName(), L"child");
    EXPECT_EQ(target->getAllText(), L"text");

    Element copy(root);
    EXPECT_EQ(copy.toXML(), root.toXML());
}

TEST(XmlDom, LookupsByTagName) {
    Element root(L"a");
    Element* b = new Element(L"b");
    root.appendChild(b);
    b->appendChild(new Element(L"a"));
    root.appendChild(new Element(L"a"));
    EXPECT_EQ(root.getElementByTagName(L"a"), &root);
    EXPECT_EQ(root.getElementByTagName(L""), nullptr);
    EXPECT_EQ(root.getElementByTagName(L"none"), nullptr);
    std::vector<Element*> found;
    root.getElementsByTagName(L"a", found);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0]->getParent(), b);
}

TEST(XmlDom, SetTextAndClear) {
    Element e(L"e");
    e.appendChild(new Element(L"x"));
    e.appendChild(textNode(L"one"));
    e.setText(L"two");
    EXPECT_EQ(e.getAllText(), L"two");
    EXPECT_EQ(e.getChildren().size(), 2u);
    e.setAttribute(L"k", L"v");
    e.clear();
    EXPECT_EQ(e.getName(), L"e");
    EXPECT_TRUE(e.getAttributes().empty());
    EXPECT_EQ(e.getFirstChild(), nullptr);
    EXPECT_EQ(Element::escapeXml(L"<&>\"'"), L"&lt;&amp;&gt;&quot;&apos;");
}

TEST(XmlDom, ElementFromATagRecord) {
    TagRecord tag;
    tag.name = L"img";
    tag.attributes = {{L"src", L"a.png"}, {L"alt", L"A & B"}};
    tag.emptyElement = true;
    Element image(tag);
    EXPECT_EQ(image.getName(), L"img");
    EXPECT_TRUE(image.isEmptyElement());
    EXPECT_EQ(image.getAttributeOrder(), (std::vector<std::wstring>{L"alt", L"src"}));
    EXPECT_EQ(image.toXML(), L"<img alt=\"A &amp; B\" src=\"a.png\" />");
    tag.emptyElement = false;
    EXPECT_EQ(Element(tag).toXML(), L"<img alt=\"A &amp; B\" src=\"a.png\"></img>");
}

// Text beside child elements is content: no indentation or line ends go around the
// children, at any depth below.
TEST(XmlDom, MixedContentIsWrittenInline) {
    Element list(L"list");
    Element* mixed = new Element(L"p");
    list.appendChild(mixed);
    mixed->appendChild(textNode(L"a "));
    Element* bold = new Element(L"b");
    mixed->appendChild(bold);
    Element* italic = new Element(L"i");
    italic->setText(L"x");
    bold->appendChild(italic);
    Element* section = new Element();
    section->setSDATA(L"core");
    mixed->appendChild(section);
    mixed->appendChild(textNode(L" c"));
    Element* plain = new Element(L"q");
    plain->appendChild(new Element(L"r"));
    list.appendChild(plain);
    EXPECT_EQ(list.toXML(), L"<list>\r\n\t<p>a <b><i>x</i></b><![CDATA[core]]> c</p>\r\n\t<q>\r\n\t\t<r></r>\r\n\t</q>\r\n</list>");
}
