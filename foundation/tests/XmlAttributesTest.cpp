// Element attributes are kept compactly and their map is built on request: the map must
// follow every change, and threads asking for it at once get one and the same map.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "foundation/xml/Element.h"

TEST(XmlAttributes, TheMapFollowsEveryChange) {
    Element e(L"e");
    EXPECT_TRUE(e.getAttributes().empty());
    e.setAttribute(L"b", L"2");
    EXPECT_EQ(e.getAttributes(), (Element::AttributeMap{{L"b", L"2"}}));
    e.setAttribute(L"b", L"3");
    e.setAttribute(L"a", L"1");
    EXPECT_EQ(e.getAttributes(), (Element::AttributeMap{{L"a", L"1"}, {L"b", L"3"}}));
    EXPECT_EQ(e.findAttribute(L"a")->second, L"1");
    e.setAttributes({{L"c", L"4"}});
    EXPECT_EQ(e.getAttributes(), (Element::AttributeMap{{L"c", L"4"}}));
    e.clear();
    EXPECT_TRUE(e.getAttributes().empty());
    EXPECT_FALSE(e.hasAttribute(L"c"));
}

TEST(XmlAttributes, TheMapStaysValidAcrossChanges) {
    Element e(L"e");
    e.setAttributes({{L"a", L"1"}, {L"b", L"2"}});
    const Element::AttributeMap& map = e.getAttributes();
    // Rewriting values while walking the map, as with a plain map.
    for (const auto& attribute : map) e.setAttribute(attribute.first, attribute.second + L"0");
    e.setAttribute(L"c", L"3");
    EXPECT_EQ(map, (Element::AttributeMap{{L"a", L"10"}, {L"b", L"20"}, {L"c", L"3"}}));
    Element other(L"o");
    other.setAttribute(L"x", L"9");
    e.assign(other);
    EXPECT_EQ(map, (Element::AttributeMap{{L"x", L"9"}}));
    e.clear();
    EXPECT_TRUE(map.empty());
    EXPECT_EQ(&e.getAttributes(), &map);
}

TEST(XmlAttributes, WritingOrderSurvivesCopiesAndLookupsIgnoreCaseOnlyWhenAsked) {
    Element e(L"e");
    e.setAttributes({{L"m", L"1"}, {L"x", L"2"}});
    e.setAttribute(L"z", L"3");  // sorts last: still name order
    e.setAttribute(L"B", L"4");  // sorts first: written last
    e.setAttribute(L"b", L"5");
    const std::vector<std::wstring> order{L"m", L"x", L"z", L"B", L"b"};
    EXPECT_EQ(e.getAttributeOrder(), order);
    Element copy(e);
    EXPECT_EQ(copy.getAttributeOrder(), order);
    EXPECT_EQ(copy.getStartTag(), L"<e m=\"1\" x=\"2\" z=\"3\" B=\"4\" b=\"5\">");
    EXPECT_EQ(copy.getAttribute(L"b"), L"5");
    EXPECT_FALSE(copy.hasAttribute(L"X"));
    copy.setCaseSensitiveAttributeNames(false);
    EXPECT_EQ(copy.getAttribute(L"X"), L"2");
    EXPECT_EQ(copy.findAttribute(L"M")->second, L"1");
    EXPECT_EQ(copy.getIntAttribute(L"Z", 0), 3);
}

TEST(XmlAttributes, ThreadsAskingForTheMapAtOnceShareIt) {
    for (int round = 0; round < 50; ++round) {
        Element e(L"e");
        for (int i = 0; i < 20; ++i) e.setAttribute(L"n" + std::to_wstring(i), std::to_wstring(i));
        std::vector<const Element::AttributeMap*> seen(4);
        std::vector<std::thread> threads;
        for (size_t t = 0; t < seen.size(); ++t) {
            threads.emplace_back([&e, &seen, t] { seen[t] = &e.getAttributes(); });
        }
        for (std::thread& thread : threads) thread.join();
        for (const Element::AttributeMap* map : seen) {
            ASSERT_EQ(map, seen[0]);
            ASSERT_EQ(map->size(), 20u);
        }
    }
}
