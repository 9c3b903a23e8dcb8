#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "downloaders/news/NewsScraping.h"
#include "downloaders/news/SentenceGroupBuilder.h"
#include "foundation/xml/Element.h"

TEST(NewsScraping, InnerTextIsBetweenTheFirstStartAndTheNextEnd) {
    struct Case {
        const wchar_t* text;
        const wchar_t* start;
        const wchar_t* end;
        size_t from;
        const wchar_t* expected;
    } cases[] = {
        {L"<a>x</a><a>y</a>", L"<a>", L"</a>", 0, L"x"},
        {L"<a>x</a><a>y</a>", L"<a>", L"</a>", 1, L"y"},
        {L"<a>x", L"<a>", L"</a>", 0, L""},       // no end
        {L"x</a>", L"<a>", L"</a>", 0, L""},      // no start
        {L"abc|def", L"", L"|", 0, L"abc"},       // an empty start is found at once
        {L"ab", L"<a>", L"</a>", 100, L""},       // a start beyond the text
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, getInnerText(c.text, c.start, c.end, c.from)) << c.text;
}

TEST(NewsScraping, RemovesWholeBlocksOnlyAndKeepsAnUnclosedOne) {
    EXPECT_EQ(L"a  c", removeBlocks(L"a <!--x--> c", L"<!--", L"-->"));
    EXPECT_EQ(L"ace", removeBlocks(L"a<!--b-->c<!--d-->e", L"<!--", L"-->"));
    EXPECT_EQ(L"a c<!--open", removeBlocks(L"a<!--x--> c<!--open", L"<!--", L"-->"));
    EXPECT_EQ(L"x-->y", removeBlocks(L"x-->y", L"<!--", L"-->"));
    // A closing marker inside the opening one is not taken for the end.
    EXPECT_EQ(L"ab", removeBlocks(L"a<!-->x-->b", L"<!--", L"-->"));
}

TEST(NewsScraping, TrimSplitAndRegexReplace) {
    EXPECT_EQ(L"text \n", trim(L" \r\n\ttext \n", L" \r\n\t", L""));
    EXPECT_EQ(L"text", trim(L"--text++", L"-", L"+"));
    EXPECT_EQ(L"", trim(L"   ", L" ", L" "));
    EXPECT_EQ((std::vector<std::wstring>{L"2020", L"", L"30"}), splitText(L"2020//30/", L"/"));
    EXPECT_TRUE(splitText(L"", L"/").empty());
    EXPECT_EQ(L"a x b", replaceRegex(L"a <b>x</b> b", L"<.+?>", L""));
    EXPECT_EQ(L"plain", replaceRegex(L"plain", L"<.+?>", L""));
}

TEST(NewsScraping, TagRemovalMatchesTheRegexAndStaysLinear) {
    for (const wchar_t* text : {L"", L"plain", L"a <b>x</b> b", L"<>", L"<>x>", L"<<a>>", L"x<", L"a<b\nc>d<e>",
                                L"<\n>", L"<a\r>z", L"<<\n<a>", L"\n<a\nb>c<d>", L">a<b>", L"<a><b><c", L"<\n<\n>>"}) {
        EXPECT_EQ(replaceRegex(text, L"<.+?>", L""), removeTags(text)) << text;
    }
    // Many unclosed "<" in a damaged page: one pass, not one search per "<".
    const std::wstring damaged(2000000, L'<');
    const DWORD start = ::GetTickCount();
    EXPECT_TRUE(damaged == removeTags(damaged));
    const std::wstring unclosedLines = std::wstring(1000000, L'<') + L"\n";
    EXPECT_TRUE(unclosedLines + L"x" == removeTags(unclosedLines + L"<a>x"));
    EXPECT_LT(::GetTickCount() - start, 2000u);
}

TEST(SentenceGroupBuilder, BreaksComeFromMarkupAndEndSentenceAndTranslation) {
    std::unique_ptr<Element> group(buildSentenceGroup(L"One\r\nline &amp; more", L"First<br />second", L"Note"));
    ASSERT_EQ(L"SentenceGroup", group->getName());
    const std::vector<Element*> children = group->getChildren();
    ASSERT_EQ(3u, children.size());
    EXPECT_EQ(L"sentence", children[0]->getName());
    EXPECT_EQ(L"translation", children[1]->getName());
    EXPECT_EQ(L"explanation", children[2]->getName());
    // The page's own line break goes; a missing final break is added, but not twice.
    EXPECT_EQ(L"Oneline & more\r\n", children[0]->getText());
    EXPECT_EQ(L"First\r\nsecond", children[1]->getText());
    EXPECT_EQ(L"Note", children[2]->getText());
    EXPECT_TRUE(children[0]->getFirstCDataChild() != nullptr);
    EXPECT_FALSE(group->hasAttribute(L"startTime"));
}
